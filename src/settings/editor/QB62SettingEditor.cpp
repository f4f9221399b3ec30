#include "settings/editor/QB62SettingEditor.h"

#include "core/LanguageCode.h"
#include "core/VexoLanguages.h"

#include "settings/editor/EditorLayout.h"
#include "settings/editor/MemoryPartition.h"
#include "settings/editor/SettingTimeFile.h"
#include "settings/editor/TimeZoneTable.h"
#include "settings/record/QB62SettingManager.h"

#include <QDebug>

using namespace Qt::StringLiterals;

namespace {
using Kind = EditorControl::Kind;
using Tab = EditorControl::Tab;
using Field = SettingRecordLayout::Field;

const QStringList kOnOff = {u"사용"_s, u"사용 안함"_s};

QStringList positionNumbers(int minimum, int maximum)
{
    QStringList numbers;
    for (int position = minimum; position <= maximum; ++position) {
        numbers.append(QString::number(position));
    }
    return numbers;
}

EditorControl makeControl(const QString &name, Kind kind, Tab tab, const QString &section)
{
    EditorControl control;
    control.name = name;
    control.kind = kind;
    control.tab = tab;
    control.section = section;
    return control;
}

EditorControl radio(const QString &name, Tab tab, const QString &section, const QStringList &titles,
                    bool byColumn = false)
{
    EditorControl control = makeControl(name, Kind::RadioGroup, tab, section);
    control.titles = titles;
    control.byColumn = byColumn;
    control.maximum = int(titles.size()) - 1;
    return control;
}

EditorControl slider(const QString &name, Tab tab, const QString &section, int minimum, int maximum)
{
    EditorControl control = makeControl(name, Kind::Slider, tab, section);
    control.minimum = minimum;
    control.maximum = maximum;
    control.value = minimum;
    control.tickCount = maximum - minimum + 1;
    control.guideLabels = positionNumbers(minimum, maximum);
    control.descriptions = QStringList(control.guideLabels.size());
    return control;
}

// The value RULE stores for POSITION; STORE false when the rule leaves the field as it is.
int valueFor(const EditorLayout::FieldRule &rule, int position, int stored, bool *store)
{
    *store = true;
    if (rule.map.isEmpty()) {
        return rule.capOnSave ? std::min(position, rule.maximum) : position;
    }
    for (const auto &[from, to] : rule.map) {
        if (from == position) {
            return to;
        }
    }
    if (rule.otherValue) {
        return *rule.otherValue;
    }
    *store = false;
    return stored;
}

// The position RULE shows for STORED, or none when the control stays as it is.
std::optional<int> positionFor(const EditorLayout::FieldRule &rule, qint32 stored)
{
    const qint32 key = rule.loadDivisor > 1 ? stored / rule.loadDivisor : stored;
    if (!rule.loadMap.isEmpty()) {
        for (const auto &[from, to] : rule.loadMap) {
            if (from == key) {
                return to;
            }
        }
        return rule.otherPosition;
    }
    if (rule.map.isEmpty()) {
        if (key > rule.maximum && rule.abovePosition) {
            return rule.abovePosition;
        }
        if (key < rule.minimum || key > rule.maximum) {
            return std::nullopt;
        }
        return key;
    }
    int highest = std::numeric_limits<int>::min();
    for (const auto &[from, to] : rule.map) {
        if (to == key) {
            return from;
        }
        highest = std::max(highest, to);
    }
    if (rule.abovePosition && key > highest) {
        return rule.abovePosition;
    }
    return rule.otherPosition;
}

// The parking-mode questions (whole keys of the translation tables, so never split).
// clang-format off
const QString kParkingOffText = u"주차모드를 사용하지 않는 경우,\n차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.\n주차모드 사용을 해제 하시겠습니까?"_s;
const QString kParkingMotionText = u"주차모션 선택 시,\n타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.\n적용하시겠습니까?"_s;
const QString kTimeLapseText = u"타임랩스 선택 시 \n주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.\n적용하시겠습니까?"_s;
// clang-format on

} // namespace

QB62SettingEditor::QB62SettingEditor(std::shared_ptr<QB62SettingManager> manager, QObject *parent)
    : QObject(parent), m_manager(manager ? std::move(manager) : QB62SettingManager::SharedQB62SettingManager())
{
    m_layout = EditorLayout::forModelType(m_manager->modelType());
    m_date = QDateTime::currentDateTime();
    buildControls();
    m_partitionShares = MemoryPartition::shares(modelType(), 0);
}

QB62SettingEditor::~QB62SettingEditor() = default;

qint64 QB62SettingEditor::modelType() const
{
    return m_manager->modelType();
}

bool QB62SettingEditor::hasThreeStateParking() const
{
    return EditorLayout::hasThreeStateParking(modelType());
}

void QB62SettingEditor::addControl(EditorControl control)
{
    if (!control.section.isEmpty() && !m_sections.contains(control.section)) {
        m_sections.insert(control.section, true);
        m_sectionOrder.append(control.section);
    }
    m_order.append(control.name);
    m_controls.insert(control.name, std::move(control));
}

