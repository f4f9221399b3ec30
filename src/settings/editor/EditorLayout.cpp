#include "settings/editor/EditorLayout.h"

#include "settings/editor/QB62SettingEditor.h"
#include "settings/record/QB62SettingManager.h"

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;
using Rule = EditorLayout::FieldRule;
using Feature = EditorLayout::ControlFeature;

// The two generations of the record: the three oldest layouts code some settings differently from
// the four later ones.
enum class Generation
{
    First, // QA41, QB62, QC23
    Later  // QD34, QE86, QH49, QY7
};

Rule position(int field, const QString &control, QList<std::pair<int, int>> map, std::optional<int> otherValue = {},
              std::optional<int> otherPosition = {})
{
    Rule rule;
    rule.field = field;
    rule.control = control;
    rule.map = std::move(map);
    rule.otherValue = otherValue;
    rule.otherPosition = otherPosition;
    return rule;
}

// Row 0 stores 1, any other row 0; a stored 1 shows row 0, anything else row 1.
Rule onOff(int field, const QString &control)
{
    return position(field, control, {{0, 1}}, 0, 1);
}

Rule identity(int field, const QString &control, int minimum, int maximum)
{
    Rule rule;
    rule.field = field;
    rule.control = control;
    rule.minimum = minimum;
    rule.maximum = maximum;
    return rule;
}

Rule ofKind(int field, const QString &control, Rule::Kind kind)
{
    Rule rule;
    rule.field = field;
    rule.control = control;
    rule.kind = kind;
    return rule;
}

const QList<std::pair<int, int>> kOneTwoThree = {{0, 1}, {1, 2}, {2, 3}};

// The settings every layout stores, in the coding of its generation.
QList<Rule> sharedRules(Generation generation, const QList<qint64> &threeStateTypes, const QList<qint64> &twoStateTypes)
{
    const bool first = generation == Generation::First;
    QList<Rule> rules = {
        position(Field::front_brightness, u"commonFrontBrightnessSlider"_s, {{0, 2}, {1, 1}, {2, 0}}),
        identity(Field::audio_ment_volume, u"commonVoiceMentSlider"_s, first ? 1 : 0, first ? 6 : 3),
        ofKind(Field::gmt_offset, u"commonGMTComboBox"_s, Rule::Kind::GmtMinutes),
        onOff(Field::daylight_offset, u"commonDSTRadioGroup"_s),
        position(Field::measurement_unit, u"commonSpeedUnitRadioGroup"_s, {{0, 0}, {1, 1}}, 0, 0),
        identity(Field::acceleration_sensor, u"alwaysShockSensitivitySlider"_s, 1, first ? 10 : 5),
        identity(Field::parking_acceleration_sensor, u"parkingShockSensitivitySlider"_s, 1, 10),
        identity(Field::battery_12v_R_off, u"parkingBatteryOff12VSlider"_s, 0, 7),
        identity(Field::battery_24v_R_off, u"parkingBatteryOff24VSlider"_s, 0, 7),
        ofKind(Field::record_cevent_overwrite, u"etcOverwriteAlwaysShockCheckBox"_s, Rule::Kind::Check),
        ofKind(Field::record_motion_overwrite, u"etcOverwriteParkingMotionCheckBox"_s, Rule::Kind::Check),
        ofKind(Field::record_prevent_overwrite, u"etcOverwriteParkingShockCheckBox"_s, Rule::Kind::Check),
        ofKind(Field::record_manual_overwrite, u"etcOverwriteManualCheckBox"_s, Rule::Kind::Check),
        position(Field::partition_type, u"etcMemoryPartitionRadioGroup"_s, kOneTwoThree),
    };
    Rule twoState = onOff(Field::parking_mode_set, u"parkingModeRadioGroup"_s);
    twoState.onlyForTypes = twoStateTypes;
    rules.append(twoState);
    if (!threeStateTypes.isEmpty()) {
        Rule threeState = position(Field::parking_mode_set, u"parkingModeRadioGroup"_s, {{0, 1}, {1, 2}}, 0, 2);
        threeState.onlyForTypes = threeStateTypes;
        rules.append(threeState);
    }
    if (first) {
        rules.append(onOff(Field::audio_record, u"commonAudioRecordRadioGroup"_s));
        rules.append(onOff(Field::voice_ment, u"commonVoiceMentRadioGroup"_s));
        rules.append(ofKind(Field::tz_key, u"commonGMTComboBox"_s, Rule::Kind::TzKey));
        rules.append(onOff(Field::parking_motion_set, u"parkingMotionRadioGroup"_s));
        rules.append(
            position(Field::parking_motion_sensitivity, u"parkingMotionSlider"_s, {{1, 1}, {2, 3}, {3, 5}}, 3, 2));
    } else {
        rules.append(position(Field::parking_motion_sensitivity, u"parkingMotionSlider"_s,
                              {{0, 0}, {1, 1}, {2, 3}, {3, 5}}, 3, 2));
    }
    return rules;
}

