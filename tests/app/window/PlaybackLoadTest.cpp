// A recording's load, readiness and end in the main window, with stand-in players that report
// exactly what each test needs when it needs it (the conversion and the sensor track are real).
#include "DemoWindowTest.h"

#include "app/ConversionProgress.h"
#include "playback/Dashboard.h"
#include "playback/SeekTimeSliderView.h"
#include "support/StandInPlayer.h"

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
    choose(u"_MOT.avi"_s);
    ASSERT_TRUE(waitForPlayers(before, false));
    ready(bigPlayers.latest(), 0.0); // ready before its length is known
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(ui().seekTimeSldierView->maxSliderValue(), 0.0);
    bigPlayers.latest()->length = 42.5;
    Q_EMIT bigPlayers.latest()->durationChanged(42.5);
    EXPECT_EQ(ui().seekTimeSldierView->maxSliderValue(), 42.5);
    // The small player's length is not the slider's.
    Q_EMIT bigPlayers.latest()->durationChanged(42.5);
    if (smallPlayers.latest() != nullptr) {
        Q_EMIT smallPlayers.latest()->durationChanged(10.0);
    }
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
    drain();
    QTest::qWait(50);
    drain();
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
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            alert = controller->mainWindow()->findChild<QMessageBox *>(u"damagedRecordingAlert"_s);
            return alert != nullptr;
        },
        5000));
    EXPECT_TRUE(alert->informativeText().contains(u"00:30"_s)) << alert->informativeText().toStdString();
    EXPECT_FALSE(alert->informativeText().isEmpty());
    EXPECT_EQ(controller->selectedRow(), row) << "no silent move to the next recording";
    EXPECT_EQ(bigPlayers.latest(), player) << "the same movie stays loaded";
    EXPECT_TRUE(playback().isVideoPaused());
    alert->close();

    // At its real end the recording moves on as before.
    player->position = 59.97;
    Q_EMIT player->endReached();
    EXPECT_EQ(controller->selectedRow(), controller->library()->nextRow(row));
}
} // namespace
