// Mirror, zoom, pan and full screen in the main window, with the demo card's recordings playing.
#include "app/window/ViewingModesController.h"

#include "DemoWindowTest.h"

#include "app/window/FullScreenMovieWindow.h"
#include "app/window/SnapshotController.h"
#include "map/MapWebView.h"
#include "playback/VolumeSliderView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace {
class ViewingModesControllerTest : public DemoWindowTest
{
};

TEST_F(ViewingModesControllerTest, ZoomAndPanSizeTheLargePictureAndScrollBarsComeOnlyWithBoth)
{
    EXPECT_EQ(ui().fullScreenButton->imageName(), u"pan_1"_s);
    playFrontAndRear();
    // At 1.0 the picture fits its place and no scroll bar shows while it plays.
    EXPECT_EQ(big()->size(), scroll()->size());
    EXPECT_TRUE(noScrollBars());

    for (int step = 0; step < 5; ++step) {
        ASSERT_TRUE(clickAndWaitForScale(ui().zoomInButton));
    }
    EXPECT_NEAR(modes().modes().videoScale(), 2.0, 1e-6);
    EXPECT_EQ(big()->size(), scroll()->size() * 2);
    EXPECT_TRUE(noScrollBars()) << "zoomed, but not in pan mode";

    ASSERT_TRUE(clickAndWaitForScale(ui().fullScreenButton));
    EXPECT_TRUE(modes().modes().enableBigMovieViewScroll());
    EXPECT_EQ(ui().fullScreenButton->imageName(), u"pan_2"_s);
    EXPECT_FALSE(ui().fullScreenButton->allowAutoMouseEventImage());
    EXPECT_TRUE(scrollBarsShown());
    // Centred: half of what can be scrolled either way.
    const QScrollBar *across = scroll()->horizontalScrollBar();
    const QScrollBar *down = scroll()->verticalScrollBar();
    EXPECT_GT(across->maximum(), 0);
    EXPECT_NEAR(across->value(), across->maximum() / 2.0, 1.0);
    EXPECT_NEAR(down->value(), down->maximum() / 2.0, 1.0);

    ASSERT_TRUE(clickAndWaitForScale(ui().resetScaleButton));
    EXPECT_EQ(big()->size(), scroll()->size());
    EXPECT_TRUE(noScrollBars()) << "pan mode at 1.0";

    // Zoomed in pan mode, then a new recording: back to a fitted picture, pan mode off.
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(clickAndWaitForScale(ui().zoomInButton));
    }
    EXPECT_TRUE(scrollBarsShown());
    playback().playNextFileButtonTouched();
    ASSERT_TRUE(waitUntilPlaying());
    ASSERT_TRUE(QTest::qWaitFor([this] { return big()->size() == scroll()->size(); }, 5000));
    EXPECT_EQ(modes().modes().videoScale(), 1.0);
    EXPECT_FALSE(modes().modes().enableBigMovieViewScroll());
    EXPECT_EQ(ui().fullScreenButton->imageName(), u"pan_1"_s);
    EXPECT_TRUE(ui().fullScreenButton->allowAutoMouseEventImage());
    EXPECT_TRUE(noScrollBars());
}

TEST_F(ViewingModesControllerTest, TheMirrorFlipsBothPicturesAndANewMovieStartsUnmirrored)
{
    playFrontAndRear();
    ui().flipButton->click();
    EXPECT_TRUE(big()->upsideDown());
    EXPECT_TRUE(small()->upsideDown());
    ui().flipButton->click();
    EXPECT_FALSE(big()->upsideDown());
    EXPECT_FALSE(small()->upsideDown());
}

TEST_F(ViewingModesControllerTest, FullScreenWithTheSmallPlayerPausesTheLargeOneWhichCatchesUpAfterwards)
{
    playFrontAndRear();
    const QRect smallPlace = small()->geometry();
    QWidget *smallParent = small()->parentWidget();
    ui().volumeSliderView->setVolume(0.6f);
    QWidget *map = controller->mapWebView();
    const bool mapWasHidden = map == nullptr || map->isHidden();

    modes().vexoAVViewDidRequestFullscreen(small()); // a right click on the small picture
    ASSERT_TRUE(modes().modes().isFullScreenMode());
    if (map != nullptr) {
        EXPECT_TRUE(map->isHidden()) << "the map goes while a picture is full screen";
    }
    FullScreenMovieWindow *window = modes().fullScreenWindow();
    EXPECT_EQ(modes().fullScreenMovieView(), small());
    EXPECT_EQ(small()->parentWidget(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(modes().isControlStripShown());
    EXPECT_EQ(controller->fullscreenMovieControlWindow()->parentWidget(), window) << "the strip floats over it";
    EXPECT_NEAR(small()->volume(), 0.6f, 0.01f) << "the picture shown is heard";
    EXPECT_TRUE(QTest::qWaitFor([this] { return big()->playerRate() == 0.0; }, 5000)) << "the large one waits";
    EXPECT_FALSE(playback().isVideoPaused()) << "playback itself goes on";

    // Zoom requests wait until full screen ends.
    const QSize before = big()->size();
    ui().zoomInButton->click();
    drain();
    EXPECT_EQ(big()->size(), before);

    // The small picture plays on while the large one stands.
    const double largeStood = big()->currentTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return small()->currentTime() > largeStood + 1.0; }, 10000));

    // Return (here in the full-screen window) leaves full screen.
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_FALSE(modes().modes().isFullScreenMode());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(small()->parentWidget(), smallParent);
    EXPECT_EQ(small()->geometry(), smallPlace);
    EXPECT_FALSE(modes().isControlStripShown());
    EXPECT_EQ(small()->volume(), 0.0f) << "the small player is silent again";
    if (map != nullptr) {
        EXPECT_EQ(map->isHidden(), mapWasHidden) << "and comes back as it was";
    }
    EXPECT_FALSE(playback().isVideoPaused());
    // The large picture caught up with the small one and plays on in step with it.
    ASSERT_TRUE(QTest::qWaitFor([this] { return big()->playerRate() == 1.0; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return big()->currentTime() > largeStood + 1.0; }, 5000));
    EXPECT_NEAR(big()->currentTime(), small()->currentTime(), 0.3);
    // The zoom asked for during full screen applies now.
    ASSERT_TRUE(QTest::qWaitFor([&] { return big()->size() != before; }, 5000));
}

