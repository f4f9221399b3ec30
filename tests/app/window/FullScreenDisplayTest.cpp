// Full screen on a real (virtual) X display: the picture covers the main window's screen and the
// control strip floats over it where the pointer calls it up. Set VELMORA_FULLSCREEN_SHOT to a
// file name to keep the screen grab for a look.
#include "DemoWindowTest.h"

#include "app/window/FullScreenMovieWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <set>

namespace {
class FullScreenDisplayTest : public DemoWindowTest
{
};

// How many different colours a horizontal line of IMAGE holds between X0 and X1 at height Y.
int coloursAlong(const QImage &image, int y, int x0, int x1)
{
    std::set<QRgb> colours;
    for (int x = x0; x < x1; ++x) {
        colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

TEST_F(FullScreenDisplayTest, ThePictureCoversTheScreenWithTheControlStripOverIt)
{
    playFrontAndRear();
    QTest::keyClick(controller->mainWindow(), Qt::Key_Return);
    ASSERT_TRUE(modes().modes().isFullScreenMode());
    FullScreenMovieWindow *window = modes().fullScreenWindow();
    QScreen *screen = window->screen();
    ASSERT_NE(screen, nullptr);
    const QRect screenFrame = screen->geometry();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->geometry() == screenFrame; }, 5000));
    QWidget *strip = controller->fullscreenMovieControlWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(strip, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return strip->windowOpacity() == 1.0; }, 5000)) << "faded in";
    EXPECT_EQ(strip->pos(), ViewingModes::controlStripOrigin(screenFrame, screenFrame, strip->size()));
    // Grab until the picture and the strip have both been drawn: on a busy machine the strip's
    // window may paint a little after it has faded in.
    const QRect place(strip->pos() - screenFrame.topLeft(), strip->size());
    QImage shot;
    const auto drawn = [&] {
        shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        return shot.size() == screenFrame.size() && coloursAlong(shot, shot.height() / 2, 0, shot.width()) > 50 &&
               qGray(shot.pixel(place.left() + 2, place.center().y())) == 0 &&
               coloursAlong(shot, place.center().y(), place.left(), place.right()) > 3;
    };
    EXPECT_TRUE(QTest::qWaitFor(drawn, 5000)) << "the picture and the strip were drawn";
    if (const QByteArray keep = qgetenv("VELMORA_FULLSCREEN_SHOT"); !keep.isEmpty()) {
        shot.save(QString::fromLocal8Bit(keep));
    }
    ASSERT_EQ(shot.size(), screenFrame.size());
    // The moving test picture fills the screen's middle (the main window is hidden behind it).
    EXPECT_GT(coloursAlong(shot, shot.height() / 2, 0, shot.width()), 50);
    EXPECT_EQ(big()->window(), window);
    // The strip: black, with its buttons drawn on it.
    EXPECT_EQ(qGray(shot.pixel(place.left() + 2, place.center().y())), 0) << "the strip's black edge";
    EXPECT_GT(coloursAlong(shot, place.center().y(), place.left(), place.right()), 3) << "its buttons";

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(modes().modes().isFullScreenMode());
    EXPECT_EQ(big()->window(), controller->mainWindow());
}
} // namespace
