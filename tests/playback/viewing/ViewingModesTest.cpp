// Zoom, pan and full-screen decisions, driven without windows.
#include "playback/viewing/ViewingModes.h"

#include <gtest/gtest.h>

#include <cmath>

using Player = ViewingModes::Player;

TEST(ViewingModesTest, ZoomStepsInSinglePrecisionAreCappedAtFiveAndFlooredAtOne)
{
    ViewingModes modes;
    EXPECT_EQ(modes.videoScaleDown(), 1.0) << "a step down at 1.0 stays 1.0";
    double scale = 1.0;
    for (int step = 0; step < 19; ++step) {
        scale = modes.videoScaleUp();
    }
    EXPECT_LT(scale, 5.0);
    EXPECT_NEAR(scale, 4.8, 1e-6);
    // The twentieth step would pass 5.0 by the float's error and is capped.
    EXPECT_GT(scale + double(0.2f), 5.0);
    EXPECT_EQ(modes.videoScaleUp(), 5.0);
    EXPECT_EQ(modes.videoScaleUp(), 5.0) << "one more changes nothing";
    EXPECT_EQ(modes.videoScale(), 5.0);

    EXPECT_EQ(modes.videoScaleDown(), 5.0 - double(0.2f));
    for (int step = 0; step < 25; ++step) {
        modes.videoScaleDown();
    }
    EXPECT_EQ(modes.videoScale(), 1.0);
    modes.videoScaleUp();
    EXPECT_EQ(modes.resetVideoScale(), 1.0);
}

TEST(ViewingModesTest, ScrollBarsOnlyOverAZoomedPictureInPanMode)
{
    ViewingModes modes;
    EXPECT_FALSE(modes.enableBigMovieViewScroll());
    EXPECT_EQ(modes.scrollModeImageName(), QStringLiteral("pan_1"));
    EXPECT_TRUE(modes.scrollModeButtonFollowsPointer());
    EXPECT_FALSE(modes.showsScrollBars()) << "at 1.0";

    for (int step = 0; step < 5; ++step) {
        modes.videoScaleUp();
    }
    EXPECT_NEAR(modes.videoScale(), 2.0, 1e-6);
    EXPECT_FALSE(modes.showsScrollBars()) << "zoomed without pan mode";
    EXPECT_TRUE(modes.enterScrollMode());
    EXPECT_TRUE(modes.showsScrollBars()) << "zoomed in pan mode";
    EXPECT_EQ(modes.scrollModeImageName(), QStringLiteral("pan_2"));
    EXPECT_FALSE(modes.scrollModeButtonFollowsPointer());
    modes.resetVideoScale();
    EXPECT_FALSE(modes.showsScrollBars()) << "pan mode at 1.0";
    EXPECT_FALSE(modes.enterScrollMode());
    EXPECT_EQ(modes.scrollModeImageName(), QStringLiteral("pan_1"));
}

TEST(ViewingModesTest, TheZoomedPictureIsSizedFromTheScrollViewAndCentred)
{
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), 1.0), QSize(744, 419));
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), 2.0), QSize(1488, 838));
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), 5.0), QSize(3720, 2095));
    // Out-of-range factors never shrink the picture below its place or blow it up without end.
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), 0.0), QSize(744, 419));
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), std::nan("")), QSize(744, 419));
    EXPECT_EQ(ViewingModes::documentSize(QSize(744, 419), 1e9), QSize(3720, 2095));

    EXPECT_EQ(ViewingModes::centredScrollPosition(QSize(1488, 838), QSize(730, 405)), QPoint(379, 217));
    EXPECT_EQ(ViewingModes::centredScrollPosition(QSize(744, 419), QSize(744, 419)), QPoint(0, 0));
    EXPECT_EQ(ViewingModes::centredScrollPosition(QSize(700, 400), QSize(744, 419)), QPoint(0, 0));
}

TEST(ViewingModesTest, ANewRecordingResetsZoomAndPanOnlyOutsideFullScreen)
{
    ViewingModes modes;
    modes.videoScaleUp();
    modes.enterScrollMode();
    EXPECT_TRUE(modes.prepareForRecording());
    EXPECT_EQ(modes.videoScale(), 1.0);
    EXPECT_FALSE(modes.enableBigMovieViewScroll());

    modes.videoScaleUp();
    modes.enterScrollMode();
    ASSERT_TRUE(modes.showFullScreenMovie(Player::Large, false));
    EXPECT_FALSE(modes.prepareForRecording());
    EXPECT_EQ(modes.videoScale(), 1.0 + double(0.2f));
    EXPECT_TRUE(modes.enableBigMovieViewScroll());
    EXPECT_FALSE(modes.appliesVideoScale()) << "zoom requests wait while full screen lasts";
    modes.videoScaleUp();
    ASSERT_TRUE(modes.hideFullScreenMovie());
    EXPECT_TRUE(modes.appliesVideoScale());
    EXPECT_EQ(modes.videoScale(), 1.0 + 2 * double(0.2f));
}

