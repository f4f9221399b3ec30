#include "SettingDefaults.h"

#include <QString>

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
using S = SettingRecordLayout;

// A cell the set leaves alone.
constexpr qint32 NotSet = std::numeric_limits<qint32>::min();

struct IntegerRow
{
    S::Field field;
    std::array<qint32, 5> values; // QA41, QB62, QC23, QD34, QE86
};

struct TextRow
{
    S::Field field;
    std::array<const char16_t *, 5> values; // nullptr: an absent text
};

constexpr IntegerRow kIntegers[] = {
    {S::checksum, {432, 432, 432, 464, 508}},
    {S::cfg_struct_version, {65541, 65541, 65541, 65545, 65555}},
    {S::reserved, {0, 0, 0, 0, 0}},
    {S::front_resolution, {2, 3, 3, 3, 3}},
    {S::front_framerate, {3, 3, 5, 5, 5}},
    {S::front_quality, {3, 3, 3, 3, 3}},
    {S::front_brightness, {1, 0, 0, 1, 1}},
    {S::front_constrast, {0, 0, 0, 0, 0}},
    {S::front_shapness, {0, 0, 0, 0, 0}},
    {S::rear_resolution, {0, 2, 2, 3, 3}},
    {S::rear_framerate, {0, 3, 3, 5, 5}},
    {S::rear_quality, {0, 3, 3, 3, 1}},
    {S::rear_brightness, {0, 0, 0, 1, 1}},
    {S::rear_contrast, {0, 0, 0, 0, 0}},
    {S::rear_sharpness, {0, 0, 0, 0, 0}},
    {S::audio_record, {1, 1, 1, 1, 1}},
    {S::audio_record_volume, {0, 3, 3, 3, 3}},
    {S::voice_ment, {1, 1, 1, 1, 1}},
    {S::audio_ment_volume, {3, 3, 3, 2, 2}},
    {S::enable_driving_guide, {0, 1, 0, 1, 1}},
    {S::acceleration_sensor, {7, 6, 6, 2, 2}},
    {S::enable_av_out, {0, 0, 1, 1, 1}},
    {S::av_out_mode, {0, 4, 4, 4, 4}},
    {S::record_cevent_overwrite, {1, 1, 1, 1, 1}},
    {S::record_motion_overwrite, {1, 1, 1, 1, 1}},
    {S::record_prevent_overwrite, {1, 1, 1, 1, 1}},
    {S::record_manual_overwrite, {1, 1, 1, 1, 1}},
    {S::record_image_overwrite, {1, 1, 1, 1, 1}},
    {S::parking_front_resolution, {2, 3, 3, 2, 3}},
    {S::parking_front_framerate, {3, 2, 2, 2, 2}},
    {S::parking_front_quality, {3, 3, 3, 3, 3}},
    {S::parking_rear_resolution, {0, 2, 2, 2, 3}},
    {S::parking_rear_framerate, {0, 2, 2, 2, 2}},
    {S::parking_rear_quality, {0, 3, 3, 3, 3}},
    {S::parking_acceleration_sensor, {7, 7, 7, 3, 3}},
    {S::parking_mode_set, {0, 0, 0, 0, 0}},
    {S::parking_motion_set, {1, 1, 1, 1, 1}},
    {S::parking_front_motion_region, {4095, 4095, 4095, 4095, 4095}},
    {S::parking_rear_motion_region, {4095, 4095, 4095, 4095, 4095}},
    {S::parking_motion_sensitivity, {2, 3, 2, 3, 3}},
    {S::parking_time_limit, {48, 48, 48, 48, 48}},
    {S::battery_12v_R_off, {6, 6, 6, 6, 6}},
    {S::battery_24v_R_off, {6, 6, 6, 6, 6}},
    {S::partition_type, {1, 1, 1, 1, 1}},
    {S::security_led_mode, {0, 0, 0, 0, 0}},
    {S::enable_format_sd, {0, 0, 0, 0, 0}},
    {S::driving_guide_version, {0, 0, 0, 0, 218303744}},
    {S::gmt_offset, {-480, -480, -480, -480, -480}},
    {S::daylight_offset, {1, 1, 1, 1, 0}},
    {S::date_format, {0, 0, 0, 0, 0}},
    {S::measurement_unit, {0, 0, 0, 0, 1}},
    {S::lcd_brightness, {0, 0, 5, 1, 1}},
    {S::lcd_off_timer, {0, 0, 300000, 30000, 30000}},
    {S::cur_language, {0, 0, 0, 0, 0}},
    {S::battery_auto_set, {NotSet, NotSet, NotSet, 0, 0}},
    {S::wdr, {NotSet, NotSet, NotSet, 1, 1}},
    {S::ldws_detect, {NotSet, NotSet, NotSet, 0, 1}},
    {S::ldws_offset_top, {NotSet, NotSet, NotSet, 114, 114}},
    {S::ldws_offset_bottom, {NotSet, NotSet, NotSet, 218, 218}},
    {S::ldws_depart_Sensitivity, {NotSet, NotSet, NotSet, 2, 2}},
    {S::voice_detect, {NotSet, NotSet, NotSet, 1, 0}},
    {S::local_id, {NotSet, NotSet, NotSet, 0, 1}},
    {S::low_vol_shutdown, {NotSet, NotSet, NotSet, NotSet, 1}},
    {S::adas_car_high, {NotSet, NotSet, NotSet, NotSet, 0}},
    {S::ldws_left_depart_Sensitivity, {NotSet, NotSet, NotSet, NotSet, 2}},
    {S::ldws_right_depart_Sensitivity, {NotSet, NotSet, NotSet, NotSet, 2}},
    {S::ldws_depart_speed, {NotSet, NotSet, NotSet, NotSet, 2}},
    {S::fcws_onoff, {NotSet, NotSet, NotSet, NotSet, 1}},
    {S::fcws_frontal_sensitivity, {NotSet, NotSet, NotSet, NotSet, 2}},
    {S::fcmd_onoff, {NotSet, NotSet, NotSet, NotSet, 0}},
    {S::llws_onoff, {NotSet, NotSet, NotSet, NotSet, 0}},
    {S::ldws_onoff, {NotSet, NotSet, NotSet, NotSet, 1}},
    {S::set_resolution, {NotSet, NotSet, NotSet, NotSet, 0}},
};

