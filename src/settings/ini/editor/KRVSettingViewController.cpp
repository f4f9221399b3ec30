#include "KRVSettingViewController.h"

#include "ui_KRVSettingViewController.h"

#include "settings/ini/KRVSettingManager.h"
#include "ui/BGColorView.h"
#include "ui/ControlCaptions.h"
#include "ui/ImageButton.h"
#include "ui/MouseEventSlider.h"
#include "ui/NamedImage.h"
#include "ui/RadioButton.h"
#include "ui/VexoCancelEventView.h"
#include "ui/VexoEventView.h"
#include "ui/ViewExtensions.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {
// The split lines run to this x inside their section, whatever the title's width.
constexpr int SplitLineEnd = 548;

QString cellName(const QString &group, int index)
{
    return group + u"Cell"_s + QString::number(index);
}

QString cellTitleName(const QString &group, int index)
{
    return group + u"Title"_s + QString::number(index);
}
} // namespace

KRVSettingViewController::KRVSettingViewController(std::shared_ptr<KRVSettingManager> manager, QObject *parent)
    : VexoViewController(parent),
      m_manager(manager ? std::move(manager) : KRVSettingManager::SharedKRVSettingManager()), m_model(m_manager)
{
    connect(&m_model, &KRVSettingEditorModel::changed, this, &KRVSettingViewController::refreshFromModel);
}

KRVSettingViewController::~KRVSettingViewController() = default;

QWidget *KRVSettingViewController::createView()
{
    auto *root = new VexoCancelEventView(); // owned by this controller until the settings window takes it
    m_ui = std::make_unique<Ui::KRVSettingView>();
    m_ui->setupUi(root);
    m_root = root;
    m_ui->eventView->setEventHandleDelegate(this);

    m_ui->contentBGView->setColor(Qt::white);
    m_ui->subSettingView->setAutoFillBackground(true);
    QPalette white = m_ui->subSettingView->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_ui->subSettingView->setPalette(white);
    m_originContentViewFrame = m_ui->contentScrollView->geometry();
    m_originPartitionGraphWidth = m_ui->continuousGraphView->width();

    m_ui->continuousGraphView->setColor(Qt::green);
    m_ui->eventGraphView->setColor(Qt::yellow);
    m_ui->parkGraphView->setColor(QColor(255, 165, 0));
    m_ui->manualGraphView->setColor(Qt::red);

    QPalette title = m_ui->titleTextField->palette();
    title.setColor(QPalette::WindowText, ViewExtensions::colorWithHexColorString(u"d6dfe9"_s));
    m_ui->titleTextField->setPalette(title);

    const QMargins insets(4, 4, 4, 4);
    const QPixmap background = NamedImage::pixmap(u"setting_bg"_s);
    if (!background.isNull()) {
        m_ui->bgImageView->setPixmap(
            ViewExtensions::stretchableImageWithSize(background, m_ui->bgImageView->size(), insets));
    }
    for (ImageButton *button : {m_ui->okButton, m_ui->cancelButton, m_ui->resetButton}) {
        ViewExtensions::setTitleColor(button, Qt::white);
    }
    m_ui->dateTimeDatePicker->setLocale(QLocale(QLocale::English));
    m_ui->dateTimeDatePicker->setDisplayFormat(u"yyyy-MM-dd HH:mm:ss"_s);

    connectControls(root);
    m_model.load();
    changeCurrentView(m_ui->subSettingView);
    refreshFromModel();
    return root;
}

