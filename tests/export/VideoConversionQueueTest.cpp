#include "export/VideoConversionQueue.h"

#include "TestRecordings.h"

#include "export/Utils.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnvironment.h"
#include "support/SlowFfmpeg.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
TEST(VideoConversionQueueTest, AnswersLikeTheConverterOnTheCallersThread)
{
    QTemporaryDir cards;
    QTemporaryDir work;
    const QString avi = cards.filePath(u"both cameras #2.avi"_s);
    const QString mp4 = cards.filePath(u"one_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    ASSERT_TRUE(TestRecordings::mp4(mp4, TestRecordings::FrontSize));

    VideoConversionQueue queue;
    queue.setWorkingDirectory(work.path());
    const auto convertOne = [&](const QUrl &url) {
        std::optional<VideoConverter::Playable> answer;
        QThread *thread = nullptr;
        queue.convert(url, [&](const VideoConverter::Playable &files) {
            answer = files;
            thread = QThread::currentThread();
        });
        queue.waitForDone();
        EXPECT_FALSE(answer.has_value()) << "answers arrive through the event loop, not from the worker";
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
        EXPECT_EQ(thread, QThread::currentThread());
        return answer.value_or(VideoConverter::Playable{});
    };
    const QUrl aviUrl = QUrl::fromLocalFile(avi);
    const QUrl mp4Url = QUrl::fromLocalFile(mp4);
    const VideoConverter::Playable aviFiles = convertOne(aviUrl);
    const VideoConverter::Playable mp4Files = convertOne(mp4Url);
    const VideoConverter::Playable gone = convertOne(QUrl::fromLocalFile(cards.filePath(u"gone.avi"_s)));

    // The same answers as converting on this thread, which now finds everything in place.
    VideoConverter converter;
    converter.setWorkingDirectory(work.path());
    EXPECT_EQ(aviFiles, converter.checkAndConvertVideo(aviUrl));
    ASSERT_TRUE(aviFiles.has_value());
    EXPECT_EQ(aviFiles->size(), 2);
    EXPECT_EQ(mp4Files, converter.checkAndConvertVideo(mp4Url));
    ASSERT_TRUE(mp4Files.has_value());
    EXPECT_EQ(mp4Files->size(), 1);
    EXPECT_EQ(gone, std::nullopt);
}

// Four recordings chosen one after the other while the first still converts with an ffmpeg that
// takes three seconds a run.
class SupersededConversionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString &name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s}) {
            const QString path = cards.filePath(name + u"_F.mp4"_s);
            ASSERT_TRUE(TestRecordings::mp4(path, TestRecordings::FrontSize));
            urls.append(QUrl::fromLocalFile(path));
        }
        ASSERT_TRUE(slow.isValid());
        queue = std::make_unique<VideoConversionQueue>();
        queue->setWorkingDirectory(work.path());
    }

    // Asks for A and waits until its conversion has started ffmpeg.
    void startFirst()
    {
        const qsizetype before = slow.runs().size();
        queue->convert(urls.at(0), [this](const VideoConverter::Playable &files) {
            answers.append({urls.at(0), files});
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return slow.runs().size() > before; }, 10000));
    }

    QTemporaryDir cards;
    QTemporaryDir work;
    QList<QUrl> urls;
    SlowFfmpeg slow{3.0};
    ScopedEnvironment ffmpeg{Utils::FFMPEGEnvironmentVariable, QFile::encodeName(slow.program())};
    std::unique_ptr<VideoConversionQueue> queue;
    QList<std::pair<QUrl, VideoConverter::Playable>> answers;
};

TEST_F(SupersededConversionTest, OnlyTheRunningAndTheNewestReachFfmpegAndOnlyTheNewestAnswers)
{
    startFirst();
    const QList<SlowFfmpeg::Run> first = slow.runs();
    for (qsizetype i = 1; i < urls.size(); ++i) {
        const QUrl url = urls.at(i);
        queue->convert(url, [this, url](const VideoConverter::Playable &files) { answers.append({url, files}); });
    }
    // A's runs are killed at once, not waited for.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::none_of(first.begin(), first.end(),
                                [](const SlowFfmpeg::Run &run) { return SlowFfmpeg::isAlive(run.pid); });
        },
        1500));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !answers.isEmpty(); }, 20000));
    QTest::qWait(100);
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers.at(0).first, urls.at(3));
    ASSERT_TRUE(answers.at(0).second.has_value());
    EXPECT_EQ(answers.at(0).second->size(), 1) << "D was converted whole";
    EXPECT_FALSE(slow.runsMentioning(u"/A_F.mp4"_s).isEmpty());
    EXPECT_TRUE(slow.runsMentioning(u"/B_F.mp4"_s).isEmpty());
    EXPECT_TRUE(slow.runsMentioning(u"/C_F.mp4"_s).isEmpty());
    EXPECT_FALSE(slow.runsMentioning(u"/D_F.mp4"_s).isEmpty());
    // Nothing half-made of A is left to be taken for finished.
    const QDir aFolder(VideoConverter::conversionFolder(work.path(), urls.at(0).toLocalFile()));
    EXPECT_TRUE(aFolder.entryList(QDir::Files | QDir::Hidden).isEmpty()) << aFolder.path().toStdString();
    EXPECT_FALSE(slow.anyAlive());
}