constexpr TextRow kTexts[] = {
    {S::product_name, {u"QA41", u"QB62", u"QC23", u"QD34", u"QE86"}},
    {S::serial_number, {nullptr, nullptr, nullptr, u"QD34", nullptr}},
    {S::version, {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {S::setting_path,
     {u"SETTING/QA41_Setting.exe", u"SETTING/QB62_Setting.exe", u"SETTING/QC23_Setting.exe",
      u"SETTING\\QD34_Setting.exe", u"SETTING/QE86_Setting.exe"}},
    {S::micom_version, {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {S::tz_key,
     {u"Parcific Standard Time", u"Pacific Standard Time", u"Pacific Standard Time", u"Pacific Standard Time",
      u"Pacific Standard Time"}},
};
} // namespace

std::optional<SettingDefaults::Set> SettingDefaults::setForModel(qint64 modelType)
{
    switch (modelType) {
    case 0:
        return QA41;
    case 1:
        return QB62;
    case 2:
        return QC23;
    case 3:
    case 4:
        return QD34;
    case 5:
        return QE86;
    default:
        return std::nullopt;
    }
}

void SettingDefaults::apply(SettingRecord &record, Set set, qint64 localID)
{
    const auto column = static_cast<std::size_t>(set);
    for (const IntegerRow &row : kIntegers) {
        if (row.values[column] != NotSet) {
            record.setValue(row.field, row.values[column]);
        }
    }
    for (const TextRow &row : kTexts) {
        const char16_t *text = row.values[column];
        record.setText(row.field, text == nullptr ? QString() : QString::fromUtf16(text));
    }
    if (set == QD34 && localID == UnitedKingdomRegion) {
        record.setValue(S::local_id, 3);
        record.setValue(S::gmt_offset, 0);
        record.setValue(S::daylight_offset, 0);
        record.setText(S::tz_key, u"GMT Standard Time"_s);
        record.setValue(S::measurement_unit, 1);
    }
}
