#include "EditorTestCard.h"

#include "settings/editor/EditorLayout.h"
#include "settings/editor/QB62SettingEditor.h"
#include "settings/editor/TimeZoneTable.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <optional>
#include <set>

using namespace Qt::StringLiterals;

// How every layout codes its controls into the settings record and back. The expected values are
// the cameras' codings written out case by case, not read from the layouts' tables.

namespace {
using Field = SettingRecordLayout::Field;
const QString Record = u"SETTING/setup.cfg"_s;

// A model type of each layout.
constexpr qint64 A = 0;  // QA41
constexpr qint64 B = 1;  // QB62
constexpr qint64 C = 2;  // QC23
constexpr qint64 D = 3;  // QD34, firmware 17
constexpr qint64 E = 5;  // QE86
constexpr qint64 H = 8;  // QH49
constexpr qint64 Y = 11; // QY7
const QList<qint64> First = {A, B, C};
const QList<qint64> Later = {D, E, H, Y};
const QList<qint64> All = {A, B, C, D, E, H, Y};

// Every model type with a layout.
const QList<qint64> LayoutTypes = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19};

QStringList differingFields(const QByteArray &before, const QByteArray &after)
{
    QStringList names;
    for (const SettingRecordLayout::FieldInfo &info : SettingRecordLayout::fields()) {
        const int offset = SettingRecordLayout::offsetOf(info.field);
        if (before.mid(offset, info.width) != after.mid(offset, info.width)) {
            names.append(info.name.toString());
        }
    }
    if (before.size() != after.size()) {
        names.append(u"(length)"_s);
    }
    return names;
}

const QHash<qint64, QString> kProductNames = {
    {0, u"QA41"_s}, {1, u"QB62"_s},  {2, u"QC23"_s},   {3, u"QD34"_s},  {4, u"QD34"_s},     {9, u"QJ51"_s},
    {5, u"QE86"_s}, {10, u"QK63"_s}, {18, u"QS391"_s}, {7, u"QG38"_s},  {8, u"QH49"_s},     {14, u"QN96"_s},
    {11, u"QY7"_s}, {12, u"QL74"_s}, {13, u"QM85"_s},  {15, u"QP17"_s}, {19, u"QT-K4-ZN"_s}};

// A card of TYPE read into a settings object, and an editor built on it as the screen builds it.
// The program knows factory settings for the oldest models only; the others get a record as such a
// camera writes it, built from the nearest factory settings.
struct Opened
{
    explicit Opened(qint64 type, int firmware = 17, const std::function<void(QB62SettingManager &)> &change = {})
        : card(type, firmware)
    {
        QB62SettingManager &m = *card.manager;
        if (type > 5) {
            m.setModelType(5);
            m.loadDefaultValue();
            m.setModelType(type);
            m.setText(Field::product_name, kProductNames.value(type));
        }
        if (change) {
            change(m);
        }
        if (type > 5 || change) {
            m.saveData();
            m.loadData();
        }
        before = card.read(Record);
        editor = std::make_unique<QB62SettingEditor>(card.manager);
        editor->loadView();
    }
    QB62SettingManager &manager() { return *card.manager; }

    EditorTestCard card;
    QByteArray before;
    std::unique_ptr<QB62SettingEditor> editor;
};

QString typeName(qint64 type)
{
    return u"model type %1"_s.arg(type);
}
} // namespace

// --- Round trips ---------------------------------------------------------------------------------

TEST(EditorLayoutCodingTest, UntouchedControlsWriteEveryFactoryRecordBackByteForByte)
{
    // Two factory values are not among the options and are written as the screen shows them: the
    // QA41's and QC23's motion sensitivity 2 shows as the middle position and stores 3, and the
    // QA41's misspelt time-zone key is not in the key list, so its offset picks the zone and the
    // zone's own key is written.
    const QHash<qint64, QStringList> changed = {{0, {u"parking_motion_sensitivity"_s, u"tz_key"_s}},
                                                {2, {u"parking_motion_sensitivity"_s}}};
    for (const qint64 type : LayoutTypes) {
        for (const int firmware : (type == 3 || type == 4) ? QList<int>{16, 17} : QList<int>{17}) {
            SCOPED_TRACE(typeName(type).toStdString() + " firmware " + std::to_string(firmware));
            Opened opened(type, firmware);
            ASSERT_NE(opened.editor->layout(), nullptr);
            ASSERT_TRUE(opened.editor->saveData());
            EXPECT_EQ(differingFields(opened.before, opened.card.read(Record)), changed.value(type));
        }
    }
    Opened qa41(0);
    ASSERT_TRUE(qa41.editor->saveData());
    EXPECT_EQ(qa41.manager().value(Field::parking_motion_sensitivity), 3);
    EXPECT_EQ(qa41.manager().text(Field::tz_key), u"Pacific Standard Time"_s);
}

TEST(EditorLayoutCodingTest, HiddenSettingsOfAnEditedRecordAreWrittenBackAsTheyWereRead)
{
    // Values a camera may have stored that differ from its factory settings, in every layout's
    // coding; the hidden groups must carry them through.
    const auto edited = [](QB62SettingManager &m) {
        const bool later = m.modelType() >= 3;
        m.setValue(Field::front_brightness, 0);
        m.setValue(Field::rear_brightness, 2);
        m.setValue(Field::daylight_offset, 1);
        m.setValue(Field::measurement_unit, 1);
        m.setValue(Field::partition_type, 3);
        m.setValue(Field::security_led_mode, later && m.modelType() != 5 && m.modelType() != 3 ? 1 : 3);
        m.setValue(Field::acceleration_sensor, 4);
        m.setValue(Field::parking_acceleration_sensor, 2);
        m.setValue(Field::battery_12v_R_off, 6);
        m.setValue(Field::battery_24v_R_off, 1);
        m.setValue(Field::record_manual_overwrite, 1);
        m.setValue(Field::record_cevent_overwrite, 0);
        m.setValue(Field::parking_motion_sensitivity, 5);
    };
    for (const qint64 type : LayoutTypes) {
        SCOPED_TRACE(typeName(type).toStdString());
        Opened opened(type, 17, edited);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(differingFields(opened.before, opened.card.read(Record)),
                  type == 0 ? QStringList{u"tz_key"_s} : QStringList());
    }
}

