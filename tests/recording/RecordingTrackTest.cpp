#include "recording/RecordingTrack.h"

#include "demo/DemoCard.h"

#include "export/VideoConverter.h"
#include "sensor/AviWriter.h"
#include "sensor/SubtitleData.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestTracks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {
using Route = QuickTrackReader::Route;

// The track as the player read it before the quick readers: the whole file, through the old entry
// points. The demo card's KRV recordings are the "Rec_" ones.
std::unique_ptr<VexoClipData> fullRead(const QString &path)
{
    auto track = std::make_unique<VexoClipData>();
    if (QFileInfo(path).fileName().startsWith(u"Rec_"_s)) {
        track->loadVideoFileCilpDataFromFilePath_KRV(path);
    } else {
        track->loadVideoFileCilpDataFromFilePath(path);
    }
    return track;
}

using TestTracks::expectSameTrack;

using TestFiles::readAll;
using TestFiles::writeFile;

// Both demo cards (their recordings are made the same way, by two cameras' settings) for the suite.
class RecordingTrackTest : public ::testing::TestWithParam<DemoCard::Camera>
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        made[0] = DemoCard::generate(folder->filePath(u"qb62"_s), DemoCard::Camera::QB62);
        made[1] = DemoCard::generate(folder->filePath(u"qf27"_s), DemoCard::Camera::QF27);
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override { ASSERT_TRUE(card().ok) << card().error.toStdString(); }

    static int cardIndex() { return GetParam() == DemoCard::Camera::QB62 ? 0 : 1; }
    static const DemoCard::Result &card() { return made[cardIndex()]; }
    static QString onCard(const QString &relative)
    {
        return QDir(folder->filePath(cardIndex() == 0 ? u"qb62"_s : u"qf27"_s)).filePath(relative);
    }
    // The card's recordings the quick readers serve (the MP4s are read from their conversion).
    static QStringList aviRecordings()
    {
        QStringList paths;
        for (const DemoCard::Recording &recording : card().recordings) {
            if (!recording.path.endsWith(u".mp4"_s)) {
                paths << onCard(recording.path);
            }
        }
        return paths;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made[2];
};

TEST_P(RecordingTrackTest, EveryRecordingLoadsAsTheWholeFileReadsGiveIt)
{
    ASSERT_GE(aviRecordings().size(), 4);
    for (const DemoCard::Recording &recording : card().recordings) {
        if (recording.path.endsWith(u".mp4"_s)) {
            continue;
        }
        const QString path = onCard(recording.path);
        SCOPED_TRACE(path.toStdString());
        auto track = std::make_unique<VexoClipData>();
        const QuickTrackReader::Result result = RecordingTrack::load(path, {}, *track);
        // What the card was written with, and what the old readers read from it.
        EXPECT_EQ(int(track->clipDataCount()), recording.samples);
        EXPECT_EQ(int(track->gpsDataCount()), recording.positions);
        expectSameTrack(*track, *fullRead(path));
        EXPECT_EQ(result.samples, recording.samples);
        // Every demo AVI has a layout the quick routes use.
        EXPECT_TRUE(result.route == Route::Index || result.route == Route::Tail) << result.note.toStdString();
    }
}

TEST_P(RecordingTrackTest, DamagedRecordingsLoadAsTheWholeFileReadsGiveThem)
{
    QTemporaryDir damaged;
    for (const QString &path : aviRecordings()) {
        const QByteArray bytes = readAll(path);
        const qsizetype index = bytes.lastIndexOf("idx1");
        ASSERT_GT(index, 0) << path.toStdString();
        QByteArray overwritten = bytes;
        overwritten.replace(index, 4, "JUNK");
        const struct
        {
            const char *what;
            QByteArray bytes;
            bool keepsTail;
        } cases[] = {
            {"no-index", bytes.first(index), false},
            {"cut-in-sensor-chunks", bytes.first(index - 1000), false},
            {"cut-in-the-index", bytes.first(index + 8 + 100), false},
            {"index-overwritten", overwritten, true},
        };
        for (const auto &damage : cases) {
            const QString copy =
                QDir(damaged.path()).filePath(QString::fromLatin1(damage.what) + u'_' + QFileInfo(path).fileName());
            SCOPED_TRACE(copy.toStdString());
            ASSERT_TRUE(writeFile(copy, damage.bytes));
            auto track = std::make_unique<VexoClipData>();
            const QuickTrackReader::Result result = RecordingTrack::load(copy, {}, *track);
            expectSameTrack(*track, *fullRead(copy));
            // The tail block lies after the index: cutting there loses it.
            if (damage.keepsTail || !path.endsWith(u"_MAN.avi"_s)) {
                EXPECT_GT(track->clipDataCount(), 50u);
            }
            EXPECT_NE(result.route, Route::Index);
            EXPECT_NE(result.route, Route::None);
        }
    }
}

TEST_P(RecordingTrackTest, ACancelledLoadGivesNoTrackAndTheNextLoadIsWhole)
{
    QTemporaryDir working;
    QStringList paths = aviRecordings();
    // One recording with thousands of chunks the walk must visit (no index; the flag is asked
    // every few thousand chunks).
    const QString evt = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    QByteArray junk;
    for (int i = 0; i < 3 * 4096; ++i) {
        junk += AviWriter::chunkBytes("JUNK", "pad");
    }
    const QByteArray padded = AviWriter::withChunksInMovi(readAll(evt), junk);
    const qsizetype index = padded.lastIndexOf("idx1");
    ASSERT_GT(index, 0);
    const QString many = QDir(working.path()).filePath(u"many_20261207_081600_EVT.avi"_s);
    ASSERT_TRUE(writeFile(many, padded.first(index)));
    paths << many;

    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        auto track = std::make_unique<VexoClipData>();
        const std::atomic_bool raised{true};
        const QuickTrackReader::Result cancelled = RecordingTrack::load(path, {}, *track, &raised);
        EXPECT_EQ(track->clipDataCount(), 0u);
        EXPECT_EQ(track->gpsDataCount(), 0u);
        EXPECT_EQ(cancelled.route, Route::None);
        EXPECT_EQ(cancelled.note, u"cancelled"_s);

        // The same track, loaded again with the flag down, is whole.
        const std::atomic_bool lowered{false};
        const QuickTrackReader::Result whole = RecordingTrack::load(path, {}, *track, &lowered);
        const auto expected = fullRead(path);
        EXPECT_GT(expected->clipDataCount(), 100u);
        expectSameTrack(*track, *expected);
        EXPECT_EQ(whole.samples, int(expected->clipDataCount()));
    }
}

