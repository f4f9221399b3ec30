#include "trips/TripsJob.h"

#include "trips/TripMoments.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// A recording of SECONDS seconds driving north from LAT (minutes of latitude).
QByteArray recording(int seconds, double latMinutes)
{
    AviWriter avi;
    avi.beginList("movi");
    for (int second = 0; second < seconds; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            avi.textChunk(2, "gsensor,1,2,3");
        }
        avi.textChunk(2, u"GNRMC,080000.00,A,37%1,N,12658.0000,E,20.0,0,071226,,,A"_s
                             .arg(latMinutes + second * 0.01, 7, 'f', 4, QChar(u'0'))
                             .toLatin1());
    }
    return avi.bytes();
}

class TripsJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(u"card/cont_rec"_s)));
        // Two recordings a minute apart, then one after an hour: two trips.
        write(u"20261207_080000_F.avi"_s, recording(30, 10.0));
        write(u"20261207_080100_F.avi"_s, recording(30, 11.0));
        write(u"20261207_090000_F.avi"_s, recording(30, 20.0));
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(u"card/cont_rec/"_s + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString card() const { return m_dir.filePath(u"card"_s); }

    QTemporaryDir m_dir;
};

TEST_F(TripsJobTest, BuildsOnAWorkerWithProgressAndATrackCache)
{
    TripsJob job;
    QSignalSpy progress(&job, &TripsJob::progress);
    QSignalSpy finished(&job, &TripsJob::finished);
    job.start(card(), m_dir.filePath(u"cache"_s));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(job.isRunning());
    // The first recording and the last are always told; those between only when time has passed.
    ASSERT_GE(progress.size(), 2);
    EXPECT_EQ(progress.first().at(0).value<qsizetype>(), 1);
    EXPECT_EQ(progress.last().at(0).value<qsizetype>(), 3);
    EXPECT_EQ(progress.last().at(1).value<qsizetype>(), 3);
    const auto trips = finished.first().at(0).value<QList<Trip>>();
    const auto recordings = finished.first().at(1).value<QList<TripRecording>>();
    ASSERT_EQ(trips.size(), 2);
    EXPECT_EQ(trips[0].recordings.size(), 2);
    EXPECT_EQ(QDir(m_dir.filePath(u"cache"_s)).entryList(QDir::Files).size(), 3);

    // The moment a route point was driven: the second recording's 10th second lies at 37°11.10'.
    const auto moment = TripMoments::nearest(trips[0], recordings, {37.0 + 11.10 / 60.0, 126.0 + 58.0 / 60.0});
    ASSERT_TRUE(moment.has_value());
    EXPECT_TRUE(recordings[moment->recording].path.endsWith(u"080100_F.avi"_s));
    EXPECT_EQ(moment->seconds, 10.0);
    const auto position = TripMoments::position(recordings[moment->recording], moment->seconds + 0.05);
    ASSERT_TRUE(position.has_value());
    EXPECT_NEAR(position->lat, 37.0 + 11.10 / 60.0, 1e-5);
    EXPECT_FALSE(TripMoments::position(recordings[moment->recording], -1).has_value());
}

TEST_F(TripsJobTest, TheFinishingStepRunsOnTheWorkerAndItsResultComesWithTheTrips)
{
    TripsJob job;
    QThread *finishedOn = nullptr;
    int workerNice = 0;
    job.setFinishing([&](const QList<Trip> &trips, const QList<TripRecording> &recordings) {
        finishedOn = QThread::currentThread();
        workerNice = ::getpriority(PRIO_PROCESS, id_t(::gettid()));
        return QVariant(u"%1 trips of %2"_s.arg(trips.size()).arg(recordings.size()));
    });
    QSignalSpy finished(&job, &TripsJob::finished);
    job.start(card(), QString());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_NE(finishedOn, nullptr);
    EXPECT_NE(finishedOn, QThread::currentThread());
    EXPECT_EQ(finished.first().at(2).toString(), u"2 trips of 3"_s);
    // The worker gives way to the window's thread.
    EXPECT_GT(workerNice, ::getpriority(PRIO_PROCESS, id_t(::gettid())));
}

TEST_F(TripsJobTest, ACancelledOrReplacedBuildSaysNothingMoreAndTheEndWaitsForIt)
{
    TripsJob job;
    QSignalSpy finished(&job, &TripsJob::finished);
    QSignalSpy cancelled(&job, &TripsJob::cancelled);
    job.start(card(), QString());
    job.cancel();
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(cancelled.size(), 1);
    // A new start replaces the one running: only its result arrives.
    job.start(card(), QString(), {.gapSeconds = 7200});
    job.start(card(), QString());
    ASSERT_TRUE(finished.wait(20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.first().at(0).value<QList<Trip>>().size(), 2);
    EXPECT_EQ(cancelled.size(), 2);

    // Destroyed while building: it stops and waits, without a signal to a dead object. The worker
    // holds its own copy of the finishing step, so that copy outliving the object means the worker
    // was left running.
    auto running = std::make_unique<TripsJob>();
    auto token = std::make_shared<int>(0);
    const std::weak_ptr<int> held = token;
    running->setFinishing([token](const QList<Trip> &, const QList<TripRecording> &) { return QVariant(); });
    token.reset();
    running->start(card(), QString());
    running.reset();
    EXPECT_TRUE(held.expired()) << "the worker ended with the object";
}
} // namespace