TEST(ViewingModesTest, FullScreenRequestsChooseThePlayerAndToggle)
{
    ViewingModes modes;
    Player shown = Player::None;
    EXPECT_EQ(modes.fullscreenRequest(Player::None, true, &shown), ViewingModes::FullScreenRequest::Enter);
    EXPECT_EQ(shown, Player::Large) << "a button, a key or the window mean the large player";
    EXPECT_EQ(modes.fullscreenRequest(Player::Small, true, &shown), ViewingModes::FullScreenRequest::Enter);
    EXPECT_EQ(shown, Player::Small);
    EXPECT_EQ(modes.fullscreenRequest(Player::Large, false, &shown), ViewingModes::FullScreenRequest::Ignore)
        << "no movie, nothing to show";

    ASSERT_TRUE(modes.showFullScreenMovie(Player::Small, true));
    EXPECT_FALSE(modes.showFullScreenMovie(Player::Large, false)) << "one full-screen picture at a time";
    EXPECT_EQ(modes.fullscreenRequest(Player::Large, false, nullptr), ViewingModes::FullScreenRequest::Leave)
        << "any request in full-screen mode leaves it";
}

TEST(ViewingModesTest, FullScreenWithTheSmallPlayerPausesTheLargeOneAndItCatchesUpOnLeaving)
{
    ViewingModes modes;
    const auto entering = modes.showFullScreenMovie(Player::Small, true);
    ASSERT_TRUE(entering);
    EXPECT_EQ(entering->shown, Player::Small);
    EXPECT_EQ(entering->paused, Player::Large);
    EXPECT_TRUE(entering->smallGetsVolume);
    EXPECT_TRUE(modes.isFullScreenMode());
    EXPECT_EQ(modes.fullScreenMovieView(), Player::Small);
    EXPECT_TRUE(modes.mapHiddenOnFullScreen());

    const auto leaving = modes.hideFullScreenMovie();
    ASSERT_TRUE(leaving);
    EXPECT_EQ(leaving->shown, Player::Small);
    EXPECT_EQ(leaving->other, Player::Large);
    EXPECT_TRUE(leaving->mapHidden);
    EXPECT_FALSE(leaving->restoreDocumentView);
    EXPECT_FALSE(modes.isFullScreenMode());
    EXPECT_EQ(modes.fullScreenMovieView(), Player::None);
    EXPECT_FALSE(modes.hideFullScreenMovie()) << "Escape outside full-screen mode does nothing";

    const auto playing = ViewingModes::catchUp(true, false, 7.25);
    ASSERT_TRUE(playing);
    EXPECT_TRUE(playing->pauseFirst);
    EXPECT_EQ(playing->seekTo, 7.25);
    EXPECT_TRUE(playing->resume);
    const auto paused = ViewingModes::catchUp(true, true, 7.25);
    ASSERT_TRUE(paused);
    EXPECT_EQ(paused->seekTo, 7.25);
    EXPECT_FALSE(paused->resume) << "a paused recording stays paused";
    EXPECT_FALSE(ViewingModes::catchUp(false, false, 7.25)) << "a player without a movie is left alone";
    EXPECT_EQ(ViewingModes::catchUp(true, true, std::nan(""))->seekTo, 0.0);

    const auto large = modes.showFullScreenMovie(Player::Large, false);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->paused, Player::Small);
    EXPECT_FALSE(large->smallGetsVolume);
    EXPECT_TRUE(modes.hideFullScreenMovie()->restoreDocumentView);
}

TEST(ViewingModesTest, TheControlStripSitsCentredInTheTopQuarterOfTheScreen)
{
    const QRect screen(1600, 0, 1600, 1200);
    EXPECT_EQ(ViewingModes::controlStripOrigin(screen, screen, QSize(160, 44)), QPoint(1600 + 720, 84));
    // A very low screen keeps the strip on it.
    EXPECT_EQ(ViewingModes::controlStripOrigin(QRect(0, 0, 640, 200), QRect(0, 0, 640, 200), QSize(160, 44)),
              QPoint(240, 0));

    EXPECT_TRUE(ViewingModes::wantsControlStrip(10.0, 1200.0));
    EXPECT_TRUE(ViewingModes::wantsControlStrip(299.0, 1200.0));
    EXPECT_FALSE(ViewingModes::wantsControlStrip(300.0, 1200.0));
    EXPECT_FALSE(ViewingModes::wantsControlStrip(1100.0, 1200.0));
    EXPECT_FALSE(ViewingModes::wantsControlStrip(0.0, 0.0));
}
