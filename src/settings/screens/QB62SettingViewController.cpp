#include "settings/screens/QB62SettingViewController.h"

#include "core/VexoLanguages.h"
#include "ui_QB62SettingViewController.h"

#include "settings/editor/MemoryPartition.h"
#include "settings/screens/SettingWindow.h"
#include "ui/BGColorView.h"
#include "ui/ControlCaptions.h"
#include "ui/ImageButton.h"
#include "ui/MouseEventSlider.h"
#include "ui/RadioButton.h"
#include "ui/VexoCancelEventView.h"
#include "ui/VexoEventView.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Radio groups are grouped by number; each screen takes numbers no other screen uses.
qint32 nextRadioGroupID()
{
    static qint32 next = 0x51000;
    return next++;
}

// The Korean key of each section's title, and of the other fixed labels.
const QList<std::pair<const char16_t *, const char16_t *>> kCaptions = {
    {u"commonLanguageTitleTextField", u"언어"},
    {u"commonFrontBrightnessTitleTextField", u"전방 카메라 밝기"},
    {u"commonRearBrightnessTitleTextField", u"후방 카메라 밝기"},
    {u"commonAudioRecordTitleTextField", u"음성 녹음"},
    {u"commonVoiceMentTitleTextField", u"음성 안내"},
    {u"commonTimeTitleTextField", u"시간 설정"},
    {u"commonGMTTitleTextField", u"표준 시간대"},
    {u"commonDSTTitleTextField", u"일광 절약 시간"},
    {u"commonVideoDateFormatTitleTextField", u"날짜 표시 형식"},
    {u"commonSpeedUnitTitleTextField", u"속도 단위"},
    {u"commonDrivingGuideTitleTextField", u"운전 가이드"},
    {u"commonLCDBrightnessTitleTextField", u"화면 밝기"},
    {u"commonLCDOffTimerTitleTextField", u"화면 꺼짐 시간"},
    {u"commonSpeedStampTitleTextField", u"속도표시"},
    {u"alwaysResolutionTitleTextField", u"해상도"},
    {u"alwaysFrameRateTitleTextField", u"프레임 레이트"},
    {u"alwaysQualityTitleTextField", u"영상 화질"},
    {u"alwaysShockSensitivityTitleTextField", u"충격 감도"},
    {u"alwaysDrivingGuideTitleTextField", u"운전 가이드"},
    {u"alwaysWDRTitleTextField", u"WDR"},
    {u"alwaysVehicleTypeTitleTextField", u"차량 종류"},
    {u"alwaysLDWSTitleTextField", u"차선 이탈 경보"},
    {u"alwaysFCWSTitleTextField", u"앞차 추돌 경보"},
    {u"alwaysFVDWTitleTextField", u"앞차 출발 알림"},
    {u"parkingModeTitleTextField", u"주차모드"},
    {u"parkingSuperNightVisionTitleTextField", u"슈퍼 나이트 비전"},
    {u"parkingResolutionTitleTextField", u"해상도"},
    {u"parkingFrameRateTitleTextField", u"프레임 레이트"},
    {u"parkingQualityTitleTextField", u"영상 화질"},
    {u"parkingShockSensitivityTitleTextField", u"충격 감도"},
    {u"parkingMotionTitleTextField", u"모션 감지"},
    {u"parkingTimeLimitTitleTextField", u"주차 녹화 시간"},
    {u"parkingBatteryTitleTextField", u"배터리 방전 방지"},
    {u"etcOverwriteTitleTextField", u"덮어쓰기"},
    {u"etcSecurityLEDTitleTextField", u"시큐리티 LED"},
    {u"etcMemoryPartitionTitleTextField", u"메모리 파티션"},
    {u"etcMemoryCardFormatTitleTextField", u"메모리 카드 포멧"},
    {u"etcInitializeTitleTextField", u"화면 터치 정확도 초기화"},
    {u"alwaysFrontResolutionLabel", u"전방"},
    {u"alwaysRearResolutionLabel", u"후방"},
    {u"alwaysFrontQualityLabel", u"전방"},
    {u"alwaysRearQualityLabel", u"후방"},
    {u"parkingFrontResolutionLabel", u"전방"},
    {u"parkingRearResolutionLabel", u"후방"},
    {u"parkingFrontQualityLabel", u"전방"},
    {u"parkingRearQualityLabel", u"후방"},
    {u"etcOverwriteAlwaysCheckBoxLabel", u"상시 녹화"},
    {u"etcOverwriteAlwaysShockCheckBoxLabel", u"상시 충격 녹화"},
    {u"etcOverwriteParkingMotionCheckBoxLabel", u"주차 모션 녹화"},
    {u"etcOverwriteParkingShockCheckBoxLabel", u"주차 충격 녹화"},
    {u"etcOverwriteManualCheckBoxLabel", u"수동 녹화"},
    {u"etcMemoryPartitionAlwaysLabel", u"상시 녹화"},
    {u"etcMemoryPartitionAlwaysShockLabel", u"상시 충격 녹화"},
    {u"etcMemoryPartitionParkingMotionLabel", u"주차 모션 녹화"},
    {u"etcMemoryPartitionParkingShockLabel", u"주차 충격 녹화"},
    {u"etcMemoryPartitionManualLabel", u"수동 녹화"},
};