TEST_F(SupersededConversionTest, CancellingAndDestroyingTakeAMomentAndLeaveNoFfmpeg)
{
    startFirst();
    queue->convert(urls.at(1), [this](const VideoConverter::Playable &files) { answers.append({urls.at(1), files}); });
    QElapsedTimer clock;
    clock.start();
    queue->cancelAll();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(slow.anyAlive());

    startFirst();
    clock.restart();
    queue.reset();
    EXPECT_LT(clock.elapsed(), 1000) << "destroying the queue kills its ffmpeg instead of waiting for it";
    EXPECT_FALSE(slow.anyAlive());
    QTest::qWait(200);
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_TRUE(slow.runsMentioning(u"/B_F.mp4"_s).isEmpty());
}

TEST(VideoConversionQueueTest, AnswersForAQueueThatIsGoneAreDropped)
{
    QTemporaryDir cards;
    QTemporaryDir work;
    const QString mp4 = cards.filePath(u"late_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(mp4, TestRecordings::FrontSize));
    bool answered = false;
    {
        VideoConversionQueue queue;
        queue.setWorkingDirectory(work.path());
        queue.convert(QUrl::fromLocalFile(mp4), [&](const VideoConverter::Playable &) { answered = true; });
    } // waits for the conversion, then goes away
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
}
} // namespace

namespace {
// Front MP4s of four seconds, read by ffmpeg at half their pace: each conversion takes about eight
// seconds and reports its progress every half second.
class ConversionProgressQueueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString &name : {u"A_F.mp4"_s, u"B_F.mp4"_s}) {
            const QString path = cards.filePath(name);
            ASSERT_TRUE(TestRecordings::make({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=duration=4:rate=10:size=160x96"_s,
                                              u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s,
                                              u"yuv420p"_s, u"-y"_s, path}));
            urls.append(QUrl::fromLocalFile(path));
        }
        ASSERT_TRUE(paced.isValid());
        queue.setWorkingDirectory(work.path());
    }

    // Asks for recording INDEX, noting every report and the answer with the thread they came on.
    void convert(qsizetype index)
    {
        const QUrl url = urls.at(index);
        queue.convert(
            url,
            [this, url](const VideoConverter::Playable &files) {
                answers.append({url, files});
            },
            [this, url](double share) {
                reports.append({url, share});
                onOwnersThread = onOwnersThread && QThread::currentThread() == qApp->thread();
                reportAfterAnswer = reportAfterAnswer || !answers.isEmpty();
            });
    }

    QList<double> sharesOf(qsizetype index) const
    {
        QList<double> shares;
        for (const auto &[url, share] : reports) {
            if (url == urls.at(index)) {
                shares.append(share);
            }
        }
        return shares;
    }

    QTemporaryDir cards;
    QTemporaryDir work;
    QList<QUrl> urls;
    SlowFfmpeg paced{0.0, {u"-readrate"_s, u"0.5"_s}};
    ScopedEnvironment ffmpeg{Utils::FFMPEGEnvironmentVariable, QFile::encodeName(paced.program())};
    VideoConversionQueue queue;
    QList<std::pair<QUrl, double>> reports;
    QList<std::pair<QUrl, VideoConverter::Playable>> answers;
    bool onOwnersThread = true;
    bool reportAfterAnswer = false;
};

TEST_F(ConversionProgressQueueTest, ASlowConversionReportsARisingShareBeforeItsAnswer)
{
    convert(0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !answers.isEmpty(); }, 30000));
    QTest::qWait(100);
    const QList<double> shares = sharesOf(0);
    ASSERT_GE(shares.size(), 5) << "a report every half second of an eight-second conversion";
    EXPECT_TRUE(std::adjacent_find(shares.begin(), shares.end(), std::greater_equal<>()) == shares.end())
        << "strictly rising";
    EXPECT_GT(shares.constFirst(), 0.0);
    EXPECT_LT(shares.constFirst(), 0.5);
    // The subtitle run of a recording without subtitles fails at once; it counts as over.
    EXPECT_DOUBLE_EQ(shares.constLast(), 1.0);
    EXPECT_TRUE(onOwnersThread);
    EXPECT_FALSE(reportAfterAnswer);
    ASSERT_EQ(answers.size(), 1);
    ASSERT_TRUE(answers.at(0).second.has_value());
    EXPECT_EQ(answers.at(0).second->size(), 1);
}

TEST_F(ConversionProgressQueueTest, ASupersededOrCancelledConversionReportsNothingMore)
{
    convert(0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return sharesOf(0).size() >= 2; }, 20000));
    // Another recording chosen: A's reports stop at once, even those already on their way, and
    // B's begin.
    convert(1);
    const qsizetype aReports = sharesOf(0).size();
    ASSERT_TRUE(QTest::qWaitFor([this] { return sharesOf(1).size() >= 2; }, 20000));
    EXPECT_EQ(sharesOf(0).size(), aReports);
    const QList<SlowFfmpeg::Run> aRuns = paced.runsMentioning(urls.at(0).toLocalFile());
    EXPECT_TRUE(std::none_of(aRuns.begin(), aRuns.end(),
                             [](const SlowFfmpeg::Run &run) { return SlowFfmpeg::isAlive(run.pid); }));

    // Cancelled: nothing more from B either, and no ffmpeg left.
    queue.cancelAll();
    const qsizetype all = reports.size();
    QTest::qWait(1500);
    EXPECT_EQ(reports.size(), all);
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_FALSE(paced.anyAlive());
}
} // namespace