// Parking mode and motion as the first generation shows them: nothing is disabled by the mode;
// the motion group switches its slider.
void applyFirstGenerationParking(QB62SettingEditor &editor, const QB62SettingManager &manager)
{
    editor.setEnabled(u"parkingMotionSlider"_s, manager.value(Field::parking_motion_set) == 1);
}

// The later generation: the stored parking mode decides which parking sliders can be used, and
// the assistance switches decide their sliders.
void applyLaterGenerationState(QB62SettingEditor &editor, const QB62SettingManager &manager)
{
    const int mode = manager.value(Field::parking_mode_set);
    const QStringList timeAndBattery = {u"parkingTimeLimitSlider_36x"_s, u"parkingTimeLimitSlider_36o"_s,
                                        u"parkingBatteryOff12VSlider"_s, u"parkingBatteryOff24VSlider"_s};
    bool impact = true;
    bool motion = true;
    bool rest = true;
    if (editor.hasThreeStateParking()) {
        motion = mode == 1;
        impact = mode == 1 || mode == 2;
        rest = impact;
    } else if (mode != 1) {
        impact = motion = rest = false;
    }
    editor.setEnabled(u"parkingShockSensitivitySlider"_s, impact);
    editor.setEnabled(u"parkingMotionSlider"_s, motion);
    for (const QString &name : timeAndBattery) {
        editor.setEnabled(name, rest);
    }
    if (manager.value(Field::voice_ment) == 0) {
        editor.setValue(u"commonVoiceMentSlider"_s, 0);
    }
    const int ldws = manager.value(Field::ldws_onoff);
    if (ldws == 0 || ldws == 1) {
        for (const QString &name : {u"alwaysLDWSSensitivitySlider"_s, u"alwaysLDWSRightSensitivitySlider"_s,
                                    u"alwaysLDWSSpeedRadioGroup"_s}) {
            editor.setEnabled(name, ldws == 1);
        }
    }
    const int fcws = manager.value(Field::fcws_onoff);
    if (fcws == 0 || fcws == 1) {
        editor.setEnabled(u"alwaysFCWSSensitivitySlider"_s, fcws == 1);
    }
}

void storeLaterGenerationVoice(const QB62SettingEditor &editor, QB62SettingManager &manager)
{
    manager.setValue(Field::voice_ment, editor.value(u"commonVoiceMentSlider"_s) != 0 ? 1 : 0);
}

QList<Feature> hide(const QStringList &names)
{
    QList<Feature> features;
    for (const QString &name : names) {
        Feature feature;
        feature.control = name;
        feature.shown = false;
        features.append(feature);
    }
    return features;
}

Feature show(const QString &name, bool shown)
{
    Feature feature;
    feature.control = name;
    feature.shown = shown;
    return feature;
}

EditorLayout layoutQB62()
{
    EditorLayout layout;
    layout.name = u"QB62"_s;
    layout.modelTypes = {1};
    layout.defaultProductName = u"QB62"_s;
    layout.features = hide({u"commonRearBrightnessView"_s, u"commonVideoDateFormatView"_s, u"commonLCDBrightnessView"_s,
                            u"commonLCDOffTimerView"_s, u"commonSpeedStampView"_s, u"commonTimeView"_s,
                            u"alwaysDrivingGuideView"_s, u"alwaysWDRView"_s, u"alwaysVehicleTypeView"_s,
                            u"alwaysLDWSView"_s, u"alwaysFCWSView"_s, u"alwaysFVDWView"_s,
                            u"parkingSuperNightVisionView"_s, u"etcInitializeView"_s, u"parkingTimeLimitSlider_36x"_s});
    layout.features.append(show(u"parkingTimeLimitSlider_36o"_s, true));
    layout.rules = sharedRules(Generation::First, {}, {1});
    layout.rules += {
        ofKind(Field::cur_language, u"commonLanguagePopupButton"_s, Rule::Kind::Tag),
        onOff(Field::enable_driving_guide, u"commonDrivingGuideRadioGroup"_s),
        position(Field::front_resolution, u"alwaysRadioGroupFrontResolution"_s, kOneTwoThree),
        position(Field::rear_resolution, u"alwaysRadioGroupRearResolution"_s, {{0, 1}, {1, 2}}),
        position(Field::front_framerate, u"alwaysRadioGroupFrameRate"_s, kOneTwoThree),
        position(Field::front_quality, u"alwaysRadioGroupFrontQuality"_s, kOneTwoThree),
        position(Field::rear_quality, u"alwaysRadioGroupRearQuality"_s, kOneTwoThree),
        position(Field::parking_front_resolution, u"parkingFrontResolutionRadioGroup"_s, kOneTwoThree),
        position(Field::parking_rear_resolution, u"parkingRearResolutionRadioGroup"_s, {{0, 1}, {1, 2}}),
        position(Field::parking_front_framerate, u"parkingFrameRateRadioGroup"_s, kOneTwoThree),
        position(Field::parking_front_quality, u"parkingFrontQualityRadioGroup"_s, kOneTwoThree),
        position(Field::parking_rear_quality, u"parkingRearQualityRadioGroup"_s, kOneTwoThree),
        position(Field::parking_time_limit, u"parkingTimeLimitSlider_36o"_s,
                 {{1, 1}, {2, 2}, {3, 4}, {4, 6}, {5, 12}, {6, 24}, {7, 36}, {8, 48}}),
        position(Field::security_led_mode, u"etcSecurityLEDRadioGroup"_s, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}),
    };
    layout.afterApply = applyFirstGenerationParking;
    return layout;
}