// The caption beside a radio group that shares its section with another ("front", "rear"): it goes
// with its group when a layout hides the group.
const QList<std::pair<const char16_t *, const char16_t *>> kGroupLabels = {
    {u"alwaysRadioGroupFrontResolution", u"alwaysFrontResolutionLabel"},
    {u"alwaysRadioGroupRearResolution", u"alwaysRearResolutionLabel"},
    {u"alwaysRadioGroupFrontQuality", u"alwaysFrontQualityLabel"},
    {u"alwaysRadioGroupRearQuality", u"alwaysRearQualityLabel"},
    {u"parkingFrontResolutionRadioGroup", u"parkingFrontResolutionLabel"},
    {u"parkingRearResolutionRadioGroup", u"parkingRearResolutionLabel"},
    {u"parkingFrontQualityRadioGroup", u"parkingFrontQualityLabel"},
    {u"parkingRearQualityRadioGroup", u"parkingRearQualityLabel"},
};

const QStringList kPartitionKinds = {u"Always"_s, u"AlwaysShock"_s, u"ParkingMotion"_s, u"ParkingShock"_s, u"Manual"_s};
} // namespace

QB62SettingViewController::QB62SettingViewController(QObject *parent)
    : VexoViewController(parent), m_editor(std::make_unique<QB62SettingEditor>()),
      m_ui(std::make_unique<Ui::QB62SettingViewController>())
{
}

QB62SettingViewController::~QB62SettingViewController()
{
    if (isViewLoaded()) {
        m_ui->eventView->setEventHandleDelegate(nullptr);
    }
    for (const qint32 group : std::as_const(m_radioGroupIDs)) {
        RadioButton::RemoveRadioButtonGroupFromGroupID(group);
    }
}

template <typename T> T *QB62SettingViewController::outlet(const QString &name) const
{
    return m_ui->contentBGView->window()->findChild<T *>(name);
}

