// The window of a report and what it says about it: clipping to the recording, which samples
// count, the peak, the speed and the positions.
#include "incident/IncidentFigures.h"

#include "incident/IncidentClips.h"
#include "incident/IncidentFolderName.h"
#include "incident/IncidentWindow.h"
#include "recording/RecordingTime.h"

#include "sensor/VexoClipData.h"
#include "support/TestTracks.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

TEST(IncidentWindowTest, AWindowPastEitherEndIsClippedToTheRecording)
{
    const auto early = IncidentWindow::clipped(4.0, 15.0, 15.0, 60.0);
    ASSERT_TRUE(early);
    EXPECT_DOUBLE_EQ(early->from(), 0.0);
    EXPECT_DOUBLE_EQ(early->to(), 19.0);
    EXPECT_DOUBLE_EQ(early->at(), 4.0);

    const auto late = IncidentWindow::clipped(55.0, 15.0, 15.0, 60.0);
    ASSERT_TRUE(late);
    EXPECT_DOUBLE_EQ(late->from(), 40.0);
    EXPECT_DOUBLE_EQ(late->to(), 60.0);

    // A moment past the end still reaches back into the recording; the moment moves into it.
    const auto beyond = IncidentWindow::clipped(70.0, 15.0, 15.0, 60.0);
    ASSERT_TRUE(beyond);
    EXPECT_DOUBLE_EQ(beyond->from(), 55.0);
    EXPECT_DOUBLE_EQ(beyond->at(), 60.0);
}

TEST(IncidentWindowTest, AWindowWithNothingInTheRecordingOrBadTimesIsRefusedWithAReason)
{
    QString why;
    EXPECT_FALSE(IncidentWindow::clipped(100.0, 15.0, 15.0, 60.0, &why));
    EXPECT_TRUE(why.contains(u"outside the recording"_s)) << why.toStdString();
    EXPECT_FALSE(IncidentWindow::clipped(10.0, 0.0, 0.0, 60.0, &why)) << "an empty window";
    // It lies inside the recording: the reason says it is empty, not that it is outside.
    EXPECT_TRUE(why.contains(u"empty"_s)) << why.toStdString();
    EXPECT_FALSE(why.contains(u"outside"_s)) << why.toStdString();
    EXPECT_FALSE(IncidentWindow::clipped(0.0, 0.0, 0.0, 60.0, &why));
    EXPECT_TRUE(why.contains(u"empty"_s)) << why.toStdString();
    EXPECT_FALSE(IncidentWindow::clipped(10.0, -1.0, 15.0, 60.0, &why));
    EXPECT_FALSE(IncidentWindow::clipped(NAN, 15.0, 15.0, 60.0, &why));
    EXPECT_FALSE(IncidentWindow::clipped(10.0, 15.0, INFINITY, 60.0, &why));
    EXPECT_FALSE(IncidentWindow::clipped(10.0, 15.0, 15.0, 0.0, &why)) << "a recording without length";
}

TEST(IncidentWindowTest, SamplesAreThoseWhoseTenthOfASecondOverlapsTheWindow)
{
    // 0.3 s is not exact in binary; it still starts at sample 3.
    const auto window = IncidentWindow::clipped(1.3, 1.0, 0.45, 60.0);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->firstSample(), 3);
    EXPECT_EQ(window->endSample(), 18) << "1.75 s lies in sample 17";
    const auto whole = IncidentWindow::clipped(7.0, 15.0, 15.0, 15.0);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->firstSample(), 0);
    EXPECT_EQ(whole->endSample(), 150);
}

namespace {
std::unique_ptr<VexoClipData> driveWithJolts()
{
    auto track = std::make_unique<VexoClipData>();
    TestTracks::driveAfterNoFix(*track, 20, 300);
    // A jolt inside the window and a stronger one outside it.
    track->setSample(100, -300, 400, 0, track->getGpsLat(100), track->getGpsLng(100), 55);
    track->setSample(250, 600, 600, 600, track->getGpsLat(250), track->getGpsLng(250), 90);
    return track;
}
} // namespace

