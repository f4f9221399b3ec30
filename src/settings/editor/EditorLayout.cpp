#include "settings/editor/EditorLayout.h"

#include "settings/editor/QB62SettingEditor.h"
#include "settings/record/QB62SettingManager.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;
using Rule = EditorLayout::FieldRule;
using Feature = EditorLayout::ControlFeature;
using Enabling = EditorLayout::EnablingRule;
using Condition = EditorLayout::Condition;
using Map = QList<std::pair<int, int>>;

// The layouts in the order of the section table's columns.
enum Column
{
    QA41,
    QB62,
    QC23,
    QD34,
    QE86,
    QH49,
    QY7,
    ColumnCount
};

bool isFirstGeneration(Column column)
{
    return column == QA41 || column == QB62 || column == QC23;
}

// --- Field rules -----------------------------------------------------------------------------------

Rule position(int field, const QString &control, Map map, std::optional<int> otherValue = {},
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

// Row (or column) 0 stores 1, any other 0; a stored 1 shows row 0, anything else row 1.
Rule onOff(int field, const QString &control)
{
    return position(field, control, {{0, 1}}, 0, 1);
}

// Row 1 stores 0, any other 1; a stored 0 shows row 1, 1 row 0.
Rule offRow(int field, const QString &control)
{
    return position(field, control, {{0, 1}, {1, 0}}, 1);
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

// A sensitivity of 0 to 2: larger stored values show as 2, larger positions store 2.
Rule sensitivity(int field, const QString &control)
{
    Rule rule = identity(field, control, 0, 2);
    rule.abovePosition = 2;
    rule.capOnSave = true;
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

Rule forTypes(Rule rule, QList<qint64> types)
{
    rule.onlyForTypes = std::move(types);
    return rule;
}

Rule when(Rule rule, Condition condition)
{
    rule.when = condition;
    return rule;
}

Rule direction(Rule rule, Rule::Direction direction)
{
    rule.direction = direction;
    return rule;
}

const Map kOneTwoThree = {{0, 1}, {1, 2}, {2, 3}};
const Map kReversedBrightness = {{0, 2}, {1, 1}, {2, 0}};

// --- Features -----------------------------------------------------------------------------------

Feature feature(const QString &control)
{
    Feature row;
    row.control = control;
    return row;
}

Feature shown(const QString &control, bool isShown, QList<qint64> types = {}, Condition condition = Condition::Always)
{
    Feature row = feature(control);
    row.shown = isShown;
    row.onlyForTypes = std::move(types);
    row.when = condition;
    return row;
}

Feature titled(const QString &control, const QStringList &titles, QList<qint64> types = {})
{
    Feature row = feature(control);
    row.titles = titles;
    row.onlyForTypes = std::move(types);
    return row;
}

Feature ranged(const QString &control, std::optional<int> minimum, int maximum, int tickCount)
{
    Feature row = feature(control);
    row.minimum = minimum;
    row.maximum = maximum;
    row.tickCount = tickCount;
    return row;
}

Feature labelled(const QString &control, const QStringList &guides, const QStringList &descriptions)
{
    Feature row = feature(control);
    row.guideLabels = guides;
    row.descriptions = descriptions;
    return row;
}

// Which sections (and the few groups that sit in a shared section) each layout shows: S shown,
// H hidden, - as laid out, a letter: shown or hidden by the condition of that letter (below).
struct SectionRow
{
    const char16_t *view;
    const char16_t *states; // one character per Column
};

// clang-format off
const std::array kSections = {
    // one letter per layout, in the order QA41 QB62 QC23 QD34 QE86 QH49 QY7
    SectionRow{u"commonRearBrightnessView",        u"HHHSSHH"},
    SectionRow{u"commonAudioRecordView",           u"---HHHH"},
    SectionRow{u"commonVoiceMentRadioGroup",       u"---HHHH"},
    SectionRow{u"commonVideoDateFormatView",       u"-HHHHHH"},
    SectionRow{u"commonDrivingGuideView",          u"H--HHHH"},
    SectionRow{u"commonLCDBrightnessView",         u"HHHSHSH"},
    SectionRow{u"commonLCDOffTimerView",           u"HH-SH-H"},
    SectionRow{u"commonSpeedStampView",            u"HHHabSS"},
    SectionRow{u"commonTimeView",                  u"-HSHHSS"},
    SectionRow{u"alwaysResolutionView",            u"---Hccc"},
    SectionRow{u"alwaysFrameRateView",             u"---HHHH"},
    SectionRow{u"alwaysQualityView",               u"--HHHHH"},
    SectionRow{u"alwaysDrivingGuideView",          u"HHHSSde"},
    SectionRow{u"alwaysDrivingGuideSubRadioGroup", u"----HHf"},
    SectionRow{u"alwaysWDRView",                   u"HHHSSHH"},
    SectionRow{u"alwaysVehicleTypeView",           u"HHHgSHH"},
    SectionRow{u"alwaysLDWSView",                  u"HHHgSHH"},
    SectionRow{u"alwaysFCWSView",                  u"HHHgSHH"},
    SectionRow{u"alwaysFVDWView",                  u"HHHgHHH"},
    SectionRow{u"parkingResolutionView",           u"---HHHH"},
    SectionRow{u"parkingFrameRateView",            u"---HHHH"},
    SectionRow{u"parkingQualityView",              u"--HHHHH"},
    SectionRow{u"parkingMotionRadioGroup",         u"---HHHH"},
    SectionRow{u"etcInitializeView",               u"HHSHHHH"},
};
// clang-format on

// The feature rows for one cell of the section table.
QList<Feature> sectionFeatures(const QString &view, char16_t state)
{
    switch (state) {
    case u'S':
        return {shown(view, true)};
    case u'H':
        return {shown(view, false)};
    case u'a': // the speed stamp of the QJ51
        return {shown(view, false), shown(view, true, {9})};
    case u'b': // the speed stamp of the QK63 and QS391
        return {shown(view, false), shown(view, true, {10, 18})};
    case u'c': // the resolution, where the camera lets the user choose it
        return {shown(view, false), shown(view, true, {}, Condition::ResolutionSelectable)};
    case u'd': // the QN96 has no driving guide
        return {shown(view, true), shown(view, false, {14})};
    case u'e': // the QP17 has no driving guide
        return {shown(view, true), shown(view, false, {15})};
    case u'f': // the mobile safety-camera alert of the QM85 and QT-K4-ZN
        return {shown(view, false), shown(view, true, {13, 19})};
    case u'g': // driver assistance, with firmware that has it
        return {shown(view, false), shown(view, true, {}, Condition::AssistanceFirmware)};
    default:
        return {};
    }
}

QList<Feature> featuresOf(Column column, const QList<qint64> &types)
{
    QList<Feature> features;
    for (const SectionRow &row : kSections) {
        features += sectionFeatures(QString::fromUtf16(row.view), row.states[column]);
    }
    // Sections no layout shows, or only one.
    features.append(shown(u"etcMemoryCardFormatView"_s, false));
    features.append(shown(u"parkingTimeLimitSlider_36o"_s, column == QB62));
    features.append(shown(u"parkingTimeLimitSlider_36x"_s, column != QB62));
    QList<qint64> threeState;
    QList<qint64> twoState;
    for (const qint64 type : types) {
        (EditorLayout::hasThreeStateParking(type) ? threeState : twoState).append(type);
    }
    if (!twoState.isEmpty()) {
        features.append(shown(u"parkingSuperNightVisionView"_s, false, twoState));
    }
    if (!threeState.isEmpty()) {
        features.append(titled(u"parkingModeRadioGroup"_s, {u"주차모션"_s, u"타임랩스"_s, u"사용 안함"_s}, threeState));
    }

    // The assistance sensitivities read 1 to 3 in every layout that shows them.
    for (const QString &name :
         {u"alwaysLDWSSensitivitySlider"_s, u"alwaysLDWSRightSensitivitySlider"_s, u"alwaysFCWSSensitivitySlider"_s}) {
        features.append(labelled(name, {u"1"_s, u"2"_s, u"3"_s}, {u"1"_s, u"2"_s, u"3"_s}));
    }

    const QString vga = u"VGA (640 x 480)"_s;
    const QString hd = u"HD (1280 x 720)"_s;
    const QString fhd = u"FHD (1920 x 1080)"_s;
    const QStringList frontResolutions = {u"alwaysRadioGroupFrontResolution"_s, u"parkingFrontResolutionRadioGroup"_s};
    const QStringList frameRates = {u"alwaysRadioGroupFrameRate"_s, u"parkingFrameRateRadioGroup"_s};
    switch (column) {
    case QA41:
        for (const QString &name : frontResolutions) {
            features.append(titled(name, {vga, hd}));
        }
        for (const QString &name : frameRates) {
            features.append(titled(name, {u"고정 15fps"_s, u"고정 30fps"_s}));
        }
        for (const QString &name : {u"alwaysRadioGroupFrontQuality"_s, u"alwaysRadioGroupRearQuality"_s,
                                    u"parkingFrontQualityRadioGroup"_s, u"parkingRearQualityRadioGroup"_s}) {
            features.append(titled(name, {u"낮음"_s, u"보통"_s, u"높음"_s}));
        }
        for (const QString &name : {u"alwaysRadioGroupRearResolution"_s, u"alwaysRadioGroupRearQuality"_s,
                                    u"parkingRearResolutionRadioGroup"_s, u"parkingRearQualityRadioGroup"_s}) {
            features.append(shown(name, false));
        }
        break;
    case QB62:
        for (const QString &name : frontResolutions) {
            features.append(titled(name, {vga, hd, fhd}));
        }
        for (const QString &name : frameRates) {
            features.append(titled(name, {u"10fps"_s, u"15fps"_s, u"30fps"_s}));
        }
        break;
    case QC23:
        for (const QString &name : frontResolutions) {
            features.append(titled(name, {hd, fhd}));
        }
        features.append(titled(u"alwaysRadioGroupFrameRate"_s, {u"20fps"_s, u"30fps"_s}));
        features.append(titled(u"parkingFrameRateRadioGroup"_s, {u"15fps"_s, u"30fps"_s}));
        break;
    case QD34:
    case QE86:
    case QH49:
    case QY7:
        features.append(titled(u"alwaysRadioGroupFrontResolution"_s, {hd, fhd}));
        features.append(titled(u"alwaysRadioGroupRearResolution"_s, {hd, fhd}));
        features.append(ranged(u"commonVoiceMentSlider"_s, 0, 3, 4));
        features.append(ranged(u"alwaysShockSensitivitySlider"_s, std::nullopt, 5, 5));
        features.append(ranged(u"parkingShockSensitivitySlider"_s, std::nullopt, 5, 5));
        features.append(ranged(u"parkingMotionSlider"_s, 0, 3, 4));
        features.append(
            labelled(u"parkingMotionSlider"_s, {u"OFF"_s, u"1"_s, u"3"_s, u"5"_s}, {u"OFF"_s, u"1"_s, u"3"_s, u"5"_s}));
        features.append(ranged(u"parkingTimeLimitSlider_36x"_s, std::nullopt, 4, 4));
        features.append(labelled(u"parkingTimeLimitSlider_36x"_s, {u"6"_s, u"12"_s, u"24"_s, u"48"_s},
                                 {u"6"_s, u"12"_s, u"24"_s, u"48"_s}));
        break;
    case ColumnCount:
        break;
    }
    if (column == QD34 || column == QH49) {
        features.append(ranged(u"commonLCDBrighnessSlider"_s, 0, 2, 3));
        features.append(labelled(u"commonLCDBrighnessSlider"_s, {u"0"_s, u"1"_s, u"2"_s}, {u"0"_s, u"1"_s, u"2"_s}));
    }
    if (column == QD34 || column == QH49 || column == QY7) {
        features.append(
            titled(u"commonLCDOffTimerRadioGroup"_s, {u"QD34 : 30초 후"_s, u"QD34 : 10분 후"_s, u"사용 안함"_s}));
    }
    if (column == QD34) {
        features.append(shown(u"etcSecurityLEDImageView1"_s, false));
        features.append(shown(u"etcSecurityLEDImageView2"_s, false));
    }
    if (column == QH49) {
        Feature rows = feature(u"etcSecurityLEDRadioGroup"_s);
        rows.disabledCells = {0, 2};
        features.append(rows);
    }
    if (column == QY7) {
        features.append(shown(u"etcSecurityLEDView"_s, false));
    }
    return features;
}

// --- Field coding -----------------------------------------------------------------------------------

QList<Rule> rulesOf(Column column, const QList<qint64> &types)
{
    const bool first = isFirstGeneration(column);
    QList<qint64> threeState;
    QList<qint64> twoState;
    for (const qint64 type : types) {
        (EditorLayout::hasThreeStateParking(type) ? threeState : twoState).append(type);
    }

    QList<Rule> rules;
    Rule language = ofKind(Field::cur_language, u"commonLanguagePopupButton"_s, Rule::Kind::Tag);
    // The QA41 shows the camera's language but leaves it to the camera.
    rules.append(column == QA41 ? direction(language, Rule::Direction::LoadOnly) : language);
    rules.append(position(Field::front_brightness, u"commonFrontBrightnessSlider"_s, kReversedBrightness));
    if (!first) {
        rules.append(position(Field::rear_brightness, u"commonRearBrightnessSlider"_s, kReversedBrightness));
    }
    rules.append(identity(Field::audio_ment_volume, u"commonVoiceMentSlider"_s, first ? 1 : 0, first ? 6 : 3));
    if (first) {
        rules.append(onOff(Field::audio_record, u"commonAudioRecordRadioGroup"_s));
        rules.append(onOff(Field::voice_ment, u"commonVoiceMentRadioGroup"_s));
    } else {
        // The volume slider doubles as the switch: at 0 the announcements are off, and a stored
        // "off" shows the slider at 0 (after the volume row has placed it).
        rules.append(position(Field::voice_ment, u"commonVoiceMentSlider"_s, {{0, 0}}, 1));
    }
    rules.append(ofKind(Field::gmt_offset, u"commonGMTComboBox"_s, Rule::Kind::GmtMinutes));
    if (first) {
        rules.append(ofKind(Field::tz_key, u"commonGMTComboBox"_s, Rule::Kind::TzKey));
    }
    rules.append(onOff(Field::daylight_offset, u"commonDSTRadioGroup"_s));
    if (column == QA41) {
        rules.append(position(Field::date_format, u"commonVideoDateFormatRadioGroup"_s, {{0, 0}, {1, 1}}, 1));
    }
    rules.append(position(Field::measurement_unit, u"commonSpeedUnitRadioGroup"_s, {{0, 0}, {1, 1}}, 0, 0));
    if (column == QB62 || column == QC23) {
        rules.append(onOff(Field::enable_driving_guide, u"commonDrivingGuideRadioGroup"_s));
    }
    if (!first) {
        rules.append(onOff(Field::enable_driving_guide, u"alwaysDrivingGuideRadioGroup"_s));
    }
    if (column == QC23) {
        rules.append(identity(Field::lcd_brightness, u"commonLCDBrighnessSlider"_s, 0, 10));
        // Shown by whole minutes of the stored milliseconds; anything else (never included) is "not used".
        Rule offTimer = position(Field::lcd_off_timer, u"commonLCDOffTimerRadioGroup"_s,
                                 {{0, 120000}, {1, 300000}, {2, 600000}, {3, 0}});
        offTimer.loadDivisor = 60000;
        offTimer.loadMap = {{2, 0}, {5, 1}, {10, 2}};
        offTimer.otherPosition = 3;
        rules.append(offTimer);
    }
    if (column == QD34 || column == QH49 || column == QY7) {
        rules.append(identity(Field::lcd_brightness, u"commonLCDBrighnessSlider"_s, 0, 2));
        rules.append(
            position(Field::lcd_off_timer, u"commonLCDOffTimerRadioGroup"_s, {{0, 30000}, {1, 600000}, {2, 0}}, {}, 2));
    }
    const Rule speedStamp = position(Field::speed_stamp, u"commonSpeedStampRadioGroup"_s, {{0, 1}, {1, 0}});
    if (column == QH49 || column == QY7) {
        rules.append(speedStamp);
    } else if (column == QD34) {
        rules.append(forTypes(speedStamp, {9}));
    } else if (column == QE86) {
        rules.append(forTypes(speedStamp, {10, 18}));
    }

    // Driving recording.
    const QString frontResolution = u"alwaysRadioGroupFrontResolution"_s;
    const QString rearResolution = u"alwaysRadioGroupRearResolution"_s;
    switch (column) {
    case QA41:
        rules.append(position(Field::front_resolution, frontResolution, {{0, 1}, {1, 2}}, 2));
        rules.append(position(Field::front_framerate, u"alwaysRadioGroupFrameRate"_s, {{0, 2}, {1, 3}}, 3));
        break;
    case QB62:
        rules.append(position(Field::front_resolution, frontResolution, kOneTwoThree));
        rules.append(position(Field::rear_resolution, rearResolution, {{0, 1}, {1, 2}}));
        rules.append(position(Field::front_framerate, u"alwaysRadioGroupFrameRate"_s, kOneTwoThree));
        break;
    case QC23:
        rules.append(position(Field::front_resolution, frontResolution, {{0, 2}, {1, 3}}));
        rules.append(position(Field::rear_resolution, rearResolution, {{0, 1}, {1, 2}}));
        rules.append(position(Field::front_framerate, u"alwaysRadioGroupFrameRate"_s, {{0, 3}, {1, 5}}));
        break;
    case QE86:
        rules.append(position(Field::front_resolution, frontResolution, {{0, 2}, {1, 3}}, 3));
        rules.append(position(Field::rear_resolution, rearResolution, {{0, 2}, {1, 3}}, 3));
        break;
    case QH49:
    case QY7:
        // These cameras offer the resolution only when set_resolution allows it; shown, it is coded
        // as the QE86 codes it, hidden it is left alone.
        // A stored code other than 2 or 3 cannot be shown, and stays until the user picks one.
        for (const auto &[field, control] :
             {std::pair{Field::front_resolution, frontResolution}, std::pair{Field::rear_resolution, rearResolution}}) {
            Rule rule = when(position(field, control, {{0, 2}, {1, 3}}, 3), Condition::ResolutionSelectable);
            rule.keepUnshownValue = true;
            rules.append(rule);
        }
        break;
    default:
        break;
    }
    if (first) {
        rules.append(position(Field::front_quality, u"alwaysRadioGroupFrontQuality"_s, kOneTwoThree));
    }
    if (column == QB62 || column == QC23) {
        rules.append(position(Field::rear_quality, u"alwaysRadioGroupRearQuality"_s, kOneTwoThree));
    }
    rules.append(identity(Field::acceleration_sensor, u"alwaysShockSensitivitySlider"_s, 1, first ? 10 : 5));
    if (column == QY7) {
        rules.append(onOff(Field::mobile_safety_cam_alert, u"alwaysDrivingGuideSubRadioGroup"_s));
    }
    if (!first) {
        rules.append(onOff(Field::wdr, u"alwaysWDRRadioGroup"_s));
    }

    // Driver assistance: the QE86 always, the QD34 with the firmware that has it.
    if (column == QD34 || column == QE86) {
        const Condition assistance = column == QD34 ? Condition::AssistanceFirmware : Condition::Always;
        Rule vehicle = position(Field::adas_car_high, u"alwaysVehicleTypeRadioGroup"_s, {{0, 0}, {1, 1}, {2, 2}}, 0);
        vehicle.abovePosition = 0;
        rules.append(when(vehicle, assistance));
        Rule ldws = offRow(Field::ldws_onoff, u"alwaysLDWSRadioGroup"_s);
        ldws.otherPosition = 0;
        rules.append(when(ldws, assistance));
        const Rule left = sensitivity(Field::ldws_left_depart_Sensitivity, u"alwaysLDWSSensitivitySlider"_s);
        const Rule right = sensitivity(Field::ldws_right_depart_Sensitivity, u"alwaysLDWSRightSensitivitySlider"_s);
        if (column == QD34) {
            rules.append(when(left, assistance));
            rules.append(when(right, assistance));
        } else {
            rules.append(forTypes(left, {10, 18}));
            rules.append(forTypes(right, {10, 18}));
            // The QE86 itself has one sensitivity for both sides: the slider shows the common field
            // and is written to all three.
            const QString one = u"alwaysLDWSSensitivitySlider"_s;
            rules.append(forTypes(sensitivity(Field::ldws_depart_Sensitivity, one), {5}));
            rules.append(forTypes(
                direction(sensitivity(Field::ldws_left_depart_Sensitivity, one), Rule::Direction::SaveOnly), {5}));
            rules.append(forTypes(
                direction(sensitivity(Field::ldws_right_depart_Sensitivity, one), Rule::Direction::SaveOnly), {5}));
        }
        Rule speed =
            position(Field::ldws_depart_speed, u"alwaysLDWSSpeedRadioGroup"_s, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, 2);
        speed.abovePosition = 2;
        rules.append(when(speed, assistance));
        Rule fcws = offRow(Field::fcws_onoff, u"alwaysFCWSRadioGroup"_s);
        fcws.otherPosition = 0;
        rules.append(when(fcws, assistance));
        rules.append(when(sensitivity(Field::fcws_frontal_sensitivity, u"alwaysFCWSSensitivitySlider"_s), assistance));
    }
    if (column == QD34) {
        // Written whatever the firmware: the hidden group carries the stored value.
        Rule departure = offRow(Field::fcmd_onoff, u"alwaysFVDWRadioGroup"_s);
        departure.abovePosition = 0;
        rules.append(departure);
    }

    // Parking recording.
    if (!twoState.isEmpty()) {
        rules.append(forTypes(onOff(Field::parking_mode_set, u"parkingModeRadioGroup"_s), twoState));
    }
    if (!threeState.isEmpty()) {
        rules.append(forTypes(position(Field::parking_mode_set, u"parkingModeRadioGroup"_s, {{0, 1}, {1, 2}}, 0, 2),
                              threeState));
        rules.append(forTypes(onOff(Field::parking_night_vision, u"parkingSuperNightVisionRadioGroup"_s), threeState));
    }
    switch (column) {
    case QA41:
        rules.append(
            position(Field::parking_front_resolution, u"parkingFrontResolutionRadioGroup"_s, {{0, 1}, {1, 2}}));
        rules.append(position(Field::parking_front_framerate, u"parkingFrameRateRadioGroup"_s, {{0, 2}, {1, 3}}, 3));
        break;
    case QB62:
        rules.append(position(Field::parking_front_resolution, u"parkingFrontResolutionRadioGroup"_s, kOneTwoThree));
        rules.append(position(Field::parking_rear_resolution, u"parkingRearResolutionRadioGroup"_s, {{0, 1}, {1, 2}}));
        rules.append(position(Field::parking_front_framerate, u"parkingFrameRateRadioGroup"_s, kOneTwoThree));
        break;
    case QC23:
        rules.append(
            position(Field::parking_front_resolution, u"parkingFrontResolutionRadioGroup"_s, {{0, 2}, {1, 3}}));
        rules.append(position(Field::parking_rear_resolution, u"parkingRearResolutionRadioGroup"_s, {{0, 1}, {1, 2}}));
        rules.append(position(Field::parking_front_framerate, u"parkingFrameRateRadioGroup"_s, {{0, 2}, {1, 5}}));
        break;
    default:
        break;
    }
    if (first) {
        rules.append(position(Field::parking_front_quality, u"parkingFrontQualityRadioGroup"_s, kOneTwoThree));
    }
    if (column == QB62 || column == QC23) {
        rules.append(position(Field::parking_rear_quality, u"parkingRearQualityRadioGroup"_s, kOneTwoThree));
    }
    rules.append(identity(Field::parking_acceleration_sensor, u"parkingShockSensitivitySlider"_s, 1, 10));
    if (first) {
        rules.append(onOff(Field::parking_motion_set, u"parkingMotionRadioGroup"_s));
        rules.append(
            position(Field::parking_motion_sensitivity, u"parkingMotionSlider"_s, {{1, 1}, {2, 3}, {3, 5}}, 3, 2));
    } else {
        rules.append(position(Field::parking_motion_sensitivity, u"parkingMotionSlider"_s,
                              {{0, 0}, {1, 1}, {2, 3}, {3, 5}}, 3, 2));
    }
    if (column == QB62) {
        rules.append(position(Field::parking_time_limit, u"parkingTimeLimitSlider_36o"_s,
                              {{1, 1}, {2, 2}, {3, 4}, {4, 6}, {5, 12}, {6, 24}, {7, 36}, {8, 48}}));
    } else if (first) {
        rules.append(position(Field::parking_time_limit, u"parkingTimeLimitSlider_36x"_s,
                              {{1, 1}, {2, 2}, {3, 4}, {4, 6}, {5, 12}, {6, 24}, {7, 48}}));
    } else {
        rules.append(
            position(Field::parking_time_limit, u"parkingTimeLimitSlider_36x"_s, {{1, 6}, {2, 12}, {3, 24}, {4, 48}}));
    }
    rules.append(identity(Field::battery_12v_R_off, u"parkingBatteryOff12VSlider"_s, 0, 7));
    rules.append(identity(Field::battery_24v_R_off, u"parkingBatteryOff24VSlider"_s, 0, 7));

    // Additional functions.
    rules.append(ofKind(Field::record_cevent_overwrite, u"etcOverwriteAlwaysShockCheckBox"_s, Rule::Kind::Check));
    rules.append(ofKind(Field::record_motion_overwrite, u"etcOverwriteParkingMotionCheckBox"_s, Rule::Kind::Check));
    rules.append(ofKind(Field::record_prevent_overwrite, u"etcOverwriteParkingShockCheckBox"_s, Rule::Kind::Check));
    rules.append(ofKind(Field::record_manual_overwrite, u"etcOverwriteManualCheckBox"_s, Rule::Kind::Check));
    if (column == QH49 || column == QY7) {
        // One light mode: every "on" row stores 1.
        Rule light =
            position(Field::security_led_mode, u"etcSecurityLEDRadioGroup"_s, {{0, 1}, {1, 1}, {2, 1}, {3, 0}});
        light.loadMap = {{0, 3}, {1, 1}, {2, 1}, {3, 1}};
        rules.append(light);
    } else {
        rules.append(
            position(Field::security_led_mode, u"etcSecurityLEDRadioGroup"_s, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}));
    }
    rules.append(position(Field::partition_type, u"etcMemoryPartitionRadioGroup"_s, kOneTwoThree));
    return rules;
}

Enabling enabling(int field, const QStringList &controls, QList<int> enabling, QList<int> disabling,
                  std::optional<bool> otherwise, QList<qint64> types = {})
{
    Enabling rule;
    rule.field = field;
    rule.controls = controls;
    rule.enablingValues = std::move(enabling);
    rule.disablingValues = std::move(disabling);
    rule.otherwise = otherwise;
    rule.onlyForTypes = std::move(types);
    return rule;
}

QList<Enabling> enablingOf(Column column, const QList<qint64> &types)
{
    if (isFirstGeneration(column)) {
        // The parking mode disables nothing here; the motion group switches its slider, and the
        // announcements switch their volume, as touching the groups does.
        return {enabling(Field::parking_motion_set, {u"parkingMotionSlider"_s}, {1}, {}, false),
                enabling(Field::voice_ment, {u"commonVoiceMentSlider"_s}, {1}, {}, false)};
    }
    QList<qint64> threeState;
    QList<qint64> twoState;
    for (const qint64 type : types) {
        (EditorLayout::hasThreeStateParking(type) ? threeState : twoState).append(type);
    }
    const QStringList impact = {u"parkingShockSensitivitySlider"_s};
    const QStringList motion = {u"parkingMotionSlider"_s};
    const QStringList timeAndBattery = {u"parkingTimeLimitSlider_36x"_s, u"parkingTimeLimitSlider_36o"_s,
                                        u"parkingBatteryOff12VSlider"_s, u"parkingBatteryOff24VSlider"_s};
    QList<Enabling> rules = {
        enabling(
            Field::ldws_onoff,
            {u"alwaysLDWSSensitivitySlider"_s, u"alwaysLDWSRightSensitivitySlider"_s, u"alwaysLDWSSpeedRadioGroup"_s},
            {1}, {0}, std::nullopt),
        enabling(Field::fcws_onoff, {u"alwaysFCWSSensitivitySlider"_s}, {1}, {0}, std::nullopt),
    };
    if (column == QY7) {
        // The safety-camera alert belongs to the driving guide, as touching the guide's group says.
        rules.append(enabling(Field::enable_driving_guide, {u"alwaysDrivingGuideSubRadioGroup"_s}, {1}, {}, false));
    }
    if (!twoState.isEmpty()) {
        rules.append(enabling(Field::parking_mode_set, impact + motion + timeAndBattery, {1}, {}, false, twoState));
    }
    if (!threeState.isEmpty()) {
        // Time-lapse keeps the impact, time-limit and battery settings; only motion needs the motion mode.
        rules.append(enabling(Field::parking_mode_set, motion, {1}, {}, false, threeState));
        rules.append(enabling(Field::parking_mode_set, impact + timeAndBattery, {1, 2}, {}, false, threeState));
    }
    return rules;
}

EditorLayout makeLayout(Column column, const QString &name, QList<qint64> types, QHash<qint64, QString> productNames,
                        void (QB62SettingEditor::*apply)(), bool (QB62SettingEditor::*save)())
{
    EditorLayout layout;
    layout.name = name;
    layout.modelTypes = types;
    layout.defaultProductName = name;
    layout.productNames = std::move(productNames);
    layout.features = featuresOf(column, types);
    layout.rules = rulesOf(column, types);
    layout.enabling = enablingOf(column, types);
    layout.applyOperation = apply;
    layout.saveOperation = save;
    return layout;
}
} // namespace

const QList<EditorLayout> &EditorLayout::all()
{
    using E = QB62SettingEditor;
    static const QList<EditorLayout> layouts = {
        makeLayout(QA41, u"QA41"_s, {0}, {}, &E::applyQA41SettingData, &E::saveQA41SettingData),
        makeLayout(QB62, u"QB62"_s, {1}, {}, &E::applyQB62SettingData, &E::saveQB62SettingData),
        makeLayout(QC23, u"QC23"_s, {2}, {}, &E::applyQC23SettingData, &E::saveQC23SettingData),
        makeLayout(QD34, u"QD34"_s, {3, 4, 9}, {{9, u"QJ51"_s}}, &E::applyQD34SettingData, &E::saveQD34SettingData),
        makeLayout(QE86, u"QE86"_s, {5, 10, 18}, {{10, u"QK63"_s}, {18, u"QS391"_s}}, &E::applyQE86SettingData,
                   &E::saveQE86SettingData),
        makeLayout(QH49, u"QH49"_s, {7, 8, 14}, {{7, u"QG38"_s}, {14, u"QN96"_s}}, &E::applyQH49SettingData,
                   &E::saveQH49SettingData),
        makeLayout(QY7, u"QY7"_s, {11, 12, 13, 15, 19},
                   {{12, u"QL74"_s}, {13, u"QM85"_s}, {15, u"QP17"_s}, {19, u"QT-K4-ZN"_s}}, &E::applyQY7SettingData,
                   &E::saveQY7SettingData),
    };
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

const EditorLayout *EditorLayout::named(const QString &name)
{
    for (const EditorLayout &layout : all()) {
        if (layout.name == name) {
            return &layout;
        }
    }
    return nullptr;
}

bool EditorLayout::hasThreeStateParking(qint64 modelType)
{
    return modelType == 9 || modelType == 10 || modelType == 18;
}

bool EditorLayout::holds(Condition condition, const QB62SettingManager &manager)
{
    switch (condition) {
    case Condition::Always:
        return true;
    case Condition::AssistanceFirmware:
        return manager.firmwareVersionInt() >= 17 || manager.modelType() == 9;
    case Condition::ResolutionSelectable:
        return manager.value(Field::set_resolution) != 0;
    }
    return false;
}

bool EditorLayout::appliesTo(const QList<qint64> &types, Condition condition, const QB62SettingManager &manager)
{
    return (types.isEmpty() || types.contains(manager.modelType())) && holds(condition, manager);
}