QWidget *QB62SettingViewController::createView()
{
    auto *root = new VexoCancelEventView(); // owned by this controller until a window takes it
    m_ui->setupUi(root);
    root->setObjectName(u"QB62SettingViewController"_s);
    root->resize(600, 640);
    // The screen's dark ground (its style sheet) is painted only when asked for; without it the
    // pale title stood on white.
    root->setAttribute(Qt::WA_StyledBackground, true);
    m_ui->eventView->setEventHandleDelegate(this);
    for (QWidget *tab :
         {m_ui->commonSettingView, m_ui->alwaysSettingView, m_ui->parkingSettingView, m_ui->etcSettingView}) {
        tab->setAutoFillBackground(true);
        tab->setStyleSheet(u"background: white; color: #1b2733;"_s);
    }
    m_ui->contentBGView->setColor(Qt::white);
    m_ui->commonDatePicker->setLocale(QLocale(u"en"_s));
    m_originContentViewFrame = m_ui->contentScrollView->geometry();
    m_originPartitionGraphWidth = m_ui->etcMemoryPartitionAlwaysColorView->width();
    m_ui->titleTextField->setStyleSheet(u"color: #d6dfe9; font-weight: bold;"_s);

    m_editor->loadView();
    bindControls();
    restackTabViews();
    tabButtonTouched(m_ui->commonTabButton);

    const QList<std::pair<BGColorView *, QColor>> bars = {
        {m_ui->etcMemoryPartitionAlwaysColorView, QColor(0x3c, 0xb3, 0x4a)},
        {m_ui->etcMemoryPartitionAlwaysShockColorView, QColor(0xf2, 0xc9, 0x1d)},
        {m_ui->etcMemoryPartitionParkingMotionColorView, QColor(0xf2, 0x8c, 0x1d)},
        {m_ui->etcMemoryPartitionParkingShockColorView, QColor(0xe0, 0x3a, 0x3a)},
        {m_ui->etcMemoryPartitionManualColorView, QColor(0x2f, 0x7d, 0xe1)}};
    for (const auto &[bar, colour] : bars) {
        bar->setColor(colour);
    }
    syncPartitionGraph();

    connect(m_ui->commonTabButton, &ImageButton::clicked, this, [this] { tabButtonTouched(m_ui->commonTabButton); });
    connect(m_ui->alwaysTabButton, &ImageButton::clicked, this, [this] { tabButtonTouched(m_ui->alwaysTabButton); });
    connect(m_ui->parkingTabButton, &ImageButton::clicked, this, [this] { tabButtonTouched(m_ui->parkingTabButton); });
    connect(m_ui->etcTabButton, &ImageButton::clicked, this, [this] { tabButtonTouched(m_ui->etcTabButton); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QB62SettingViewController::okButtonTouched);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QB62SettingViewController::cancelButtonTouched);
    connect(m_ui->resetButton, &QPushButton::clicked, this, &QB62SettingViewController::resetButtonTouched);
    connect(m_ui->etcMemoryCardFormatButton, &QPushButton::clicked, this,
            &QB62SettingViewController::memoryCardFormatButtonTouched);
    connect(m_ui->etcInitializeButton, &QPushButton::clicked, this,
            &QB62SettingViewController::initializeTouchButtonTouched);

    connect(m_editor.get(), &QB62SettingEditor::controlChanged, this, &QB62SettingViewController::syncControl);
    connect(m_editor.get(), &QB62SettingEditor::sectionChanged, this, &QB62SettingViewController::syncSection);
    connect(m_editor.get(), &QB62SettingEditor::dateChanged, this, [this] { syncControl(u"commonDatePicker"_s); });
    connect(m_editor.get(), &QB62SettingEditor::partitionChanged, this, &QB62SettingViewController::syncPartitionGraph);
    connect(m_editor.get(), &QB62SettingEditor::guideLabelsChanged, this, &QB62SettingViewController::syncGuideLabels);
    syncGuideLabels();
    return root;
}