TEST(IncidentFiguresTest, ThePeakIsTheLargestMagnitudeInTheWindowAndItsPlayTime)
{
    const auto track = driveWithJolts();
    const auto window = IncidentWindow::clipped(10.0, 5.0, 5.0, 30.0);
    ASSERT_TRUE(window);
    const IncidentFigures figures = IncidentFigures::compute(*track, *window);
    ASSERT_TRUE(figures.peak());
    EXPECT_EQ(figures.peak()->index, 100);
    EXPECT_DOUBLE_EQ(figures.peak()->at, 10.0);
    EXPECT_DOUBLE_EQ(figures.peak()->g, 500.0 / 128.0) << "|(-300, 400, 0)| = 500 counts";
    EXPECT_EQ(figures.sampleCount(), 100);

    // Over the whole recording the stronger jolt wins.
    const auto strongest = IncidentFigures::strongestSample(*track);
    ASSERT_TRUE(strongest);
    EXPECT_EQ(strongest->index, 250);
    EXPECT_NEAR(strongest->g, std::sqrt(3.0) * 600.0 / 128.0, 1e-12);
}

TEST(IncidentFiguresTest, EqualPeaksGiveTheFirstAndAnEmptyTrackNone)
{
    VexoClipData track;
    TestTracks::constant(track, 50, 37.5f, 127.0f);
    const auto window = IncidentWindow::clipped(2.0, 2.0, 3.0, 5.0);
    ASSERT_TRUE(window);
    EXPECT_EQ(IncidentFigures::compute(track, *window).peak()->index, 0);

    track.clear();
    const IncidentFigures none = IncidentFigures::compute(track, *window);
    EXPECT_FALSE(none.hasSensorData());
    EXPECT_FALSE(none.peak());
    EXPECT_FALSE(none.hasPosition());
    const QJsonObject json = none.json();
    for (const QString &key : {u"peakG"_s, u"peakAt"_s, u"topSpeed"_s, u"start"_s, u"end"_s}) {
        EXPECT_TRUE(json.value(key).isNull()) << key.toStdString();
    }
}

TEST(IncidentFiguresTest, SpeedAndPositionsComeFromTheFixesInTheWindowOnly)
{
    const auto track = driveWithJolts();
    // Samples 0 to 19 have no fix: a window over 1 s to 4 s has fixes from sample 20 on.
    const auto window = IncidentWindow::clipped(2.5, 1.5, 1.5, 30.0);
    ASSERT_TRUE(window);
    const IncidentFigures figures = IncidentFigures::compute(*track, *window);
    EXPECT_EQ(figures.sampleCount(), 30);
    ASSERT_EQ(figures.fixes().size(), 20);
    EXPECT_EQ(figures.start()->index, 20);
    EXPECT_EQ(figures.end()->index, 39);
    EXPECT_EQ(figures.topSpeed(), 40u);
    EXPECT_FLOAT_EQ(figures.start()->lat, 37.5f + 20.0f / 10000.0f);

    // The jolt at sample 100 came with 55 km/h: a window holding it has that top speed, not the
    // 90 km/h of a sample outside it.
    const auto around = IncidentWindow::clipped(10.0, 5.0, 5.0, 30.0);
    EXPECT_EQ(IncidentFigures::compute(*track, *around).topSpeed(), 55u);

    // A window without a fix says no speed and no position.
    const auto early = IncidentWindow::clipped(0.5, 0.5, 1.0, 30.0);
    const IncidentFigures noFix = IncidentFigures::compute(*track, *early);
    EXPECT_TRUE(noFix.hasSensorData());
    EXPECT_FALSE(noFix.hasPosition());
    EXPECT_FALSE(noFix.topSpeed());
}