void QB62SettingEditor::buildControls()
{
    // The controls as laid out, before any layout adapts them.
    const Tab c = Tab::Common;
    addControl(makeControl(u"commonLanguagePopupButton"_s, Kind::PopUp, c, u"commonLanguageView"_s));
    addControl(slider(u"commonFrontBrightnessSlider"_s, c, u"commonFrontBrightnessView"_s, 0, 2));
    addControl(slider(u"commonRearBrightnessSlider"_s, c, u"commonRearBrightnessView"_s, 0, 2));
    addControl(radio(u"commonAudioRecordRadioGroup"_s, c, u"commonAudioRecordView"_s, kOnOff));
    addControl(radio(u"commonVoiceMentRadioGroup"_s, c, u"commonVoiceMentView"_s, kOnOff));
    addControl(slider(u"commonVoiceMentSlider"_s, c, u"commonVoiceMentView"_s, 1, 6));
    addControl(makeControl(u"commonTimeCheckBox"_s, Kind::CheckBox, c, u"commonTimeView"_s));
    addControl(makeControl(u"commonDatePicker"_s, Kind::DatePicker, c, u"commonTimeView"_s));
    addControl(makeControl(u"commonCurrentTimeButton"_s, Kind::Button, c, u"commonTimeView"_s));
    EditorControl gmt = makeControl(u"commonGMTComboBox"_s, Kind::ComboBox, c, u"commonGMTView"_s);
    gmt.titles = TimeZoneTable::gmtDescList();
    gmt.maximum = TimeZoneTable::CaptionCount - 1;
    gmt.value = TimeZoneTable::captionIndexForMinutes(0);
    addControl(gmt);
    addControl(radio(u"commonDSTRadioGroup"_s, c, u"commonDSTView"_s, kOnOff));
    addControl(radio(u"commonVideoDateFormatRadioGroup"_s, c, u"commonVideoDateFormatView"_s,
                     {u"yyyy-MM-dd"_s, u"MMM-dd-yyyy"_s}, true));
    addControl(radio(u"commonSpeedUnitRadioGroup"_s, c, u"commonSpeedUnitView"_s, {u"kph"_s, u"mph"_s}));
    addControl(radio(u"commonDrivingGuideRadioGroup"_s, c, u"commonDrivingGuideView"_s, kOnOff));
    addControl(slider(u"commonLCDBrighnessSlider"_s, c, u"commonLCDBrightnessView"_s, 0, 10));
    addControl(radio(u"commonLCDOffTimerRadioGroup"_s, c, u"commonLCDOffTimerView"_s,
                     {u"2분 후"_s, u"5분 후"_s, u"10분 후"_s, u"사용 안함"_s}));
    addControl(radio(u"commonSpeedStampRadioGroup"_s, c, u"commonSpeedStampView"_s, kOnOff));

    const Tab a = Tab::Always;
    const QStringList resolutions = {u"VGA (640 x 480)"_s, u"HD (1280 x 720)"_s, u"FHD (1920 x 1080)"_s};
    const QStringList qualities = {u"낮음"_s, u"보통"_s, u"높음"_s};
    addControl(radio(u"alwaysRadioGroupFrontResolution"_s, a, u"alwaysResolutionView"_s, resolutions, true));
    addControl(radio(u"alwaysRadioGroupRearResolution"_s, a, u"alwaysResolutionView"_s, resolutions.mid(0, 2), true));
    addControl(
        radio(u"alwaysRadioGroupFrameRate"_s, a, u"alwaysFrameRateView"_s, {u"10fps"_s, u"15fps"_s, u"30fps"_s}, true));
    addControl(radio(u"alwaysRadioGroupFrontQuality"_s, a, u"alwaysQualityView"_s, qualities, true));
    addControl(radio(u"alwaysRadioGroupRearQuality"_s, a, u"alwaysQualityView"_s, qualities, true));
    addControl(slider(u"alwaysShockSensitivitySlider"_s, a, u"alwaysShockSensitivityView"_s, 1, 10));
    addControl(radio(u"alwaysDrivingGuideRadioGroup"_s, a, u"alwaysDrivingGuideView"_s, kOnOff));
    EditorControl safetyCam = radio(u"alwaysDrivingGuideSubRadioGroup"_s, a, u"alwaysDrivingGuideView"_s, kOnOff);
    safetyCam.shown = false;
    addControl(safetyCam);
    addControl(radio(u"alwaysWDRRadioGroup"_s, a, u"alwaysWDRView"_s, kOnOff));
    addControl(radio(u"alwaysVehicleTypeRadioGroup"_s, a, u"alwaysVehicleTypeView"_s,
                     {u"승용차"_s, u"SUV"_s, u"트럭/버스"_s}));
    addControl(radio(u"alwaysLDWSRadioGroup"_s, a, u"alwaysLDWSView"_s, kOnOff));
    addControl(slider(u"alwaysLDWSSensitivitySlider"_s, a, u"alwaysLDWSView"_s, 0, 2));
    addControl(slider(u"alwaysLDWSRightSensitivitySlider"_s, a, u"alwaysLDWSView"_s, 0, 2));
    addControl(radio(u"alwaysLDWSSpeedRadioGroup"_s, a, u"alwaysLDWSView"_s, speedCaptions()));
    addControl(radio(u"alwaysFCWSRadioGroup"_s, a, u"alwaysFCWSView"_s, kOnOff));
    addControl(slider(u"alwaysFCWSSensitivitySlider"_s, a, u"alwaysFCWSView"_s, 0, 2));
    addControl(radio(u"alwaysFVDWRadioGroup"_s, a, u"alwaysFVDWView"_s, kOnOff));

    const Tab p = Tab::Parking;
    addControl(radio(u"parkingModeRadioGroup"_s, p, u"parkingModeView"_s, kOnOff));
    addControl(radio(u"parkingSuperNightVisionRadioGroup"_s, p, u"parkingSuperNightVisionView"_s, kOnOff));
    addControl(radio(u"parkingFrontResolutionRadioGroup"_s, p, u"parkingResolutionView"_s, resolutions, true));
    addControl(radio(u"parkingRearResolutionRadioGroup"_s, p, u"parkingResolutionView"_s, resolutions.mid(0, 2), true));
    addControl(radio(u"parkingFrameRateRadioGroup"_s, p, u"parkingFrameRateView"_s,
                     {u"10fps"_s, u"15fps"_s, u"30fps"_s}, true));
    addControl(radio(u"parkingFrontQualityRadioGroup"_s, p, u"parkingQualityView"_s, qualities, true));
    addControl(radio(u"parkingRearQualityRadioGroup"_s, p, u"parkingQualityView"_s, qualities, true));
    addControl(slider(u"parkingShockSensitivitySlider"_s, p, u"parkingShockSensitivityView"_s, 1, 10));
    addControl(radio(u"parkingMotionRadioGroup"_s, p, u"parkingMotionView"_s, kOnOff));
    addControl(slider(u"parkingMotionSlider"_s, p, u"parkingMotionView"_s, 1, 3));
    // The time limits read in hours, the battery cut-offs in volts.
    EditorControl limit36x = slider(u"parkingTimeLimitSlider_36x"_s, p, u"parkingTimeLimitView"_s, 1, 7);
    limit36x.guideLabels = {u"1"_s, u"2"_s, u"4"_s, u"6"_s, u"12"_s, u"24"_s, u"48"_s};
    addControl(limit36x);
    EditorControl limit36o = slider(u"parkingTimeLimitSlider_36o"_s, p, u"parkingTimeLimitView"_s, 1, 8);
    limit36o.guideLabels = {u"1"_s, u"2"_s, u"4"_s, u"6"_s, u"12"_s, u"24"_s, u"36"_s, u"48"_s};
    limit36o.shown = false;
    addControl(limit36o);
    EditorControl battery12 = slider(u"parkingBatteryOff12VSlider"_s, p, u"parkingBatteryView"_s, 0, 7);
    EditorControl battery24 = slider(u"parkingBatteryOff24VSlider"_s, p, u"parkingBatteryView"_s, 0, 7);
    for (int position = 0; position <= 7; ++position) {
        battery12.guideLabels[position] = u"%1V"_s.arg(11.6 + 0.1 * position, 0, 'f', 1);
        battery24.guideLabels[position] = u"%1V"_s.arg(23.2 + 0.2 * position, 0, 'f', 1);
    }
    addControl(battery12);
    addControl(battery24);

    const Tab e = Tab::Etc;
    for (const QString &name :
         {u"etcOverwriteAlwaysCheckBox"_s, u"etcOverwriteAlwaysShockCheckBox"_s, u"etcOverwriteParkingMotionCheckBox"_s,
          u"etcOverwriteParkingShockCheckBox"_s, u"etcOverwriteManualCheckBox"_s}) {
        addControl(makeControl(name, Kind::CheckBox, e, u"etcOverwriteView"_s));
    }
    mutableControl(u"etcOverwriteAlwaysCheckBox"_s).enabled = false;
    addControl(radio(u"etcSecurityLEDRadioGroup"_s, e, u"etcSecurityLEDView"_s,
                     {u"시큐리티 LED 모드 1"_s, u"시큐리티 LED 모드 2"_s, u"시큐리티 LED 모드 3"_s, u"사용 안함"_s}));
    // The pictures of the light modes, which a layout may leave out.
    addView(u"etcSecurityLEDImageView1"_s);
    addView(u"etcSecurityLEDImageView2"_s);
    addControl(radio(u"etcMemoryPartitionRadioGroup"_s, e, u"etcMemoryPartitionView"_s,
                     {u"A Type(권장)"_s, u"B Type"_s, u"C Type"_s}, true));
    addControl(makeControl(u"etcMemoryCardFormatButton"_s, Kind::Button, e, u"etcMemoryCardFormatView"_s));
    addControl(makeControl(u"etcInitializeButton"_s, Kind::Button, e, u"etcInitializeView"_s));
}

