#include "KRVSettingEditorModel.h"

#include "core/TextNumbers.h"
#include "core/VexoLanguages.h"

#include "settings/ini/KRVSettingManager.h"

#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

int intValue(const QString &text)
{
    return TextNumbers::leadingInt(text);
}

// A radio group that stands for one on/off (or either/or) line: which row a value selects, and
// what each row writes.
struct SwitchGroup
{
    QString outlet;
    QString key;
    int rows;
    int (*rowForValue)(const QString &value);
    QString (*valueForRow)(int row);
    // The set view the group enables and disables with its choice, if any.
    void (KRVSettingEditorModel::*enableSet)(bool) = nullptr;
};

const QList<SwitchGroup> &switchGroups()
{
    // Row 0 is "on" for every switch except the language (row 1 French) and the speed unit
    // (row 1 mph).
    static const QList<SwitchGroup> groups{
        {u"parkingModeRadioGroup"_s, u"park_mode="_s, 2, [](const QString &v) { return intValue(v) == 1 ? 0 : 1; },
         [](int row) {
             return row == 0 ? u"1"_s : u"0"_s;
         }},
        {u"languageRadioGroup"_s, u"language="_s, 2, [](const QString &v) { return v == u"fr" ? 1 : 0; },
         [](int row) {
             return row == 1 ? u"fr"_s : u"us"_s;
         }},
        {u"dstRadioGroup"_s, u"summer_time="_s, 2, [](const QString &v) { return intValue(v) == 1 ? 0 : 1; },
         [](int row) {
             return row == 0 ? u"1"_s : u"0"_s;
         }},
        {u"voiceRecordRadioGroup"_s, u"mic_in="_s, 2, [](const QString &v) { return intValue(v) == 0 ? 1 : 0; },
         [](int row) {
             return row == 0 ? u"1"_s : u"0"_s;
         }},
        {u"voiceGuidanceRadioGroup"_s, u"voice_out="_s, 2, [](const QString &v) { return intValue(v) == 0 ? 1 : 0; },
         [](int row) {
             return row == 0 ? u"1"_s : u"0"_s;
         }},
        {u"speedUnitRadioGroup"_s, u"osd_speed="_s, 2, [](const QString &v) { return intValue(v) == 2 ? 1 : 0; },
         [](int row) {
             return row == 1 ? u"2"_s : u"1"_s;
         }},
        {u"securityLEDRadioGroup"_s, u"front_led="_s, 2, [](const QString &v) { return intValue(v) == 1 ? 0 : 1; },
         [](int row) {
             return row == 0 ? u"1"_s : u"0"_s;
         }},
    };
    return groups;
}

const SwitchGroup *switchGroup(const QString &outlet)
{
    for (const SwitchGroup &group : switchGroups()) {
        if (group.outlet == outlet) {
            return &group;
        }
    }
    return nullptr;
}

struct Slider
{
    QString outlet;
    QString key;
    QList<int> positions;
};

const QList<Slider> &sliders()
{
    static const QList<Slider> list{{u"voiceGuidanceSlider"_s, u"voice_volume="_s, {1, 3, 5}},
                                    {u"impactSensitivitySlider"_s, u"acc_level="_s, {2, 3, 4}},
                                    {u"motionSensitivitySlider"_s, u"motion_level="_s, {1, 3, 5}}};
    return list;
}

const Slider *slider(const QString &outlet)
{
    for (const Slider &entry : sliders()) {
        if (entry.outlet == outlet) {
            return &entry;
        }
    }
    return nullptr;
}

// The partition kinds as the presets name them, with their lines and the outlets that show them.
struct PartitionKind
{
    QString name;
    QString key;
    QString prefix; // of the title, value and bar outlets
};

const QList<PartitionKind> &partitionKinds()
{
    static const QList<PartitionKind> kinds{{u"continuous"_s, u"const="_s, u"continuous"_s},
                                            {u"event"_s, u"event="_s, u"event"_s},
                                            {u"park"_s, u"park="_s, u"park"_s},
                                            {u"manual"_s, u"manual="_s, u"manual"_s}};
    return kinds;
}

