// The time of day of every sample, by the one rule the exports follow, with the card's zone given
// as a value: the GPS fixes' own times first, then the file name's start in the card's zone, then
// the file name's start as the camera's local time.
#include "recording/SampleClock.h"

#include "recording/CardTimeZone.h"

#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
qint64 utc(const QString &iso)
{
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << iso.toStdString();
    return time.toMSecsSinceEpoch();
}

// COUNT samples; those from FIRST_FIX on carry fix times from FIX (a tenth of a second apart).
void track(VexoClipData &data, int count, int firstFix = -1, qint64 fix = 0)
{
    data.clear();
    for (int i = 0; i < count; ++i) {
        data.setSample(i, 0, 0, 128, 37.5f, 127.0f, 30);
        if (firstFix >= 0 && i >= firstFix) {
            data.setFixTime(i, fix + (i - firstFix) * 100);
        }
    }
    data.setClipDataCount(quint32(count));
}
} // namespace

TEST(SampleClockTest, GpsTimesWinOverTheFileNameEvenOnAnotherDay)
{
    VexoClipData data;
    // The receiver's date is the day after the one in the file name; the first second has no fix,
    // and neither has the fifth.
    track(data, 50, 10, utc(u"2026-12-08T00:10:00.000Z"_s));
    for (int i = 40; i < 50; ++i) {
        data.setFixTime(i, NmeaTime::kNoTime);
    }
    const TrackTimes times =
        SampleClock::times(u"/card/cont_rec/20261207_081500_F.avi"_s, CardTimeZone(-480, false), data);
    EXPECT_EQ(times.clock(), TrackTimes::Clock::Utc);
    EXPECT_EQ(times.sampleText(10), u"2026-12-08T00:10:00.000Z"_s);
    EXPECT_EQ(times.sampleText(0), u"2026-12-08T00:09:59.000Z"_s);
    EXPECT_EQ(times.sampleText(45), u"2026-12-08T00:10:03.500Z"_s);
    EXPECT_TRUE(times.note().contains(u"GPS"_s));
}

TEST(SampleClockTest, WithoutAZoneTheCamerasClockIsWrittenAsLocalTime)
{
    VexoClipData data;
    track(data, 3);
    const TrackTimes local = SampleClock::times(u"/a/b/c/20261207_081500_F.avi"_s, std::nullopt, data);
    EXPECT_EQ(local.clock(), TrackTimes::Clock::Local);
    EXPECT_EQ(local.sampleText(2), u"2026-12-07T08:15:00.200"_s);
    EXPECT_TRUE(local.note().contains(u"no time zone"_s));

    // No GPS time and no start in the name: no times at all, and the note says so.
    const TrackTimes none = SampleClock::times(u"/a/clip.avi"_s, std::nullopt, data);
    EXPECT_EQ(none.clock(), TrackTimes::Clock::None);
    EXPECT_EQ(none.sampleText(0), QString());
    EXPECT_FALSE(none.note().isEmpty());
}

TEST(SampleClockTest, WithoutGpsTimesTheFileNameStartsTheClockInTheGivenZone)
{
    VexoClipData data;
    track(data, 20);
    const struct
    {
        CardTimeZone zone;
        const char16_t *first;
        const char16_t *note;
    } cases[] = {{CardTimeZone(-480, false), u"2026-12-08T07:59:59.000Z", u"UTC-08:00"},
                 {CardTimeZone(570, false), u"2026-12-07T14:29:59.000Z", u"UTC+09:30"},
                 // The switch on without a rules zone holds the clock an hour ahead of the offset.
                 {CardTimeZone(-480, true), u"2026-12-08T06:59:59.000Z", u"one hour ahead"}};
    for (const auto &row : cases) {
        const TrackTimes times = SampleClock::times(u"/card/evt_rec/20261207_235959_EVT.avi"_s, row.zone, data);
        EXPECT_EQ(times.clock(), TrackTimes::Clock::Utc);
        EXPECT_EQ(times.sampleText(0), QString::fromUtf16(row.first));
        EXPECT_EQ(times.sampleText(15), QDateTime::fromString(QString::fromUtf16(row.first), Qt::ISODateWithMs)
                                            .addMSecs(1500)
                                            .toString(Qt::ISODateWithMs));
        EXPECT_TRUE(times.note().contains(QString::fromUtf16(row.note))) << times.note().toStdString();
    }
}
