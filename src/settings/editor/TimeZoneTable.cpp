#include "settings/editor/TimeZoneTable.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {
// Each key name with the standard offset of its zone, in minutes.
struct KeyOffset
{
    const char16_t *key;
    int minutes;
};

constexpr KeyOffset kKeyOffsets[] = {
    {u"Samoa Standard Time", 13 * 60},
    {u"New Zealand Standard Time", 12 * 60},
    {u"Central Pacific Standard Time", 11 * 60},
    {u"E. Australia Standard Time", 10 * 60},
    {u"AUS Central Standard Time", 9 * 60 + 30},
    {u"Korea Standard Time", 9 * 60},
    {u"Singapore Standard Time", 8 * 60},
    {u"SE Asia Standard Time", 7 * 60},
    {u"Myanmar Standard Time", 6 * 60 + 30},
    {u"Central Asia Standard Time", 6 * 60},
    {u"Nepal Standard Time", 5 * 60 + 45},
    {u"India Standard Time", 5 * 60 + 30},
    {u"West Asia Standard Time", 5 * 60},
    {u"Afghanistan Standard Time", 4 * 60 + 30},
    {u"Arabian Standard Time", 4 * 60},
    {u"Iran Standard Time", 3 * 60 + 30},
    {u"E. Africa Standard Time", 3 * 60},
    {u"E. Europe Standard Time", 2 * 60},
    {u"W. Europe Standard Time", 60},
    {u"GMT Standard Time", 0},
    {u"Azores Standard Time", -60},
    {u"Mid-Atlantic Standard Time", -2 * 60},
    {u"E. South America Standard Time", -3 * 60},
    {u"Newfoundland Standard Time", -(3 * 60 + 30)},
    {u"SA Western Standard Time", -4 * 60},
    {u"Eastern Standard Time", -5 * 60},
    {u"Central Standard Time", -6 * 60},
    {u"Mountain Standard Time", -7 * 60},
    {u"Pacific Standard Time", -8 * 60},
    {u"Alaskan Standard Time", -9 * 60},
    {u"Hawaiian Standard Time", -10 * 60},
    {u"Dateline Standard Time", -12 * 60},
};
static_assert(std::size(kKeyOffsets) == TimeZoneTable::KeyCount);

int parseNumber(QStringView text, bool *ok)
{
    return text.toInt(ok);
}
} // namespace

const QStringList &TimeZoneTable::gmtDescList()
{
    static const QStringList captions = {
        u"UTC-12:00"_s, u"UTC-11:00"_s, u"UTC-10:00"_s, u"UTC-09:30"_s, u"UTC-09:00"_s, u"UTC-08:00"_s, u"UTC-07:00"_s,
        u"UTC-06:00"_s, u"UTC-05:00"_s, u"UTC-04:30"_s, u"UTC-04:00"_s, u"UTC-03:30"_s, u"UTC-03:00"_s, u"UTC-02:00"_s,
        u"UTC-01:00"_s, u"UTC"_s,       u"UTC+01:00"_s, u"UTC+02:00"_s, u"UTC+03:00"_s, u"UTC+03:30"_s, u"UTC+04:00"_s,
        u"UTC+04:30"_s, u"UTC+05:00"_s, u"UTC+05:30"_s, u"UTC+05:45"_s, u"UTC+06:00"_s, u"UTC+06:30"_s, u"UTC+07:00"_s,
        u"UTC+08:00"_s, u"UTC+09:00"_s, u"UTC+09:30"_s, u"UTC+10:00"_s, u"UTC+10:30"_s, u"UTC+11:00"_s, u"UTC+11:30"_s,
        u"UTC+12:00"_s, u"UTC+12:45"_s, u"UTC+13:00"_s, u"UTC+14:00"_s};
    return captions;
}

const QList<int> &TimeZoneTable::gmtHourList()
{
    static const QList<int> minutes = [] {
        QList<int> list;
        for (const QString &caption : gmtDescList()) {
            list.append(minutesOfCaption(caption));
        }
        return list;
    }();
    return minutes;
}

const QStringList &TimeZoneTable::timezoneNameList()
{
    static const QStringList names = [] {
        QStringList list;
        for (const KeyOffset &entry : kKeyOffsets) {
            list.append(QString::fromUtf16(entry.key));
        }
        return list;
    }();
    return names;
}

int TimeZoneTable::minutesOfCaption(const QString &caption)
{
    // "UTC±HH:MM": the signed hours at 3..5, the minutes at 7..8, the minutes taking the hours' sign.
    if (caption.size() != 9 || !caption.startsWith(u"UTC"_s) || caption.at(6) != u':') {
        return 0;
    }
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = parseNumber(QStringView(caption).mid(3, 3), &hoursOk);
    const int minutes = parseNumber(QStringView(caption).mid(7, 2), &minutesOk);
    if (!hoursOk || !minutesOk) {
        return 0;
    }
    const bool negative = caption.at(3) == u'-';
    return hours * 60 + (negative ? -minutes : minutes);
}

QString TimeZoneTable::keyForCaptionIndex(int index)
{
    if (index < 0 || index >= CaptionCount) {
        return {};
    }
    const int minutes = gmtHourList().at(index);
    for (const KeyOffset &entry : kKeyOffsets) {
        if (entry.minutes == minutes) {
            return QString::fromUtf16(entry.key);
        }
    }
    return QString(u""_s);
}

int TimeZoneTable::captionIndexForKey(const QString &key)
{
    if (key.isEmpty()) {
        return -1;
    }
    for (const KeyOffset &entry : kKeyOffsets) {
        if (key == QStringView(entry.key)) {
            return captionIndexForMinutes(entry.minutes);
        }
    }
    return -1;
}

int TimeZoneTable::captionIndexForMinutes(int minutes)
{
    return int(gmtHourList().indexOf(minutes));
}