void QB62SettingEditor::addView(const QString &view)
{
    if (!m_sections.contains(view)) {
        m_sections.insert(view, true);
        m_sectionOrder.append(view);
    }
}

const EditorControl &QB62SettingEditor::control(const QString &name) const
{
    static const EditorControl none;
    const auto found = m_controls.constFind(name);
    return found == m_controls.cend() ? none : *found;
}

EditorControl &QB62SettingEditor::mutableControl(const QString &name)
{
    static EditorControl scratch;
    const auto found = m_controls.find(name);
    if (found == m_controls.end()) {
        scratch = EditorControl();
        return scratch;
    }
    return *found;
}

bool QB62SettingEditor::isShown(const QString &name) const
{
    const EditorControl &item = control(name);
    return item.shown && (item.section.isEmpty() || isSectionShown(item.section));
}

void QB62SettingEditor::setSectionShown(const QString &section, bool shown)
{
    if (m_sections.contains(section) && m_sections.value(section) != shown) {
        m_sections.insert(section, shown);
        Q_EMIT sectionChanged(section);
    }
}

void QB62SettingEditor::setValue(const QString &name, int value)
{
    if (!m_controls.contains(name)) {
        return;
    }
    EditorControl &item = mutableControl(name);
    if (item.value != value) {
        item.value = value;
        Q_EMIT controlChanged(name);
    }
}