void QB62SettingViewController::bindControls()
{
    for (const QString &name : m_editor->controlNames()) {
        const EditorControl &control = m_editor->control(name);
        switch (control.kind) {
        case EditorControl::Kind::RadioGroup:
            buildRadioGroup(name);
            break;
        case EditorControl::Kind::Slider:
            if (auto *slider = outlet<MouseEventSlider>(name)) {
                buildGuideLabels(name);
                connect(slider, &QSlider::valueChanged, this, [this, name](int value) {
                    if (!m_syncing) {
                        m_editor->touch(name, value);
                        syncGuideLabels();
                    }
                });
                connect(slider, &MouseEventSlider::sliderTouchedDown, this,
                        [this, name] { m_editor->sliderTouchedDown(name); });
                connect(slider, &MouseEventSlider::sliderTouchedUp, this, [this] { m_editor->sliderTouchedUp(); });
            }
            break;
        case EditorControl::Kind::CheckBox:
            if (auto *box = outlet<RadioButton>(name)) {
                // A group of its own: check boxes must not switch each other off.
                const qint32 groupID = nextRadioGroupID();
                m_radioGroupIDs.append(groupID);
                box->setRadioGroupID(groupID);
                box->setIsToggleMode(true);
                connect(box, &RadioButton::clicked, this, [this, name](bool selected) {
                    if (!m_editor->control(name).enabled) {
                        syncControl(name);
                        return;
                    }
                    m_editor->touch(name, selected ? 1 : 0);
                });
            }
            break;
        case EditorControl::Kind::PopUp:
        case EditorControl::Kind::ComboBox:
            if (auto *combo = outlet<QComboBox>(name)) {
                connect(combo, &QComboBox::activated, this, [this, name, combo](int index) {
                    const EditorControl &item = m_editor->control(name);
                    m_editor->touch(name,
                                    item.kind == EditorControl::Kind::PopUp ? combo->itemData(index).toInt() : index);
                });
            }
            break;
        case EditorControl::Kind::DatePicker:
            if (auto *picker = outlet<QDateTimeEdit>(name)) {
                picker->setSpecialValueText(u" "_s);
                connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, picker](const QDateTime &date) {
                    if (!m_syncing && date != picker->minimumDateTime()) {
                        m_editor->setDate(date);
                    }
                });
            }
            break;
        case EditorControl::Kind::Button:
            if (name == u"commonCurrentTimeButton") {
                connect(m_ui->commonCurrentTimeButton, &QPushButton::clicked, this,
                        [this] { m_editor->currentTimeButtonTouched(); });
            }
            break;
        }
    }
    syncAll();
}

void QB62SettingViewController::buildRadioGroup(const QString &name)
{
    auto *container = outlet<QWidget>(name);
    if (container == nullptr) {
        return;
    }
    for (RadioButton *cell : m_cells.value(name)) {
        delete cell;
    }
    for (QLabel *caption : m_cellCaptions.value(name)) {
        delete caption;
    }
    for (QWidget *ring : m_cellRings.value(name)) {
        delete ring;
    }
    const EditorControl &control = m_editor->control(name);
    const int count = control.cellCount();
    qint32 groupID = container->property("radioGroupID").toInt();
    if (groupID == 0) {
        groupID = nextRadioGroupID();
        container->setProperty("radioGroupID", groupID);
        m_radioGroupIDs.append(groupID);
    }
    QList<RadioButton *> cells;
    QList<QLabel *> captions;
    QList<QWidget *> rings;
    const int cellWidth = count > 0 ? container->width() / count : container->width();
    for (int i = 0; i < count; ++i) {
        // The skin has no picture for a cell that is not chosen: a drawn ring under every cell shows
        // that it can be chosen.
        auto *ring = new QWidget(container);
        ring->setObjectName(name + u"Ring"_s + QString::number(i));
        ring->setAttribute(Qt::WA_StyledBackground, true);
        ring->setStyleSheet(u"border: 1px solid #8a96a3; border-radius: 9px; background: white;"_s);
        auto *cell = new RadioButton(container);
        cell->setObjectName(name + u"Cell"_s + QString::number(i));
        cell->setRadioGroupID(groupID);
        auto *caption = new QLabel(container);
        const QPoint origin = control.byColumn ? QPoint(i * cellWidth, 3) : QPoint(0, 2 + i * 22);
        cell->setGeometry(QRect(origin, QSize(18, 18)));
        ring->setGeometry(cell->geometry());
        ring->show();
        rings.append(ring);
        caption->setGeometry(origin.x() + 24, origin.y(), (control.byColumn ? cellWidth : container->width()) - 26, 18);
        cell->show();
        caption->show();
        connect(cell, &RadioButton::clicked, this, [this, name, i] { radioCellTouched(name, i); });
        cells.append(cell);
        captions.append(caption);
    }
    m_cells.insert(name, cells);
    m_cellCaptions.insert(name, captions);
    m_cellRings.insert(name, rings);
}

