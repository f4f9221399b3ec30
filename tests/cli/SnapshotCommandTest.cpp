// velmora-cli snapshot: the frame at a play time, as the snapshot button writes it, compared with
// ffmpeg's own decode of the same frame.
#include "CliRun.h"
#include "demo/DemoCard.h"

#include "export/Utils.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
class SnapshotCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        made = DemoCard::generate(folder->filePath(u"card"_s));
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_TRUE(made.ok) << made.error.toStdString();
    }

    static QString onCard(const QString &relative) { return QDir(folder->filePath(u"card"_s)).filePath(relative); }
    static QString working() { return folder->filePath(u"work"_s); }
    static QString front() { return onCard(u"cont_rec/20261207_081500_F.mp4"_s); }

    // ffmpeg's decode of the first frame at or after SECONDS of MOVIE, as RGB.
    static QImage ffmpegFrame(const QString &movie, double seconds)
    {
        QProcess ffmpeg;
        ffmpeg.start(Utils::GetFFMPEGPath(),
                     {u"-v"_s, u"error"_s, u"-ss"_s, QString::number(seconds, 'f', 6), u"-i"_s, movie, u"-frames:v"_s,
                      u"1"_s, u"-f"_s, u"image2pipe"_s, u"-c:v"_s, u"png"_s, u"-"_s});
        if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
            return {};
        }
        return QImage::fromData(ffmpeg.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    }

    // The mean difference per colour channel of two pictures of one size, 0 to 255.
    static double meanDifference(const QImage &a, const QImage &b)
    {
        double sum = 0.0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        }
        return sum / (3.0 * a.width() * a.height());
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made;
};

TEST_F(SnapshotCommandTest, TheFrameEqualsFfmpegsDecodeOfTheSameTime)
{
    const CliRun converted = run({u"convert"_s, front(), u"--working-folder"_s, working()});
    ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
    const QString movie = converted.json().value(u"files"_s).toArray().at(0).toString();

    // 7.3 s lies between two frames of the 15-per-second picture: the next one (7.333 s) is shown.
    for (const double seconds : {5.0, 7.3}) {
        const QString output = folder->filePath(u"at-%1.png"_s.arg(seconds));
        const CliRun shot =
            run({u"snapshot"_s, front(), QString::number(seconds), u"-o"_s, output, u"--working-folder"_s, working()});
        ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
        const QJsonObject json = shot.json();
        EXPECT_EQ(json.value(u"file"_s).toString(), output);
        EXPECT_EQ(json.value(u"width"_s).toInt(), 320);
        EXPECT_EQ(json.value(u"height"_s).toInt(), 180);
        const qint64 milliseconds = qint64(json.value(u"milliseconds"_s).toDouble());
        EXPECT_GE(milliseconds, qint64(seconds * 1000.0));
        EXPECT_LT(milliseconds, qint64(seconds * 1000.0) + 67) << "within a frame of the time asked for";

        const QImage ours = QImage(output).convertToFormat(QImage::Format_RGB32);
        const QImage theirs = ffmpegFrame(movie, seconds);
        ASSERT_FALSE(theirs.isNull());
        ASSERT_EQ(ours.size(), theirs.size());
        // The two decoders convert colours a little differently (chroma at the test picture's
        // sharp coloured edges); the neighbouring frame of the moving picture differs far more.
        const double same = meanDifference(ours, theirs);
        const double next = meanDifference(ours, ffmpegFrame(movie, seconds + 1.0 / 15.0));
        EXPECT_LT(same, 6.0) << seconds;
        EXPECT_GT(next, 2.0 * same) << seconds << ": the frame at the time asked for, not its neighbour";
    }
}

TEST_F(SnapshotCommandTest, TheDefaultNameFollowsTheRecordingAndTheRearCameraCanBeTaken)
{
    QTemporaryDir here;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(here.path()));
    const CliRun shot = run({u"snapshot"_s, front(), u"2"_s, u"--working-folder"_s, working()});
    const CliRun rear = run({u"snapshot"_s, front(), u"2"_s, u"--rear"_s, u"--working-folder"_s, working()});
    QDir::setCurrent(previous);

    ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
    EXPECT_EQ(shot.json().value(u"file"_s).toString(), here.filePath(u"20261207_081500_F_2000.png"_s));
    EXPECT_TRUE(QFileInfo::exists(here.filePath(u"20261207_081500_F_2000.png"_s)));
    ASSERT_EQ(rear.status, 0) << rear.err.toStdString();
    // The rear camera's picture is named after the rear recording, as the viewer names it.
    EXPECT_EQ(rear.json().value(u"file"_s).toString(), here.filePath(u"20261207_081500_R_2000.png"_s));
    EXPECT_EQ(rear.json().value(u"width"_s).toInt(), 256);
    EXPECT_EQ(rear.json().value(u"height"_s).toInt(), 144);
}

TEST_F(SnapshotCommandTest, TheLastMomentOfTheRecordingIsTakenAtItsOwnTime)
{
    // The demo recordings last 15 s: a snapshot at exactly the end is the last frame, and its time
    // lies within the recording.
    const CliRun end = run(
        {u"snapshot"_s, front(), u"15"_s, u"-o"_s, folder->filePath(u"end.png"_s), u"--working-folder"_s, working()});
    ASSERT_EQ(end.status, 0) << end.err.toStdString();
    const int milliseconds = end.json().value(u"milliseconds"_s).toInt();
    EXPECT_LE(milliseconds, 15000);
    EXPECT_GE(milliseconds, 14000);
    EXPECT_TRUE(QFileInfo::exists(folder->filePath(u"end.png"_s)));
}

TEST_F(SnapshotCommandTest, BadInputIsExplained)
{
    EXPECT_EQ(run({u"snapshot"_s, front()}).status, 2);
    EXPECT_EQ(run({u"snapshot"_s, front(), u"soon"_s}).status, 2);
    EXPECT_EQ(run({u"snapshot"_s, front(), u"-1"_s}).status, 2);

    const CliRun late = run(
        {u"snapshot"_s, front(), u"99"_s, u"-o"_s, folder->filePath(u"late.png"_s), u"--working-folder"_s, working()});
    EXPECT_EQ(late.status, 1);
    EXPECT_TRUE(late.err.contains(u"past the end"_s)) << late.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder->filePath(u"late.png"_s)));

    const QString broken = folder->filePath(u"broken.mov"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const CliRun notMovie = run({u"snapshot"_s, broken, u"1"_s, u"--working-folder"_s, working()});
    EXPECT_EQ(notMovie.status, 1);
    EXPECT_TRUE(notMovie.err.contains(u"does not play"_s)) << notMovie.err.toStdString();

    const CliRun frontOnly = run({u"snapshot"_s, onCard(u"sos_rec/20261207_081700_SOS.mp4"_s), u"1"_s, u"--rear"_s,
                                  u"--working-folder"_s, working()});
    EXPECT_EQ(frontOnly.status, 1);
    EXPECT_TRUE(frontOnly.err.contains(u"no rear camera"_s)) << frontOnly.err.toStdString();

    const CliRun unwritable = run({u"snapshot"_s, front(), u"1"_s, u"-o"_s, folder->filePath(u"no/such/dir/x.png"_s),
                                   u"--working-folder"_s, working()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_FALSE(unwritable.err.isEmpty());
}
} // namespace
