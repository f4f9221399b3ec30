#include "SettingRecordLayout.h"

using namespace Qt::StringLiterals;

namespace {
using Type = SettingRecordLayout::FieldType;
using S = SettingRecordLayout;
constexpr Type I32 = Type::Int32;
constexpr Type U16 = Type::UInt16;
constexpr Type U8 = Type::UInt8;
constexpr Type Txt = Type::Text;

// name, width in bytes, type, in record order.
constexpr std::array<S::FieldInfo, S::FieldCount> kFields = {{
    {S::checksum, "checksum"_L1, 4, I32},
    {S::cfg_struct_version, "cfg_struct_version"_L1, 4, I32},
    {S::product_name, "product_name"_L1, 16, Txt},
    {S::serial_number, "serial_number"_L1, 16, Txt},
    {S::version, "version"_L1, 10, Txt},
    {S::reserved, "reserved"_L1, 2, U16},
    {S::front_resolution, "front_resolution"_L1, 4, I32},
    {S::front_framerate, "front_framerate"_L1, 4, I32},
    {S::front_quality, "front_quality"_L1, 4, I32},
    {S::front_brightness, "front_brightness"_L1, 4, I32},
    {S::front_constrast, "front_constrast"_L1, 4, I32},
    {S::front_shapness, "front_shapness"_L1, 4, I32},
    {S::rear_resolution, "rear_resolution"_L1, 4, I32},
    {S::rear_framerate, "rear_framerate"_L1, 4, I32},
    {S::rear_quality, "rear_quality"_L1, 4, I32},
    {S::rear_brightness, "rear_brightness"_L1, 4, I32},
    {S::rear_contrast, "rear_contrast"_L1, 4, I32},
    {S::rear_sharpness, "rear_sharpness"_L1, 4, I32},
    {S::audio_record, "audio_record"_L1, 4, I32},
    {S::audio_record_volume, "audio_record_volume"_L1, 4, I32},
    {S::voice_ment, "voice_ment"_L1, 4, I32},
    {S::audio_ment_volume, "audio_ment_volume"_L1, 4, I32},
    {S::enable_driving_guide, "enable_driving_guide"_L1, 4, I32},
    {S::acceleration_sensor, "acceleration_sensor"_L1, 4, I32},
    {S::enable_av_out, "enable_av_out"_L1, 4, I32},
    {S::av_out_mode, "av_out_mode"_L1, 4, I32},
    {S::record_cevent_overwrite, "record_cevent_overwrite"_L1, 4, I32},
    {S::record_motion_overwrite, "record_motion_overwrite"_L1, 4, I32},
    {S::record_prevent_overwrite, "record_prevent_overwrite"_L1, 4, I32},
    {S::record_manual_overwrite, "record_manual_overwrite"_L1, 4, I32},
    {S::record_image_overwrite, "record_image_overwrite"_L1, 4, I32},
    {S::parking_front_resolution, "parking_front_resolution"_L1, 4, I32},
    {S::parking_front_framerate, "parking_front_framerate"_L1, 4, I32},
    {S::parking_front_quality, "parking_front_quality"_L1, 4, I32},
    {S::parking_rear_resolution, "parking_rear_resolution"_L1, 4, I32},
    {S::parking_rear_framerate, "parking_rear_framerate"_L1, 4, I32},
    {S::parking_rear_quality, "parking_rear_quality"_L1, 4, I32},
    {S::parking_acceleration_sensor, "parking_acceleration_sensor"_L1, 4, I32},
    {S::parking_mode_set, "parking_mode_set"_L1, 4, I32},
    {S::parking_motion_set, "parking_motion_set"_L1, 4, I32},
    {S::parking_front_motion_region, "parking_front_motion_region"_L1, 4, I32},
    {S::parking_rear_motion_region, "parking_rear_motion_region"_L1, 4, I32},
    {S::parking_motion_sensitivity, "parking_motion_sensitivity"_L1, 4, I32},
    {S::parking_time_limit, "parking_time_limit"_L1, 4, I32},
    {S::battery_12v_R_off, "battery_12v_R_off"_L1, 4, I32},
    {S::battery_24v_R_off, "battery_24v_R_off"_L1, 4, I32},
    {S::partition_type, "partition_type"_L1, 4, I32},
    {S::security_led_mode, "security_led_mode"_L1, 4, I32},
    {S::enable_format_sd, "enable_format_sd"_L1, 4, I32},
    {S::driving_guide_version, "driving_guide_version"_L1, 4, I32},
    {S::setting_path, "setting_path"_L1, 128, Txt},
    {S::micom_version, "micom_version"_L1, 16, Txt},
    {S::gmt_offset, "gmt_offset"_L1, 4, I32},
    {S::daylight_offset, "daylight_offset"_L1, 4, I32},
    {S::tz_key, "tz_key"_L1, 32, Txt},
    {S::date_format, "date_format"_L1, 4, I32},
    {S::measurement_unit, "measurement_unit"_L1, 4, I32},
    {S::lcd_brightness, "lcd_brightness"_L1, 4, I32},
    {S::lcd_off_timer, "lcd_off_timer"_L1, 4, I32},
    {S::cur_language, "cur_language"_L1, 4, I32},
    {S::battery_auto_set, "battery_auto_set"_L1, 4, I32},
    {S::wdr, "wdr"_L1, 4, I32},
    {S::ldws_detect, "ldws_detect"_L1, 4, I32},
    {S::ldws_offset_top, "ldws_offset_top"_L1, 4, I32},
    {S::ldws_offset_bottom, "ldws_offset_bottom"_L1, 4, I32},
    {S::ldws_depart_Sensitivity, "ldws_depart_Sensitivity"_L1, 4, I32},
    {S::voice_detect, "voice_detect"_L1, 4, I32},
    {S::local_id, "local_id"_L1, 4, I32},
    {S::low_vol_shutdown, "low_vol_shutdown"_L1, 4, I32},
    {S::adas_car_high, "adas_car_high"_L1, 4, I32},
    {S::ldws_left_depart_Sensitivity, "ldws_left_depart_Sensitivity"_L1, 4, I32},
    {S::ldws_right_depart_Sensitivity, "ldws_right_depart_Sensitivity"_L1, 4, I32},
    {S::ldws_depart_speed, "ldws_depart_speed"_L1, 4, I32},
    {S::fcws_onoff, "fcws_onoff"_L1, 4, I32},
    {S::fcws_frontal_sensitivity, "fcws_frontal_sensitivity"_L1, 4, I32},
    {S::fcmd_onoff, "fcmd_onoff"_L1, 4, I32},
    {S::llws_onoff, "llws_onoff"_L1, 4, I32},
    {S::ldws_onoff, "ldws_onoff"_L1, 4, I32},
    {S::set_resolution, "set_resolution"_L1, 4, I32},
    {S::parking_night_vision, "parking_night_vision"_L1, 4, I32},
    {S::speed_stamp, "speed_stamp"_L1, 4, I32},
    {S::rear_preview_rotation, "rear_preview_rotation"_L1, 4, I32},
    {S::bsd_onoff, "bsd_onoff"_L1, 4, I32},
    {S::gearR_video_on, "gearR_video_on"_L1, 4, I32},
    {S::ufcws_sensitivity, "ufcws_sensitivity"_L1, 4, I32},
    {S::ufcws_onoff, "ufcws_onoff"_L1, 4, I32},
    {S::drive_night_vision, "drive_night_vision"_L1, 4, I32},
    {S::gsound_onoff, "gsound_onoff"_L1, 4, I32},
    {S::audio_adas_volume, "audio_adas_volume"_L1, 4, I32},
    {S::mobile_safety_cam_alert, "mobile_safety_cam_alert"_L1, 4, I32},
    {S::rear_led_onoff, "rear_led_onoff"_L1, 4, I32},
    {S::rear_camera_rotation, "rear_camera_rotation"_L1, 4, I32},
    {S::use_only_front_cam, "use_only_front_cam"_L1, 4, I32},
    {S::use_compatible_battery, "use_compatible_battery"_L1, 4, I32},
    {S::greater_impact_alarm, "greater_impact_alarm"_L1, 4, I32},
    {S::cloud_onoff, "cloud_onoff"_L1, 4, I32},
    {S::iot_onoff, "iot_onoff"_L1, 1, U8},
    {S::radar_onoff, "radar_onoff"_L1, 1, U8},
    {S::event_file_upload, "event_file_upload"_L1, 1, U8},
    {S::bsd_horizontal, "bsd_horizontal"_L1, 1, U8},
    {S::front_camera_rotation, "front_camera_rotation"_L1, 1, U8},
    {S::eis_onoff, "eis_onoff"_L1, 1, U8},
    {S::side_brightness, "side_brightness"_L1, 1, U8},
    {S::side_camera_rotation, "side_camera_rotation"_L1, 1, U8},
    {S::liveview_display_division, "liveview_display_division"_L1, 1, U8},
    {S::hdr, "hdr"_L1, 1, U8},
    {S::parking_impact_alarm, "parking_impact_alarm"_L1, 1, U8},
    {S::parking_event_file_upload, "parking_event_file_upload"_L1, 1, U8},
    {S::wifi_frequency, "wifi_frequency"_L1, 1, U8},
    {S::p2p_lora_onoff, "p2p_lora_onoff"_L1, 1, U8},
    {S::parking_greater_impact_alarm, "parking_greater_impact_alarm"_L1, 1, U8},
    {S::record_sos_overwrite, "record_sos_overwrite"_L1, 1, U8},
    {S::privacy_record, "privacy_record"_L1, 1, U8},
    {S::tlds_onoff, "tlds_onoff"_L1, 1, U8},
    {S::bcws_onoff, "bcws_onoff"_L1, 1, U8},
    {S::avn_onoff, "avn_onoff"_L1, 1, U8},
}};

constexpr bool fieldsAreInEnumOrder()
{
    for (int i = 0; i < S::FieldCount; ++i) {
        if (kFields[static_cast<std::size_t>(i)].field != i) {
            return false;
        }
    }
    return true;
}

constexpr int totalWidth()
{
    int total = 0;
    for (const S::FieldInfo &info : kFields) {
        total += info.width;
    }
    return total;
}

static_assert(fieldsAreInEnumOrder(), "the field table must list the fields in record order");
static_assert(totalWidth() == S::FullRecordSize, "the 116 fields span 596 bytes");
} // namespace