// Caption outlets whose text is one key.
struct Caption
{
    QString outlet;
    QString key;
};

const QList<Caption> &captions()
{
    static const QList<Caption> list{
        {u"titleTextField"_s, u"블랙박스 설정"_s},
        {u"resetButton"_s, u"설정값 초기화"_s},
        {u"okButton"_s, u"확인"_s},
        {u"cancelButton"_s, u"취소"_s},
        {u"memoryPartitionTitleTextField"_s, u"QF27 : 메모리 파티션"_s},
        {u"continuousTitleTextField"_s, u"QF27 : 상시녹화"_s},
        {u"parkTitleTextField"_s, u"QF27 : 주차녹화"_s},
        {u"eventTitleTextField"_s, u"QF27 : 이벤트녹화"_s},
        {u"manualTitleTextField"_s, u"QF27 : 수동녹화"_s},
        {u"parkingModeTitleTextField"_s, u"QF27 : 자동주차모드"_s},
        {u"parkingModeUseDescTextField"_s, u"(시동이 꺼지면 주차 녹화 모드로 전환합니다"_s},
        {u"parkingModeUnuseDescTextField"_s, u"(시동이 꺼지면 블랙박스를 종료합니다"_s},
        {u"parkingModeVoltageTextField"_s, u"QF27 : 녹화종료전압"_s},
        {u"dateTimeTitleTextField"_s, u"QF27 : 날짜 / 시간"_s},
        {u"dateTimeCurrentTimeButton"_s, u"현재 시간 가져오기"_s},
        {u"languageTitleTextField"_s, u"언어"_s},
        {u"timeZoneTitleTextField"_s, u"QF27 : 표준 시간대"_s},
        {u"dstTitleTextField"_s, u"QF27 : Daylight Saving Time"_s},
        {u"speedUnitTitleTextField"_s, u"속도표시"_s},
        {u"voiceRecordTitleTextField"_s, u"QF27 : 음성녹음"_s},
        {u"voiceGuidanceTitleTextField"_s, u"QF27 : 음성안내"_s},
        {u"impactSensitivityTitleTextField"_s, u"QF27 : 충격감도"_s},
        {u"motionSensitivityTitleTextField"_s, u"QF27 : 모션인식감도"_s},
        {u"securityLEDTitleTextField"_s, u"시큐리티 LED"_s},
        {u"versionTitleTextField"_s, u"QF27 : 펌웨어 버전"_s},
        {u"modelNameTextField"_s, u"QF27 : Model"_s},
        {u"firmwareNameTextField"_s, u"QF27 : Version"_s},
    };
    return list;
}

const QStringList &timeZoneKeys()
{
    static const QStringList keys{u"(UTC-10:00) Hawaii"_s,
                                  u"(UTC-09:00) Alaska"_s,
                                  u"(UTC-08:00) Pacific Standard Time (U.S.A and Canada)"_s,
                                  u"(UTC-07:00) Mountain Standard Time (U.S.A and Canada)"_s,
                                  u"(UTC-06:00) Central Standard Time (U.S.A and Canada)"_s,
                                  u"(UTC-05:00) Eastern Standard Time (U.S.A and Canada)"_s,
                                  u"(UTC-04:00) Atlantic  Standard Time (Canada)"_s,
                                  u"(UTC) Greenwich"_s,
                                  u"(UTC+01:00) Brussels, Copenhagen, Madrid, Paris"_s,
                                  u"(UTC+08:00) Kuala Lumpur, Singapore"_s,
                                  u"(UTC+09:30) Adelaide"_s,
                                  u"(UTC+10:00) Canberra, Melbourne, Sidney"_s};
    return keys;
}

// Radio groups by outlet and their number of cells.
const QMap<QString, int> &radioGroupSizes()
{
    static const QMap<QString, int> sizes = [] {
        QMap<QString, int> map{{u"memoryPartitionRadioGroup"_s, 3}, {u"parkingModeVoltageRadioGroup"_s, 4}};
        for (const SwitchGroup &group : switchGroups()) {
            map.insert(group.outlet, group.rows);
        }
        return map;
    }();
    return sizes;
}

