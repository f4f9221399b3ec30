#pragma once

#include <QLatin1StringView>

#include <array>
#include <cstdint>

// The layout of the camera's settings record, SETTING/setup.cfg: 116 fixed-width fields with no
// header and no gaps. A camera model stores only a leading part of the sequence. The field table
// below is the one description of the layout: reading, writing and offsets all walk it.
class SettingRecordLayout
{
public:
    enum class FieldType : std::uint8_t
    {
        Int32,  // little-endian, signed
        UInt16, // little-endian, unsigned; written as the low 16 bits
        UInt8,  // written as the low 8 bits
        Text    // UTF-8, zero-padded to the width
    };

    // The fields in record order; the names are the camera's own.
    enum Field : int
    {
        checksum,
        cfg_struct_version,
        product_name,
        serial_number,
        version,
        reserved,
        front_resolution,
        front_framerate,
        front_quality,
        front_brightness,
        front_constrast,
        front_shapness,
        rear_resolution,
        rear_framerate,
        rear_quality,
        rear_brightness,
        rear_contrast,
        rear_sharpness,
        audio_record,
        audio_record_volume,
        voice_ment,
        audio_ment_volume,
        enable_driving_guide,
        acceleration_sensor,
        enable_av_out,
        av_out_mode,
        record_cevent_overwrite,
        record_motion_overwrite,
        record_prevent_overwrite,
        record_manual_overwrite,
        record_image_overwrite,
        parking_front_resolution,
        parking_front_framerate,
        parking_front_quality,
        parking_rear_resolution,
        parking_rear_framerate,
        parking_rear_quality,
        parking_acceleration_sensor,
        parking_mode_set,
        parking_motion_set,
        parking_front_motion_region,
        parking_rear_motion_region,
        parking_motion_sensitivity,
        parking_time_limit,
        battery_12v_R_off,
        battery_24v_R_off,
        partition_type,
        security_led_mode,
        enable_format_sd,
        driving_guide_version,
        setting_path,
        micom_version,
        gmt_offset,
        daylight_offset,
        tz_key,
        date_format,
        measurement_unit,
        lcd_brightness,
        lcd_off_timer,
        cur_language,
        battery_auto_set,
        wdr,
        ldws_detect,
        ldws_offset_top,
        ldws_offset_bottom,
        ldws_depart_Sensitivity,
        voice_detect,
        local_id,
        low_vol_shutdown,
        adas_car_high,
        ldws_left_depart_Sensitivity,
        ldws_right_depart_Sensitivity,
        ldws_depart_speed,
        fcws_onoff,
        fcws_frontal_sensitivity,
        fcmd_onoff,
        llws_onoff,
        ldws_onoff,
        set_resolution,
        parking_night_vision,
        speed_stamp,
        rear_preview_rotation,
        bsd_onoff,
        gearR_video_on,
        ufcws_sensitivity,
        ufcws_onoff,
        drive_night_vision,
        gsound_onoff,
        audio_adas_volume,
        mobile_safety_cam_alert,
        rear_led_onoff,
        rear_camera_rotation,
        use_only_front_cam,
        use_compatible_battery,
        greater_impact_alarm,
        cloud_onoff,
        iot_onoff,
        radar_onoff,
        event_file_upload,
        bsd_horizontal,
        front_camera_rotation,
        eis_onoff,
        side_brightness,
        side_camera_rotation,
        liveview_display_division,
        hdr,
        parking_impact_alarm,
        parking_event_file_upload,
        wifi_frequency,
        p2p_lora_onoff,
        parking_greater_impact_alarm,
        record_sos_overwrite,
        privacy_record,
        tlds_onoff,
        bcws_onoff,
        avn_onoff
    };

    static constexpr int FieldCount = 116;
    // The longest record any model writes: all 116 fields.
    static constexpr int FullRecordSize = 596;

    struct FieldInfo
    {
        Field field;
        QLatin1StringView name;
        int width;
        FieldType type;
    };

    static const std::array<FieldInfo, FieldCount> &fields();
    static const FieldInfo &field(int index) { return fields()[static_cast<std::size_t>(index)]; }
    static bool isField(int index) { return index >= 0 && index < FieldCount; }
    static bool isText(int index) { return isField(index) && field(index).type == FieldType::Text; }

    // How many leading fields the record of a model type holds; types 3 and 4 changed layout with
    // firmware number 17.
    static int fieldCountForModel(qint64 modelType, int firmwareVersionInt);
    // The byte length of a record of the first COUNT fields (clamped to 0..116 fields).
    static int recordSize(int count);
    // Where a field starts in the record; 0 for the first field and for anything not a field.
    static int offsetOf(int index);
    // The field called NAME, or -1.
    static int indexOfName(QLatin1StringView name);
};
