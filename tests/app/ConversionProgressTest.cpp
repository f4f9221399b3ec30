#include "app/ConversionProgress.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
TEST(ConversionProgressTest, ShownOnceTheDelayHasPassedWhateverFfmpegReports)
{
    ConversionProgress progress;
    progress.setShowDelayMs(150);
    QSignalSpy changed(&progress, &ConversionProgress::changed);

    // A report before the delay: still hidden, then shown when the delay ends.
    progress.begin(u"20261207_081500_F.mp4"_s);
    progress.setShare(0.1);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.isVisible(); }, 5000));
    EXPECT_EQ(progress.recordingName(), u"20261207_081500_F.mp4"_s);
    EXPECT_EQ(progress.percent(), 10);

    // No report at all (an ffmpeg that hangs before its first): shown from the delay all the same.
    progress.begin(u"20261207_081600_EVT.avi"_s);
    EXPECT_FALSE(progress.isVisible()) << "a new recording starts hidden";
    EXPECT_EQ(progress.share(), 0.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.isVisible(); }, 5000));
    EXPECT_EQ(progress.percent(), 0);
    // A report then moves it.
    progress.setShare(0.3);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.percent(), 30);
    EXPECT_EQ(progress.recordingName(), u"20261207_081600_EVT.avi"_s);
    EXPECT_GE(changed.count(), 3);

    // Nothing begun: reports are ignored.
    progress.end();
    EXPECT_FALSE(progress.isVisible());
    progress.setShare(0.5);
    QTest::qWait(300);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(progress.isActive());
}

TEST(ConversionProgressTest, TheShareOnlyRisesWithinTheWhole)
{
    ConversionProgress progress;
    progress.setShowDelayMs(0);
    progress.begin(u"a.avi"_s);
    progress.setShare(0.426);
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.isVisible(); }, 5000));
    EXPECT_EQ(progress.percent(), 42);
    progress.setShare(0.2); // a late report of a slower run
    EXPECT_DOUBLE_EQ(progress.share(), 0.426);
    progress.setShare(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(progress.share(), 0.426);
    progress.setShare(0.999);
    EXPECT_EQ(progress.percent(), 99) << "100 only when it is whole";
    progress.setShare(7.0);
    EXPECT_EQ(progress.percent(), 100);
}

TEST(ConversionProgressTest, CompletingKeepsAShownIndicatorFullAndNeverShowsAHiddenOne)
{
    ConversionProgress progress;
    progress.setShowDelayMs(0);
    progress.begin(u"a.avi"_s);
    progress.setShare(0.6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.isVisible(); }, 5000));
    // Converted: the players load, the indicator stays full until playback starts.
    progress.complete();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.percent(), 100);
    progress.end();
    EXPECT_FALSE(progress.isVisible());

    // A quick conversion finished before it was shown: the delay passing later shows nothing.
    progress.setShowDelayMs(200);
    progress.begin(u"b.avi"_s);
    progress.setShare(0.5);
    progress.complete();
    QTest::qWait(400);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(progress.isActive());
}
} // namespace