void KRVSettingViewController::connectControls(QWidget *root)
{
    const QMap<QString, int> &groups = KRVSettingEditorModel::radioGroupCellCounts();
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const QString group = it.key();
        for (int i = 0; i < it.value(); ++i) {
            auto *cell = root->findChild<RadioButton *>(cellName(group, i));
            if (cell == nullptr) {
                continue;
            }
            connect(cell, &RadioButton::clicked, this, [this, cell, group, i] {
                // A disabled group keeps its choice: its clicks change nothing on the card.
                if (cell->isRadioEnabled()) {
                    m_model.radioGroupTouched(group, i);
                }
            });
        }
    }
    connect(m_ui->timeZoneComboBox, &QComboBox::activated, &m_model, &KRVSettingEditorModel::timeZoneComboBoxChanged);
    for (const QString &name : KRVSettingEditorModel::sliderOutlets()) {
        auto *slider = root->findChild<MouseEventSlider *>(name);
        if (slider == nullptr) {
            continue;
        }
        connect(slider, &MouseEventSlider::sliderTouchedDown, this, [this, name] { m_model.sliderTouchedDown(name); });
        connect(slider, &MouseEventSlider::sliderTouchedUp, this, [this, name] { m_model.sliderTouchedUp(name); });
        connect(slider, &QSlider::valueChanged, this, [this, slider, name](int value) {
            // Positions between the camera's ones settle on the nearest; that move reports again.
            const int snapped = KRVSettingEditorModel::snapSliderValue(name, value);
            if (snapped != value) {
                slider->setValue(snapped);
                return;
            }
            m_model.sliderMoved(name, value);
        });
    }
    connect(m_ui->dateTimeCheckBox, &RadioButton::clicked, &m_model, &KRVSettingEditorModel::dateTimeCheckBoxTouched);
    connect(m_ui->dateTimeDatePicker, &QDateTimeEdit::dateTimeChanged, &m_model,
            &KRVSettingEditorModel::setDateTimePickerValue);
    connect(m_ui->dateTimeCurrentTimeButton, &QPushButton::clicked, &m_model,
            &KRVSettingEditorModel::dateTimeCurrentTimeButtonTouched);
    connect(m_ui->okButton, &ImageButton::clicked, this, &KRVSettingViewController::okButtonTouched);
    connect(m_ui->cancelButton, &ImageButton::clicked, this, &KRVSettingViewController::cancelButtonTouched);
    connect(m_ui->resetButton, &ImageButton::clicked, this, &KRVSettingViewController::resetButtonTouched);
}

void KRVSettingViewController::applyLanguageSettings()
{
    m_model.applyMainLanguageSeting();
}

