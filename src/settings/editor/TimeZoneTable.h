#pragma once

#include <QString>
#include <QStringList>

// The time zones the record editor offers: 39 captions ("UTC-12:00" … "UTC+14:00") with their
// offsets in minutes, and the 32 Windows-style key names the cameras store in tz_key.
//
// Pairing: a key name belongs to the caption of its zone's standard offset (no daylight saving),
// so each key has exactly one caption and that caption leads back to it. The seven captions no key
// stands for ("UTC-11:00", "UTC-09:30", "UTC-04:30", "UTC+10:30", "UTC+11:30", "UTC+12:45",
// "UTC+14:00") store an empty key; a camera or editor reading an empty key takes the zone from
// gmt_offset, whose minutes are different for every caption.
class TimeZoneTable
{
public:
    static constexpr int CaptionCount = 39;
    static constexpr int KeyCount = 32;

    // gmtDescList: the captions in the combo box's order.
    static const QStringList &gmtDescList();
    // gmtHourList: the offset in minutes of each caption, same order.
    static const QList<int> &gmtHourList();
    // timezoneNameList: the key names in the cameras' order.
    static const QStringList &timezoneNameList();

    // The minutes of a caption: "UTC-09:30" gives -570, "UTC" gives 0; 0 for anything else.
    static int minutesOfCaption(const QString &caption);
    // The key name of the caption at INDEX, or an empty string when no key belongs to it.
    static QString keyForCaptionIndex(int index);
    // The caption index a key name belongs to, or -1 for an unknown (or empty) key.
    static int captionIndexForKey(const QString &key);
    // The caption index whose minutes are MINUTES, or -1.
    static int captionIndexForMinutes(int minutes);
};