// A layout whose own features and coding are still to come: it stores the settings every layout
// shares, so OK never loses what the screen shows.
EditorLayout sharedOnly(const QString &name, Generation generation, QList<qint64> types,
                        QHash<qint64, QString> productNames)
{
    EditorLayout layout;
    layout.name = name;
    layout.modelTypes = types;
    layout.defaultProductName = name;
    layout.productNames = std::move(productNames);
    QList<qint64> threeState;
    QList<qint64> twoState;
    for (const qint64 type : types) {
        (EditorLayout::hasThreeStateParking(type) ? threeState : twoState).append(type);
    }
    layout.rules = sharedRules(generation, threeState, twoState);
    if (generation == Generation::First) {
        layout.afterApply = applyFirstGenerationParking;
    } else {
        layout.afterApply = applyLaterGenerationState;
        layout.beforeSave = storeLaterGenerationVoice;
    }
    if (threeState.isEmpty()) {
        layout.features.append(show(u"parkingSuperNightVisionView"_s, false));
    } else {
        Feature modes;
        modes.control = u"parkingModeRadioGroup"_s;
        modes.titles = QStringList{u"주차모션"_s, u"타임랩스"_s, u"사용 안함"_s};
        modes.onlyForTypes = threeState;
        layout.features.append(modes);
        Feature nightVision = show(u"parkingSuperNightVisionView"_s, false);
        nightVision.onlyForTypes = twoState;
        layout.features.append(nightVision);
    }
    layout.features.append(show(u"parkingTimeLimitSlider_36o"_s, false));
    return layout;
}

// Card maintenance on the editor's last tab: formatting is offered in no layout, the touch-screen
// calibration reset only in the layout of the camera with a touch screen.
EditorLayout withCardMaintenance(EditorLayout layout)
{
    layout.features.append(show(u"etcMemoryCardFormatView"_s, false));
    layout.features.append(show(u"etcInitializeView"_s, layout.name == u"QC23"));
    return layout;
}
} // namespace

const QList<EditorLayout> &EditorLayout::all()
{
    static const QList<EditorLayout> layouts = [] {
        QList<EditorLayout> made = {
            sharedOnly(u"QA41"_s, Generation::First, {0}, {}),
            layoutQB62(),
            sharedOnly(u"QC23"_s, Generation::First, {2}, {}),
            sharedOnly(u"QD34"_s, Generation::Later, {3, 4, 9}, {{9, u"QJ51"_s}}),
            sharedOnly(u"QE86"_s, Generation::Later, {5, 10, 18}, {{10, u"QK63"_s}, {18, u"QS391"_s}}),
            sharedOnly(u"QH49"_s, Generation::Later, {7, 8, 14}, {{7, u"QG38"_s}, {14, u"QN96"_s}}),
            sharedOnly(u"QY7"_s, Generation::Later, {11, 12, 13, 15, 19},
                       {{12, u"QL74"_s}, {13, u"QM85"_s}, {15, u"QP17"_s}, {19, u"QT-K4-ZN"_s}}),
        };
        for (EditorLayout &layout : made) {
            layout = withCardMaintenance(std::move(layout));
        }
        return made;
    }();
    return layouts;
}

const EditorLayout *EditorLayout::forModelType(qint64 modelType)
{
    for (const EditorLayout &layout : all()) {
        if (layout.modelTypes.contains(modelType)) {
            return &layout;
        }
    }
    return nullptr;
}

bool EditorLayout::hasThreeStateParking(qint64 modelType)
{
    return modelType == 9 || modelType == 10 || modelType == 18;
}