constexpr int NoSelection = -1;
} // namespace

const QList<double> &KRVSettingEditorModel::timeZoneOffsets()
{
    static const QList<double> offsets{-10, -9, -8, -7, -6, -5, -4, 0, 1, 8, 9.5, 10};
    return offsets;
}

int KRVSettingEditorModel::timeZonePositionForValue(const QString &value)
{
    static const QMap<int, int> positions{{-10, 0}, {-9, 1}, {-8, 2}, {-7, 3}, {-6, 4}, {-5, 5},
                                          {-4, 6},  {0, 7},  {1, 8},  {8, 9},  {9, 10}, {10, 11}};
    return positions.value(intValue(value), 2);
}

int KRVSettingEditorModel::voltageColumnForValue(const QString &value)
{
    switch (intValue(value) / 100) {
    case 0:
        return 0;
    case 118:
        return 1;
    case 122:
        return 3;
    default:
        return 2;
    }
}

const QStringList &KRVSettingEditorModel::voltageValues()
{
    static const QStringList values{u"0"_s, u"11800"_s, u"12000"_s, u"12200"_s};
    return values;
}

QList<int> KRVSettingEditorModel::sliderPositions(const QString &outlet)
{
    const Slider *entry = slider(outlet);
    return entry ? entry->positions : QList<int>{};
}

int KRVSettingEditorModel::snapSliderValue(const QString &outlet, int value)
{
    const QList<int> positions = sliderPositions(outlet);
    int best = value;
    int bestDistance = -1;
    for (int position : positions) {
        const int distance = std::abs(position - value);
        if (bestDistance < 0 || distance <= bestDistance) {
            best = position;
            bestDistance = distance;
        }
    }
    return best;
}

const QStringList &KRVSettingEditorModel::sliderOutlets()
{
    static const QStringList outlets = [] {
        QStringList list;
        for (const Slider &entry : sliders()) {
            list.append(entry.outlet);
        }
        return list;
    }();
    return outlets;
}

KRVSettingEditorModel::KRVSettingEditorModel(std::shared_ptr<KRVSettingManager> manager, QObject *parent)
    : QObject(parent), m_manager(std::move(manager)), m_now([] { return QDateTime::currentDateTime(); })
{
    // The layout's state, before the file is read: no choice in any group, the sliders in the
    // middle, the clock controls off.
    for (auto it = radioGroupSizes().cbegin(); it != radioGroupSizes().cend(); ++it) {
        m_controls[it.key()].value = NoSelection;
    }
    for (const Slider &entry : sliders()) {
        m_controls[entry.outlet].value = 3;
    }
    m_controls[u"timeZoneComboBox"_s].value = NoSelection;
    m_controls[u"dateTimeCheckBox"_s].value = false;
    m_controls[u"dateTimeDatePicker"_s].value = QDateTime();
    for (const QString &outlet : {u"parkingModeVoltageRadioGroupSetView"_s, u"voiceGuidanceSliderSetView"_s,
                                  u"resetButton"_s, u"okButton"_s, u"cancelButton"_s}) {
        m_controls[outlet];
    }
    for (const Caption &caption : captions()) {
        m_controls[caption.outlet];
    }
    for (const PartitionKind &kind : partitionKinds()) {
        m_controls[kind.prefix + u"ValueTextField"_s].value = QString();
        m_controls[kind.prefix + u"GraphView"_s].value = 0;
    }
    m_controls[u"modelValueTextField"_s].value = QString();
    m_controls[u"firmwareValueTextField"_s].value = QString();
    m_controls[u"parkingModeVoltageRadioGroup"_s].titles = {QString(), u"11.8V"_s, u"12.0V"_s, u"12.2V"_s};
}

KRVSettingEditorModel::~KRVSettingEditorModel() = default;

const QStringList &KRVSettingEditorModel::linedSettings() const
{
    return m_manager->linedSettings();
}

