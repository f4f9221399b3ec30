#include "export/VideoConversionQueue.h"

#include "TestRecordings.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
TEST(VideoConversionQueueTest, AnswersLikeTheConverterInOrderOnTheCallersThread)
{
    QTemporaryDir cards;
    QTemporaryDir work;
    const QString avi = cards.filePath(u"both cameras #2.avi"_s);
    const QString mp4 = cards.filePath(u"one_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    ASSERT_TRUE(TestRecordings::mp4(mp4, TestRecordings::FrontSize));

    VideoConversionQueue queue;
    queue.setWorkingDirectory(work.path());
    QList<QUrl> order;
    QList<VideoConverter::Playable> answers;
    QList<QThread *> threads;
    QEventLoop loop;
    const auto collect = [&](const QUrl &url) {
        return [&, url](const VideoConverter::Playable &files) {
            order.append(url);
            answers.append(files);
            threads.append(QThread::currentThread());
            if (answers.size() == 3) {
                loop.quit();
            }
        };
    };
    const QUrl aviUrl = QUrl::fromLocalFile(avi);
    const QUrl mp4Url = QUrl::fromLocalFile(mp4);
    const QUrl goneUrl = QUrl::fromLocalFile(cards.filePath(u"gone.avi"_s));
    queue.convert(aviUrl, collect(aviUrl));
    queue.convert(mp4Url, collect(mp4Url));
    queue.convert(goneUrl, collect(goneUrl));
    queue.waitForDone();
    EXPECT_TRUE(answers.isEmpty()) << "answers arrive through the event loop, not from the worker";
    loop.exec();

    EXPECT_EQ(order, (QList<QUrl>{aviUrl, mp4Url, goneUrl}));
    ASSERT_EQ(answers.size(), 3);
    for (QThread *thread : threads) {
        EXPECT_EQ(thread, QThread::currentThread());
    }
    // The same answers as converting on this thread, which now finds everything in place.
    VideoConverter converter;
    converter.setWorkingDirectory(work.path());
    EXPECT_EQ(answers.at(0), converter.checkAndConvertVideo(aviUrl));
    ASSERT_TRUE(answers.at(0).has_value());
    EXPECT_EQ(answers.at(0)->size(), 2);
    EXPECT_EQ(answers.at(1), converter.checkAndConvertVideo(mp4Url));
    ASSERT_TRUE(answers.at(1).has_value());
    EXPECT_EQ(answers.at(1)->size(), 1);
    EXPECT_EQ(answers.at(2), std::nullopt);
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