void KRVSettingViewController::refreshFromModel()
{
    QWidget *root = m_root;
    if (root == nullptr) {
        return;
    }
    const QMap<QString, KRVSettingEditorModel::ControlState> &controls = m_model.controls();
    for (auto it = controls.cbegin(); it != controls.cend(); ++it) {
        const QString &name = it.key();
        const KRVSettingEditorModel::ControlState &state = *it;
        QWidget *widget = root->findChild<QWidget *>(name);
        if (widget == nullptr) {
            continue;
        }
        widget->setVisible(state.shown);
        if (root->findChild<RadioButton *>(cellName(name, 0)) != nullptr) {
            const int selected = state.value.toInt();
            for (int i = 0; auto *cell = root->findChild<RadioButton *>(cellName(name, i)); ++i) {
                cell->setRadioEnabled(state.enabled);
                // Selecting one cell deselects the others of its group number.
                cell->setIsSelected(i == selected);
                if (auto *caption = root->findChild<QLabel *>(cellTitleName(name, i))) {
                    caption->setText(state.titles.value(i));
                    caption->setEnabled(state.enabled);
                }
            }
        } else if (auto *slider = qobject_cast<MouseEventSlider *>(widget)) {
            const QSignalBlocker quiet(slider);
            slider->setValue(state.value.toInt());
            slider->setEnabled(state.enabled);
            if (auto *low = root->findChild<QLabel *>(name + u"LowTextField"_s)) {
                low->setText(state.titles.value(0));
            }
            if (auto *high = root->findChild<QLabel *>(name + u"HighTextField"_s)) {
                high->setText(state.titles.value(1));
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            const QSignalBlocker quiet(combo);
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) {
                items.append(combo->itemText(i));
            }
            if (items != state.titles) {
                combo->clear();
                combo->addItems(state.titles);
            }
            combo->setCurrentIndex(state.value.toInt());
            combo->setEnabled(state.enabled);
        } else if (auto *check = qobject_cast<RadioButton *>(widget)) {
            check->setIsSelected(state.value.toBool());
        } else if (auto *picker = qobject_cast<QDateTimeEdit *>(widget)) {
            const QSignalBlocker quiet(picker);
            picker->setDateTime(state.value.toDateTime());
            picker->setEnabled(state.enabled);
        } else if (auto *bar = qobject_cast<BGColorView *>(widget)) {
            const double width = state.value.toDouble() * m_originPartitionGraphWidth / 100.0;
            bar->resize(int(qBound(0.0, width, double(QWIDGETSIZE_MAX))), bar->height());
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(state.value.toString());
            label->setEnabled(state.enabled);
            if (name.endsWith(u"TitleTextField")) {
                const QString section = name.chopped(QStringView(u"TitleTextField").size());
                if (auto *line = root->findChild<QFrame *>(section + u"SplitLine"_s)) {
                    reSizeSplitLine(line, label);
                }
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            button->setText(state.titles.value(0));
            button->setEnabled(state.enabled);
        } else if (name.endsWith(u"SetView")) {
            ViewExtensions::setSubViewsEnabled(widget, state.enabled);
        }
    }
    // The cells and sliders are named after their captions, which may just have changed.
    ControlCaptions::describe(root);
}

void KRVSettingViewController::reSizeSplitLine(QFrame *line, QLabel *textField)
{
    if (line == nullptr || textField == nullptr) {
        return;
    }
    const int w = QFontMetrics(textField->font()).horizontalAdvance(textField->text());
    textField->resize(w + 3, textField->height());
    line->setGeometry(textField->x() + w + 10, line->y(), qMax(0, SplitLineEnd - w - 10), line->height());
}

void KRVSettingViewController::changeCurrentView(QWidget *content)
{
    if (content == nullptr || content == m_currentContentView || !m_ui) {
        return;
    }
    QScrollArea *scroll = m_ui->contentScrollView;
    if (m_currentContentView) {
        scroll->takeWidget();
        m_currentContentView->hide();
    }
    QRect frame = m_originContentViewFrame;
    if (content->height() < frame.height()) {
        // A short view: the scroll view ends just below it, its top edge where it was.
        frame.setHeight(content->height() + 2);
    }
    scroll->setGeometry(frame);
    // The scroll view takes the old placeholder's place and deletes it.
    delete scroll->takeWidget();
    scroll->setWidget(content);
    content->show();
    scroll->verticalScrollBar()->setValue(0);
    scroll->setVerticalScrollBarPolicy(scroll->height() < content->height() ? Qt::ScrollBarAlwaysOn
                                                                            : Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_currentContentView = content;
}

void KRVSettingViewController::okButtonTouched()
{
    m_model.okButtonTouched();
    endModalRun(1);
}

void KRVSettingViewController::cancelButtonTouched()
{
    endModalRun(m_model.cancelButtonTouched());
}

void KRVSettingViewController::resetButtonTouched()
{
    m_model.resetButtonTouched();
}

void KRVSettingViewController::endModalRun(int code)
{
    if (m_modalResult >= 0) {
        return; // a second Cancel (Escape held down) or OK after the run ended changes nothing
    }
    m_modalResult = code;
    Q_EMIT modalRunEnded(code);
    if (auto *dialog = qobject_cast<QDialog *>(view()->window())) {
        dialog->done(code);
    }
}

bool KRVSettingViewController::mouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    QWidget *window = view()->window();
    m_lastWindowDragLocation = event->scenePosition().toPoint();
    m_isDraggingWindow = true;
    // Wayland does not let a program place its own window; the compositor moves it instead.
    if (QGuiApplication::platformName() == QLatin1StringView("wayland") && window->windowHandle() != nullptr) {
        m_isDraggingWindow = false;
        window->windowHandle()->startSystemMove();
    }
    return true;
}

bool KRVSettingViewController::mouseDragged(QMouseEvent *event)
{
    if (!m_isDraggingWindow) {
        return false;
    }
    // The window moves under the pointer, so the press point stays where it was in the window.
    QWidget *window = view()->window();
    window->move(window->pos() + (event->scenePosition().toPoint() - m_lastWindowDragLocation));
    return true;
}

bool KRVSettingViewController::mouseUp(QMouseEvent *)
{
    const bool wasDragging = m_isDraggingWindow;
    m_isDraggingWindow = false;
    return wasDragging;
}

bool KRVSettingViewController::keyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        return false;
    }
    cancelButtonTouched();
    return true;
}