void QB62SettingEditor::setEnabled(const QString &name, bool enabled)
{
    if (m_controls.contains(name) && control(name).enabled != enabled) {
        mutableControl(name).enabled = enabled;
        Q_EMIT controlChanged(name);
    }
}

void QB62SettingEditor::setShown(const QString &name, bool shown)
{
    if (m_controls.contains(name)) {
        mutableControl(name).shown = shown;
        Q_EMIT controlChanged(name);
    } else {
        setSectionShown(name, shown);
    }
}

void QB62SettingEditor::setTitles(const QString &name, const QStringList &titles)
{
    if (!m_controls.contains(name)) {
        return;
    }
    EditorControl &item = mutableControl(name);
    item.titles = titles;
    if (item.kind == Kind::RadioGroup) {
        item.maximum = int(titles.size()) - 1;
        if (item.cellEnabled.size() > titles.size()) {
            item.cellEnabled.resize(titles.size());
        }
    }
    Q_EMIT controlChanged(name);
}

void QB62SettingEditor::setRange(const QString &name, int minimum, int maximum, int tickCount)
{
    if (!m_controls.contains(name)) {
        return;
    }
    EditorControl &item = mutableControl(name);
    item.minimum = minimum;
    item.maximum = maximum;
    item.tickCount = tickCount;
    item.value = std::clamp(item.value, minimum, std::max(minimum, maximum));
    if (item.kind == Kind::Slider && item.guideLabels.size() != maximum - minimum + 1) {
        item.guideLabels = positionNumbers(minimum, maximum);
        item.descriptions = QStringList(item.guideLabels.size());
    }
    Q_EMIT controlChanged(name);
}

void QB62SettingEditor::setPopUpItems(const QString &name, const QStringList &titles, const QList<int> &tags)
{
    if (!m_controls.contains(name)) {
        return;
    }
    EditorControl &item = mutableControl(name);
    item.titles = titles;
    item.tags = tags;
    Q_EMIT controlChanged(name);
}

void QB62SettingEditor::setCellEnabled(const QString &name, int cell, bool enabled)
{
    if (!m_controls.contains(name) || cell < 0 || cell >= control(name).cellCount()) {
        return;
    }
    EditorControl &item = mutableControl(name);
    if (item.cellEnabled.size() < item.titles.size()) {
        item.cellEnabled.resize(item.titles.size(), true);
    }
    item.cellEnabled[cell] = enabled;
    Q_EMIT controlChanged(name);
}

void QB62SettingEditor::setSliderLabels(const QString &name, const QStringList &guideLabels,
                                        const QStringList &descriptions)
{
    if (!m_controls.contains(name)) {
        return;
    }
    EditorControl &item = mutableControl(name);
    item.guideLabels = guideLabels;
    item.descriptions = descriptions;
    Q_EMIT controlChanged(name);
}

QStringList QB62SettingEditor::displayTitles(const QString &name) const
{
    QStringList titles;
    for (const QString &key : control(name).titles) {
        titles.append(VexoLanguages::SharedVexoLanguages().localized(key));
    }
    return titles;
}

void QB62SettingEditor::setDate(const QDateTime &date)
{
    if (m_date != date) {
        m_date = date;
        Q_EMIT dateChanged();
    }
}

// --- Building ------------------------------------------------------------------------------------

void QB62SettingEditor::loadView()
{
    insertLanguageItems();
    applyModelFeatures();
    applySettingData();
    applySettingTime();
    refreshMemoryPartitionGraph();
    m_loadedRecord = m_manager->record();
}

void QB62SettingEditor::insertLanguageItems()
{
    QStringList titles;
    QList<int> tags;
    for (const CardLanguage &language : m_manager->languages()) {
        titles.append(LanguageCode::languageTitleByExpandingCode(language.code));
        tags.append(language.index);
    }
    setPopUpItems(u"commonLanguagePopupButton"_s, titles, tags);
}