TEST(EditorLayoutCodingTest, TheQJ51WritesItsNameShowsTheSpeedStampAndHasThreeParkingStates)
{
    Opened opened(9);
    QB62SettingEditor &editor = *opened.editor;
    EXPECT_EQ(editor.layout()->name, u"QD34"_s);
    EXPECT_TRUE(editor.isShown(u"commonSpeedStampRadioGroup"_s));
    EXPECT_EQ(editor.control(u"parkingModeRadioGroup"_s).titles,
              (QStringList{u"주차모션"_s, u"타임랩스"_s, u"사용 안함"_s}));
    EXPECT_TRUE(editor.isShown(u"parkingSuperNightVisionRadioGroup"_s));
    // Its assistance settings need no particular firmware.
    EXPECT_TRUE(editor.isShown(u"alwaysLDWSRadioGroup"_s));

    editor.setValue(u"commonSpeedStampRadioGroup"_s, 1);
    editor.setValue(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(editor.saveData());
    EXPECT_EQ(opened.manager().text(Field::product_name), u"QJ51"_s);
    EXPECT_EQ(opened.manager().value(Field::speed_stamp), 0);
    EXPECT_EQ(opened.manager().value(Field::parking_mode_set), 2);

    Opened other(3);
    ASSERT_TRUE(other.editor->saveData());
    EXPECT_EQ(other.manager().text(Field::product_name), u"QD34"_s);
    EXPECT_FALSE(other.editor->isShown(u"commonSpeedStampRadioGroup"_s));
    EXPECT_FALSE(other.editor->isShown(u"parkingSuperNightVisionRadioGroup"_s));
}

TEST(EditorLayoutCodingTest, TheProductNameFollowsTheModelType)
{
    for (const auto &[type, name] : kProductNames.asKeyValueRange()) {
        Opened opened(type);
        opened.manager().setText(Field::product_name, u"other"_s);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(opened.manager().text(Field::product_name), name) << typeName(type).toStdString();
    }
}

TEST(EditorLayoutCodingTest, TheQD34WithOlderFirmwareLeavesTheAssistanceFieldsButWritesTheDepartureAlert)
{
    const auto stored = [](QB62SettingManager &m) {
        m.setValue(Field::adas_car_high, 2);
        m.setValue(Field::ldws_onoff, 0);
        m.setValue(Field::ldws_left_depart_Sensitivity, 1);
        m.setValue(Field::ldws_right_depart_Sensitivity, 2);
        m.setValue(Field::ldws_depart_speed, 3);
        m.setValue(Field::fcws_onoff, 0);
        m.setValue(Field::fcws_frontal_sensitivity, 1);
    };
    Opened opened(3, 16, stored);
    QB62SettingEditor &editor = *opened.editor;
    for (const QString &view :
         {u"alwaysVehicleTypeView"_s, u"alwaysLDWSView"_s, u"alwaysFCWSView"_s, u"alwaysFVDWView"_s}) {
        EXPECT_FALSE(editor.isSectionShown(view)) << view.toStdString();
    }
    // Whatever the hidden groups hold, these fields stay as stored.
    editor.setValue(u"alwaysVehicleTypeRadioGroup"_s, 0);
    editor.setValue(u"alwaysLDWSRadioGroup"_s, 0);
    editor.setValue(u"alwaysLDWSSensitivitySlider"_s, 0);
    editor.setValue(u"alwaysLDWSRightSensitivitySlider"_s, 0);
    editor.setValue(u"alwaysLDWSSpeedRadioGroup"_s, 0);
    editor.setValue(u"alwaysFCWSRadioGroup"_s, 0);
    editor.setValue(u"alwaysFCWSSensitivitySlider"_s, 2);
    editor.setValue(u"alwaysFVDWRadioGroup"_s, 1);
    opened.manager().setValue(Field::fcmd_onoff, 1);
    ASSERT_TRUE(editor.saveData());
    QB62SettingManager &m = opened.manager();
    EXPECT_EQ(m.value(Field::adas_car_high), 2);
    EXPECT_EQ(m.value(Field::ldws_onoff), 0);
    EXPECT_EQ(m.value(Field::ldws_left_depart_Sensitivity), 1);
    EXPECT_EQ(m.value(Field::ldws_right_depart_Sensitivity), 2);
    EXPECT_EQ(m.value(Field::ldws_depart_speed), 3);
    EXPECT_EQ(m.value(Field::fcws_onoff), 0);
    EXPECT_EQ(m.value(Field::fcws_frontal_sensitivity), 1);
    EXPECT_EQ(m.value(Field::fcmd_onoff), 0);

    // With firmware 17 the same controls are written.
    Opened newer(3, 17, stored);
    newer.editor->setValue(u"alwaysVehicleTypeRadioGroup"_s, 0);
    newer.editor->setValue(u"alwaysLDWSRadioGroup"_s, 0);
    ASSERT_TRUE(newer.editor->saveData());
    EXPECT_EQ(newer.manager().value(Field::adas_car_high), 0);
    EXPECT_EQ(newer.manager().value(Field::ldws_onoff), 1);
}

TEST(EditorLayoutCodingTest, TheQE86WritesStoredResolutionsBackThroughItsHiddenGroups)
{
    for (const int stored : {2, 3}) {
        Opened opened(5, 17, [stored](QB62SettingManager &m) {
            m.setValue(Field::set_resolution, 0);
            m.setValue(Field::front_resolution, stored);
            m.setValue(Field::rear_resolution, 5 - stored);
        });
        EXPECT_FALSE(opened.editor->isSectionShown(u"alwaysResolutionView"_s));
        EXPECT_EQ(opened.editor->value(u"alwaysRadioGroupFrontResolution"_s), stored - 2);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(differingFields(opened.before, opened.card.read(Record)), QStringList());
    }
    Opened chooses(5, 17, [](QB62SettingManager &m) { m.setValue(Field::set_resolution, 1); });
    EXPECT_TRUE(chooses.editor->isSectionShown(u"alwaysResolutionView"_s));
    EXPECT_EQ(chooses.editor->displayTitles(u"alwaysRadioGroupFrontResolution"_s),
              (QStringList{u"HD (1280 x 720)"_s, u"FHD (1920 x 1080)"_s}));
}

TEST(EditorLayoutCodingTest, TheMotionSliderAtZeroStoresTheMiddleSensitivityOnlyInTheFirstLayouts)
{
    for (const qint64 type : All) {
        Opened opened(type);
        // The first layouts' slider starts at 1; their coding still names what 0 would store.
        opened.editor->setValue(u"parkingMotionSlider"_s, 0);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(opened.manager().value(Field::parking_motion_sensitivity), First.contains(type) ? 3 : 0)
            << typeName(type).toStdString();
    }
}

TEST(EditorLayoutCodingTest, SecurityLightRowOneStoresTheSecondModeOnlyWhereThereAreThree)
{
    for (const qint64 type : All) {
        Opened opened(type);
        opened.editor->setValue(u"etcSecurityLEDRadioGroup"_s, 1);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(opened.manager().value(Field::security_led_mode), (type == H || type == Y) ? 1 : 2)
            << typeName(type).toStdString();
    }
}

TEST(EditorLayoutCodingTest, LaterLayoutsTurnAnnouncementsOffWithTheVolume)
{
    Opened opened(D, 17, [](QB62SettingManager &m) {
        m.setValue(Field::voice_ment, 0);
        m.setValue(Field::audio_ment_volume, 2);
    });
    EXPECT_EQ(opened.editor->value(u"commonVoiceMentSlider"_s), 0);
    ASSERT_TRUE(opened.editor->saveData());
    // Announcements off store no volume: the stored 2 becomes 0.
    EXPECT_EQ(differingFields(opened.before, opened.card.read(Record)), QStringList{u"audio_ment_volume"_s});

    opened.editor->setValue(u"commonVoiceMentSlider"_s, 3);
    ASSERT_TRUE(opened.editor->saveData());
    EXPECT_EQ(opened.manager().value(Field::voice_ment), 1);
    EXPECT_EQ(opened.manager().value(Field::audio_ment_volume), 3);
}

TEST(EditorLayoutCodingTest, TheQC23ShowsTheDisplayOffTimeByWholeMinutes)
{
    Opened opened(C, 17, [](QB62SettingManager &m) { m.setValue(Field::lcd_off_timer, 179999); });
    EXPECT_EQ(opened.editor->value(u"commonLCDOffTimerRadioGroup"_s), 0);
    ASSERT_TRUE(opened.editor->saveData());
    EXPECT_EQ(opened.manager().value(Field::lcd_off_timer), 120000);
}

TEST(EditorLayoutCodingTest, TheQE86ItselfWritesOneLaneSensitivityToAllThreeFields)
{
    Opened opened(5, 17, [](QB62SettingManager &m) {
        m.setValue(Field::ldws_depart_Sensitivity, 1);
        m.setValue(Field::ldws_left_depart_Sensitivity, 0);
        m.setValue(Field::ldws_right_depart_Sensitivity, 2);
    });
    EXPECT_EQ(opened.editor->value(u"alwaysLDWSSensitivitySlider"_s), 1);
    ASSERT_TRUE(opened.editor->saveData());
    EXPECT_EQ(opened.manager().value(Field::ldws_depart_Sensitivity), 1);
    EXPECT_EQ(opened.manager().value(Field::ldws_left_depart_Sensitivity), 1);
    EXPECT_EQ(opened.manager().value(Field::ldws_right_depart_Sensitivity), 1);

    // The QK63 keeps a sensitivity per side and leaves the common one.
    Opened sides(10, 17, [](QB62SettingManager &m) {
        m.setValue(Field::ldws_depart_Sensitivity, 1);
        m.setValue(Field::ldws_left_depart_Sensitivity, 0);
        m.setValue(Field::ldws_right_depart_Sensitivity, 2);
    });
    EXPECT_EQ(sides.editor->value(u"alwaysLDWSSensitivitySlider"_s), 0);
    EXPECT_EQ(sides.editor->value(u"alwaysLDWSRightSensitivitySlider"_s), 2);
    ASSERT_TRUE(sides.editor->saveData());
    EXPECT_EQ(differingFields(sides.before, sides.card.read(Record)), QStringList());
}

TEST(EditorLayoutCodingTest, TheLanguageIsWrittenByEveryLayoutButTheQA41)
{
    for (const qint64 type : All) {
        SCOPED_TRACE(typeName(type).toStdString());
        Opened opened(type, 17, [](QB62SettingManager &m) { m.setValue(Field::cur_language, 2); });
        opened.manager().setLanguages({{0, u"ko"_s}, {2, u"en"_s}, {5, u"ja"_s}});
        opened.editor->insertLanguageItems();
        opened.editor->applySettingData();
        EXPECT_EQ(opened.editor->value(u"commonLanguagePopupButton"_s), 2);
        opened.editor->setValue(u"commonLanguagePopupButton"_s, 5);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(opened.manager().value(Field::cur_language), type == A ? 2 : 5);
    }
}

TEST(EditorLayoutCodingTest, TheTimeZoneKeyIsKeptOnlyByTheFirstLayouts)
{
    const int utcMinus0930 = TimeZoneTable::captionIndexForMinutes(-570);
    for (const qint64 type : All) {
        SCOPED_TRACE(typeName(type).toStdString());
        Opened opened(type, 17, [](QB62SettingManager &m) {
            m.setText(Field::tz_key, u"Korea Standard Time"_s);
            m.setValue(Field::gmt_offset, -570);
        });
        // The first layouts choose by the key, the later ones by the minutes.
        const int shown = opened.editor->value(u"commonGMTComboBox"_s);
        EXPECT_EQ(TimeZoneTable::gmtHourList().at(shown), First.contains(type) ? 540 : -570);
        opened.editor->setValue(u"commonGMTComboBox"_s, utcMinus0930);
        ASSERT_TRUE(opened.editor->saveData());
        EXPECT_EQ(opened.manager().value(Field::gmt_offset), -570);
        EXPECT_EQ(opened.manager().text(Field::tz_key) == u"Korea Standard Time", !First.contains(type));
    }
}

// --- Saving, rule by rule ----------------------------------------------------------------------------

namespace {
// Keeps: the control at this position does not change the field: it holds what saving the
// untouched controls wrote (or the stored value, when nothing writes it).
constexpr std::optional<int> Keeps = std::nullopt;

struct SaveRow
{
    QList<qint64> types;
    const char16_t *control;
    int position;
    Field field;
    std::optional<int> stored;
};

// clang-format off
const QList<SaveRow> kSaveRows = {
    {All, u"commonFrontBrightnessSlider", 0, Field::front_brightness, 2},
    {All, u"commonFrontBrightnessSlider", 1, Field::front_brightness, 1},
    {All, u"commonFrontBrightnessSlider", 2, Field::front_brightness, 0},
    {Later, u"commonRearBrightnessSlider", 0, Field::rear_brightness, 2},
    {Later, u"commonRearBrightnessSlider", 2, Field::rear_brightness, 0},
    {First, u"commonRearBrightnessSlider", 0, Field::rear_brightness, Keeps},
    {First, u"commonAudioRecordRadioGroup", 0, Field::audio_record, 1},
    {First, u"commonAudioRecordRadioGroup", 1, Field::audio_record, 0},
    {Later, u"commonAudioRecordRadioGroup", 0, Field::audio_record, Keeps},
    {First, u"commonVoiceMentRadioGroup", 0, Field::voice_ment, 1},
    {First, u"commonVoiceMentRadioGroup", 1, Field::voice_ment, 0},
    {Later, u"commonVoiceMentSlider", 2, Field::voice_ment, 1},
    {Later, u"commonVoiceMentSlider", 0, Field::voice_ment, 0},
    {First, u"commonVoiceMentSlider", 4, Field::audio_ment_volume, 4},
    {Later, u"commonVoiceMentSlider", 3, Field::audio_ment_volume, 3},
    {All, u"commonGMTComboBox", 3, Field::gmt_offset, -570},
    {All, u"commonGMTComboBox", 24, Field::gmt_offset, 345},
    {All, u"commonDSTRadioGroup", 0, Field::daylight_offset, 1},
    {All, u"commonDSTRadioGroup", 1, Field::daylight_offset, 0},
    {{A}, u"commonVideoDateFormatRadioGroup", 1, Field::date_format, 1},
    {{A}, u"commonVideoDateFormatRadioGroup", 0, Field::date_format, 0},
    {{B, C, D, E, H, Y}, u"commonVideoDateFormatRadioGroup", 1, Field::date_format, Keeps},
    {All, u"commonSpeedUnitRadioGroup", 1, Field::measurement_unit, 1},
    {All, u"commonSpeedUnitRadioGroup", 0, Field::measurement_unit, 0},
    {{B, C}, u"commonDrivingGuideRadioGroup", 0, Field::enable_driving_guide, 1},
    {{B, C}, u"commonDrivingGuideRadioGroup", 1, Field::enable_driving_guide, 0},
    {{A}, u"commonDrivingGuideRadioGroup", 0, Field::enable_driving_guide, Keeps},
    {Later, u"alwaysDrivingGuideRadioGroup", 0, Field::enable_driving_guide, 1},
    {Later, u"alwaysDrivingGuideRadioGroup", 1, Field::enable_driving_guide, 0},
    {{A, B}, u"alwaysDrivingGuideRadioGroup", 0, Field::enable_driving_guide, Keeps},
    {{C}, u"commonLCDBrighnessSlider", 7, Field::lcd_brightness, 7},
    {{D, H, Y}, u"commonLCDBrighnessSlider", 2, Field::lcd_brightness, 2},
    {{A, B, E}, u"commonLCDBrighnessSlider", 2, Field::lcd_brightness, Keeps},
    {{C}, u"commonLCDOffTimerRadioGroup", 0, Field::lcd_off_timer, 120000},
    {{C}, u"commonLCDOffTimerRadioGroup", 1, Field::lcd_off_timer, 300000},
    {{C}, u"commonLCDOffTimerRadioGroup", 2, Field::lcd_off_timer, 600000},
    {{C}, u"commonLCDOffTimerRadioGroup", 3, Field::lcd_off_timer, 0},
    {{D, H, Y}, u"commonLCDOffTimerRadioGroup", 0, Field::lcd_off_timer, 30000},
    {{D, H, Y}, u"commonLCDOffTimerRadioGroup", 1, Field::lcd_off_timer, 600000},
    {{D, H, Y}, u"commonLCDOffTimerRadioGroup", 2, Field::lcd_off_timer, 0},
    {{A, B, E}, u"commonLCDOffTimerRadioGroup", 1, Field::lcd_off_timer, Keeps},
    {{H, Y, 9, 10, 18}, u"commonSpeedStampRadioGroup", 0, Field::speed_stamp, 1},
    {{H, Y, 9, 10, 18}, u"commonSpeedStampRadioGroup", 1, Field::speed_stamp, 0},
    {{A, B, C, D, 4, E}, u"commonSpeedStampRadioGroup", 0, Field::speed_stamp, Keeps},
    {{A}, u"alwaysRadioGroupFrontResolution", 0, Field::front_resolution, 1},
    {{A}, u"alwaysRadioGroupFrontResolution", 1, Field::front_resolution, 2},
    {{B}, u"alwaysRadioGroupFrontResolution", 0, Field::front_resolution, 1},
    {{B}, u"alwaysRadioGroupFrontResolution", 1, Field::front_resolution, 2},
    {{B}, u"alwaysRadioGroupFrontResolution", 2, Field::front_resolution, 3},
    {{C, E}, u"alwaysRadioGroupFrontResolution", 0, Field::front_resolution, 2},
    {{C, E}, u"alwaysRadioGroupFrontResolution", 1, Field::front_resolution, 3},
    {{E}, u"alwaysRadioGroupFrontResolution", 2, Field::front_resolution, 3},
    {{D}, u"alwaysRadioGroupFrontResolution", 0, Field::front_resolution, Keeps},
    {{B, C}, u"alwaysRadioGroupRearResolution", 0, Field::rear_resolution, 1},
    {{B, C}, u"alwaysRadioGroupRearResolution", 1, Field::rear_resolution, 2},
    {{E}, u"alwaysRadioGroupRearResolution", 0, Field::rear_resolution, 2},
    {{E}, u"alwaysRadioGroupRearResolution", 1, Field::rear_resolution, 3},
    {{A, D}, u"alwaysRadioGroupRearResolution", 1, Field::rear_resolution, Keeps},
    {{A}, u"alwaysRadioGroupFrameRate", 0, Field::front_framerate, 2},
    {{A}, u"alwaysRadioGroupFrameRate", 1, Field::front_framerate, 3},
    {{B}, u"alwaysRadioGroupFrameRate", 0, Field::front_framerate, 1},
    {{B}, u"alwaysRadioGroupFrameRate", 2, Field::front_framerate, 3},
    {{C}, u"alwaysRadioGroupFrameRate", 0, Field::front_framerate, 3},
    {{C}, u"alwaysRadioGroupFrameRate", 1, Field::front_framerate, 5},
    {Later, u"alwaysRadioGroupFrameRate", 0, Field::front_framerate, Keeps},
    {First, u"alwaysRadioGroupFrontQuality", 0, Field::front_quality, 1},
    {First, u"alwaysRadioGroupFrontQuality", 2, Field::front_quality, 3},
    {Later, u"alwaysRadioGroupFrontQuality", 0, Field::front_quality, Keeps},
    {{B, C}, u"alwaysRadioGroupRearQuality", 1, Field::rear_quality, 2},
    {{A, D}, u"alwaysRadioGroupRearQuality", 1, Field::rear_quality, Keeps},
    {All, u"alwaysShockSensitivitySlider", 4, Field::acceleration_sensor, 4},
    {{Y}, u"alwaysDrivingGuideSubRadioGroup", 0, Field::mobile_safety_cam_alert, 1},
    {{Y}, u"alwaysDrivingGuideSubRadioGroup", 1, Field::mobile_safety_cam_alert, 0},
    {{A, D, E, H}, u"alwaysDrivingGuideSubRadioGroup", 0, Field::mobile_safety_cam_alert, Keeps},
    {Later, u"alwaysWDRRadioGroup", 0, Field::wdr, 1},
    {Later, u"alwaysWDRRadioGroup", 1, Field::wdr, 0},
    {First, u"alwaysWDRRadioGroup", 0, Field::wdr, Keeps},
    {{D, E}, u"alwaysVehicleTypeRadioGroup", 1, Field::adas_car_high, 1},
    {{D, E}, u"alwaysVehicleTypeRadioGroup", 2, Field::adas_car_high, 2},
    {{D, E}, u"alwaysVehicleTypeRadioGroup", 3, Field::adas_car_high, 0},
    {{A, H, Y}, u"alwaysVehicleTypeRadioGroup", 1, Field::adas_car_high, Keeps},
    {{D, E}, u"alwaysLDWSRadioGroup", 1, Field::ldws_onoff, 0},
    {{D, E}, u"alwaysLDWSRadioGroup", 0, Field::ldws_onoff, 1},
    {{H, Y}, u"alwaysLDWSRadioGroup", 1, Field::ldws_onoff, Keeps},
    {{D, 10, 18}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_left_depart_Sensitivity, 1},
    {{D, 10, 18}, u"alwaysLDWSRightSensitivitySlider", 2, Field::ldws_right_depart_Sensitivity, 2},
    {{D, 10, 18}, u"alwaysLDWSSensitivitySlider", 5, Field::ldws_left_depart_Sensitivity, 2},
    {{D, 10}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_depart_Sensitivity, Keeps},
    {{E}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_depart_Sensitivity, 1},
    {{E}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_left_depart_Sensitivity, 1},
    {{E}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_right_depart_Sensitivity, 1},
    {{E}, u"alwaysLDWSSensitivitySlider", 4, Field::ldws_depart_Sensitivity, 2},
    {{H, Y}, u"alwaysLDWSSensitivitySlider", 1, Field::ldws_left_depart_Sensitivity, Keeps},
    {{D, E}, u"alwaysLDWSSpeedRadioGroup", 0, Field::ldws_depart_speed, 0},
    {{D, E}, u"alwaysLDWSSpeedRadioGroup", 3, Field::ldws_depart_speed, 3},
    {{D, E}, u"alwaysLDWSSpeedRadioGroup", 4, Field::ldws_depart_speed, 2},
    {{D, E}, u"alwaysFCWSRadioGroup", 1, Field::fcws_onoff, 0},
    {{D, E}, u"alwaysFCWSRadioGroup", 0, Field::fcws_onoff, 1},
    {{D, E}, u"alwaysFCWSSensitivitySlider", 1, Field::fcws_frontal_sensitivity, 1},
    {{D, E}, u"alwaysFCWSSensitivitySlider", 3, Field::fcws_frontal_sensitivity, 2},
    {{H, Y}, u"alwaysFCWSSensitivitySlider", 1, Field::fcws_frontal_sensitivity, Keeps},
    {{D}, u"alwaysFVDWRadioGroup", 1, Field::fcmd_onoff, 0},
    {{D}, u"alwaysFVDWRadioGroup", 0, Field::fcmd_onoff, 1},
    {{E, H}, u"alwaysFVDWRadioGroup", 1, Field::fcmd_onoff, Keeps},
    {{A, B, C, D, E, H, Y}, u"parkingModeRadioGroup", 0, Field::parking_mode_set, 1},
    {{A, B, C, D, E, H, Y}, u"parkingModeRadioGroup", 1, Field::parking_mode_set, 0},
    {{9, 10, 18}, u"parkingModeRadioGroup", 0, Field::parking_mode_set, 1},
    {{9, 10, 18}, u"parkingModeRadioGroup", 1, Field::parking_mode_set, 2},
    {{9, 10, 18}, u"parkingModeRadioGroup", 2, Field::parking_mode_set, 0},
    {{9, 10, 18}, u"parkingSuperNightVisionRadioGroup", 0, Field::parking_night_vision, 1},
    {{9, 10, 18}, u"parkingSuperNightVisionRadioGroup", 1, Field::parking_night_vision, 0},
    {{D, E, H}, u"parkingSuperNightVisionRadioGroup", 0, Field::parking_night_vision, Keeps},
    {{A}, u"parkingFrontResolutionRadioGroup", 0, Field::parking_front_resolution, 1},
    {{A}, u"parkingFrontResolutionRadioGroup", 1, Field::parking_front_resolution, 2},
    {{B}, u"parkingFrontResolutionRadioGroup", 2, Field::parking_front_resolution, 3},
    {{C}, u"parkingFrontResolutionRadioGroup", 0, Field::parking_front_resolution, 2},
    {{C}, u"parkingFrontResolutionRadioGroup", 1, Field::parking_front_resolution, 3},
    {Later, u"parkingFrontResolutionRadioGroup", 1, Field::parking_front_resolution, Keeps},
    {{B, C}, u"parkingRearResolutionRadioGroup", 0, Field::parking_rear_resolution, 1},
    {{B, C}, u"parkingRearResolutionRadioGroup", 1, Field::parking_rear_resolution, 2},
    {{A, D}, u"parkingRearResolutionRadioGroup", 1, Field::parking_rear_resolution, Keeps},
    {{A}, u"parkingFrameRateRadioGroup", 0, Field::parking_front_framerate, 2},
    {{A}, u"parkingFrameRateRadioGroup", 1, Field::parking_front_framerate, 3},
    {{B}, u"parkingFrameRateRadioGroup", 1, Field::parking_front_framerate, 2},
    {{C}, u"parkingFrameRateRadioGroup", 0, Field::parking_front_framerate, 2},
    {{C}, u"parkingFrameRateRadioGroup", 1, Field::parking_front_framerate, 5},
    {Later, u"parkingFrameRateRadioGroup", 1, Field::parking_front_framerate, Keeps},
    {First, u"parkingFrontQualityRadioGroup", 1, Field::parking_front_quality, 2},
    {Later, u"parkingFrontQualityRadioGroup", 1, Field::parking_front_quality, Keeps},
    {{B, C}, u"parkingRearQualityRadioGroup", 2, Field::parking_rear_quality, 3},
    {{A, D}, u"parkingRearQualityRadioGroup", 2, Field::parking_rear_quality, Keeps},
    {All, u"parkingShockSensitivitySlider", 3, Field::parking_acceleration_sensor, 3},
    {First, u"parkingMotionRadioGroup", 0, Field::parking_motion_set, 1},
    {First, u"parkingMotionRadioGroup", 1, Field::parking_motion_set, 0},
    {Later, u"parkingMotionRadioGroup", 0, Field::parking_motion_set, Keeps},
    {First, u"parkingMotionSlider", 1, Field::parking_motion_sensitivity, 1},
    {First, u"parkingMotionSlider", 2, Field::parking_motion_sensitivity, 3},
    {First, u"parkingMotionSlider", 3, Field::parking_motion_sensitivity, 5},
    {Later, u"parkingMotionSlider", 1, Field::parking_motion_sensitivity, 1},
    {Later, u"parkingMotionSlider", 2, Field::parking_motion_sensitivity, 3},
    {Later, u"parkingMotionSlider", 3, Field::parking_motion_sensitivity, 5},
    {{A, C}, u"parkingTimeLimitSlider_36x", 1, Field::parking_time_limit, 1},
    {{A, C}, u"parkingTimeLimitSlider_36x", 3, Field::parking_time_limit, 4},
    {{A, C}, u"parkingTimeLimitSlider_36x", 6, Field::parking_time_limit, 24},
    {{A, C}, u"parkingTimeLimitSlider_36x", 7, Field::parking_time_limit, 48},
    {Later, u"parkingTimeLimitSlider_36x", 1, Field::parking_time_limit, 6},
    {Later, u"parkingTimeLimitSlider_36x", 2, Field::parking_time_limit, 12},
    {Later, u"parkingTimeLimitSlider_36x", 3, Field::parking_time_limit, 24},
    {Later, u"parkingTimeLimitSlider_36x", 4, Field::parking_time_limit, 48},
    {{B}, u"parkingTimeLimitSlider_36o", 7, Field::parking_time_limit, 36},
    {{B}, u"parkingTimeLimitSlider_36o", 8, Field::parking_time_limit, 48},
    {{B}, u"parkingTimeLimitSlider_36o", 5, Field::parking_time_limit, 12},
    {{B}, u"parkingTimeLimitSlider_36x", 7, Field::parking_time_limit, Keeps},
    {{A, D}, u"parkingTimeLimitSlider_36o", 7, Field::parking_time_limit, Keeps},
    {All, u"parkingBatteryOff12VSlider", 5, Field::battery_12v_R_off, 5},
    {All, u"parkingBatteryOff24VSlider", 7, Field::battery_24v_R_off, 7},
    {All, u"etcOverwriteAlwaysShockCheckBox", 1, Field::record_cevent_overwrite, 1},
    {All, u"etcOverwriteAlwaysShockCheckBox", 0, Field::record_cevent_overwrite, 0},
    {All, u"etcOverwriteParkingMotionCheckBox", 1, Field::record_motion_overwrite, 1},
    {All, u"etcOverwriteParkingShockCheckBox", 0, Field::record_prevent_overwrite, 0},
    {All, u"etcOverwriteManualCheckBox", 1, Field::record_manual_overwrite, 1},
    {{A, B, C, D, E}, u"etcSecurityLEDRadioGroup", 0, Field::security_led_mode, 1},
    {{A, B, C, D, E}, u"etcSecurityLEDRadioGroup", 2, Field::security_led_mode, 3},
    {{A, B, C, D, E}, u"etcSecurityLEDRadioGroup", 3, Field::security_led_mode, 0},
    {{H, Y}, u"etcSecurityLEDRadioGroup", 0, Field::security_led_mode, 1},
    {{H, Y}, u"etcSecurityLEDRadioGroup", 2, Field::security_led_mode, 1},
    {{H, Y}, u"etcSecurityLEDRadioGroup", 3, Field::security_led_mode, 0},
    {All, u"etcMemoryPartitionRadioGroup", 0, Field::partition_type, 1},
    {All, u"etcMemoryPartitionRadioGroup", 1, Field::partition_type, 2},
    {All, u"etcMemoryPartitionRadioGroup", 2, Field::partition_type, 3},
};
// clang-format on
} // namespace

TEST(EditorLayoutCodingTest, EachControlIsStoredInItsLayoutsCoding)
{
    constexpr int Sentinel = 77;
    for (qsizetype i = 0; i < kSaveRows.size(); ++i) {
        const SaveRow &row = kSaveRows.at(i);
        const QString control = QString::fromUtf16(row.control);
        for (const qint64 type : row.types) {
            SCOPED_TRACE(
                u"row %1: %2 at %3, %4"_s.arg(i).arg(control).arg(row.position).arg(typeName(type)).toStdString());
            Opened opened(type, 17, [&](QB62SettingManager &m) {
                m.setValue(row.field, Sentinel);
                // The announcements switch must not override the volume rows.
                if (row.field == Field::audio_ment_volume) {
                    m.setValue(Field::voice_ment, 1);
                }
            });
            ASSERT_TRUE(opened.editor->hasControl(control));
            ASSERT_TRUE(opened.editor->saveData());
            const int untouched = opened.manager().value(row.field);
            opened.editor->setValue(control, row.position);
            ASSERT_TRUE(opened.editor->saveData());
            EXPECT_EQ(opened.manager().value(row.field), row.stored.value_or(untouched));
        }
    }
}

// --- Loading, rule by rule ---------------------------------------------------------------------------

namespace {
struct LoadRow
{
    QList<qint64> types;
    Field field;
    int stored;
    const char16_t *control;
    std::optional<int> shown; // none: the control stays where it was
};

// clang-format off
const QList<LoadRow> kLoadRows = {
    {All, Field::front_brightness, 2, u"commonFrontBrightnessSlider", 0},
    {All, Field::front_brightness, 0, u"commonFrontBrightnessSlider", 2},
    {All, Field::front_brightness, 3, u"commonFrontBrightnessSlider", Keeps},
    {All, Field::front_brightness, -1, u"commonFrontBrightnessSlider", Keeps},
    {{D, E}, Field::rear_brightness, 0, u"commonRearBrightnessSlider", 2},
    {First, Field::audio_ment_volume, 6, u"commonVoiceMentSlider", 6},
    {First, Field::audio_ment_volume, 7, u"commonVoiceMentSlider", Keeps},
    {First, Field::audio_ment_volume, 0, u"commonVoiceMentSlider", Keeps},
    {Later, Field::audio_ment_volume, 3, u"commonVoiceMentSlider", 3},
    {Later, Field::audio_ment_volume, 4, u"commonVoiceMentSlider", Keeps},
    {Later, Field::voice_ment, 0, u"commonVoiceMentSlider", 0},
    {Later, Field::voice_ment, 1, u"commonVoiceMentSlider", 2}, // the volume, 2, stays
    {First, Field::voice_ment, 1, u"commonVoiceMentRadioGroup", 0},
    {First, Field::voice_ment, 0, u"commonVoiceMentRadioGroup", 1},
    {First, Field::audio_record, 1, u"commonAudioRecordRadioGroup", 0},
    {First, Field::audio_record, 9, u"commonAudioRecordRadioGroup", 1},
    {All, Field::daylight_offset, 1, u"commonDSTRadioGroup", 0},
    {All, Field::daylight_offset, 0, u"commonDSTRadioGroup", 1},
    {{A}, Field::date_format, 1, u"commonVideoDateFormatRadioGroup", 1},
    {{A}, Field::date_format, 4, u"commonVideoDateFormatRadioGroup", Keeps},
    {All, Field::measurement_unit, 1, u"commonSpeedUnitRadioGroup", 1},
    {All, Field::measurement_unit, 0, u"commonSpeedUnitRadioGroup", 0},
    {{C}, Field::lcd_brightness, 10, u"commonLCDBrighnessSlider", 10},
    {{C}, Field::lcd_brightness, 11, u"commonLCDBrighnessSlider", Keeps},
    {{D, H}, Field::lcd_brightness, 2, u"commonLCDBrighnessSlider", 2},
    {{D, H}, Field::lcd_brightness, 3, u"commonLCDBrighnessSlider", Keeps},
    {{D, H}, Field::lcd_brightness, -1, u"commonLCDBrighnessSlider", Keeps},
    {{D, H, Y}, Field::lcd_off_timer, 30000, u"commonLCDOffTimerRadioGroup", 0},
    {{D, H, Y}, Field::lcd_off_timer, 600000, u"commonLCDOffTimerRadioGroup", 1},
    {{D, H, Y}, Field::lcd_off_timer, 0, u"commonLCDOffTimerRadioGroup", 2},
    {{D, H, Y}, Field::lcd_off_timer, 30001, u"commonLCDOffTimerRadioGroup", 2},
    {{D, H, Y}, Field::lcd_off_timer, 300000, u"commonLCDOffTimerRadioGroup", 2},
    {{C}, Field::lcd_off_timer, 120000, u"commonLCDOffTimerRadioGroup", 0},
    {{C}, Field::lcd_off_timer, 179999, u"commonLCDOffTimerRadioGroup", 0},
    {{C}, Field::lcd_off_timer, 119999, u"commonLCDOffTimerRadioGroup", 3},
    {{C}, Field::lcd_off_timer, 300000, u"commonLCDOffTimerRadioGroup", 1},
    {{C}, Field::lcd_off_timer, 659999, u"commonLCDOffTimerRadioGroup", 2},
    {{C}, Field::lcd_off_timer, 0, u"commonLCDOffTimerRadioGroup", 3},
    {{C}, Field::lcd_off_timer, -120000, u"commonLCDOffTimerRadioGroup", 3},
    {{H, Y, 9}, Field::speed_stamp, 1, u"commonSpeedStampRadioGroup", 0},
    {{H, Y, 9}, Field::speed_stamp, 0, u"commonSpeedStampRadioGroup", 1},
    {{H, Y, 9}, Field::speed_stamp, 2, u"commonSpeedStampRadioGroup", Keeps},
    {{A}, Field::front_resolution, 2, u"alwaysRadioGroupFrontResolution", 1},
    {{A}, Field::front_resolution, 3, u"alwaysRadioGroupFrontResolution", Keeps},
    {{B}, Field::front_resolution, 3, u"alwaysRadioGroupFrontResolution", 2},
    {{C, E}, Field::front_resolution, 2, u"alwaysRadioGroupFrontResolution", 0},
    {{C, E}, Field::front_resolution, 3, u"alwaysRadioGroupFrontResolution", 1},
    {{C, E}, Field::front_resolution, 1, u"alwaysRadioGroupFrontResolution", Keeps},
    {{A}, Field::front_framerate, 3, u"alwaysRadioGroupFrameRate", 1},
    {{C}, Field::front_framerate, 5, u"alwaysRadioGroupFrameRate", 1},
    {{C}, Field::front_framerate, 2, u"alwaysRadioGroupFrameRate", Keeps},
    {First, Field::acceleration_sensor, 10, u"alwaysShockSensitivitySlider", 10},
    {First, Field::acceleration_sensor, 0, u"alwaysShockSensitivitySlider", Keeps},
    {Later, Field::acceleration_sensor, 5, u"alwaysShockSensitivitySlider", 5},
    {Later, Field::acceleration_sensor, 6, u"alwaysShockSensitivitySlider", Keeps},
    {All, Field::parking_acceleration_sensor, 1, u"parkingShockSensitivitySlider", 1},
    {First, Field::parking_acceleration_sensor, 10, u"parkingShockSensitivitySlider", 10},
    // Accepted, but beyond the later layouts' five positions: shown (and then stored) at the end.
    {Later, Field::parking_acceleration_sensor, 7, u"parkingShockSensitivitySlider", 5},
    {All, Field::parking_acceleration_sensor, 11, u"parkingShockSensitivitySlider", Keeps},
    {All, Field::battery_12v_R_off, 7, u"parkingBatteryOff12VSlider", 7},
    {All, Field::battery_12v_R_off, 8, u"parkingBatteryOff12VSlider", Keeps},
    {All, Field::battery_24v_R_off, -1, u"parkingBatteryOff24VSlider", Keeps},
    {{Y}, Field::mobile_safety_cam_alert, 1, u"alwaysDrivingGuideSubRadioGroup", 0},
    {{Y}, Field::mobile_safety_cam_alert, 0, u"alwaysDrivingGuideSubRadioGroup", 1},
    {Later, Field::wdr, 0, u"alwaysWDRRadioGroup", 1},
    {{D, E}, Field::adas_car_high, 2, u"alwaysVehicleTypeRadioGroup", 2},
    {{D, E}, Field::adas_car_high, 3, u"alwaysVehicleTypeRadioGroup", 0},
    {{D, E}, Field::adas_car_high, 200, u"alwaysVehicleTypeRadioGroup", 0},
    {{D, E}, Field::adas_car_high, -1, u"alwaysVehicleTypeRadioGroup", Keeps},
    {{D, E}, Field::ldws_onoff, 0, u"alwaysLDWSRadioGroup", 1},
    {{D, E}, Field::ldws_onoff, 1, u"alwaysLDWSRadioGroup", 0},
    {{D, E}, Field::ldws_onoff, 5, u"alwaysLDWSRadioGroup", 0},
    {{D, 10}, Field::ldws_left_depart_Sensitivity, 1, u"alwaysLDWSSensitivitySlider", 1},
    {{D, 10}, Field::ldws_left_depart_Sensitivity, 9, u"alwaysLDWSSensitivitySlider", 2},
    {{D, 10}, Field::ldws_left_depart_Sensitivity, -1, u"alwaysLDWSSensitivitySlider", Keeps},
    {{D, 10}, Field::ldws_right_depart_Sensitivity, 3, u"alwaysLDWSRightSensitivitySlider", 2},
    {{E}, Field::ldws_depart_Sensitivity, 4, u"alwaysLDWSSensitivitySlider", 2},
    {{E}, Field::ldws_left_depart_Sensitivity, 0, u"alwaysLDWSSensitivitySlider", 2}, // the common field's 2
    {{D, E}, Field::ldws_depart_speed, 3, u"alwaysLDWSSpeedRadioGroup", 3},
    {{D, E}, Field::ldws_depart_speed, 4, u"alwaysLDWSSpeedRadioGroup", 2},
    {{D, E}, Field::ldws_depart_speed, -1, u"alwaysLDWSSpeedRadioGroup", Keeps},
    {{D, E}, Field::fcws_onoff, 0, u"alwaysFCWSRadioGroup", 1},
    {{D, E}, Field::fcws_onoff, 3, u"alwaysFCWSRadioGroup", 0},
    {{D, E}, Field::fcws_frontal_sensitivity, 5, u"alwaysFCWSSensitivitySlider", 2},
    {{D}, Field::fcmd_onoff, 0, u"alwaysFVDWRadioGroup", 1},
    {{D}, Field::fcmd_onoff, 1, u"alwaysFVDWRadioGroup", 0},
    {{D}, Field::fcmd_onoff, 2, u"alwaysFVDWRadioGroup", 0},
    {{D}, Field::fcmd_onoff, -1, u"alwaysFVDWRadioGroup", Keeps},
    {All, Field::parking_mode_set, 1, u"parkingModeRadioGroup", 0},
    {All, Field::parking_mode_set, 0, u"parkingModeRadioGroup", 1},
    {All, Field::parking_mode_set, 2, u"parkingModeRadioGroup", 1},
    {{9, 10, 18}, Field::parking_mode_set, 2, u"parkingModeRadioGroup", 1},
    {{9, 10, 18}, Field::parking_mode_set, 0, u"parkingModeRadioGroup", 2},
    {{9, 10, 18}, Field::parking_mode_set, 7, u"parkingModeRadioGroup", 2},
    {{9, 10, 18}, Field::parking_night_vision, 1, u"parkingSuperNightVisionRadioGroup", 0},
    {First, Field::parking_motion_set, 0, u"parkingMotionRadioGroup", 1},
    {First, Field::parking_motion_sensitivity, 1, u"parkingMotionSlider", 1},
    {First, Field::parking_motion_sensitivity, 3, u"parkingMotionSlider", 2},
    {First, Field::parking_motion_sensitivity, 5, u"parkingMotionSlider", 3},
    {First, Field::parking_motion_sensitivity, 0, u"parkingMotionSlider", 2},
    {First, Field::parking_motion_sensitivity, 4, u"parkingMotionSlider", 2},
    {Later, Field::parking_motion_sensitivity, 0, u"parkingMotionSlider", 0},
    {Later, Field::parking_motion_sensitivity, 5, u"parkingMotionSlider", 3},
    {Later, Field::parking_motion_sensitivity, -1, u"parkingMotionSlider", 2},
    {{A, C}, Field::parking_time_limit, 48, u"parkingTimeLimitSlider_36x", 7},
    {{A, C}, Field::parking_time_limit, 36, u"parkingTimeLimitSlider_36x", Keeps},
    {{B}, Field::parking_time_limit, 36, u"parkingTimeLimitSlider_36o", 7},
    {Later, Field::parking_time_limit, 6, u"parkingTimeLimitSlider_36x", 1},
    {Later, Field::parking_time_limit, 48, u"parkingTimeLimitSlider_36x", 4},
    {Later, Field::parking_time_limit, 1, u"parkingTimeLimitSlider_36x", Keeps},
    {All, Field::record_manual_overwrite, 5, u"etcOverwriteManualCheckBox", 1},
    {All, Field::record_manual_overwrite, 0, u"etcOverwriteManualCheckBox", 0},
    {{A, B, C, D, E}, Field::security_led_mode, 0, u"etcSecurityLEDRadioGroup", 3},
    {{A, B, C, D, E}, Field::security_led_mode, 1, u"etcSecurityLEDRadioGroup", 0},
    {{A, B, C, D, E}, Field::security_led_mode, 3, u"etcSecurityLEDRadioGroup", 2},
    {{A, B, C, D, E}, Field::security_led_mode, 4, u"etcSecurityLEDRadioGroup", Keeps},
    {{H, Y}, Field::security_led_mode, 0, u"etcSecurityLEDRadioGroup", 3},
    {{H, Y}, Field::security_led_mode, 2, u"etcSecurityLEDRadioGroup", 1},
    {{H, Y}, Field::security_led_mode, 3, u"etcSecurityLEDRadioGroup", 1},
    {{H, Y}, Field::security_led_mode, 4, u"etcSecurityLEDRadioGroup", Keeps},
    {All, Field::partition_type, 3, u"etcMemoryPartitionRadioGroup", 2},
    {All, Field::partition_type, 0, u"etcMemoryPartitionRadioGroup", Keeps},
    {All, Field::gmt_offset, -570, u"commonGMTComboBox", 3},
};
// clang-format on
} // namespace

TEST(EditorLayoutCodingTest, EachStoredValueIsShownInItsLayoutsCoding)
{
    for (qsizetype i = 0; i < kLoadRows.size(); ++i) {
        const LoadRow &row = kLoadRows.at(i);
        const QString control = QString::fromUtf16(row.control);
        for (const qint64 type : row.types) {
            SCOPED_TRACE(u"row %1: %2 = %3, %4"_s.arg(i)
                             .arg(SettingRecordLayout::field(row.field).name)
                             .arg(row.stored)
                             .arg(typeName(type))
                             .toStdString());
            Opened opened(type);
            QB62SettingEditor &editor = *opened.editor;
            QB62SettingManager &m = opened.manager();
            // Volume rows need the announcements on, and the key must not pick the time zone.
            m.setValue(Field::voice_ment, row.field == Field::voice_ment ? row.stored : 1);
            m.setText(Field::tz_key, QString());
            m.setValue(Field::audio_ment_volume, row.field == Field::audio_ment_volume ? row.stored : 2);
            m.setValue(row.field, row.stored);
            // A position the stored value would never produce, to see whether loading moved it.
            const EditorControl &item = editor.control(control);
            const int marker = item.kind == EditorControl::Kind::Slider ? item.minimum + 1 : 1;
            editor.setValue(control, marker);
            if (row.shown == marker) {
                editor.setValue(control, item.kind == EditorControl::Kind::Slider ? item.minimum : 0);
            }
            const int before = editor.value(control);
            editor.applySettingData();
            EXPECT_EQ(editor.value(control), row.shown.value_or(before));
        }
    }
}

// --- Loading enables what the stored switches allow ----------------------------------------------------

TEST(EditorLayoutCodingTest, StoredSwitchesEnableTheirDependentControls)
{
    const QStringList lane = {u"alwaysLDWSSensitivitySlider"_s, u"alwaysLDWSRightSensitivitySlider"_s,
                              u"alwaysLDWSSpeedRadioGroup"_s};
    const QStringList parking = {u"parkingShockSensitivitySlider"_s, u"parkingMotionSlider"_s,
                                 u"parkingTimeLimitSlider_36x"_s, u"parkingBatteryOff12VSlider"_s,
                                 u"parkingBatteryOff24VSlider"_s};
    struct Row
    {
        QList<qint64> types;
        Field field;
        int stored;
        QStringList controls;
        std::optional<bool> enabled; // none: left as it was
    };
    const QList<Row> rows = {
        {{D, E}, Field::ldws_onoff, 1, lane, true},
        {{D, E}, Field::ldws_onoff, 0, lane, false},
        {{D, E}, Field::ldws_onoff, 2, lane, std::nullopt},
        {{D, E}, Field::fcws_onoff, 1, {u"alwaysFCWSSensitivitySlider"_s}, true},
        {{D, E}, Field::fcws_onoff, 0, {u"alwaysFCWSSensitivitySlider"_s}, false},
        {{D, E}, Field::fcws_onoff, -1, {u"alwaysFCWSSensitivitySlider"_s}, std::nullopt},
        {{D, E, H, Y}, Field::parking_mode_set, 1, parking, true},
        {{D, E, H, Y}, Field::parking_mode_set, 0, parking, false},
        {{D, E, H, Y}, Field::parking_mode_set, 2, parking, false},
        {{9, 10, 18}, Field::parking_mode_set, 1, parking, true},
        {{9, 10, 18}, Field::parking_mode_set, 2, {u"parkingMotionSlider"_s}, false},
        {{9, 10, 18}, Field::parking_mode_set, 2, parking.mid(2) + QStringList{parking.at(0)}, true},
        {{9, 10, 18}, Field::parking_mode_set, 0, parking, false},
        {{9, 10, 18}, Field::parking_mode_set, 9, parking, false},
        // The first layouts switch no parking slider by the mode.
        {First,
         Field::parking_mode_set,
         0,
         {u"parkingShockSensitivitySlider"_s, u"parkingBatteryOff12VSlider"_s},
         std::nullopt},
        {First, Field::parking_motion_set, 1, {u"parkingMotionSlider"_s}, true},
        {First, Field::parking_motion_set, 0, {u"parkingMotionSlider"_s}, false},
        // As the groups' own actions would leave them.
        {First, Field::voice_ment, 1, {u"commonVoiceMentSlider"_s}, true},
        {First, Field::voice_ment, 0, {u"commonVoiceMentSlider"_s}, false},
        {{Y, 13}, Field::enable_driving_guide, 1, {u"alwaysDrivingGuideSubRadioGroup"_s}, true},
        {{Y, 13}, Field::enable_driving_guide, 0, {u"alwaysDrivingGuideSubRadioGroup"_s}, false},
        {{H}, Field::enable_driving_guide, 0, {u"alwaysDrivingGuideSubRadioGroup"_s}, std::nullopt},
    };
    for (const Row &row : rows) {
        for (const qint64 type : row.types) {
            for (const bool before : {true, false}) {
                SCOPED_TRACE(u"%1 = %2, %3, enabled before: %4"_s.arg(SettingRecordLayout::field(row.field).name)
                                 .arg(row.stored)
                                 .arg(typeName(type))
                                 .arg(before)
                                 .toStdString());
                Opened opened(type);
                opened.manager().setValue(row.field, row.stored);
                for (const QString &control : row.controls) {
                    opened.editor->setEnabled(control, before);
                }
                opened.editor->applySettingData();
                for (const QString &control : row.controls) {
                    EXPECT_EQ(opened.editor->control(control).enabled, row.enabled.value_or(before))
                        << control.toStdString();
                }
            }
        }
    }
}

TEST(EditorLayoutCodingTest, LoadingSwitchesContinuousOverwriteOnAndTitlesTheSpeeds)
{
    for (const qint64 type : All) {
        Opened opened(type, 17, [](QB62SettingManager &m) { m.setValue(Field::measurement_unit, 1); });
        EXPECT_EQ(opened.editor->value(u"etcOverwriteAlwaysCheckBox"_s), 1);
        EXPECT_EQ(opened.editor->control(u"alwaysLDWSSpeedRadioGroup"_s).titles,
                  (QStringList{u"30mph"_s, u"40mph"_s, u"50mph"_s, u"65mph"_s}));
    }
}