void QB62SettingViewController::buildGuideLabels(const QString &name)
{
    auto *slider = outlet<MouseEventSlider>(name);
    for (QLabel *label : m_guideLabels.value(name) + m_descriptionLabels.value(name)) {
        delete label;
    }
    const EditorControl &control = m_editor->control(name);
    QList<QLabel *> labels;
    QList<QLabel *> descriptions;
    for (int position = control.minimum; position <= control.maximum; ++position) {
        auto *label = new QLabel(slider->parentWidget());
        label->setObjectName(name + u"Guide"_s + QString::number(position));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(u"color: white; background: #2a3f57; border-radius: 3px;"_s);
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.minimum = control.minimum;
        option.maximum = control.maximum;
        option.sliderPosition = position;
        option.orientation = Qt::Horizontal;
        const QRect handle =
            slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
        label->setGeometry(slider->x() + handle.center().x() - 20, slider->y() - 20, 40, 18);
        label->hide();
        labels.append(label);
        auto *description = new QLabel(slider->parentWidget());
        description->setObjectName(name + u"Description"_s + QString::number(position));
        description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        description->setStyleSheet(u"color: #6b7785; font-size: 9px;"_s);
        description->setGeometry(slider->x() + handle.center().x() - 20, slider->y() + slider->height() - 2, 40, 12);
        description->hide();
        descriptions.append(description);
    }
    m_guideLabels.insert(name, labels);
    m_descriptionLabels.insert(name, descriptions);
}

void QB62SettingViewController::radioCellTouched(const QString &group, int cell)
{
    const EditorControl &control = m_editor->control(group);
    if (!control.enabled || !control.cellEnabled.value(cell, true)) {
        syncControl(group);
        return;
    }
    if (const std::optional<QB62SettingEditor::Confirmation> confirmation = m_editor->touch(group, cell)) {
        showConfirmation(*confirmation);
    }
    syncControl(group);
}

