// A recording's load, readiness and end in the main window, with stand-in players that report
// exactly what each test needs when it needs it (the conversion and the sensor track are real).
#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"

#include "app/CardFollower.h"
#include "app/ConversionProgress.h"
#include "app/RecordingMoments.h"
#include "playback/Dashboard.h"
#include "playback/SeekTimeSliderView.h"
#include "support/StandInPlayer.h"
#include "support/TextFit.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>

namespace {
class PlaybackLoadTest : public DemoWindowTest
{
protected:
    void SetUp() override
    {
        DemoWindowTest::SetUp();
        big()->setPlayerFactory(bigPlayers.factory());
        small()->setPlayerFactory(smallPlayers.factory());
    }

    // Double-clicks the row whose file name ends in SUFFIX.
    void choose(const QString &suffix)
    {
        const int row = rowNamed(suffix);
        ASSERT_GE(row, 0) << suffix.toStdString();
        ui().fileListTableView->selectRow(row);
        controller->videoFileListDoubleClicked();
    }

    // Waits until the chosen recording's files are in new stand-ins (conversion and track read done).
    bool waitForPlayers(qsizetype bigBefore, bool withRear = true) const
    {
        return QTest::qWaitFor(
            [&] {
                return bigPlayers.count() > bigBefore && bigPlayers.latest() != nullptr &&
                       !bigPlayers.latest()->loadedPath.isEmpty() &&
                       (!withRear ||
                        (smallPlayers.latest() != nullptr && !smallPlayers.latest()->loadedPath.isEmpty()));
            },
            60000);
    }

    static void ready(StandInPlayer *player, double length = 60.0)
    {
        player->length = length;
        Q_EMIT player->fileLoaded();
    }

    // Chooses a two-camera recording and lets both players report ready.
    void playTwoCameras(const QString &suffix)
    {
        const qsizetype before = bigPlayers.count();
        choose(suffix);
        ASSERT_TRUE(waitForPlayers(before));
        ready(bigPlayers.latest());
        ready(smallPlayers.latest());
        ASSERT_TRUE(waitUntilPlaying());
    }

    bool playing() const { return !playback().isVideoPaused() || playback().isPlayTimerRunning(); }

    // The alert named NAME, once it is shown.
    QMessageBox *waitForAlert(const QString &name) const
    {
        QMessageBox *alert = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                alert = controller->mainWindow()->findChild<QMessageBox *>(name);
                return alert != nullptr;
            },
            5000);
        return shown ? alert : nullptr;
    }

    StandInPlayers bigPlayers;
    StandInPlayers smallPlayers;
};

TEST_F(PlaybackLoadTest, SwapWorksOnlyOnTheRecordingsOwnPlayersAndEveryLoadStartsUnswapped)
{
    playTwoCameras(u"F.mp4"_s);
    EXPECT_TRUE(ui().switchVideoButton->isEnabled());

    const qsizetype before = bigPlayers.count();
    choose(u"_EVT.avi"_s);
    // From the double-click until the new players are ready, swapping has nothing to act on.
    EXPECT_FALSE(ui().switchVideoButton->isEnabled());
    EXPECT_FALSE(ui().fastForwardButton->isEnabled());
    EXPECT_FALSE(ui().seekTimeSldierView->isEnabled());
    playback().toggleVideoSwithButtonTouched(); // as a key would
    EXPECT_FALSE(playback().isVideoSwitched());
    ASSERT_TRUE(waitForPlayers(before));
    playback().toggleVideoSwithButtonTouched(); // files in place, players not ready yet
    EXPECT_FALSE(ui().switchVideoButton->isEnabled());
    ready(bigPlayers.latest());
    ready(smallPlayers.latest());
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(playback().isVideoSwitched());
    const int row = controller->selectedRow();
    // The recording's own file, its first picture large and its second small.
    EXPECT_EQ(big()->fileName(), controller->library()->urlAt(row).toLocalFile());
    EXPECT_EQ(bigPlayers.latest()->loadedTrack, 1);
    EXPECT_EQ(smallPlayers.latest()->loadedTrack, 2);
    EXPECT_EQ(controller->takeBigVideoURL(row), controller->library()->urlAt(row)) << "save-copy takes the front";
    EXPECT_TRUE(ui().switchVideoButton->isEnabled());
    EXPECT_TRUE(ui().fastForwardButton->isEnabled());

    ui().switchVideoButton->click();
    EXPECT_TRUE(playback().isVideoSwitched());
    EXPECT_EQ(big()->videoTrack(), 2) << "the rear picture large";
}

