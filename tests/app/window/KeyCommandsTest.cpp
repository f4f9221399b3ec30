// The keys of other video players on the demo card: each family drives the action its button
// runs, and does nothing while that button cannot be pressed.
#include "DemoWindowTest.h"

#include "playback/VolumeSliderView.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QTimer>

namespace {
class KeyCommandsTest : public DemoWindowTest
{
protected:
    // Types KEY into the recording list, as a user with the list focused would.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(ui().fileListTableView, key, modifiers);
        drain();
    }

    // Waits until the large player's time stops changing; the time it settled on.
    double settledTime() const
    {
        double last = -1.0;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const double now = big()->currentTime();
                const bool still = std::abs(now - last) < 1e-6;
                last = now;
                QTest::qWait(150);
                return still;
            },
            8000));
        return last;
    }

    // Presses KEY and answers the modal dialog it opens by rejecting it; the dialog's class, or
    // empty when none opened.
    QString pressAndRejectDialog(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = QString::fromLatin1(dialog->metaObject()->className());
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            }
        });
        press(key, modifiers);
        return opened;
    }

    double scale() const { return modes().modes().videoScale(); }

    // Presses KEY and waits for the zoom factor it asks for to be applied.
    bool pressAndWaitForScale(Qt::Key key)
    {
        QSignalSpy applied(&modes(), &ViewingModesController::videoScaleChanged);
        press(key);
        return applied.count() > 0 || applied.wait(5000);
    }
};

TEST_F(KeyCommandsTest, CommaAndPeriodStepOneFrameAndPause)
{
    playFrontAndRear();
    press(Qt::Key_Period);
    EXPECT_TRUE(playback().isVideoPaused()) << "a frame step pauses, as the frame buttons do";
    const double start = settledTime();
    press(Qt::Key_Period);
    ASSERT_TRUE(QTest::qWaitFor([&] { return big()->currentTime() > start + 1e-4; }, 5000)) << start;
    const double forward = settledTime();
    EXPECT_LT(forward - start, 0.2) << "one frame, not a seek";
    press(Qt::Key_Comma);
    ASSERT_TRUE(QTest::qWaitFor([&] { return big()->currentTime() < forward - 1e-4; }, 5000)) << forward;
    EXPECT_TRUE(playback().isVideoPaused());
}

TEST_F(KeyCommandsTest, PageKeysPlayTheNextAndPreviousRecording)
{
    press(Qt::Key_PageDown);
    EXPECT_TRUE(playback().currentVideoUrl().isEmpty()) << "nothing plays yet: the next button is disabled";

    playFrontAndRear();
    const QUrl first = playback().currentVideoUrl();
    press(Qt::Key_PageDown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback().currentVideoUrl() != first; }, 10000));
    const QUrl second = playback().currentVideoUrl();
    EXPECT_EQ(controller->library()->urlAt(controller->selectedRow()), second) << "the list follows";
    EXPECT_NE(second.fileName().chopped(5), first.fileName().chopped(5)) << "not the rear camera of the same pair";
    ASSERT_TRUE(waitUntilPlaying());
    press(Qt::Key_PageUp);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback().currentVideoUrl() == first; }, 10000));
}

TEST_F(KeyCommandsTest, PlusMinusAndZeroZoomTheLargePicture)
{
    press(Qt::Key_Plus);
    drain();
    EXPECT_EQ(scale(), 1.0) << "no recording, no zoom: the button is disabled";

    playFrontAndRear();
    ASSERT_TRUE(pressAndWaitForScale(Qt::Key_Plus));
    EXPECT_NEAR(scale(), 1.2, 1e-6);
    ASSERT_TRUE(pressAndWaitForScale(Qt::Key_Plus));
    EXPECT_NEAR(scale(), 1.4, 1e-6);
    EXPECT_GT(big()->width(), scroll()->viewport()->width()) << "the picture itself grew";
    ASSERT_TRUE(pressAndWaitForScale(Qt::Key_Minus));
    EXPECT_NEAR(scale(), 1.2, 1e-6);
    ASSERT_TRUE(pressAndWaitForScale(Qt::Key_0));
    EXPECT_EQ(scale(), 1.0);
}

TEST_F(KeyCommandsTest, SnapshotPrintMuteAndFullScreenKeysPressTheirButtons)
{
    EXPECT_TRUE(pressAndRejectDialog(Qt::Key_S).isEmpty()) << "no recording: no save dialog";
    press(Qt::Key_M);
    EXPECT_FALSE(ui().volumeSliderView->isMuted()) << "no recording: the mute button is disabled";

    playFrontAndRear();
    EXPECT_EQ(pressAndRejectDialog(Qt::Key_S), u"QFileDialog"_s);
    EXPECT_TRUE(playback().isVideoPaused()) << "the snapshot is of a still frame";
    playback().playVideo();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(pressAndRejectDialog(Qt::Key_P, Qt::ControlModifier).isEmpty()) << "the print dialog";
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_TRUE(pressAndRejectDialog(Qt::Key_P).isEmpty()) << "P alone prints nothing";

    press(Qt::Key_M);
    EXPECT_TRUE(ui().volumeSliderView->isMuted());
    EXPECT_EQ(ui().muteButton->imageName(), u"volume2"_s) << "the button shows it, as after a click";
    press(Qt::Key_M);
    EXPECT_FALSE(ui().volumeSliderView->isMuted());

    press(Qt::Key_F);
    ASSERT_TRUE(QTest::qWaitFor([&] { return modes().modes().isFullScreenMode(); }, 5000));
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !modes().modes().isFullScreenMode(); }, 5000));
}
} // namespace
