#include "export/FfmpegProgress.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// What ffmpeg 5.1 wrote for a stream copy with "-progress pipe:1 -nostats": two reports while it
// ran and the last one.
const QByteArray RealReport = "frame=1\nfps=0.00\nstream_0_0_q=-1.0\nbitrate=2938.8kbits/s\ntotal_size=36\n"
                              "out_time_us=98\nout_time_ms=98\nout_time=00:00:00.000098\ndup_frames=0\n"
                              "drop_frames=0\nspeed=N/A\nprogress=continue\n"
                              "frame=12\nfps=0.00\nstream_0_0_q=-1.0\nbitrate=   0.3kbits/s\ntotal_size=36\n"
                              "out_time_us=1100098\nout_time_ms=1100098\nout_time=00:00:01.100098\ndup_frames=0\n"
                              "drop_frames=0\nspeed=2.19x\nprogress=continue\n"
                              "frame=40\nfps=20.10\nstream_0_0_q=-1.0\nbitrate=  12.5kbits/s\ntotal_size=6245\n"
                              "out_time_us=3900000\nout_time_ms=3900000\nout_time=00:00:03.900000\ndup_frames=0\n"
                              "drop_frames=0\nspeed=1.96x\nprogress=end\n";

// The output times the parser reports when fed BYTES in pieces of STEP bytes.
QList<qint64> timesFedInPieces(const QByteArray &bytes, qsizetype step, FfmpegProgress &progress)
{
    QList<qint64> times;
    for (qsizetype at = 0; at < bytes.size(); at += step) {
        if (progress.feed(QByteArrayView(bytes).sliced(at, qMin(step, bytes.size() - at)))) {
            times.append(progress.outTimeUs());
        }
    }
    return times;
}

TEST(FfmpegProgressTest, ARealReportGivesTheSameTimesWhateverPiecesItArrivesIn)
{
    for (const qsizetype step : {qsizetype(1), qsizetype(7), qsizetype(64), RealReport.size()}) {
        FfmpegProgress progress;
        EXPECT_EQ(progress.outTimeUs(), -1);
        const QList<qint64> times = timesFedInPieces(RealReport, step, progress);
        if (step == RealReport.size()) {
            // One piece closes all three blocks at once: only the last time is left to see.
            EXPECT_EQ(times, (QList<qint64>{3900000})) << step;
        } else {
            EXPECT_EQ(times, (QList<qint64>{98, 1100098, 3900000})) << step;
        }
        EXPECT_TRUE(progress.ended()) << step;
    }
    // A block is only counted when it is closed: a time whose "progress=" line is still to come
    // does not move the report, and a half-written number is not read as a smaller one.
    FfmpegProgress progress;
    EXPECT_FALSE(progress.feed("out_time_us=2500000\nout_time_ms=25"));
    EXPECT_EQ(progress.outTimeUs(), -1);
    EXPECT_FALSE(progress.feed("00000\nprogress=cont"));
    EXPECT_TRUE(progress.feed("inue\r\n"));
    EXPECT_EQ(progress.outTimeUs(), 2500000);
    EXPECT_FALSE(progress.ended());
}

