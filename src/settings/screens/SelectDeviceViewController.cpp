#include "settings/screens/SelectDeviceViewController.h"

#include "core/VexoLanguages.h"
#include "ui_SelectDeviceView.h"

#include "settings/record/CardRecognition.h"
#include "settings/screens/SettingWindow.h"
#include "ui/VexoCancelEventView.h"

using namespace Qt::StringLiterals;

SelectDeviceViewController::SelectDeviceViewController(QObject *parent)
    : VexoViewController(parent), m_ui(std::make_unique<Ui::SelectDeviceView>())
{
}

SelectDeviceViewController::~SelectDeviceViewController() = default;

QWidget *SelectDeviceViewController::createView()
{
    auto *root = new VexoCancelEventView(); // owned by this controller until a window takes it
    m_ui->setupUi(root);
    root->setObjectName(u"SelectDeviceView"_s);
    m_ui->modelComboBox->addItems(CardRecognition::modelNameList());
    m_ui->modelComboBox->setCurrentIndex(0);
    connect(m_ui->okButton, &QPushButton::clicked, this, &SelectDeviceViewController::okButtonTouched);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &SelectDeviceViewController::cancelButtonTouched);
    return root;
}

void SelectDeviceViewController::applyLanguageSettings()
{
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    m_ui->titleLabel->setText(languages.localized(
        u"케스트릭스 블랙박스 정보를 읽을 수 없습니다.\n모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다."_s));
    m_ui->okButton->setText(u"OK"_s);
    m_ui->cancelButton->setText(languages.localized(u"취소"_s));
}

qint64 SelectDeviceViewController::selectedModelType() const
{
    return isViewLoaded() ? m_ui->modelComboBox->currentIndex() : -1;
}

QComboBox *SelectDeviceViewController::modelComboBox() const
{
    return m_ui->modelComboBox;
}

QLabel *SelectDeviceViewController::titleLabel() const
{
    return m_ui->titleLabel;
}

QPushButton *SelectDeviceViewController::okButton() const
{
    return m_ui->okButton;
}

QPushButton *SelectDeviceViewController::cancelButton() const
{
    return m_ui->cancelButton;
}

void SelectDeviceViewController::okButtonTouched()
{
    SettingWindow::endModal(view(), 1);
}

void SelectDeviceViewController::cancelButtonTouched()
{
    SettingWindow::endModal(view(), 0);
}