void QB62SettingEditor::applyModelFeatures()
{
    if (m_layout == nullptr) {
        return;
    }
    const QB62SettingManager &manager = *m_manager;
    for (const EditorLayout::ControlFeature &feature : m_layout->features) {
        if (!EditorLayout::appliesTo(feature.onlyForTypes, feature.when, manager)) {
            continue;
        }
        if (feature.shown) {
            setShown(feature.control, *feature.shown);
        }
        if (feature.enabled) {
            setEnabled(feature.control, *feature.enabled);
        }
        if (feature.titles) {
            setTitles(feature.control, *feature.titles);
        }
        if (feature.minimum || feature.maximum || feature.tickCount) {
            const EditorControl &item = control(feature.control);
            setRange(feature.control, feature.minimum.value_or(item.minimum), feature.maximum.value_or(item.maximum),
                     feature.tickCount.value_or(item.tickCount));
        }
        if (feature.guideLabels || feature.descriptions) {
            const EditorControl &item = control(feature.control);
            setSliderLabels(feature.control, feature.guideLabels.value_or(item.guideLabels),
                            feature.descriptions.value_or(item.descriptions));
        }
        for (const int cell : feature.disabledCells) {
            setCellEnabled(feature.control, cell, false);
        }
    }
}

void QB62SettingEditor::applySettingData()
{
    if (m_layout != nullptr && m_layout->applyOperation != nullptr) {
        (this->*m_layout->applyOperation)();
    }
}

void QB62SettingEditor::applyQA41SettingData()
{
    applyLayoutData(EditorLayout::named(u"QA41"_s));
}

void QB62SettingEditor::applyQB62SettingData()
{
    applyLayoutData(EditorLayout::named(u"QB62"_s));
}

void QB62SettingEditor::applyQC23SettingData()
{
    applyLayoutData(EditorLayout::named(u"QC23"_s));
}

void QB62SettingEditor::applyQD34SettingData()
{
    applyLayoutData(EditorLayout::named(u"QD34"_s));
}

void QB62SettingEditor::applyQE86SettingData()
{
    applyLayoutData(EditorLayout::named(u"QE86"_s));
}

void QB62SettingEditor::applyQH49SettingData()
{
    applyLayoutData(EditorLayout::named(u"QH49"_s));
}

void QB62SettingEditor::applyQY7SettingData()
{
    applyLayoutData(EditorLayout::named(u"QY7"_s));
}

void QB62SettingEditor::applyLayoutData(const EditorLayout *layout)
{
    if (layout == nullptr) {
        return;
    }
    const QB62SettingManager &manager = *m_manager;
    m_unshownPositions.clear();
    for (const EditorLayout::FieldRule &rule : layout->rules) {
        if (!rule.loads() || !EditorLayout::appliesTo(rule.onlyForTypes, rule.when, manager)) {
            continue;
        }
        switch (rule.kind) {
        case EditorLayout::FieldRule::Kind::Position:
            if (rule.keepUnshownValue && !positionFor(rule, manager.value(rule.field))) {
                m_unshownPositions.insert(rule.control, value(rule.control));
            }
            if (std::optional<int> position = positionFor(rule, manager.value(rule.field))) {
                const EditorControl &item = control(rule.control);
                if (item.kind == Kind::Slider) {
                    // A slider shows a value beyond its track at the track's end, as the widget does.
                    position = std::clamp(*position, item.minimum, std::max(item.minimum, item.maximum));
                }
                setValue(rule.control, *position);
            }
            break;
        case EditorLayout::FieldRule::Kind::Check:
            setValue(rule.control, manager.value(rule.field) != 0 ? 1 : 0);
            break;
        case EditorLayout::FieldRule::Kind::Tag:
            if (control(rule.control).tags.contains(manager.value(rule.field))) {
                setValue(rule.control, manager.value(rule.field));
            }
            break;
        case EditorLayout::FieldRule::Kind::TzKey: {
            const int index = TimeZoneTable::captionIndexForKey(manager.text(rule.field));
            if (index >= 0) {
                setValue(rule.control, index);
            }
            break;
        }
        case EditorLayout::FieldRule::Kind::GmtMinutes: {
            // The key, when the layout stores one and it is known, has chosen already.
            const bool byKey = std::any_of(layout->rules.cbegin(), layout->rules.cend(), [&](const auto &other) {
                return other.kind == EditorLayout::FieldRule::Kind::TzKey &&
                       TimeZoneTable::captionIndexForKey(manager.text(other.field)) >= 0;
            });
            const int index = TimeZoneTable::captionIndexForMinutes(manager.value(rule.field));
            if (!byKey && index >= 0) {
                setValue(rule.control, index);
            }
            break;
        }
        }
    }
    for (const EditorLayout::EnablingRule &rule : layout->enabling) {
        if (!EditorLayout::appliesTo(rule.onlyForTypes, EditorLayout::Condition::Always, manager)) {
            continue;
        }
        const qint32 stored = manager.value(rule.field);
        std::optional<bool> enabled = rule.otherwise;
        if (rule.enablingValues.contains(stored)) {
            enabled = true;
        } else if (rule.disablingValues.contains(stored)) {
            enabled = false;
        }
        if (enabled) {
            for (const QString &name : rule.controls) {
                setEnabled(name, *enabled);
            }
        }
    }
    setValue(u"etcOverwriteAlwaysCheckBox"_s, 1);
    setSpeedCaptions(value(u"commonSpeedUnitRadioGroup"_s) == 1);
    refreshMemoryPartitionGraph();
}

QString QB62SettingEditor::timeFilePath() const
{
    if (!isSectionShown(u"commonTimeView"_s) || !control(u"commonTimeCheckBox"_s).shown) {
        return {};
    }
    return SettingTimeFile::pathForCard(m_manager->settingDirPath());
}