void QB62SettingViewController::showConfirmation(const QB62SettingEditor::Confirmation &confirmation)
{
    // A sheet on the screen's window; the answer goes back to the editor. The question is the
    // box's text (a sheet has no title to read), and one role for both buttons keeps them in the
    // order given, "아니오" first, whatever the desktop's button order. "아니오" is also what Return
    // and Escape answer: a key pressed by habit never switches parking recording off.
    auto *alert = new QMessageBox(QMessageBox::Information, QString(), localized(confirmation.messageKey),
                                  QMessageBox::NoButton, view()->window());
    alert->setInformativeText(localized(confirmation.informativeKey));
    alert->setObjectName(u"useParkingModeAlert"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *no = alert->addButton(localized(confirmation.buttonKeys.value(0)), QMessageBox::ActionRole);
    QPushButton *yes = alert->addButton(localized(confirmation.buttonKeys.value(1)), QMessageBox::ActionRole);
    alert->setEscapeButton(no);
    alert->setDefaultButton(no);
    no->setObjectName(u"noButton"_s);
    yes->setObjectName(u"yesButton"_s);
    alert->setWindowModality(Qt::WindowModal);
    connect(alert, &QMessageBox::buttonClicked, this, [this, yes](QAbstractButton *button) {
        m_editor->alertDidSelected(button == yes ? QB62SettingEditor::YesReturnCode : QB62SettingEditor::NoReturnCode);
        syncControl(u"parkingModeRadioGroup"_s);
    });
    connect(alert, &QMessageBox::rejected, this, [this] {
        // Closed without an answer: as "no".
        if (m_editor->hasPendingConfirmation()) {
            m_editor->alertDidSelected(QB62SettingEditor::NoReturnCode);
            syncControl(u"parkingModeRadioGroup"_s);
        }
    });
    m_useParkingModeAlert = alert;
    alert->open();
}

void QB62SettingViewController::syncAll()
{
    for (const QString &section : m_editor->sectionNames()) {
        syncSection(section);
    }
    for (const QString &name : m_editor->controlNames()) {
        syncControl(name);
    }
    // Radio cells may have been rebuilt and captions changed: name the cells after them again.
    if (isViewLoaded()) {
        ControlCaptions::describe(view());
    }
}

void QB62SettingViewController::syncSection(const QString &section)
{
    if (auto *view = outlet<QWidget>(section)) {
        view->setVisible(m_editor->isSectionShown(section));
        if (isViewLoaded()) {
            restackTabViews();
        }
    }
}

void QB62SettingViewController::syncControl(const QString &name)
{
    const EditorControl &control = m_editor->control(name);
    m_syncing = true;
    switch (control.kind) {
    case EditorControl::Kind::RadioGroup: {
        if (m_cells.value(name).size() != control.cellCount()) {
            buildRadioGroup(name);
        }
        const QList<RadioButton *> cells = m_cells.value(name);
        const QList<QLabel *> captions = m_cellCaptions.value(name);
        const QStringList titles = m_editor->displayTitles(name);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            cells.at(i)->setRadioEnabled(control.enabled && control.cellEnabled.value(i, true));
            cells.at(i)->setIsSelected(i == control.value);
            captions.at(i)->setText(titles.value(i));
            captions.at(i)->setEnabled(control.enabled);
        }
        if (auto *container = outlet<QWidget>(name)) {
            container->setVisible(control.shown);
        }
        for (const auto &[group, labelName] : kGroupLabels) {
            if (name == QStringView(group)) {
                if (auto *label = outlet<QLabel>(QString::fromUtf16(labelName))) {
                    label->setVisible(control.shown);
                }
            }
        }
        break;
    }
    case EditorControl::Kind::Slider:
        if (auto *slider = outlet<MouseEventSlider>(name)) {
            if (m_guideLabels.value(name).size() != control.maximum - control.minimum + 1) {
                slider->setRange(control.minimum, control.maximum);
                buildGuideLabels(name);
            }
            slider->setRange(control.minimum, control.maximum);
            slider->setTickInterval(1);
            slider->setValue(control.value);
            slider->setEnabled(control.enabled);
            slider->setVisible(control.shown);
            const QList<QLabel *> guides = m_guideLabels.value(name);
            const QList<QLabel *> descriptions = m_descriptionLabels.value(name);
            for (qsizetype i = 0; i < guides.size(); ++i) {
                guides.at(i)->setText(control.guideLabels.value(i));
                const QString description = control.descriptions.value(i);
                descriptions.at(i)->setText(description);
                descriptions.at(i)->setVisible(control.shown && !description.isEmpty());
            }
        }
        break;
    case EditorControl::Kind::CheckBox:
        if (auto *box = outlet<RadioButton>(name)) {
            box->setIsCheckBoxMode(true);
            box->setIsSelected(control.value == 1);
            box->setRadioEnabled(control.enabled);
            box->setVisible(control.shown);
        }
        break;
    case EditorControl::Kind::PopUp:
    case EditorControl::Kind::ComboBox:
        if (auto *combo = outlet<QComboBox>(name)) {
            const QStringList titles = m_editor->displayTitles(name);
            combo->clear();
            for (qsizetype i = 0; i < titles.size(); ++i) {
                combo->addItem(titles.at(i), control.tags.value(i, int(i)));
            }
            combo->setCurrentIndex(control.kind == EditorControl::Kind::PopUp ? combo->findData(control.value)
                                                                              : control.value);
            combo->setEnabled(control.enabled);
            combo->setVisible(control.shown);
        }
        break;
    case EditorControl::Kind::DatePicker:
        if (auto *picker = outlet<QDateTimeEdit>(name)) {
            const QDateTime date = m_editor->date();
            picker->setDateTime(date.isValid() ? date.toLocalTime() : picker->minimumDateTime());
            picker->setEnabled(control.enabled);
            picker->setStyleSheet(control.enabled ? u"color: black;"_s : u"color: gray;"_s);
            picker->setVisible(control.shown);
        }
        break;
    case EditorControl::Kind::Button:
        if (auto *button = outlet<QPushButton>(name)) {
            button->setEnabled(control.enabled);
            button->setVisible(control.shown);
        }
        break;
    }
    m_syncing = false;
}

