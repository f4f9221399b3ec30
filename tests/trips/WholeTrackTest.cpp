// Recordings longer than the player's 65 s: the trips, their exports and the track cache keep
// every sample.
#include "recording/TrackCache.h"
#include "recording/TrackLoader.h"
#include "trips/CardTrips.h"
#include "trips/TripBuilder.h"
#include "trips/TripExport.h"

#include "support/LongDrive.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using LongDrive::avi;
using LongDrive::mp4;

using TestFiles::writeFile;

class WholeTrackTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(m_dir.filePath(u"card/cont_rec"_s))); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(u"card/cont_rec/"_s + name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    QString card() const { return m_dir.filePath(u"card"_s); }

    QTemporaryDir m_dir;
    TrackCache m_cache{m_dir.filePath(u"cache"_s)};
};

TEST_F(WholeTrackTest, TripsAndTheirExportsSeeEverySampleOfThreeMinuteRecordings)
{
    write(u"20261207_080000_F.avi"_s, avi());
    // The MP4 goes on with the same drive a minute later.
    write(u"20261207_080400_F.mp4"_s, mp4(240));
    for (const bool cached : {false, true}) {
        SCOPED_TRACE(cached);
        const QList<TripRecording> recordings = CardTrips::load(card(), &m_cache);
        ASSERT_EQ(recordings.size(), 2);
        for (const TripRecording &recording : recordings) {
            ASSERT_EQ(recording.track.samples.size(), 1800) << recording.path.toStdString();
            EXPECT_EQ(recording.track.gpsCount, 1800u);
            EXPECT_EQ(recording.durationMs, 180000);
        }
        // The last second's values, past the player's 65 s (the list's order is the card's).
        const bool aviFirst = recordings[0].path.endsWith(u".avi"_s);
        const RecordingSamples &aviTrack = recordings[aviFirst ? 0 : 1].track;
        const RecordingSamples &mp4Track = recordings[aviFirst ? 1 : 0].track;
        EXPECT_EQ(aviTrack.samples[1799].gx, 79);
        EXPECT_FLOAT_EQ(aviTrack.samples[1799].lat, float(37.0 + 11.79 / 60.0));
        EXPECT_FLOAT_EQ(mp4Track.samples[1799].lat, float(37.0 + 14.19 / 60.0));

        const QList<Trip> trips = TripBuilder::build(recordings, {});
        ASSERT_EQ(trips.size(), 1);
        // Due north from 37°10' to 37°14.19': 4.19 minutes of latitude, 7,765 m (the Earth's
        // radius 6,371 km); with 650 samples a recording it would stop 1.15 minutes short of each
        // recording's end.
        EXPECT_NEAR(trips[0].meters, 7765.0, 10.0);

        const QList<TrackExport::Segment> segments = TripExport::segments(trips[0], recordings, card());
        ASSERT_EQ(segments.size(), 2);
        for (const TrackExport::Segment &segment : segments) {
            EXPECT_EQ(segment.samples, 1800);
            EXPECT_EQ(segment.points.size(), 1800);
        }
        EXPECT_EQ(segments[0].times.sampleText(1799), u"2026-12-07T08:02:59.900Z"_s);
        EXPECT_EQ(segments[1].times.sampleText(1799), u"2026-12-07T08:06:59.900Z"_s);
    }
}

TEST_F(WholeTrackTest, ACacheEntryOfTheEarlierFormIsNotTakenAsAWholeTrack)
{
    const QString path = write(u"20261207_080000_F.avi"_s, avi());
    const QByteArray key = TrackCache::key(path);
    // An entry as the earlier form ("VTR3") wrote it: the same layout, holding the 650 samples
    // the player's reader gave.
    QByteArray old;
    QDataStream out(&old, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint32(0x56545233) << key << quint32(650) << quint32(650) << qint64(-1) << u"index"_s << QString();
    old += QByteArray(650 * 26, '\0');
    old += QCryptographicHash::hash(old, QCryptographicHash::Sha1);
    EXPECT_FALSE(TrackCache::decode(key, old).has_value());

    // Put where the recording's entry lives, it is read again and replaced by the whole track.
    ASSERT_TRUE(m_cache.store(key, RecordingSamples{}));
    const QStringList entries = QDir(m_cache.folder()).entryList(QDir::Files);
    ASSERT_EQ(entries.size(), 1);
    ASSERT_TRUE(writeFile(m_cache.folder() + u'/' + entries[0], old));
    EXPECT_EQ(TrackLoader::load(path, &m_cache).samples.size(), 1800);
    const std::optional<RecordingSamples> entry = m_cache.find(key);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->samples.size(), 1800);
}
} // namespace