TEST_F(ViewingModesControllerTest, FullScreenWithTheLargePlayerLeftWhilePausedStaysPaused)
{
    playFrontAndRear();
    // Return in the main window means the large picture.
    QTest::keyClick(controller->mainWindow(), Qt::Key_Return);
    ASSERT_TRUE(modes().modes().isFullScreenMode());
    EXPECT_EQ(modes().fullScreenMovieView(), big());
    EXPECT_EQ(scroll()->widget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return small()->playerRate() == 0.0; }, 5000));
    EXPECT_EQ(small()->volume(), 0.0f);

    // The strip follows the pointer: away in the lower part, back in the top quarter.
    FullScreenMovieWindow *window = modes().fullScreenWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->height() > 0 && big()->height() == window->height(); }, 5000));
    const auto pointerAt = [this](int y) {
        const QPointF at(big()->width() / 2.0, y);
        QMouseEvent move(QEvent::MouseMove, at, big()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(big(), &move);
    };
    pointerAt(big()->height() * 3 / 4);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !modes().isControlStripShown(); }, 5000)) << "faded out";
    pointerAt(5);
    EXPECT_TRUE(modes().isControlStripShown());

    // The strip's play button pauses; Escape leaves; nothing resumes.
    ui().fullScreenPlayPauseButton->click();
    ASSERT_TRUE(playback().isVideoPaused());
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_FALSE(modes().modes().isFullScreenMode());
    EXPECT_EQ(scroll()->widget(), big()) << "back in its scroll view";
    EXPECT_TRUE(playback().isVideoPaused());
    // Exactly at the shown picture's time (within a frame), not at the nearest whole second.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return std::abs(small()->currentTime() - big()->currentTime()) < 0.1; }, 5000));
    drain();
    EXPECT_EQ(small()->playerRate(), 0.0);
    EXPECT_EQ(big()->playerRate(), 0.0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return big()->size() == scroll()->size(); }, 5000));

    // Escape outside full screen does nothing.
    QTest::keyClick(controller->mainWindow(), Qt::Key_Escape);
    EXPECT_FALSE(modes().modes().isFullScreenMode());
    EXPECT_EQ(scroll()->widget(), big());
    EXPECT_TRUE(playback().isVideoPaused());
}

TEST_F(ViewingModesControllerTest, ANewRecordingInFullScreenKeepsZoomAndPan)
{
    playFrontAndRear();
    ASSERT_TRUE(clickAndWaitForScale(ui().zoomInButton));
    ASSERT_TRUE(clickAndWaitForScale(ui().fullScreenButton));
    modes().fullscreenButtonTouched(ui().fullScreenButton);
    ASSERT_TRUE(modes().modes().isFullScreenMode());
    playback().playNextFileButtonTouched();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(modes().modes().videoScale(), 1.0 + double(0.2f));
    EXPECT_TRUE(modes().modes().enableBigMovieViewScroll());
    EXPECT_EQ(modes().fullScreenMovieView(), big()) << "the new recording plays full screen";
    modes().hideFullScreenMovie();
    ASSERT_TRUE(QTest::qWaitFor([this] { return scrollBarsShown(); }, 5000)) << "zoomed in pan mode still";
}

TEST_F(ViewingModesControllerTest, WithoutAMovieFullScreenSnapshotAndPrintDoNothing)
{
    QTest::keyClick(controller->mainWindow(), Qt::Key_Return);
    EXPECT_FALSE(modes().modes().isFullScreenMode());
    modes().fullscreenButtonTouched(small());
    EXPECT_FALSE(modes().modes().isFullScreenMode());
    EXPECT_EQ(scroll()->widget(), big());

    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    controller->snapshots()->snapshotButtonTouched();
    controller->snapshots()->printButtonTouched();
    drain();
    EXPECT_FALSE(opened) << "no dialog for a picture that is not there";
}
} // namespace