void KRVSettingEditorModel::setValue(const QString &outlet, const QVariant &value)
{
    m_controls[outlet].value = value;
}

void KRVSettingEditorModel::setEnabled(const QString &outlet, bool enabled)
{
    m_controls[outlet].enabled = enabled;
}

void KRVSettingEditorModel::setTitles(const QString &outlet, const QStringList &titles)
{
    m_controls[outlet].titles = titles;
}

void KRVSettingEditorModel::setParkingVoltageEnabled(bool enabled)
{
    for (const QString &outlet : {u"parkingModeVoltageRadioGroupSetView"_s, u"parkingModeVoltageRadioGroup"_s,
                                  u"parkingModeVoltageTextField"_s}) {
        setEnabled(outlet, enabled);
    }
}

void KRVSettingEditorModel::setVoiceVolumeEnabled(bool enabled)
{
    for (const QString &outlet : {u"voiceGuidanceSliderSetView"_s, u"voiceGuidanceSlider"_s}) {
        setEnabled(outlet, enabled);
    }
}

void KRVSettingEditorModel::load()
{
    QSignalBlocker quiet(this);
    applyMainLanguageSeting();
    applyModelFeatures();
    applySettingData();
    hideSlidersGuide();
    quiet.unblock();
    Q_EMIT changed();
}

void KRVSettingEditorModel::applyMainLanguageSeting()
{
    for (const Caption &caption : captions()) {
        ControlState &state = m_controls[caption.outlet];
        state.value = localized(caption.key);
        state.titles = {state.value.toString()};
    }
    setTitles(u"memoryPartitionRadioGroup"_s,
              {localized(u"A Type(권장)"_s), localized(u"B Type"_s), localized(u"C Type"_s)});
    const QStringList onOff{localized(u"QF27 : 사용 함"_s), localized(u"QF27 : 사용 안 함"_s)};
    for (const QString &outlet : {u"parkingModeRadioGroup"_s, u"dstRadioGroup"_s, u"voiceRecordRadioGroup"_s,
                                  u"voiceGuidanceRadioGroup"_s, u"securityLEDRadioGroup"_s}) {
        setTitles(outlet, onOff);
    }
    // Only the first voltage column has a caption of its own; the others show volts.
    m_controls[u"parkingModeVoltageRadioGroup"_s].titles[0] = localized(u"QF27 : 사용 안 함"_s);
    setTitles(u"languageRadioGroup"_s, {localized(u"영어"_s), localized(u"프랑스어"_s)});
    QStringList zones;
    for (const QString &key : timeZoneKeys()) {
        zones.append(localized(key));
    }
    setTitles(u"timeZoneComboBox"_s, zones);
    setTitles(u"speedUnitRadioGroup"_s, {localized(u"kph"_s), localized(u"mph"_s)});
    setTitles(u"voiceGuidanceSlider"_s, {localized(u"QF27 : 작게"_s), localized(u"QF27 : 크게"_s)});
    const QStringList sensitivity{localized(u"QF27 : 둔감"_s), localized(u"QF27 : 민감"_s)};
    setTitles(u"impactSensitivitySlider"_s, sensitivity);
    setTitles(u"motionSensitivitySlider"_s, sensitivity);
    Q_EMIT changed();
}

void KRVSettingEditorModel::applyModelFeatures()
{
    setValue(u"dateTimeDatePicker"_s, m_now());
    setEnabled(u"dateTimeDatePicker"_s, false);
    setEnabled(u"dateTimeCurrentTimeButton"_s, false);
    setValue(u"dateTimeCheckBox"_s, false);
    Q_EMIT changed();
}

