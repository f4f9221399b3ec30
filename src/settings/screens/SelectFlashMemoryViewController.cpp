#include "settings/screens/SelectFlashMemoryViewController.h"

#include "core/VexoLanguages.h"
#include "ui_SelectFlashMemoryView.h"

#include "export/Utils.h"
#include "platform/SystemVolumes.h"
#include "settings/screens/SettingWindow.h"
#include "ui/VexoCancelEventView.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

SelectFlashMemoryViewController::SelectFlashMemoryViewController(std::shared_ptr<const VolumeSource> volumes,
                                                                 QObject *parent)
    : VexoViewController(parent), m_volumes(volumes ? std::move(volumes) : SystemVolumes::system()),
      m_ui(std::make_unique<Ui::SelectFlashMemoryView>())
{
}

SelectFlashMemoryViewController::~SelectFlashMemoryViewController() = default;

QWidget *SelectFlashMemoryViewController::createView()
{
    auto *root = new VexoCancelEventView(); // owned by this controller until a window takes it
    m_ui->setupUi(root);
    root->setObjectName(u"SelectFlashMemoryView"_s);
    for (const MountedVolume &volume : m_volumes->mountedVolumes()) {
        const QUrl url = QUrl::fromLocalFile(volume.path);
        if (Utils::isEXteranlMemoryWithURL(url, *m_volumes)) {
            m_diskVolumes.append(url);
            m_ui->flashMemoryComboBox->addItem(QFileInfo(volume.path).fileName());
        }
    }
    if (m_diskVolumes.isEmpty()) {
        m_ui->okButton->setEnabled(false);
    } else {
        m_ui->flashMemoryComboBox->setCurrentIndex(int(m_diskVolumes.size()) - 1);
    }
    connect(m_ui->okButton, &QPushButton::clicked, this, &SelectFlashMemoryViewController::okButtonTouched);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &SelectFlashMemoryViewController::cancelButtonTouched);
    return root;
}

void SelectFlashMemoryViewController::applyLanguageSettings()
{
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    m_ui->titleLabel->setText(languages.localized(u"플래시 메모리를 선택해주세요."_s));
    m_ui->okButton->setText(u"OK"_s);
    m_ui->cancelButton->setText(languages.localized(u"취소"_s));
}

QUrl SelectFlashMemoryViewController::selectedFlashMeoryUrl() const
{
    const int index = isViewLoaded() ? m_ui->flashMemoryComboBox->currentIndex() : -1;
    return index >= 0 && index < m_diskVolumes.size() ? m_diskVolumes.at(index) : QUrl();
}

QComboBox *SelectFlashMemoryViewController::flashMemoryComboBox() const
{
    return m_ui->flashMemoryComboBox;
}

QLabel *SelectFlashMemoryViewController::titleLabel() const
{
    return m_ui->titleLabel;
}

QPushButton *SelectFlashMemoryViewController::okButton() const
{
    return m_ui->okButton;
}

QPushButton *SelectFlashMemoryViewController::cancelButton() const
{
    return m_ui->cancelButton;
}

void SelectFlashMemoryViewController::okButtonTouched()
{
    SettingWindow::endModal(view(), 1);
}

void SelectFlashMemoryViewController::cancelButtonTouched()
{
    SettingWindow::endModal(view(), 0);
}