TEST_P(RecordingTrackTest, AnMp4WithoutItsConversionHasNoTrack)
{
    auto track = std::make_unique<VexoClipData>();
    RecordingTrack::load(onCard(u"evt_rec/20261207_081600_EVT.avi"_s), {}, *track);
    ASSERT_GT(track->clipDataCount(), 0u);
    const QuickTrackReader::Result result =
        RecordingTrack::load(onCard(u"cont_rec/20261207_081500_F.mp4"_s), {}, *track);
    EXPECT_EQ(track->clipDataCount(), 0u);
    EXPECT_EQ(result.route, Route::None);
}

// An MP4 played as it is reads its own subtitle samples: the track and the timed entries the
// instruments show by play time are those of the subtitle file the conversion extracts with ffmpeg.
// Besides the card's recordings, one whose samples leave gaps and start late (the track's empty
// samples count in the times but make no entry).
TEST_P(RecordingTrackTest, AnMp4PlayedAsItIsReadsWhatItsConversionExtracts)
{
    const QString ffmpeg = QStandardPaths::findExecutable(u"ffmpeg"_s);
    if (ffmpeg.isEmpty()) {
        GTEST_SKIP() << "no ffmpeg to convert with";
    }
    const QString gaps = folder->filePath(u"gaps_%1.mp4"_s.arg(cardIndex()));
    const QString gapText = folder->filePath(u"gaps_%1.srt"_s.arg(cardIndex()));
    ASSERT_TRUE(writeFile(gapText, "1\n00:00:00,700 --> 00:00:00,800\ngsensori,1,128,1,2,3\n\n"
                                   "2\n00:00:01,000 --> 00:00:01,100\ngsensori,1,128,4,5,6;"
                                   "GPRMC,081501.00,A,3733.1,N,12658.2,E,20.0,0.0,071226,,,A\n\n"
                                   "3\n00:01:02,350 --> 00:01:02,450\ngsensori,1,128,7,8,9\n\n"));
    ASSERT_EQ(QProcess::execute(ffmpeg, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                         u"color=c=black:s=64x64:d=63"_s, u"-i"_s, gapText, u"-c:v"_s, u"libx264"_s,
                                         u"-preset"_s, u"ultrafast"_s, u"-c:s"_s, u"mov_text"_s, gaps}),
              0);
    QStringList recordings{gaps};
    for (const DemoCard::Recording &recording : card().recordings) {
        if (recording.path.endsWith(u".mp4"_s)) {
            recordings << onCard(recording.path);
        }
    }
    QTemporaryDir working;
    VideoConverter converter;
    converter.setWorkingDirectory(working.path());
    for (const QString &recording : std::as_const(recordings)) {
        SCOPED_TRACE(recording.toStdString());
        const VideoConverter::Playable converted = converter.checkAndConvertVideo(QUrl::fromLocalFile(recording));
        ASSERT_TRUE(converted && !converted->isEmpty());
        auto extracted = std::make_unique<VexoClipData>();
        SubtitleData extractedEntries;
        RecordingTrack::load(recording, converted->constFirst().toLocalFile(), *extracted, nullptr, &extractedEntries);
        auto direct = std::make_unique<VexoClipData>();
        SubtitleData directEntries;
        const QuickTrackReader::Result result =
            RecordingTrack::load(recording, recording, *direct, nullptr, &directEntries);
        EXPECT_EQ(result.route, Route::SampleTables);
        expectSameTrack(*direct, *extracted);
        const QList<SubtitleEntry> &expected = extractedEntries.entries();
        const QList<SubtitleEntry> &actual = directEntries.entries();
        ASSERT_EQ(actual.size(), expected.size());
        ASSERT_FALSE(expected.isEmpty());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(actual[i].cts(), expected[i].cts());
            EXPECT_EQ(actual[i].gx(), expected[i].gx());
            EXPECT_EQ(actual[i].gy(), expected[i].gy());
            EXPECT_EQ(actual[i].gz(), expected[i].gz());
            EXPECT_EQ(actual[i].lat(), expected[i].lat());
            EXPECT_EQ(actual[i].lng(), expected[i].lng());
            EXPECT_EQ(actual[i].speed(), expected[i].speed());
        }
        if (recording == gaps) {
            // Written down: 0.7 s, 1 s and 1 min 2.35 s (the minutes count, the hours do not).
            ASSERT_EQ(actual.size(), 3);
            EXPECT_EQ(actual[0].cts(), 700);
            EXPECT_EQ(actual[1].cts(), 1000);
            EXPECT_EQ(actual[2].cts(), 62350);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothCards, RecordingTrackTest,
                         ::testing::Values(DemoCard::Camera::QB62, DemoCard::Camera::QF27),
                         [](const ::testing::TestParamInfo<DemoCard::Camera> &card) {
                             return std::string(card.param == DemoCard::Camera::QB62 ? "QB62" : "QF27");
                         });
} // namespace