void KRVSettingEditorModel::applySettingData()
{
    const KRVSettingManager &manager = *m_manager;
    QMap<QString, QString> ratio;
    for (const PartitionKind &kind : partitionKinds()) {
        ratio.insert(kind.name, QString::number(intValue(manager.valueForKey(kind.key).value_or(QString()))));
    }
    refreshMemoryPartitionGraphWithRatio(ratio);
    const qsizetype preset = KRVSettingManager::memoryPartitionRatiosArray().indexOf(ratio);
    setValue(u"memoryPartitionRadioGroup"_s, preset < 0 ? 0 : int(preset));

    if (const std::optional<QString> model = manager.valueForKey(u"model=")) {
        setValue(u"modelValueTextField"_s, *model);
    }
    if (const std::optional<QString> version = manager.valueForKey(u"version=")) {
        setValue(u"firmwareValueTextField"_s, *version);
    }
    if (const std::optional<QString> voltage = manager.valueForKey(u"power_off_vlt=")) {
        setValue(u"parkingModeVoltageRadioGroup"_s, voltageColumnForValue(*voltage));
    }
    for (const SwitchGroup &group : switchGroups()) {
        if (const std::optional<QString> value = manager.valueForKey(group.key)) {
            const int row = group.rowForValue(*value);
            setValue(group.outlet, row);
            if (group.outlet == u"parkingModeRadioGroup") {
                setParkingVoltageEnabled(row == 0);
            } else if (group.outlet == u"voiceGuidanceRadioGroup") {
                setVoiceVolumeEnabled(row == 0);
            }
        }
    }
    if (const std::optional<QString> zone = manager.valueForKey(u"local_time=")) {
        setValue(u"timeZoneComboBox"_s, timeZonePositionForValue(*zone));
    }
    for (const Slider &entry : sliders()) {
        if (const std::optional<QString> value = manager.valueForKey(entry.key)) {
            const int position = intValue(*value);
            setValue(entry.outlet, entry.positions.contains(position) ? position : 3);
        }
    }
    Q_EMIT changed();
}

void KRVSettingEditorModel::refreshMemoryPartitionGraphWithRatio(const QMap<QString, QString> &ratio)
{
    for (const PartitionKind &kind : partitionKinds()) {
        const QString value = ratio.value(kind.name);
        setValue(kind.prefix + u"ValueTextField"_s, QString(value + u'%'));
        setValue(kind.prefix + u"GraphView"_s, intValue(value));
    }
    Q_EMIT changed();
}

bool KRVSettingEditorModel::memoryPartitionSetValue(const QString &key, const QString &value)
{
    return writeLine(key, value);
}

bool KRVSettingEditorModel::writeLine(QStringView key, const QString &value)
{
    if (m_manager->setValueForKey(key, value)) {
        return true;
    }
    // The file has no line for the key: the change is not made, and whoever asked is told.
    if (!m_missingKeys.contains(key)) {
        m_missingKeys.append(key.toString());
    }
    return false;
}

void KRVSettingEditorModel::memoryPartitionRadioGroupTouched(int column)
{
    const QList<QMap<QString, QString>> &presets = KRVSettingManager::memoryPartitionRatiosArray();
    if (column < 0 || column >= presets.size()) {
        return;
    }
    setValue(u"memoryPartitionRadioGroup"_s, column);
    const QMap<QString, QString> &preset = presets.at(column);
    for (const PartitionKind &kind : partitionKinds()) {
        memoryPartitionSetValue(kind.key, preset.value(kind.name));
    }
    refreshMemoryPartitionGraphWithRatio(preset);
}

void KRVSettingEditorModel::parkingModeRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"parkingModeRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    setParkingVoltageEnabled(row == 0);
    Q_EMIT changed();
}

void KRVSettingEditorModel::parkingModeVoltageRadioGroupTouched(int column)
{
    setValue(u"parkingModeVoltageRadioGroup"_s, column);
    writeLine(u"power_off_vlt=", voltageValues().value(column, u"12000"_s));
    Q_EMIT changed();
}

void KRVSettingEditorModel::languageRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"languageRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    Q_EMIT changed();
}

void KRVSettingEditorModel::timeZoneComboBoxChanged(int index)
{
    setValue(u"timeZoneComboBox"_s, index);
    const double offset = timeZoneOffsets().value(index, -8.0);
    writeLine(u"local_time=", QString::number(offset, 'f', 6));
    Q_EMIT changed();
}

void KRVSettingEditorModel::dstRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"dstRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    Q_EMIT changed();
}