TEST(FfmpegProgressTest, UnknownValuesForeignLinesAndGarbageAreSkipped)
{
    FfmpegProgress progress;
    // At the start ffmpeg knows no time yet.
    EXPECT_FALSE(progress.feed("out_time_us=N/A\nout_time_ms=N/A\nout_time=N/A\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), -1);
    // Its own messages share the pipe; unknown keys, lines without a key and broken numbers go.
    EXPECT_FALSE(progress.feed("[mov @ 0x55d0c8a3b2c0] Timestamps are unset in a packet for stream 0.\n"
                               "=5\nframe=\x01\xff\xfe\nout_time_us=12abc\nout_time_us=\n"
                               "out_time=1:2:3\nout_time=00:61:00.5\n"));
    EXPECT_FALSE(progress.feed("progress=continue\n"));
    // A time given only as text still counts; the fraction may have any length.
    EXPECT_TRUE(progress.feed("out_time_us=N/A\nout_time=00:01:02.5\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), 62500000);
    // The microsecond count wins over the others when both are there.
    EXPECT_TRUE(
        progress.feed("out_time=00:00:09.000000\nout_time_ms=8000000\nout_time_us=7000000\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), 7000000);
    // A time before the output's start is its start.
    EXPECT_TRUE(progress.feed("out_time_us=-23220\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), 0);
    EXPECT_TRUE(progress.feed("out_time=-00:00:00.023220\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), 0);
    // A number too large to count is no number.
    EXPECT_FALSE(progress.feed("out_time_us=99999999999999999999999\nprogress=continue\n"));
    EXPECT_EQ(progress.outTimeUs(), 0);
    EXPECT_FALSE(progress.ended());
}

TEST(FfmpegProgressTest, AnEndlessLineIsDroppedWithoutTakingWhatItHides)
{
    FfmpegProgress progress;
    // Megabytes without a line break, ending in what looks like a report line: dropped up to the
    // next line break, and the memory kept for a line stays bounded.
    const QByteArray flood(3 * 1024 * 1024, 'x');
    EXPECT_FALSE(progress.feed("out_time_us=5\n"));
    EXPECT_FALSE(progress.feed(flood));
    EXPECT_FALSE(progress.feed("progress=end\n"));
    EXPECT_EQ(progress.outTimeUs(), -1);
    EXPECT_FALSE(progress.ended());
    // The next lines are read again.
    EXPECT_TRUE(progress.feed("out_time_us=5\nprogress=end\n"));
    EXPECT_EQ(progress.outTimeUs(), 5);
    EXPECT_TRUE(progress.ended());
    // A line just within the bound is still read.
    const QByteArray longest = "out_time_us=" + QByteArray(FfmpegProgress::MaxLineLength - 12 - 7, '0') + "1000000";
    ASSERT_EQ(longest.size(), FfmpegProgress::MaxLineLength);
    EXPECT_TRUE(progress.feed(QByteArray(longest + "\nprogress=continue\n")));
    EXPECT_EQ(progress.outTimeUs(), 1000000);
}

TEST(FfmpegProgressTest, DurationFromTheStreamReportAndTheShareDone)
{
    const QString report = u"Input #0, avi, from '/card/evt_rec/20261207_081600_EVT.avi':\n"
                           "  Metadata:\n    software        : Lavf59.27.100\n"
                           "  Duration: 00:01:00.04, start: 0.000000, bitrate: 20716 kb/s\n"
                           "  Stream #0:0: Video: h264 (avc1 / 0x31637661), yuv420p, 1920x1080, 30 fps\n"
                           "Input #1, mp4, from 'b.mp4':\n  Duration: 00:00:05.00, start: 0.000000\n"_s;
    EXPECT_EQ(FfmpegProgress::durationUs(report), 60040000) << "the first input's";
    EXPECT_EQ(FfmpegProgress::durationUs(u"  Duration: 102:00:00.5, start"_s), 367200500000);
    EXPECT_EQ(FfmpegProgress::durationUs(u"  Duration: N/A, bitrate: N/A"_s), -1);
    EXPECT_EQ(FfmpegProgress::durationUs(u"  Duration: 00:00:00.00, start: 0"_s), -1);
    EXPECT_EQ(FfmpegProgress::durationUs(u"in.avi: Invalid data found when processing input"_s), -1);

    EXPECT_DOUBLE_EQ(FfmpegProgress::share(15000000, 60000000), 0.25);
    EXPECT_DOUBLE_EQ(FfmpegProgress::share(61000000, 60000000), 1.0) << "the last packet ends after the duration";
    EXPECT_DOUBLE_EQ(FfmpegProgress::share(-1, 60000000), 0.0);
    EXPECT_DOUBLE_EQ(FfmpegProgress::share(15000000, -1), 0.0);
}
} // namespace