TEST(IncidentFiguresTest, AWindowBeyondTheTrackHasNoSamples)
{
    VexoClipData track;
    TestTracks::constant(track, 50, 37.5f, 127.0f);
    // The video runs 60 s, the track only 5 s.
    const auto window = IncidentWindow::clipped(30.0, 5.0, 5.0, 60.0);
    const IncidentFigures figures = IncidentFigures::compute(track, *window);
    EXPECT_EQ(figures.sampleCount(), 0);
    EXPECT_FALSE(figures.peak());
}

TEST(RecordingTimeTest, TheCameraClockIsReadFromTheFileName)
{
    EXPECT_EQ(RecordingTime::fromFileName(u"/card/cont_rec/20261207_081500_F.mp4"_s),
              QDateTime(QDate(2026, 12, 7), QTime(8, 15, 0), Qt::UTC));
    EXPECT_EQ(RecordingTime::text(*RecordingTime::fromFileName(u"Rec_20261207_081900.avi"_s)),
              u"2026-12-07 08:19:00"_s);
    EXPECT_TRUE(RecordingTime::fromFileName(u"EVT-20250102-235959.avi"_s));
    // Not a date: month 13; the folders never count; longer digit runs are no stamp.
    EXPECT_FALSE(RecordingTime::fromFileName(u"20261307_081500_F.mp4"_s));
    EXPECT_FALSE(RecordingTime::fromFileName(u"/20261207_081500/clip.mp4"_s));
    EXPECT_FALSE(RecordingTime::fromFileName(u"120261207_0815001.mp4"_s));
    EXPECT_FALSE(RecordingTime::fromFileName(u"trip.mp4"_s));
}

TEST(IncidentClipsTest, ClipsAreStreamCopiesSeekingTheInputAndTheDurationIsReadFromFfmpeg)
{
    const QStringList cut = IncidentClips::cutArguments(u"/w/a b_f.mov"_s, 12.3, 30.0, u"/o/front.mov"_s);
    // Seeking before the input starts on a keyframe; -t counts the window's length.
    EXPECT_LT(cut.indexOf(u"-ss"_s), cut.indexOf(u"-i"_s));
    EXPECT_EQ(cut.at(cut.indexOf(u"-ss"_s) + 1), u"12.300"_s);
    EXPECT_EQ(cut.at(cut.indexOf(u"-t"_s) + 1), u"30.000"_s);
    EXPECT_EQ(cut.at(cut.indexOf(u"-c"_s) + 1), u"copy"_s);
    EXPECT_EQ(cut.at(cut.indexOf(u"-i"_s) + 1), u"/w/a b_f.mov"_s) << "one argument, never split";
    EXPECT_EQ(cut.constLast(), u"/o/front.mov"_s);

    EXPECT_EQ(IncidentClips::durationFromReport(u"  Duration: 00:01:00.03, start: 0.000000, bitrate: 1 kb/s"_s), 60.03);
    EXPECT_EQ(IncidentClips::durationFromReport(u"Duration: 01:02:03.5"_s), 3723.5);
    EXPECT_FALSE(IncidentClips::durationFromReport(u"Duration: N/A, bitrate: N/A"_s));
}

TEST(IncidentFolderNameTest, TheProposedFolderIsNamedAfterTheRecordingAndMomentAndNeverTaken)
{
    QTemporaryDir parent;
    const QString first = IncidentFolderName::proposed(parent.path(), u"/card/20261207_081500_F.mp4"_s, 7.3456);
    EXPECT_EQ(first, QDir(parent.path()).filePath(u"20261207_081500_F_incident_7345"_s));
    ASSERT_TRUE(QDir().mkdir(first));
    EXPECT_EQ(IncidentFolderName::proposed(parent.path(), u"/card/20261207_081500_F.mp4"_s, 7.3456), first + u" (2)"_s);
    EXPECT_TRUE(IncidentFolderName::proposed(parent.path(), u"a.avi"_s, NAN).endsWith(u"a_incident_0"_s));
}