void KRVSettingEditorModel::voiceRecordRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"voiceRecordRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    Q_EMIT changed();
}

void KRVSettingEditorModel::voiceGuidanceRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"voiceGuidanceRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    setVoiceVolumeEnabled(row == 0);
    Q_EMIT changed();
}

void KRVSettingEditorModel::speedUnitRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"speedUnitRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    Q_EMIT changed();
}

void KRVSettingEditorModel::securityLEDRadioGroupTouched(int row)
{
    const SwitchGroup &group = *switchGroup(u"securityLEDRadioGroup"_s);
    setValue(group.outlet, row);
    writeLine(group.key, group.valueForRow(row));
    Q_EMIT changed();
}

const QMap<QString, int> &KRVSettingEditorModel::radioGroupCellCounts()
{
    return radioGroupSizes();
}

bool KRVSettingEditorModel::radioGroupTouched(const QString &outlet, int index)
{
    using Action = void (KRVSettingEditorModel::*)(int);
    static const QMap<QString, Action> actions{
        {u"memoryPartitionRadioGroup"_s, &KRVSettingEditorModel::memoryPartitionRadioGroupTouched},
        {u"parkingModeRadioGroup"_s, &KRVSettingEditorModel::parkingModeRadioGroupTouched},
        {u"parkingModeVoltageRadioGroup"_s, &KRVSettingEditorModel::parkingModeVoltageRadioGroupTouched},
        {u"languageRadioGroup"_s, &KRVSettingEditorModel::languageRadioGroupTouched},
        {u"dstRadioGroup"_s, &KRVSettingEditorModel::dstRadioGroupTouched},
        {u"voiceRecordRadioGroup"_s, &KRVSettingEditorModel::voiceRecordRadioGroupTouched},
        {u"voiceGuidanceRadioGroup"_s, &KRVSettingEditorModel::voiceGuidanceRadioGroupTouched},
        {u"speedUnitRadioGroup"_s, &KRVSettingEditorModel::speedUnitRadioGroupTouched},
        {u"securityLEDRadioGroup"_s, &KRVSettingEditorModel::securityLEDRadioGroupTouched}};
    const Action action = actions.value(outlet, nullptr);
    if (action == nullptr) {
        return false;
    }
    (this->*action)(index);
    return true;
}

void KRVSettingEditorModel::sliderMoved(const QString &outlet, int value)
{
    if (slider(outlet) == nullptr) {
        return;
    }
    setValue(outlet, value);
    sliderChanged(outlet, true);
    Q_EMIT changed();
}

void KRVSettingEditorModel::sliderChanged(const QString &outlet, bool fromSlider)
{
    // Only the slider under the pointer writes: a slider moved by anything else (the keyboard
    // while the pointer is elsewhere, or no sender at all) leaves the file alone.
    const Slider *entry = slider(outlet);
    if (entry == nullptr || !fromSlider || m_currentMouseDownSlider != outlet) {
        return;
    }
    writeLine(entry->key, QString::number(m_controls.value(outlet).value.toInt()));
}

void KRVSettingEditorModel::voiceGuidanceSliderChanged(bool fromSlider)
{
    sliderChanged(u"voiceGuidanceSlider"_s, fromSlider);
}

void KRVSettingEditorModel::impactSensitivitySliderChanged(bool fromSlider)
{
    sliderChanged(u"impactSensitivitySlider"_s, fromSlider);
}

void KRVSettingEditorModel::motionSensitivitySliderChanged(bool fromSlider)
{
    sliderChanged(u"motionSensitivitySlider"_s, fromSlider);
}

void KRVSettingEditorModel::sliderTouchedDown(const QString &outlet)
{
    m_currentMouseDownSlider = outlet;
}

void KRVSettingEditorModel::sliderTouchedUp(const QString &outlet)
{
    Q_UNUSED(outlet);
    m_currentMouseDownSlider.clear();
    hideSlidersGuide();
}

void KRVSettingEditorModel::hideSlidersGuide()
{
    voiceGuidanceSliderChanged(false);
    impactSensitivitySliderChanged(false);
    motionSensitivitySliderChanged(false);
}