void QB62SettingViewController::syncGuideLabels()
{
    for (auto it = m_guideLabels.cbegin(); it != m_guideLabels.cend(); ++it) {
        const int shown = m_editor->shownGuideLabel(it.key());
        const int minimum = m_editor->control(it.key()).minimum;
        for (qsizetype i = 0; i < it.value().size(); ++i) {
            it.value().at(i)->setVisible(shown >= 0 && i == shown - minimum);
        }
    }
}

void QB62SettingViewController::syncPartitionGraph()
{
    const QList<double> shares = m_editor->memoryPartitionShares();
    for (qsizetype i = 0; i < kPartitionKinds.size() && i < shares.size(); ++i) {
        const QString kind = kPartitionKinds.at(i);
        if (auto *text = outlet<QLabel>(u"etcMemoryPartition"_s + kind + u"TextField"_s)) {
            text->setText(MemoryPartition::ratioText(shares.at(i)));
        }
        if (auto *bar = outlet<BGColorView>(u"etcMemoryPartition"_s + kind + u"ColorView"_s)) {
            bar->resize(int(MemoryPartition::barWidth(shares.at(i), m_originPartitionGraphWidth)), bar->height());
        }
    }
}

void QB62SettingViewController::restackTabViews()
{
    // Hidden sections leave no gaps: each tab view lays its shown sections one under the other.
    for (QWidget *tab :
         {m_ui->commonSettingView, m_ui->alwaysSettingView, m_ui->parkingSettingView, m_ui->etcSettingView}) {
        QList<QWidget *> sections = tab->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        std::sort(sections.begin(), sections.end(), [](QWidget *a, QWidget *b) {
            return a->property("laidOutY").isValid() && b->property("laidOutY").isValid()
                       ? a->property("laidOutY").toInt() < b->property("laidOutY").toInt()
                       : a->y() < b->y();
        });
        int y = 0;
        for (QWidget *section : sections) {
            if (!section->property("laidOutY").isValid()) {
                section->setProperty("laidOutY", section->y());
            }
            if (!m_editor->isSectionShown(section->objectName())) {
                continue;
            }
            section->move(section->x(), y);
            y += section->height();
        }
        tab->resize(tab->width(), y);
    }
}