void QB62SettingEditor::applySettingTime()
{
    const QString path = timeFilePath();
    if (path.isEmpty()) {
        return;
    }
    applySettingTimeState(0);
    setDate(QDateTime::currentDateTime());
    const SettingTimeFile::Reading reading = SettingTimeFile::read(path);
    switch (reading.state) {
    case SettingTimeFile::State::Read:
        setDate(reading.moment);
        applySettingTimeState(1);
        break;
    case SettingTimeFile::State::Unparseable:
        // The camera was meant to take a clock, but the file says no date: on, with no date shown.
        setDate(QDateTime());
        applySettingTimeState(1);
        break;
    case SettingTimeFile::State::Missing:
    case SettingTimeFile::State::Unreadable:
        break;
    }
}

void QB62SettingEditor::applySettingTimeState(int state)
{
    setValue(u"commonTimeCheckBox"_s, state == 1 ? 1 : 0);
    setEnabled(u"commonCurrentTimeButton"_s, state == 1);
    setEnabled(u"commonDatePicker"_s, state == 1);
}

// --- Actions -------------------------------------------------------------------------------------

std::optional<QB62SettingEditor::Confirmation> QB62SettingEditor::touch(const QString &name, int value)
{
    if (!m_controls.contains(name)) {
        return std::nullopt;
    }
    const EditorControl &item = control(name);
    if (item.kind == Kind::RadioGroup && !item.cellEnabled.isEmpty() && !item.cellEnabled.value(value, true)) {
        return std::nullopt;
    }
    setValue(name, value);
    if (name == u"parkingModeRadioGroup") {
        return useParkingModeChanged();
    }
    runAction(name);
    return std::nullopt;
}

void QB62SettingEditor::runAction(const QString &name)
{
    if (name == u"commonVoiceMentRadioGroup") {
        voiceMentRadioTouched();
    } else if (name == u"alwaysRadioGroupFrontResolution") {
        alwaysFrontResolutionTouched();
    } else if (name == u"alwaysLDWSRadioGroup") {
        alwaysLDWSRadioGroupTouched();
    } else if (name == u"alwaysFCWSRadioGroup") {
        alwaysFCWSRadioGroupTouched();
    } else if (name == u"alwaysDrivingGuideRadioGroup") {
        alwaysRoadSafetyRadioGroupChanged();
    } else if (name == u"commonSpeedUnitRadioGroup") {
        commonSpeedUnitRadioGroupTouched();
    } else if (name == u"commonTimeCheckBox") {
        timeCheckTouched();
    } else if (name == u"commonCurrentTimeButton") {
        currentTimeButtonTouched();
    } else if (name == u"etcMemoryPartitionRadioGroup") {
        etcMemoryPartitionRadioTouched();
    } else if (name == u"parkingMotionRadioGroup") {
        setEnabled(u"parkingMotionSlider"_s, value(name) == 0);
    }
}

void QB62SettingEditor::voiceMentRadioTouched()
{
    setEnabled(u"commonVoiceMentSlider"_s, value(u"commonVoiceMentRadioGroup"_s) == 0);
}

void QB62SettingEditor::alwaysFrontResolutionTouched()
{
    if (value(u"alwaysRadioGroupFrontResolution"_s) == 0) {
        setValue(u"alwaysRadioGroupRearResolution"_s, 0);
        setEnabled(u"alwaysRadioGroupRearResolution"_s, false);
    } else {
        setEnabled(u"alwaysRadioGroupRearResolution"_s, true);
    }
}

void QB62SettingEditor::alwaysLDWSRadioGroupTouched()
{
    const bool on = value(u"alwaysLDWSRadioGroup"_s) == 0;
    setEnabled(u"alwaysLDWSSensitivitySlider"_s, on);
    setEnabled(u"alwaysLDWSRightSensitivitySlider"_s, on);
    setEnabled(u"alwaysLDWSSpeedRadioGroup"_s, on);
}

void QB62SettingEditor::alwaysFCWSRadioGroupTouched()
{
    setEnabled(u"alwaysFCWSSensitivitySlider"_s, value(u"alwaysFCWSRadioGroup"_s) == 0);
}

void QB62SettingEditor::alwaysRoadSafetyRadioGroupChanged()
{
    setEnabled(u"alwaysDrivingGuideSubRadioGroup"_s, value(u"alwaysDrivingGuideRadioGroup"_s) == 0);
}

void QB62SettingEditor::commonSpeedUnitRadioGroupTouched()
{
    static const QList<qint64> retitled = {3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19};
    if (retitled.contains(modelType())) {
        setSpeedCaptions(value(u"commonSpeedUnitRadioGroup"_s) == 1);
    }
}

QStringList QB62SettingEditor::speedCaptions() const
{
    return control(u"alwaysLDWSSpeedRadioGroup"_s).titles.isEmpty()
               ? QStringList{u"50km"_s, u"60km"_s, u"80km"_s, u"100km"_s}
               : control(u"alwaysLDWSSpeedRadioGroup"_s).titles;
}

