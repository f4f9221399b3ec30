// A recording played as it is shows the frames its converted copies show: the front and rear
// camera of a two-camera AVI (the rear as the file's second video stream) and an MP4, at a seek
// and after exact frame steps both ways, picture for picture. The AVI is made here as the cameras
// write theirs, without B-frames: an AVI has no presentation times, so for one with B-frames (the
// demo card's) ffmpeg's copy gets guessed ones and the two routes may show neighbouring frames.
#include "demo/DemoCard.h"

#include "export/VideoConverter.h"
#include "playback/VexoAVView.h"
#include "support/QtPrinters.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
struct Case
{
    const char *recording;
    int videoTrack;     // of the recording, counted from 1
    int convertedIndex; // of the converted files: 0 front, 1 rear
};

class DirectPlayFramesTest : public ::testing::TestWithParam<Case>
{
protected:
    static void SetUpTestSuite()
    {
        std::setlocale(LC_NUMERIC, "C");
        folder = std::make_unique<QTemporaryDir>();
        made = DemoCard::generate(folder->filePath(u"card"_s));
        // Both cameras (two distinct pictures) and sound in one AVI, 15 frames a second.
        madeAvi = QProcess::execute(u"ffmpeg"_s, {u"-v"_s,
                                                  u"error"_s,
                                                  u"-y"_s,
                                                  u"-f"_s,
                                                  u"lavfi"_s,
                                                  u"-i"_s,
                                                  u"testsrc2=size=320x240:rate=15:duration=10"_s,
                                                  u"-f"_s,
                                                  u"lavfi"_s,
                                                  u"-i"_s,
                                                  u"testsrc=size=320x240:rate=15:duration=10"_s,
                                                  u"-f"_s,
                                                  u"lavfi"_s,
                                                  u"-i"_s,
                                                  u"sine=duration=10"_s,
                                                  u"-map"_s,
                                                  u"0"_s,
                                                  u"-map"_s,
                                                  u"1"_s,
                                                  u"-map"_s,
                                                  u"2"_s,
                                                  u"-c:v"_s,
                                                  u"libx264"_s,
                                                  u"-preset"_s,
                                                  u"veryfast"_s,
                                                  u"-bf"_s,
                                                  u"0"_s,
                                                  u"-g"_s,
                                                  u"15"_s,
                                                  u"-pix_fmt"_s,
                                                  u"yuv420p"_s,
                                                  u"-c:a"_s,
                                                  u"pcm_s16le"_s,
                                                  folder->filePath(u"card/evt_rec/20261207_090000_EVT.avi"_s)}) == 0;
    }
    static void TearDownTestSuite() { folder.reset(); }

    static bool load(VexoAVView &view, const QString &path, int videoTrack)
    {
        view.setFileName(path, videoTrack);
        return QTest::qWaitFor([&] { return view.status() == VexoAVViewStatusPrepared && !view.snapshot().isNull(); },
                               20000);
    }

    // Waits until both views show the same picture, other than BEFORE.
    static bool showSameNewFrame(const VexoAVView &direct, const VexoAVView &converted, const QImage &before)
    {
        return QTest::qWaitFor(
            [&] {
                const QImage shown = direct.snapshot();
                return !shown.isNull() && shown != before && shown == converted.snapshot();
            },
            10000);
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made;
    static inline bool madeAvi = false;
};

TEST_P(DirectPlayFramesTest, TheRecordingShowsTheFramesOfItsConvertedCopy)
{
    ASSERT_TRUE(made.ok) << made.error.toStdString();
    ASSERT_TRUE(madeAvi);
    const Case &which = GetParam();
    const QString recording = folder->filePath(u"card/"_s + QString::fromLatin1(which.recording));
    VideoConverter converter;
    converter.setWorkingDirectory(folder->filePath(u"working"_s));
    const VideoConverter::Playable copies = converter.checkAndConvertVideo(QUrl::fromLocalFile(recording));
    ASSERT_TRUE(copies && copies->size() > which.convertedIndex);

    VexoAVView direct;
    VexoAVView converted;
    ASSERT_TRUE(load(direct, recording, which.videoTrack));
    ASSERT_TRUE(load(converted, copies->at(which.convertedIndex).toLocalFile(), 0));
    // The copy's length is its longest stream's (the sound may run a little past the pictures).
    EXPECT_NEAR(direct.duration(), converted.duration(), 0.25);

    QImage before = direct.snapshot();
    direct.seekExactly(5.0);
    converted.seekExactly(5.0);
    ASSERT_TRUE(showSameNewFrame(direct, converted, before)) << "the frame at 5 s";
    for (const int step : {1, 1, 1, -1}) {
        before = direct.snapshot();
        if (step > 0) {
            direct.stepForward();
            converted.stepForward();
        } else {
            direct.stepBackward();
            converted.stepBackward();
        }
        const bool same = showSameNewFrame(direct, converted, before);
        ASSERT_TRUE(same) << "after a step of " << step << " direct " << direct.currentTime() << " converted "
                          << converted.currentTime() << " direct moved " << (direct.snapshot() != before)
                          << " converted moved " << (converted.snapshot() != before);
        EXPECT_NEAR(direct.currentTime(), converted.currentTime(), 0.001);
    }
    EXPECT_GT(direct.currentTime(), 5.0) << "two frames on from 5 s";
}

INSTANTIATE_TEST_SUITE_P(DemoCard, DirectPlayFramesTest,
                         ::testing::Values(Case{"evt_rec/20261207_090000_EVT.avi", 1, 0},
                                           Case{"evt_rec/20261207_090000_EVT.avi", 2, 1},
                                           Case{"cont_rec/20261207_081500_F.mp4", 1, 0}),
                         [](const ::testing::TestParamInfo<Case> &param) {
                             return std::string(param.index == 0 ? "AviFront" : param.index == 1 ? "AviRear" : "Mp4");
                         });
} // namespace
