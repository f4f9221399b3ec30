#include "settings/record/SettingDefaults.h"

#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingRecordLayout.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using L = SettingRecordLayout;

// The factory settings as the cameras' makers list them, one row per field: QA41, QB62, QC23,
// QD34 (types 3 and 4), QE86. "-" leaves the field alone; nil is an absent text.
const char16_t kFactoryTable[] = uR"table(
checksum | 432 | 432 | 432 | 464 | 508
cfg_struct_version | 65541 | 65541 | 65541 | 65545 | 65555
product_name | "QA41" | "QB62" | "QC23" | "QD34" | "QE86"
serial_number | nil | nil | nil | "QD34" | nil
version | nil | nil | nil | nil | nil
reserved | 0 | 0 | 0 | 0 | 0
front_resolution | 2 | 3 | 3 | 3 | 3
front_framerate | 3 | 3 | 5 | 5 | 5
front_quality | 3 | 3 | 3 | 3 | 3
front_brightness | 1 | 0 | 0 | 1 | 1
front_constrast | 0 | 0 | 0 | 0 | 0
front_shapness | 0 | 0 | 0 | 0 | 0
rear_resolution | 0 | 2 | 2 | 3 | 3
rear_framerate | 0 | 3 | 3 | 5 | 5
rear_quality | 0 | 3 | 3 | 3 | 1
rear_brightness | 0 | 0 | 0 | 1 | 1
rear_contrast | 0 | 0 | 0 | 0 | 0
rear_sharpness | 0 | 0 | 0 | 0 | 0
audio_record | 1 | 1 | 1 | 1 | 1
audio_record_volume | 0 | 3 | 3 | 3 | 3
voice_ment | 1 | 1 | 1 | 1 | 1
audio_ment_volume | 3 | 3 | 3 | 2 | 2
enable_driving_guide | 0 | 1 | 0 | 1 | 1
acceleration_sensor | 7 | 6 | 6 | 2 | 2
enable_av_out | 0 | 0 | 1 | 1 | 1
av_out_mode | 0 | 4 | 4 | 4 | 4
record_cevent_overwrite | 1 | 1 | 1 | 1 | 1
record_motion_overwrite | 1 | 1 | 1 | 1 | 1
record_prevent_overwrite | 1 | 1 | 1 | 1 | 1
record_manual_overwrite | 1 | 1 | 1 | 1 | 1
record_image_overwrite | 1 | 1 | 1 | 1 | 1
parking_front_resolution | 2 | 3 | 3 | 2 | 3
parking_front_framerate | 3 | 2 | 2 | 2 | 2
parking_front_quality | 3 | 3 | 3 | 3 | 3
parking_rear_resolution | 0 | 2 | 2 | 2 | 3
parking_rear_framerate | 0 | 2 | 2 | 2 | 2
parking_rear_quality | 0 | 3 | 3 | 3 | 3
parking_acceleration_sensor | 7 | 7 | 7 | 3 | 3
parking_mode_set | 0 | 0 | 0 | 0 | 0
parking_motion_set | 1 | 1 | 1 | 1 | 1
parking_front_motion_region | 4095 | 4095 | 4095 | 4095 | 4095
parking_rear_motion_region | 4095 | 4095 | 4095 | 4095 | 4095
parking_motion_sensitivity | 2 | 3 | 2 | 3 | 3
parking_time_limit | 48 | 48 | 48 | 48 | 48
battery_12v_R_off | 6 | 6 | 6 | 6 | 6
battery_24v_R_off | 6 | 6 | 6 | 6 | 6
partition_type | 1 | 1 | 1 | 1 | 1
security_led_mode | 0 | 0 | 0 | 0 | 0
enable_format_sd | 0 | 0 | 0 | 0 | 0
driving_guide_version | 0 | 0 | 0 | 0 | 218303744
setting_path | "SETTING/QA41_Setting.exe" | "SETTING/QB62_Setting.exe" | "SETTING/QC23_Setting.exe" | "SETTING\QD34_Setting.exe" | "SETTING/QE86_Setting.exe"
micom_version | nil | nil | nil | nil | nil
gmt_offset | -480 | -480 | -480 | -480 | -480
daylight_offset | 1 | 1 | 1 | 1 | 0
tz_key | "Parcific Standard Time" | "Pacific Standard Time" | "Pacific Standard Time" | "Pacific Standard Time" | "Pacific Standard Time"
date_format | 0 | 0 | 0 | 0 | 0
measurement_unit | 0 | 0 | 0 | 0 | 1
lcd_brightness | 0 | 0 | 5 | 1 | 1
lcd_off_timer | 0 | 0 | 300000 | 30000 | 30000
cur_language | 0 | 0 | 0 | 0 | 0
battery_auto_set | - | - | - | 0 | 0
wdr | - | - | - | 1 | 1
ldws_detect | - | - | - | 0 | 1
ldws_offset_top | - | - | - | 114 | 114
ldws_offset_bottom | - | - | - | 218 | 218
ldws_depart_Sensitivity | - | - | - | 2 | 2
voice_detect | - | - | - | 1 | 0
local_id | - | - | - | 0 | 1
low_vol_shutdown | - | - | - | - | 1
adas_car_high | - | - | - | - | 0
ldws_left_depart_Sensitivity | - | - | - | - | 2
ldws_right_depart_Sensitivity | - | - | - | - | 2
ldws_depart_speed | - | - | - | - | 2
fcws_onoff | - | - | - | - | 1
fcws_frontal_sensitivity | - | - | - | - | 2
fcmd_onoff | - | - | - | - | 0
llws_onoff | - | - | - | - | 0
ldws_onoff | - | - | - | - | 1
set_resolution | - | - | - | - | 0
)table";