void QB62SettingEditor::setSpeedCaptions(bool mph)
{
    setTitles(u"alwaysLDWSSpeedRadioGroup"_s, mph ? QStringList{u"30mph"_s, u"40mph"_s, u"50mph"_s, u"65mph"_s}
                                                  : QStringList{u"50km"_s, u"60km"_s, u"80km"_s, u"100km"_s});
}

void QB62SettingEditor::timeCheckTouched()
{
    applySettingTimeState(value(u"commonTimeCheckBox"_s));
}

void QB62SettingEditor::currentTimeButtonTouched()
{
    setDate(QDateTime::currentDateTime());
}

void QB62SettingEditor::setParkingSlidersEnabled(bool impact, bool motion, bool timeAndBattery)
{
    setEnabled(u"parkingShockSensitivitySlider"_s, impact);
    setEnabled(u"parkingMotionSlider"_s, motion);
    for (const QString &name : {u"parkingTimeLimitSlider_36x"_s, u"parkingTimeLimitSlider_36o"_s,
                                u"parkingBatteryOff12VSlider"_s, u"parkingBatteryOff24VSlider"_s}) {
        setEnabled(name, timeAndBattery);
    }
}

std::optional<QB62SettingEditor::Confirmation> QB62SettingEditor::useParkingModeChanged()
{
    const int row = value(u"parkingModeRadioGroup"_s);
    const QString offText = kParkingOffText;
    QString text;
    if (hasThreeStateParking()) {
        if (row == 0) {
            text = kParkingMotionText;
        } else if (row == 1) {
            text = kTimeLapseText;
        } else {
            text = offText;
        }
    } else if (row == 0) {
        setParkingSlidersEnabled(true, true, true);
        return std::nullopt;
    } else {
        text = offText;
    }
    m_pendingParkingRow = row;
    m_pendingConfirmation = Confirmation{u"주차모드"_s, text, {u"아니오"_s, u"예"_s}};
    return m_pendingConfirmation;
}

void QB62SettingEditor::alertDidSelected(int returnCode)
{
    if (!m_pendingParkingRow) {
        return;
    }
    const int row = *m_pendingParkingRow;
    m_pendingParkingRow.reset();
    m_pendingConfirmation.reset();
    const bool threeState = hasThreeStateParking();
    if (returnCode != YesReturnCode) {
        // Back to what the settings object holds.
        switch (m_manager->value(Field::parking_mode_set)) {
        case 1:
            setValue(u"parkingModeRadioGroup"_s, 0);
            break;
        case 2:
            setValue(u"parkingModeRadioGroup"_s, 1);
            break;
        case 0:
            setValue(u"parkingModeRadioGroup"_s, threeState ? 2 : 0);
            break;
        default:
            break;
        }
        return;
    }
    if (row == 0) {
        m_manager->setValue(Field::parking_mode_set, 1);
        setParkingSlidersEnabled(true, true, true);
    } else if (row == 1) {
        m_manager->setValue(Field::parking_mode_set, threeState ? 2 : 0);
        setParkingSlidersEnabled(threeState, false, threeState);
    } else {
        m_manager->setValue(Field::parking_mode_set, 0);
        setParkingSlidersEnabled(false, false, false);
    }
}

void QB62SettingEditor::resetButtonTouched()
{
    auto fresh = std::make_shared<QB62SettingManager>();
    fresh->setSettingDirPath(m_manager->settingDirPath());
    fresh->setModelType(m_manager->modelType());
    // The card's defaults are laid over the current record: a short or empty default.cfg sets the
    // fields it holds, and every other field (the length field, the structure version, the paths,
    // the motion regions) keeps its value instead of becoming 0.
    fresh->setRecord(m_manager->record());
    if (fresh->loadDefaultDataFromDefaultCfgFile()) {
        fresh->setText(Field::version, m_manager->text(Field::version));
        fresh->setFirmwareVersionInt(m_manager->firmwareVersionInt());
        fresh->setValue(Field::driving_guide_version, m_manager->value(Field::driving_guide_version));
        // What is known about the card is not part of the defaults.
        fresh->setSdcard_url(m_manager->sdcard_url());
        fresh->setLocalID(m_manager->localID());
        fresh->setModelName(m_manager->modelName());
        fresh->setLanguages(m_manager->languages());
        fresh->setAlertPresenter(m_manager->alertPresenter());
        const bool wasShared = m_manager == QB62SettingManager::SharedQB62SettingManager();
        m_manager = fresh;
        if (wasShared) {
            QB62SettingManager::ChagneQB62SettingManager(fresh);
        }
        Q_EMIT managerReplaced();
    } else {
        m_manager->loadDefaultValue();
    }
    applySettingData();
}

bool QB62SettingEditor::saveData()
{
    if (m_layout == nullptr || m_layout->saveOperation == nullptr) {
        return false;
    }
    return (this->*m_layout->saveOperation)();
}

bool QB62SettingEditor::saveQA41SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QA41"_s));
}

bool QB62SettingEditor::saveQB62SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QB62"_s));
}

bool QB62SettingEditor::saveQC23SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QC23"_s));
}

bool QB62SettingEditor::saveQD34SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QD34"_s));
}

bool QB62SettingEditor::saveQE86SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QE86"_s));
}

bool QB62SettingEditor::saveQH49SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QH49"_s));
}

bool QB62SettingEditor::saveQY7SettingData()
{
    return saveLayoutData(EditorLayout::named(u"QY7"_s));
}

