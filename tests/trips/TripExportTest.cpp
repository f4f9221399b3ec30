// A trip's recordings as export segments: every sample's time from the one sample clock, also
// when the track comes from the cache.
#include "trips/TripExport.h"

#include "recording/TrackCache.h"
#include "recording/TrackLoader.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using TestFiles::writeFile;

// Two seconds of records, ten samples each: the first second's fix dated 08:15:07 UTC, the second
// second's fix with no date (status "A" but the date field empty).
QByteArray recording()
{
    AviWriter avi;
    avi.beginList("movi");
    for (int i = 0; i < 10; ++i) {
        avi.textChunk(2, "gsensor,1,2,3");
    }
    avi.textChunk(2, "GNRMC,081507.00,A,3734.1000,N,12658.2000,E,10.0,0,071226,,,A");
    for (int i = 0; i < 10; ++i) {
        avi.textChunk(2, "gsensor,1,2,3");
    }
    avi.textChunk(2, "GNRMC,,A,3734.2000,N,12658.3000,E,12.0,0,,,,A");
    return avi.bytes();
}

QStringList segmentTimes(const TrackExport::Segment &segment)
{
    QStringList times;
    for (const TrackExport::Point &point : segment.points) {
        times.append(segment.times.sampleText(point.index));
    }
    return times;
}
} // namespace

TEST(TripExportTest, TheFixesTimesSurviveTheCacheAndDateEverySample)
{
    QTemporaryDir dir;
    // The file name's time (09:00 on the camera's clock) plays no part once a fix is dated.
    const QString path = dir.filePath(u"20261207_090000_F.avi"_s);
    ASSERT_TRUE(writeFile(path, recording()));
    const TrackCache cache(dir.filePath(u"cache"_s));

    TripRecording read;
    read.path = path;
    read.track = TrackLoader::load(path, &cache);
    TripRecording cached = read;
    cached.track = TrackLoader::load(path, &cache);
    ASSERT_TRUE(cache.find(TrackCache::key(path)).has_value());
    ASSERT_EQ(read.track.samples.size(), 20);
    EXPECT_EQ(cached.track, read.track);

    for (const TripRecording *recording : {&read, &cached}) {
        const TrackExport::Segment segment = TripExport::segment(*recording, dir.path());
        EXPECT_EQ(segment.name, u"20261207_090000_F.avi"_s);
        EXPECT_EQ(segment.samples, 20);
        ASSERT_EQ(segment.points.size(), 20);
        EXPECT_TRUE(segment.times.isUtc());
        const QStringList times = segmentTimes(segment);
        EXPECT_EQ(times.at(0), u"2026-12-07T08:15:07.000Z"_s);
        EXPECT_EQ(times.at(9), u"2026-12-07T08:15:07.900Z"_s);
        // The undated second goes on from the dated one by its play time.
        EXPECT_EQ(times.at(10), u"2026-12-07T08:15:08.000Z"_s);
        EXPECT_EQ(times.at(19), u"2026-12-07T08:15:08.900Z"_s);
    }
}

TEST(TripExportTest, ATripHasASegmentForEachRecordingWithAFixInItsOrder)
{
    QTemporaryDir dir;
    auto make = [&dir](const QString &name, int samples, bool fix) {
        TripRecording recording;
        recording.path = dir.filePath(name);
        for (int i = 0; i < samples; ++i) {
            RecordingSamples::Sample sample;
            sample.lat = fix ? 37.5f + float(i) / 1000.0f : 0.0f;
            sample.lng = fix ? 127.0f : 0.0f;
            recording.track.samples.append(sample);
        }
        return recording;
    };
    // No card and no dated fix: the file names' times on the camera's own clock.
    const QList<TripRecording> recordings{make(u"20261207_081500_F.avi"_s, 3, true),
                                          make(u"20261207_081600_F.avi"_s, 4, false),
                                          make(u"20261207_081700_F.avi"_s, 2, true)};
    Trip trip;
    trip.index = 3;
    trip.start = QDateTime(QDate(2026, 12, 7), QTime(8, 15));
    trip.recordings = {2, 1, 0};
    const QList<TrackExport::Segment> segments = TripExport::segments(trip, recordings, {});
    ASSERT_EQ(segments.size(), 2);
    EXPECT_EQ(segments.at(0).name, u"20261207_081700_F.avi"_s);
    EXPECT_EQ(segments.at(1).name, u"20261207_081500_F.avi"_s);
    EXPECT_EQ(segments.at(1).times.clock(), TrackTimes::Clock::Local);
    EXPECT_EQ(segmentTimes(segments.at(1)),
              (QStringList{u"2026-12-07T08:15:00.000"_s, u"2026-12-07T08:15:00.100"_s, u"2026-12-07T08:15:00.200"_s}));
    EXPECT_EQ(TripExport::name(trip), u"Trip 3 (2026-12-07 08:15)"_s);
}