TEST_F(PlaybackLoadTest, AStatusOfTheLastRecordingNeverReachesTheNextOne)
{
    playTwoCameras(u"F.mp4"_s);
    // The players report ready once more (as a late answer would), and another recording is chosen
    // before those reports are delivered.
    ready(bigPlayers.latest());
    ready(smallPlayers.latest());
    const qsizetype before = bigPlayers.count();
    ConversionProgress *progress = playback().conversionProgress();
    choose(u"_EVT.avi"_s);
    drain();
    EXPECT_FALSE(playback().isRecordingReady()) << "the new recording is still on its way";
    EXPECT_FALSE(progress->isActive()) << "played as it is: nothing to convert";
    EXPECT_FALSE(playing()) << "nothing plays while the new recording loads";
    if (Dashboard *dashboard = controller->dashboard()) {
        EXPECT_FALSE(dashboard->isPlayAnimationRunning());
    }
    ASSERT_TRUE(waitForPlayers(before));
    ready(bigPlayers.latest());
    ready(smallPlayers.latest());
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(progress->isActive());
}

TEST_F(PlaybackLoadTest, TheSeekSliderFollowsTheLengthWhenItIsReportedLate)
{
    const qsizetype before = bigPlayers.count();
    choose(u"_EVT.avi"_s);
    ASSERT_TRUE(waitForPlayers(before));
    ready(bigPlayers.latest(), 0.0); // ready before its length is known
    ready(smallPlayers.latest());
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(ui().seekTimeSldierView->maxSliderValue(), 0.0);
    bigPlayers.latest()->length = 42.5;
    Q_EMIT bigPlayers.latest()->durationChanged(42.5);
    EXPECT_EQ(ui().seekTimeSldierView->maxSliderValue(), 42.5);
    // The small player's length is not the slider's.
    Q_EMIT smallPlayers.latest()->durationChanged(10.0);
    EXPECT_EQ(ui().seekTimeSldierView->maxSliderValue(), 42.5);
}

TEST_F(PlaybackLoadTest, AFileThatFailedNeverBecomesReadyEvenIfItsLoadIsReportedAfter)
{
    const qsizetype before = bigPlayers.count();
    choose(u"_EVT.avi"_s);
    ASSERT_TRUE(waitForPlayers(before));
    ready(bigPlayers.latest());
    // The rear file fails between its loading and the answer to the question asked then.
    Q_EMIT smallPlayers.latest()->loadFailed(u"damaged"_s);
    ready(smallPlayers.latest());
    // The failure alert says the error stayed once the answer was in.
    ASSERT_NE(waitForAlert(u"unsupportedFileAlert"_s), nullptr);
    EXPECT_EQ(small()->status(), VexoAVViewStatusError);
    EXPECT_FALSE(playing()) << "a two-camera recording whose rear fails never starts";
    EXPECT_FALSE(playback().conversionProgress()->isActive());
}

TEST_F(PlaybackLoadTest, StopPressedWhileARecordingLoadsHoldsWhenItBecomesReady)
{
    const qsizetype before = bigPlayers.count();
    choose(u"_EVT.avi"_s);
    playback().stopButtonTouched();
    ASSERT_TRUE(waitForPlayers(before));
    ready(bigPlayers.latest());
    ready(smallPlayers.latest());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !playback().conversionProgress()->isActive(); }, 5000));
    drain();
    EXPECT_FALSE(playing());
    EXPECT_EQ(bigPlayers.latest()->playRate, 0.0);
    EXPECT_TRUE(ui().fastForwardButton->isEnabled()) << "ready, only not started";
    playback().playPauseButtonTouched();
    EXPECT_TRUE(playing());
    EXPECT_EQ(bigPlayers.latest()->playRate, 1.0);

    // Stop once playing is the ordinary stop; the next recording starts by itself again.
    playback().stopButtonTouched();
    EXPECT_FALSE(playing());
    playTwoCameras(u"F.mp4"_s);
}