void QB62SettingViewController::tabButtonTouched(ImageButton *tabButton)
{
    const QList<std::pair<ImageButton *, QWidget *>> tabs = {{m_ui->commonTabButton, m_ui->commonSettingView},
                                                             {m_ui->alwaysTabButton, m_ui->alwaysSettingView},
                                                             {m_ui->parkingTabButton, m_ui->parkingSettingView},
                                                             {m_ui->etcTabButton, m_ui->etcSettingView}};
    QWidget *tabView = nullptr;
    for (const auto &[button, view] : tabs) {
        button->setAllowAutoMouseEventImage(false);
        button->setImage(button == tabButton ? u"tab_center_3"_s : u"tab_center_1"_s);
        if (button == tabButton) {
            tabView = view;
        }
    }
    if (tabView == nullptr || tabView == m_currentContentView) {
        return;
    }
    QScrollArea *scroll = m_ui->contentScrollView;
    if (QWidget *previous = scroll->takeWidget()) {
        previous->hide();
        previous->setParent(m_ui->contentBGView->parentWidget());
    }
    QRect frame = m_originContentViewFrame;
    if (tabView->height() < m_originContentViewFrame.height()) {
        frame.setHeight(tabView->height() + 2);
    }
    scroll->setGeometry(frame);
    scroll->setWidget(tabView);
    tabView->show();
    scroll->verticalScrollBar()->setValue(0);
    scroll->setVerticalScrollBarPolicy(tabView->height() > frame.height() ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_currentContentView = tabView;
}

void QB62SettingViewController::applyLanguageSettings()
{
    m_ui->titleTextField->setText(localized(u"블랙박스 설정"_s));
    m_ui->commonTabButton->setText(localized(u"공통"_s));
    m_ui->alwaysTabButton->setText(localized(u"상시모드"_s));
    m_ui->parkingTabButton->setText(localized(u"주차모드"_s));
    m_ui->etcTabButton->setText(localized(u"부가기능"_s));
    m_ui->resetButton->setText(localized(u"설정값 초기화"_s));
    m_ui->okButton->setText(localized(u"확인"_s));
    m_ui->cancelButton->setText(localized(u"취소"_s));
    m_ui->commonCurrentTimeButton->setText(localized(u"현재 시간 가져오기"_s));
    m_ui->etcMemoryCardFormatButton->setText(localized(u"포맷하기"_s));
    m_ui->etcInitializeButton->setText(localized(u"초기화하기"_s));
    m_ui->commonTimeCheckBoxLabel->setText(localized(u"사용"_s));
    for (const auto &[name, key] : kCaptions) {
        if (auto *label = outlet<QLabel>(QString::fromUtf16(name))) {
            label->setText(localized(QString::fromUtf16(key)));
        }
    }
    // The date formats show an example of today.
    const QDate today = QDate::currentDate();
    m_editor->setTitles(
        u"commonVideoDateFormatRadioGroup"_s,
        {u"yyyy-MM-dd  %1%2"_s.arg(localized(u"e.g.)"_s), today.toString(u"yyyy-MM-dd"_s)),
         u"MMM-dd-yyyy  %1%2"_s.arg(localized(u"e.g.)"_s), QLocale(u"en_US"_s).toString(today, u"MMM-dd-yyyy"_s))});
    m_editor->insertLanguageItems();
    syncAll();
    for (const QString &section : m_editor->sectionNames()) {
        const QString stem = section.chopped(4);
        auto *title = outlet<QLabel>(stem + u"TitleTextField"_s);
        auto *line = outlet<QWidget>(stem + u"SplitLine"_s);
        if (title != nullptr && line != nullptr) {
            reSizeSplitLine(line, title);
        }
    }
}

void QB62SettingViewController::reSizeSplitLine(QWidget *splitLine, QLabel *textField)
{
    const int textWidth = QFontMetrics(textField->font()).horizontalAdvance(textField->text());
    textField->resize(textWidth + 3, textField->height());
    splitLine->setGeometry(textField->x() + textWidth + 10, splitLine->y(), std::max(0, 538 - textWidth),
                           splitLine->height());
}

void QB62SettingViewController::okButtonTouched()
{
    m_editor->okButtonTouched();
    SettingWindow::endModal(view(), 1);
}

void QB62SettingViewController::cancelButtonTouched()
{
    SettingWindow::endModal(view(), 0);
}

void QB62SettingViewController::resetButtonTouched()
{
    m_editor->resetButtonTouched();
}

void QB62SettingViewController::memoryCardFormatButtonTouched()
{
    if (m_formatHook) {
        m_formatHook(*this);
    }
}

void QB62SettingViewController::initializeTouchButtonTouched()
{
    if (m_initializeTouchHook) {
        m_initializeTouchHook(*this);
    }
}

bool QB62SettingViewController::mouseDown(QMouseEvent *event)
{
    m_lastWindowDragLocation = event->globalPosition().toPoint() - view()->window()->pos();
    return true;
}

bool QB62SettingViewController::mouseDragged(QMouseEvent *event)
{
    QWidget *window = view()->window();
    window->move(event->globalPosition().toPoint() - m_lastWindowDragLocation);
    return true;
}