struct Expected
{
    int field;
    QString cell;
};

QList<Expected> column(int set)
{
    QList<Expected> cells;
    const QStringList lines = QString::fromUtf16(kFactoryTable).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList parts = line.split(u" | "_s);
        cells.append({L::indexOfName(QLatin1StringView(parts.at(0).toLatin1())), parts.at(1 + set)});
    }
    return cells;
}

// A record whose every field holds something no factory set uses, to see what a set leaves alone.
SettingRecord marked()
{
    SettingRecord record;
    for (int i = 0; i < L::FieldCount; ++i) {
        record.setValue(i, 1000 + i);
        record.setText(i, u"untouched"_s);
    }
    return record;
}

TEST(SettingDefaultsTest, EachSetMatchesTheFactoryTableFieldByField)
{
    const SettingDefaults::Set sets[] = {SettingDefaults::QA41, SettingDefaults::QB62, SettingDefaults::QC23,
                                         SettingDefaults::QD34, SettingDefaults::QE86};
    for (int set = 0; set < 5; ++set) {
        SettingRecord record = marked();
        SettingDefaults::apply(record, sets[set], 0);
        const QList<Expected> cells = column(set);
        ASSERT_EQ(cells.size(), 79);
        QList<bool> listed(L::FieldCount, false);
        for (const Expected &cell : cells) {
            ASSERT_GE(cell.field, 0);
            listed[cell.field] = true;
            const std::string where =
                "set " + std::to_string(set) + ", " + std::string(L::field(cell.field).name.data());
            if (cell.cell == u"-") {
                EXPECT_EQ(record.value(cell.field), 1000 + cell.field) << where;
                if (L::isText(cell.field)) {
                    EXPECT_EQ(record.text(cell.field), u"untouched"_s) << where;
                }
            } else if (cell.cell == u"nil") {
                EXPECT_TRUE(record.text(cell.field).isNull()) << where;
            } else if (cell.cell.startsWith(u'"')) {
                EXPECT_EQ(record.text(cell.field), cell.cell.mid(1, cell.cell.size() - 2)) << where;
            } else {
                EXPECT_EQ(record.value(cell.field), cell.cell.toInt()) << where;
            }
        }
        // Fields beyond the table are never set.
        for (int i = 0; i < L::FieldCount; ++i) {
            if (!listed[i]) {
                EXPECT_EQ(record.value(i), L::isText(i) ? 0 : 1000 + i) << "set " << set << ", field " << i;
            }
        }
    }
}

TEST(SettingDefaultsTest, TheDrivingGuideVersionOfQE86IsStoredAsItsFourBytes)
{
    SettingRecord record;
    SettingDefaults::apply(record, SettingDefaults::QE86, -1);
    EXPECT_EQ(record.bytes(79).mid(224, 4), QByteArray("\x00\x0D\x03\x0D", 4));
    EXPECT_EQ(record.bytes(79).mid(4, 4), QByteArray("\x13\x00\x01\x00", 4));
}

TEST(SettingDefaultsTest, QD34InTheUnitedKingdomUsesItsClockAndMiles)
{
    QB62SettingManager manager;
    manager.setModelType(4);
    manager.setLocalID(3);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.text(L::tz_key), u"GMT Standard Time"_s);
    EXPECT_EQ(manager.value(L::gmt_offset), 0);
    EXPECT_EQ(manager.value(L::daylight_offset), 0);
    EXPECT_EQ(manager.value(L::measurement_unit), 1);
    EXPECT_EQ(manager.value(L::local_id), 3);

    manager.setLocalID(0);
    manager.loadDefaultDataForQD34();
    EXPECT_EQ(manager.text(L::tz_key), u"Pacific Standard Time"_s);
    EXPECT_EQ(manager.value(L::gmt_offset), -480);
    EXPECT_EQ(manager.value(L::daylight_offset), 1);
    EXPECT_EQ(manager.value(L::measurement_unit), 0);
    EXPECT_EQ(manager.value(L::local_id), 0);
}

TEST(SettingDefaultsTest, OnlyTheFiveOldestModelsHaveFactorySettings)
{
    const std::pair<qint64, std::optional<SettingDefaults::Set>> cases[] = {
        {-1, std::nullopt},         {0, SettingDefaults::QA41}, {1, SettingDefaults::QB62}, {2, SettingDefaults::QC23},
        {3, SettingDefaults::QD34}, {4, SettingDefaults::QD34}, {5, SettingDefaults::QE86}, {6, std::nullopt},
        {7, std::nullopt},          {26, std::nullopt},
    };
    for (const auto &[type, set] : cases) {
        EXPECT_EQ(SettingDefaults::setForModel(type), set) << "type " << type;
    }
    QB62SettingManager manager;
    manager.setModelType(7);
    manager.setValue(L::front_resolution, 9);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.value(L::front_resolution), 9);
}
} // namespace