TEST_F(PlaybackLoadTest, AnEndInsideTheMovieSaysItIsDamagedAndStaysOnTheRecording)
{
    playTwoCameras(u"F.mp4"_s);
    const int row = controller->selectedRow();
    StandInPlayer *player = bigPlayers.latest();
    // The user seeks to the middle; the player finds nothing readable there and stops at its end.
    playback().seekTimeSliderTouchedUp(30.0);
    Q_EMIT player->endReached();
    QMessageBox *alert = waitForAlert(u"damagedRecordingAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->informativeText().contains(u"00:30"_s)) << alert->informativeText().toStdString();
    EXPECT_EQ(controller->selectedRow(), row) << "no silent move to the next recording";
    EXPECT_EQ(bigPlayers.latest(), player) << "the same movie stays loaded";
    EXPECT_TRUE(playback().isVideoPaused());
    alert->close();

    // At its real end the recording moves on as before.
    player->position = 59.97;
    Q_EMIT player->endReached();
    EXPECT_EQ(controller->selectedRow(), controller->library()->nextRow(row));
}
TEST_F(PlaybackLoadTest, TheRecordingBeingLoadedIsCurrentAndTheOneBeforeTakesNoSteps)
{
    playTwoCameras(u"F.mp4"_s);
    const qsizetype count = bigPlayers.count();
    choose(u"_EVT.avi"_s);
    const int chosen = rowNamed(u"_EVT.avi"_s);
    // The list is read again (a card mounted) while the new recording is still on its way.
    controller->cardFollower()->refreshVideoFileList();
    EXPECT_EQ(controller->selectedRow(), chosen) << "the row of the recording being loaded stays selected";
    EXPECT_EQ(playback().currentVideoUrl(), controller->library()->urlAt(chosen));
    // The frame-step keys and a seek do nothing until the new players are ready.
    ASSERT_TRUE(waitForPlayers(count));
    StandInPlayer *front = bigPlayers.latest();
    playback().fastForwardButtonTouched();
    playback().rewindButtonTouched();
    playback().seekTimeSliderTouchedUp(12.0);
    EXPECT_EQ(front->steps, 0);
    EXPECT_EQ(front->position, 0.0);
    ready(front);
    ready(smallPlayers.latest());
    ASSERT_TRUE(waitUntilPlaying());
    playback().fastForwardButtonTouched();
    EXPECT_EQ(front->steps, 1) << "ready: the key steps the new recording";
}

TEST_F(PlaybackLoadTest, APausedSeekRefreshesTheReadoutsAtOnce)
{
    playTwoCameras(u"F.mp4"_s);
    playback().pauseVideo();
    bigPlayers.latest()->position = 4.0;
    playback().fastForwardButtonTouched(); // a tick at 4 s
    const QString at4 = ui().playTimeTextField->text();
    QSignalSpy ticks(&playback(), &PlaybackController::ticked);
    playback().seekTimeSliderTouchedUp(42.0);
    ASSERT_EQ(ticks.size(), 1) << "the seek ticks once, as the timer would";
    EXPECT_EQ(ticks.at(0).at(0).value<PlaybackTicker::Tick>().sampleIndex, 420);
    EXPECT_NE(ui().playTimeTextField->text(), at4);
    EXPECT_TRUE(playback().isVideoPaused());
}
// The slider marks the recording's hard jolts and the frame's time on the camera's clock shows
// beside the play time; a new choice starts without the last recording's.
TEST_F(PlaybackLoadTest, TheSliderMarksTheJoltsAndTheFrameShowsTheCamerasClock)
{
    playTwoCameras(u"F.mp4"_s);
    EXPECT_EQ(ui().seekTimeSldierView->eventMarks(), RecordingMoments::hardEventSeconds(playback().clipData()));
    playback().pauseVideo();
    bigPlayers.latest()->position = 4.0;
    playback().fastForwardButtonTouched(); // a tick at 4 s
    EXPECT_EQ(ui().frameTimeLabel->text().count(u'\n'), 1) << ui().frameTimeLabel->text().toStdString();
    const QString fit = TextFit::overflowingTexts(ui().frameTimeLabel->parentWidget()).join(u"; "_s);
    EXPECT_TRUE(fit.isEmpty()) << fit.toStdString();
    ui().seekTimeSldierView->setEventMarks({1.0}); // as a recording with a jolt leaves them
    choose(u"_EVT.avi"_s);
    EXPECT_TRUE(ui().seekTimeSldierView->eventMarks().isEmpty());
}
// While both play, the small player keeps to the large one's clock, the large one shows when it
// waits for the card, and a part of the movie the player skipped over is said, as an end inside
// the movie is.
TEST_F(PlaybackLoadTest, WhilePlayingTheRearWaitsForTheFrontAndASkippedPartIsSaid)
{
    playTwoCameras(u"F.mp4"_s);
    StandInPlayer *front = bigPlayers.latest();
    StandInPlayer *rear = smallPlayers.latest();
    QSignalSpy ticks(&playback(), &PlaybackController::ticked);
    playback().seekTimeSliderTouchedUp(26.0);
    front->waiting = true;
    rear->position = 26.5; // the front stands still on a slow card, the rear runs on
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(rear->playRate, 0.0) << "the rear waits";
    auto *label = controller->mainWindow()->findChild<QLabel *>(u"waitingForCardLabel"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    front->waiting = false;
    front->position = 26.6;
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(rear->playRate, 1.0) << "caught up: the rear plays again";
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"damagedRecordingAlert"_s), nullptr)
        << "a seek is no skip";

    front->position = 46.0;
    QMessageBox *alert = waitForAlert(u"damagedRecordingAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->informativeText().contains(u"00:26"_s)) << alert->informativeText().toStdString();
    EXPECT_TRUE(alert->informativeText().contains(u"00:46"_s));
    EXPECT_TRUE(playback().isVideoPaused());
    alert->close();
}

// A recording whose file went away while it played is left: nothing of it plays from what the
// players still hold, and the message does not call it damaged.
TEST_F(PlaybackLoadTest, ARecordingWhoseFileWentAwayIsLeftAndNotCalledDamaged)
{
    const int source = rowNamed(u"F.mp4"_s);
    ASSERT_GE(source, 0);
    const QString copy = demoFolder().filePath(u"card/cont_rec/zz_pulled.mp4"_s);
    ASSERT_TRUE(QFile::copy(controller->library()->urlAt(source).toLocalFile(), copy));
    controller->cardFollower()->refreshVideoFileList();
    const qsizetype before = bigPlayers.count();
    choose(u"zz_pulled.mp4"_s);
    ASSERT_TRUE(waitForPlayers(before, false));
    ready(bigPlayers.latest());
    ASSERT_TRUE(waitUntilPlaying());
    playback().seekTimeSliderTouchedUp(30.0);
    ASSERT_TRUE(QFile::remove(copy));
    Q_EMIT bigPlayers.latest()->endReached();
    QMessageBox *alert = waitForAlert(u"cardTroubleAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->informativeText(),
              VexoLanguages::SharedVexoLanguages().localized(u"녹화 파일이 더 이상 메모리카드에 없습니다."_s));
    EXPECT_EQ(controller->mainWindow()->findChild<QMessageBox *>(u"damagedRecordingAlert"_s), nullptr);
    EXPECT_FALSE(big()->hasMovie());
    EXPECT_TRUE(playback().currentVideoUrl().isEmpty());
    alert->close();
    playback().playPauseButtonTouched(); // Space
    EXPECT_FALSE(playing());
}
} // namespace