void KRVSettingEditorModel::dateTimeCheckBoxTouched(bool on)
{
    setValue(u"dateTimeCheckBox"_s, on);
    writeLine(u"set=", on ? u"1"_s : u"0"_s);
    setEnabled(u"dateTimeDatePicker"_s, on);
    setEnabled(u"dateTimeCurrentTimeButton"_s, on);
    Q_EMIT changed();
}

void KRVSettingEditorModel::dateTimeCurrentTimeButtonTouched()
{
    setValue(u"dateTimeDatePicker"_s, m_now());
    Q_EMIT changed();
}

void KRVSettingEditorModel::setDateTimePickerValue(const QDateTime &dateTime)
{
    setValue(u"dateTimeDatePicker"_s, dateTime);
    Q_EMIT changed();
}

int KRVSettingEditorModel::okButtonTouched(bool *saved)
{
    // Clock lines alone are no settings file: over an unreadable file none are added.
    if (m_controls.value(u"dateTimeCheckBox"_s).value.toBool() && m_manager->hasText()) {
        m_manager->removeTimeDateDelimiters();
        // The picker's date in the user's own calendar and time zone, as the camera shows it.
        const QDateTime when = m_controls.value(u"dateTimeDatePicker"_s).value.toDateTime().toLocalTime();
        const QList<int> parts{when.date().year(), when.date().month(),  when.date().day(),
                               when.time().hour(), when.time().minute(), when.time().second()};
        QStringList lines;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            lines.append(KRVSettingText::clockKeys().at(i) + QString::number(parts.at(i)));
        }
        m_manager->addTimeDateDelimiters(lines);
    }
    const bool written = m_manager->saveData();
    if (saved != nullptr) {
        *saved = written;
    }
    return 1;
}

void KRVSettingEditorModel::resetButtonTouched()
{
    m_manager->loadDefaultValue();
    applySettingData();
}

QString KRVSettingEditorModel::applyPosition(const QString &outlet, const QString &value)
{
    if (!m_controls.contains(outlet)) {
        return u"no control named "_s + outlet;
    }
    if (!m_controls.value(outlet).enabled) {
        return outlet + u" is disabled"_s;
    }
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (radioGroupSizes().contains(outlet) || outlet == u"timeZoneComboBox") {
        const int count =
            outlet == u"timeZoneComboBox" ? int(timeZoneOffsets().size()) : radioGroupSizes().value(outlet);
        if (!isNumber || number < 0 || number >= count) {
            return outlet + u" takes 0 to "_s + QString::number(count - 1);
        }
        if (!radioGroupTouched(outlet, number)) {
            timeZoneComboBoxChanged(number);
        }
        return {};
    }
    if (const Slider *entry = slider(outlet)) {
        if (!isNumber || !entry->positions.contains(number)) {
            QStringList taken;
            for (int position : entry->positions) {
                taken.append(QString::number(position));
            }
            return outlet + u" takes "_s + taken.join(u", "_s);
        }
        // As a user does it: the pointer goes over the slider, moves it, and leaves.
        sliderTouchedDown(outlet);
        sliderMoved(outlet, number);
        sliderTouchedUp(outlet);
        return {};
    }
    if (outlet == u"dateTimeCheckBox") {
        if (!isNumber || (number != 0 && number != 1)) {
            return outlet + u" takes 0 or 1"_s;
        }
        dateTimeCheckBoxTouched(number == 1);
        return {};
    }
    if (outlet == u"dateTimeDatePicker") {
        const QDateTime when = QDateTime::fromString(value, Qt::ISODate);
        if (!when.isValid()) {
            return outlet + u" takes a date and time such as 2024-05-07T09:05:00"_s;
        }
        setDateTimePickerValue(when);
        return {};
    }
    if (outlet == u"dateTimeCurrentTimeButton") {
        dateTimeCurrentTimeButtonTouched();
        return {};
    }
    if (outlet == u"resetButton") {
        resetButtonTouched();
        return {};
    }
    return outlet + u" cannot be changed"_s;
}
