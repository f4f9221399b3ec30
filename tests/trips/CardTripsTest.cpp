#include "trips/CardTrips.h"

#include "core/LocalPath.h"
#include "recording/TrackCache.h"
#include "trips/TripsJob.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// SECONDS seconds of records, each second ten jolts of 2 g and one fix.
QByteArray recording(int seconds)
{
    AviWriter avi;
    avi.beginList("movi");
    for (int second = 0; second < seconds; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            avi.textChunk(2, "gsensor,256,2,3");
        }
        avi.textChunk(2, "GNRMC,080000.00,A,3734.1000,N,12658.2000,E,20.0,0,071226,,,A");
    }
    return avi.bytes();
}

class CardTripsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder())); }
    // A name that is not UTF-8 is beyond the temporary folder's own clean-up.
    void TearDown() override
    {
        for (const QByteArray &path : std::as_const(m_written)) {
            ::unlink(path.constData());
        }
    }

    QString card() const { return m_dir.filePath(u"card"_s); }
    QString folder() const { return m_dir.filePath(u"card/cont_rec"_s); }
    QString write(const QByteArray &name, const QByteArray &bytes = recording(3))
    {
        // Written by its bytes: a name need not be UTF-8.
        const QByteArray path = QFile::encodeName(folder()) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(fd, 0) << path.constData();
        EXPECT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
        m_written.append(path);
        return LocalPath::decode(path);
    }

    QTemporaryDir m_dir;
    QList<QByteArray> m_written;
};

TEST_F(CardTripsTest, NamesThatGiveNoUsableTimeAreLeftOutWithANote)
{
    const QString good = write("20261207_080000_F.avi");
    const struct
    {
        QByteArray name;
        const char *reason;
    } bad[] = {
        {"20261307_080000_F.avi", "its name gives no valid date and time"},
        {"20260230_080000_F.avi", "its name gives no valid date and time"},
        {"20261207_250000_F.avi", "its name gives no valid date and time"},
        {"00001207_080000_F.avi", "its name gives no valid date and time"},
        {"20261207_090000_\xff_F.avi", "its name is not valid UTF-8"},
        // Three seconds from 23:59:59 run into a year no four digits can write.
        {"99991231_235959_F.avi", "its time runs past the year 9999"},
    };
    QList<CardTrips::Skipped> expected;
    for (const auto &name : bad) {
        expected.append({write(name.name), QString::fromLatin1(name.reason)});
    }
    const CardTrips::Card read = CardTrips::read(card(), nullptr);
    EXPECT_TRUE(read.failure.isEmpty());
    ASSERT_EQ(read.recordings.size(), 1);
    EXPECT_EQ(read.recordings[0].path, good);
    const auto byPath = [](const CardTrips::Skipped &a, const CardTrips::Skipped &b) {
        return a.path < b.path;
    };
    QList<CardTrips::Skipped> skipped = read.skipped;
    std::sort(skipped.begin(), skipped.end(), byPath);
    std::sort(expected.begin(), expected.end(), byPath);
    ASSERT_EQ(skipped.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(skipped[i].path, expected[i].path);
        EXPECT_EQ(skipped[i].reason, expected[i].reason) << LocalPath::displayText(expected[i].path).toStdString();
    }
}

TEST_F(CardTripsTest, ACardThatGoesAwayWhileReadIsAFailureNotAShortCard)
{
    // Removed outright, and unmounted (the same path, now another, empty folder).
    const QList<std::function<bool()>> removals = {[&] { return QDir(card()).removeRecursively(); },
                                                   [&] {
                                                       return QDir().rename(card(), m_dir.filePath(u"away"_s)) &&
                                                              QDir().mkpath(card());
                                                   }};
    for (const auto &remove : removals) {
        ASSERT_TRUE(QDir().mkpath(folder()));
        for (const QByteArray name : {"20261207_080000_F.avi", "20261207_080100_F.avi", "20261207_080200_F.avi"}) {
            write(name);
        }
        ASSERT_EQ(CardTrips::read(card(), nullptr).recordings.size(), 3);
        bool removed = false;
        const CardTrips::Card read = CardTrips::read(
            card(), nullptr, [&](qsizetype done, qsizetype) { removed = removed || (done == 1 && remove()); });
        ASSERT_TRUE(removed);
        EXPECT_EQ(read.failure, CardTrips::cardGoneText());
        EXPECT_TRUE(read.recordings.isEmpty());
        ASSERT_TRUE(QDir(card()).removeRecursively());
    }

    // The view's job says so too, with no trips.
    TripsJob job;
    QSignalSpy failed(&job, &TripsJob::failed);
    QSignalSpy finished(&job, &TripsJob::finished);
    job.start(m_dir.filePath(u"gone"_s), QString());
    ASSERT_TRUE(failed.wait(30000));
    EXPECT_EQ(failed.at(0).at(0).toString(), CardTrips::cardGoneText());
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_FALSE(job.isRunning());
}

TEST_F(CardTripsTest, LinksToOneRecordingAreReadOnceAndShareItsTrack)
{
    const QString original = write("20261207_080000_F.avi", recording(20));
    QStringList links;
    for (int i = 1; i <= 4; ++i) {
        links.append(folder() + u"/20261207_08%1_F.avi"_s.arg(i * 100, 4, 10, QChar(u'0')));
        ASSERT_EQ(::link(QFile::encodeName(original).constData(), QFile::encodeName(links.last()).constData()), 0);
    }
    const TrackCache cache(m_dir.filePath(u"cache"_s));
    const CardTrips::Card read = CardTrips::read(card(), &cache);
    ASSERT_EQ(read.recordings.size(), 5);
    const QList<RecordingSamples::Sample> &first = read.recordings[0].track.samples;
    EXPECT_EQ(first.size(), 200);
    // Held once, exactly as large as it is, however many entries name it.
    EXPECT_EQ(first.capacity(), first.size());
    for (const TripRecording &link : read.recordings) {
        EXPECT_EQ(link.track.samples.constData(), first.constData()) << link.path.toStdString();
    }
    EXPECT_EQ(QDir(cache.folder()).entryList(QDir::Files).size(), 1);
}
} // namespace