bool QB62SettingEditor::saveLayoutData(const EditorLayout *layout)
{
    if (layout == nullptr) {
        return false;
    }
    QB62SettingManager &manager = *m_manager;
    manager.setText(Field::product_name, layout->productNameFor(modelType()));
    for (const EditorLayout::FieldRule &rule : layout->rules) {
        if (!rule.saves() || !EditorLayout::appliesTo(rule.onlyForTypes, rule.when, manager)) {
            continue;
        }
        const int position = value(rule.control);
        switch (rule.kind) {
        case EditorLayout::FieldRule::Kind::Position: {
            if (m_unshownPositions.contains(rule.control) && m_unshownPositions.value(rule.control) == position) {
                break; // the stored value could not be shown and the user left the control alone
            }
            bool store = false;
            const int stored = valueFor(rule, position, manager.value(rule.field), &store);
            if (store) {
                manager.setValue(rule.field, stored);
            }
            break;
        }
        case EditorLayout::FieldRule::Kind::Check:
            manager.setValue(rule.field, position != 0 ? 1 : 0);
            break;
        case EditorLayout::FieldRule::Kind::Tag:
            if (control(rule.control).tags.contains(position)) {
                manager.setValue(rule.field, position);
            }
            break;
        case EditorLayout::FieldRule::Kind::GmtMinutes:
            if (position >= 0 && position < TimeZoneTable::CaptionCount) {
                manager.setValue(rule.field, TimeZoneTable::gmtHourList().at(position));
            }
            break;
        case EditorLayout::FieldRule::Kind::TzKey:
            if (position >= 0 && position < TimeZoneTable::CaptionCount) {
                manager.setText(rule.field, TimeZoneTable::keyForCaptionIndex(position));
            }
            break;
        }
    }
    return manager.saveData();
}

bool QB62SettingEditor::saveSettingTime()
{
    const QString path = timeFilePath();
    if (path.isEmpty()) {
        return true;
    }
    if (value(u"commonTimeCheckBox"_s) == 1) {
        // On with no date (an unparseable file): nothing to hand the camera, the file stays.
        return !m_date.isValid() || SettingTimeFile::write(path, m_date);
    }
    return SettingTimeFile::remove(path);
}

QB62SettingEditor::OkResult QB62SettingEditor::okButtonTouched()
{
    OkResult result;
    if (m_layout == nullptr) {
        // A model this screen has no layout for (one only the model chooser offers): nothing can
        // be written, the record nor the clock file, and pressing OK must not look like a save.
        m_manager->showAlert(
            u"블랙박스 설정"_s,
            u"이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.\n메모리카드에는 아무것도 기록되지 않았습니다."_s);
        return result;
    }
    const SettingRecord &before = m_loadedRecord;
    result.recordWritten = saveData();
    for (const SettingRecordLayout::FieldInfo &info : SettingRecordLayout::fields()) {
        const bool changed = info.type == SettingRecordLayout::FieldType::Text
                                 ? before.text(info.field) != m_manager->text(info.field)
                                 : before.value(info.field) != m_manager->value(info.field);
        if (changed) {
            result.changedFields.append(info.field);
        }
    }
    // The clock goes to the camera with the record: when the record was not written (the memory
    // card alert has said so) the clock file stays as it was.
    if (!result.recordWritten) {
        return result;
    }
    result.clockHandled = saveSettingTime();
    if (!result.clockHandled) {
        m_manager->showWriteFailedAlert();
    }
    return result;
}

// --- Derived state -------------------------------------------------------------------------------

void QB62SettingEditor::refreshMemoryPartitionGraph()
{
    const QList<double> shares = MemoryPartition::shares(modelType(), value(u"etcMemoryPartitionRadioGroup"_s));
    if (shares != m_partitionShares) {
        m_partitionShares = shares;
    }
    Q_EMIT partitionChanged();
}

QStringList QB62SettingEditor::sliderNames()
{
    return {u"commonFrontBrightnessSlider"_s,      u"commonRearBrightnessSlider"_s,
            u"commonLCDBrighnessSlider"_s,         u"commonVoiceMentSlider"_s,
            u"alwaysShockSensitivitySlider"_s,     u"alwaysLDWSSensitivitySlider"_s,
            u"alwaysLDWSRightSensitivitySlider"_s, u"alwaysFCWSSensitivitySlider"_s,
            u"parkingShockSensitivitySlider"_s,    u"parkingMotionSlider"_s,
            u"parkingTimeLimitSlider_36x"_s,       u"parkingTimeLimitSlider_36o"_s,
            u"parkingBatteryOff12VSlider"_s,       u"parkingBatteryOff24VSlider"_s};
}

void QB62SettingEditor::sliderTouchedDown(const QString &slider)
{
    m_currentMouseDownSlider = slider;
    Q_EMIT guideLabelsChanged();
}

void QB62SettingEditor::sliderTouchedUp()
{
    m_currentMouseDownSlider.clear();
    Q_EMIT guideLabelsChanged();
}

int QB62SettingEditor::shownGuideLabel(const QString &slider) const
{
    return slider == m_currentMouseDownSlider && !slider.isEmpty() ? value(slider) : -1;
}