const std::array<SettingRecordLayout::FieldInfo, SettingRecordLayout::FieldCount> &SettingRecordLayout::fields()
{
    return kFields;
}

int SettingRecordLayout::fieldCountForModel(qint64 modelType, int firmwareVersionInt)
{
    switch (modelType) {
    case 3:
    case 4:
        return firmwareVersionInt <= 16 ? 68 : 78;
    case 5:
        return 79;
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 14:
    case 15:
    case 18:
        return 81;
    case 13:
    case 19:
    case 20:
        return 93;
    case 16:
        return 92;
    case 17:
        return 99;
    case 21:
    case 22:
        return 96;
    case 23:
        return 102;
    case 24:
    case 25:
        return 113;
    case 26:
        return 116;
    default:
        return 60;
    }
}

int SettingRecordLayout::recordSize(int count)
{
    int size = 0;
    for (int i = 0; i < count && i < FieldCount; ++i) {
        size += field(i).width;
    }
    return size;
}

int SettingRecordLayout::offsetOf(int index)
{
    return isField(index) ? recordSize(index) : 0;
}

int SettingRecordLayout::indexOfName(QLatin1StringView name)
{
    for (const FieldInfo &info : kFields) {
        if (info.name == name) {
            return info.field;
        }
    }
    return -1;
}
