// What a conversion may be trusted with: outputs checked against their sources, the reuse key,
// working names, the working folder each viewer owns, and the reason given when nothing plays.
#include "TestRecordings.h"

#include "export/ConversionCheck.h"
#include "export/ConversionFailure.h"
#include "export/Utils.h"
#include "export/VideoConversionQueue.h"
#include "export/VideoConverter.h"
#include "export/WorkingFolderClaim.h"
#include "sensor/SubtitleFileWriter.h"
#include "support/ScopedEnvironment.h"
#include "support/SmallFileSystem.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using Failure = VideoConverter::Failure;
using Reason = ConversionFailure::Reason;

// A report as ffmpeg prints it for "-i FILE" (abridged).
const QString kMp4Report = u"Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'a_F.mp4':\n"
                           "  Duration: 00:01:00.04, start: 0.000000, bitrate: 8123 kb/s\n"
                           "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p, 1920x1080\n"
                           "  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 8000 Hz, mono\n"
                           "  Stream #0:2[0x3](und): Subtitle: mov_text (tx3g / 0x67337874), 0 kb/s\n"
                           "At least one output file must be specified\n"_s;

TEST(ConversionCheck, ReadsStreamsAndDurationOfTheFirstInput)
{
    const ConversionCheck::Report report = ConversionCheck::read(kMp4Report);
    EXPECT_EQ(report.video, 1);
    EXPECT_EQ(report.audio, 1);
    EXPECT_EQ(report.subtitle, 1);
    EXPECT_EQ(report.durationUs, 60'040'000);

    // A ".mov" that ffmpeg finished without its index: nothing is read from it.
    const ConversionCheck::Report broken =
        ConversionCheck::read(u"[mov,mp4,m4a,3gp,3g2,mj2 @ 0x55] moov atom not found\nx.mov: Invalid data found "
                              "when processing input\n"_s);
    EXPECT_EQ(broken.video + broken.audio + broken.subtitle, 0);
    EXPECT_EQ(broken.durationUs, -1);
}

TEST(ConversionCheck, AnOutputMustHoldThePictureTheSoundAndTheDurationOfItsSource)
{
    const ConversionCheck::Report source{1, 1, 1, 60'000'000};
    EXPECT_TRUE(ConversionCheck::movieIsComplete(source, {1, 1, 0, 59'960'000}));
    // 25 s of a 60 s recording, one cut short by a full disk or a file truncated meanwhile.
    EXPECT_FALSE(ConversionCheck::movieIsComplete(source, {1, 1, 0, 25'000'000}));
    EXPECT_FALSE(ConversionCheck::movieIsComplete(source, {1, 1, 0, -1}));
    EXPECT_FALSE(ConversionCheck::movieIsComplete(source, {1, 0, 0, 60'000'000})) << "the sound went missing";
    EXPECT_FALSE(ConversionCheck::movieIsComplete(source, {0, 0, 0, -1})) << "a .mov without streams";
    // A source without a known duration, or without sound, asks for no more than it has.
    EXPECT_TRUE(ConversionCheck::movieIsComplete({1, 0, 0, -1}, {1, 0, 0, 1'000'000}));
    EXPECT_TRUE(ConversionCheck::subtitlesAreComplete(source, {0, 0, 1, 59'000'000}));
    EXPECT_FALSE(ConversionCheck::subtitlesAreComplete(source, {0, 0, 0, -1})) << "an empty .srt";
    EXPECT_TRUE(ConversionCheck::subtitlesAreComplete({1, 1, 0, 1}, {0, 0, 0, -1}));
}

TEST(ConversionCheck, AnMp4CutShortEndsInsideOneOfItsTopLevelBoxes)
{
    const auto box = [](quint32 size, const char *type, qsizetype bodyBytes) -> QByteArray {
        QByteArray bytes(4, '\0');
        qToBigEndian(size, bytes.data());
        return bytes + QByteArray(type, 4) + QByteArray(bodyBytes, 'x');
    };
    QByteArray large = box(1, "mdat", 0);
    large.append(8, '\0');
    qToBigEndian(quint64(64), large.data() + 8);
    const struct
    {
        const char *what;
        QByteArray bytes;
        bool cutShort;
    } cases[] = {
        {"whole", box(16, "ftyp", 8) + box(12, "moov", 4) + box(20, "mdat", 12), false},
        {"samples cut off", box(16, "ftyp", 8) + box(12, "moov", 4) + box(400, "mdat", 12), true},
        {"a large size, cut off", box(16, "ftyp", 8) + large.first(12), true},
        {"a large size past the end", box(16, "ftyp", 8) + large + QByteArray(8, 'x'), true},
        {"a box running to the end", box(16, "ftyp", 8) + box(0, "mdat", 40), false},
        {"a trailing scrap", box(16, "ftyp", 8) + QByteArray(5, 'x'), false},
    };
    for (const auto &c : cases) {
        QByteArray bytes = c.bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        EXPECT_EQ(ConversionCheck::boxesRunPastTheEnd(buffer), c.cutShort) << c.what;
    }
}

TEST(ConversionCheck, WriteErrorsInTheLogAreSeen)
{
    EXPECT_TRUE(ConversionCheck::showsWriteError(
        u"[mov @ 0x5] av_interleaved_write_frame(): No space left on device\nError writing trailer of x.mov"_s));
    EXPECT_TRUE(ConversionCheck::showsWriteError(u"x.srt: Read-only file system"_s));
    EXPECT_FALSE(ConversionCheck::showsWriteError(kMp4Report));
}

// A stand-in for ffmpeg that runs the real one, but cuts every conversion to half a second: what a
// recording truncated while it converts, or a disk that fills up, leaves.
QString shorteningFfmpeg(const QTemporaryDir &bin)
{
    const QString path = bin.filePath(u"ffmpeg"_s);
    const QString real = QStandardPaths::findExecutable(u"ffmpeg"_s);
    TestRecordings::writeFile(path, "#!/bin/bash\nlast=\"${@: -1}\"\n"
                                    "if [ $# -gt 2 ] && [[ \"$last\" == *.mov ]]; then\n"
                                    "  exec '" +
                                        real.toUtf8() +
                                        "' \"${@:1:$#-1}\" -t 0.5 \"$last\"\nfi\n"
                                        "exec '" +
                                        real.toUtf8() + "' \"$@\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

class ConversionFaultsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_cards.isValid());
        ASSERT_TRUE(m_work.isValid());
        m_converter.setWorkingDirectory(m_work.path());
    }
    QString card(const QString &name) const { return m_cards.filePath(name); }
    VideoConverter::Playable convert(const QString &path)
    {
        m_converter.runner().clearRuns();
        return m_converter.checkAndConvertVideo(QUrl::fromLocalFile(path));
    }
    static QString frameSize(const QUrl &movie)
    {
        const QString report = Utils::GetFFMPEGVideoInfo(movie.toLocalFile());
        for (const char *size : {TestRecordings::FrontSize, TestRecordings::RearSize}) {
            if (report.contains(QLatin1StringView(size))) {
                return QLatin1StringView(size);
            }
        }
        return {};
    }
    // A front and rear MP4 pair with a subtitle stream each.
    void makePair(const QString &front, const QString &rear)
    {
        const QString subtitles = card(u"track.srt"_s);
        ASSERT_TRUE(
            TestRecordings::writeFile(subtitles, SubtitleFileWriter::file({{0, 100, u"gsensori,1,128,1,2,3"_s}})));
        ASSERT_TRUE(TestRecordings::mp4(front, TestRecordings::FrontSize, subtitles));
        if (!rear.isEmpty()) {
            ASSERT_TRUE(TestRecordings::mp4(rear, TestRecordings::RearSize, subtitles));
        }
    }

    QTemporaryDir m_cards;
    QTemporaryDir m_work;
    VideoConverter m_converter;
};

TEST_F(ConversionFaultsTest, AShortenedCopyIsNeverTakenForTheRecordingNorKept)
{
    const QString front = card(u"S_F.mp4"_s);
    makePair(front, {});
    QTemporaryDir bin;
    {
        ScopedEnvironment shortening(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(shorteningFfmpeg(bin)));
        VideoConverter converter;
        converter.setWorkingDirectory(m_work.path());
        EXPECT_EQ(converter.checkAndConvertVideo(QUrl::fromLocalFile(front)), QList<QUrl>());
        EXPECT_EQ(converter.failure(), Failure::Incomplete);
        EXPECT_EQ(ConversionFailure::classify(converter.failure(), front, m_work.path()), Reason::Damaged);
    }
    // Nothing of it is reused: the real ffmpeg makes the whole recording.
    const VideoConverter::Playable files = convert(front);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    EXPECT_FALSE(m_converter.runner().runs().isEmpty());
    EXPECT_GT(ConversionCheck::read(Utils::GetFFMPEGVideoInfo(files->at(0).toLocalFile())).durationUs, 1'500'000);
}

TEST_F(ConversionFaultsTest, TheReuseKeyCoversTheModificationTimeAndTheRearFile)
{
    const QString front = card(u"K_F.mp4"_s);
    const QString rear = card(u"K_R.mp4"_s);
    makePair(front, rear);
    const VideoConverter::Playable first = convert(front);
    ASSERT_TRUE(first.has_value());
    ASSERT_EQ(first->size(), 2);
    EXPECT_EQ(frameSize(first->at(1)), QLatin1StringView(TestRecordings::RearSize));
    ASSERT_TRUE(convert(front).has_value());
    EXPECT_TRUE(m_converter.runner().runs().isEmpty()) << "unchanged files are reused";

    // The same size, another modification time (a file restored after it was cut short).
    QFile file(front);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    ASSERT_EQ(convert(front), first);
    ASSERT_EQ(m_converter.runner().runs().size(), 2) << "the front picture and its subtitles again, not the rear";
    EXPECT_TRUE(m_converter.runner().runs().at(0).contains(front));

    // A rear file replaced by another recording (another size): converted again.
    ASSERT_TRUE(QFile::remove(rear));
    ASSERT_TRUE(TestRecordings::mp4(rear, TestRecordings::FrontSize));
    const VideoConverter::Playable replaced = convert(front);
    ASSERT_TRUE(replaced.has_value());
    ASSERT_EQ(replaced->size(), 2);
    EXPECT_EQ(frameSize(replaced->at(1)), QLatin1StringView(TestRecordings::FrontSize)) << "the new rear plays";
}

TEST_F(ConversionFaultsTest, ARecordingCutShortWithItsIndexInFrontPlaysAsFarAsItGoesAndSaysSo)
{
    // A power loss: the index, written at the front, lists six seconds; the file holds 60 % of them.
    for (const bool hevc : {false, true}) {
        SCOPED_TRACE(hevc ? "H.265" : "H.264");
        const QString whole = card(hevc ? u"whole265.mp4"_s : u"whole264.mp4"_s);
        QStringList arguments{u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=duration=6:rate=10:size=160x96"_s,
                              u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=duration=6:sample_rate=8000"_s};
        arguments << (hevc ? QStringList{u"-c:v"_s, u"libx265"_s, u"-x265-params"_s, u"log-level=error"_s}
                           : QStringList{u"-c:v"_s, u"libx264"_s})
                  << u"-preset"_s << u"ultrafast"_s << u"-pix_fmt"_s << u"yuv420p"_s << u"-c:a"_s << u"aac"_s
                  << u"-movflags"_s << u"+faststart"_s << u"-y"_s << whole;
        ASSERT_TRUE(TestRecordings::make(arguments));
        const QByteArray bytes = TestRecordings::readFile(whole);
        const QString cut = card(hevc ? u"C265_F.mp4"_s : u"C264_F.mp4"_s);
        ASSERT_TRUE(TestRecordings::writeFile(cut, bytes.first(bytes.size() * 6 / 10)));

        const VideoConverter::Playable files = convert(cut);
        ASSERT_TRUE(files.has_value());
        ASSERT_EQ(files->size(), 1) << int(m_converter.failure());
        EXPECT_TRUE(m_converter.cutShort());
        const ConversionCheck::Report made =
            ConversionCheck::read(Utils::GetFFMPEGVideoInfo(files->at(0).toLocalFile()));
        EXPECT_EQ(made.audio, 1);
        EXPECT_GT(made.durationUs, 1'500'000);
        EXPECT_LT(made.durationUs, 5'500'000);
        // Reused as it is, and still said to be cut short.
        ASSERT_EQ(convert(cut), files);
        for (const QStringList &run : m_converter.runner().runs()) {
            EXPECT_FALSE(run.contains(VideoConverter::temporaryPath(files->at(0).toLocalFile())));
        }
        EXPECT_TRUE(m_converter.cutShort());

        // The viewer's queue passes the words on with the files.
        VideoConversionQueue queue;
        queue.setWorkingDirectory(m_work.path());
        std::optional<QString> said;
        queue.convert(QUrl::fromLocalFile(cut),
                      [&](const VideoConverter::Playable &, const QString &messageKey) { said = messageKey; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return said.has_value(); }, 60000));
        EXPECT_EQ(*said, ConversionFailure::messageKey(Reason::CutShort));
    }
    // A whole recording is not.
    ASSERT_TRUE(convert(card(u"whole264.mp4"_s)).has_value());
    EXPECT_FALSE(m_converter.cutShort());
}

TEST_F(ConversionFaultsTest, AnUnreadableFrontNeverPutsTheRearInItsPlace)
{
    const QString front = card(u"U_F.mp4"_s);
    const QString rear = card(u"U_R.mp4"_s);
    makePair(rear, {});
    ASSERT_TRUE(TestRecordings::writeFile(front, QByteArray(4096, '\x5a')));
    EXPECT_EQ(convert(front), QList<QUrl>());
    EXPECT_EQ(m_converter.failure(), Failure::FrontUnreadable);
    EXPECT_EQ(ConversionFailure::classify(m_converter.failure(), front, m_work.path()), Reason::FrontUnreadable);
}

TEST_F(ConversionFaultsTest, LongNamesConvertUnderShortWorkingNamesThatStayApart)
{
    // Two names of the longest length a file system allows (255 bytes), alike but for the end.
    const QString stem =
        QString(200, u'a') + u"가나다라마바사아자차카"_s; // 200 + 33 bytes, then 16 digits and "_F.mp4"
    const QString one = card(stem + QString(16, u'1') + u"_F.mp4"_s);
    const QString two = card(stem + QString(16, u'2') + u"_F.mp4"_s);
    ASSERT_EQ(QFileInfo(one).fileName().toUtf8().size(), 255);
    makePair(one, {});
    ASSERT_TRUE(QFile::copy(one, two));

    const VideoConverter::Playable a = convert(one);
    const VideoConverter::Playable b = convert(two);
    ASSERT_TRUE(a.has_value() && b.has_value());
    ASSERT_EQ(a->size(), 1);
    ASSERT_EQ(b->size(), 1);
    EXPECT_NE(QFileInfo(a->at(0).toLocalFile()).path(), QFileInfo(b->at(0).toLocalFile()).path());
    for (const QString &name : {QFileInfo(a->at(0).toLocalFile()).fileName(),
                                QFileInfo(QFileInfo(a->at(0).toLocalFile()).path()).fileName()}) {
        EXPECT_LE(name.toUtf8().size(), 255) << name.toStdString();
        EXPECT_TRUE(name.startsWith(QString(100, u'a'))) << "the name still says which recording it is";
    }
    // A name within the limit keeps its working name as it was.
    EXPECT_EQ(VideoConverter::workingBaseName(u"/c/REC 0001_F.mp4"_s), u"REC 0001_F"_s);
}

TEST_F(ConversionFaultsTest, TheReasonFollowsTheRecordingAndTheWorkingFolder)
{
    // A recording deleted since it was listed, and one whose folder went with the card.
    ASSERT_TRUE(QDir().mkpath(card(u"cont_rec"_s)));
    EXPECT_EQ(ConversionFailure::classify(Failure::RecordingUnreadable, card(u"cont_rec/gone_F.mp4"_s), m_work.path()),
              Reason::RecordingGone);
    EXPECT_EQ(ConversionFailure::classify(Failure::RecordingUnreadable, card(u"evt_rec/gone_F.mp4"_s), m_work.path()),
              Reason::FolderGone);

    // A working folder that is a file.
    const QString front = card(u"W_F.mp4"_s);
    makePair(front, {});
    const QString file = card(u"not-a-folder"_s);
    ASSERT_TRUE(TestRecordings::writeFile(file, "x"));
    VideoConverter converter;
    converter.setWorkingDirectory(file);
    EXPECT_EQ(converter.checkAndConvertVideo(QUrl::fromLocalFile(front)), std::nullopt);
    EXPECT_EQ(ConversionFailure::classify(converter.failure(), front, converter.usedWorkingDirectory()),
              Reason::WorkingFolderNotWritable);

    // A healthy folder and a recording without a picture keep the unsupported-format message.
    EXPECT_EQ(ConversionFailure::classify(Failure::NoVideoStream, front, m_work.path()), Reason::Unsupported);
    EXPECT_EQ(ConversionFailure::messageKeyFor(Failure::NoVideoStream, front, m_work.path()),
              u"지원하지 않는 형식으로 인코딩된 동영상입니다."_s);
    EXPECT_EQ(ConversionFailure::messageKey(Reason::WorkingFolderFull), u"작업 폴더에 남은 공간이 없습니다."_s);
}

TEST_F(ConversionFaultsTest, AFullOrReadOnlyWorkingFolderIsNamedAsSuch)
{
    SmallFileSystem small;
    if (!small.isMounted()) {
        GTEST_SKIP() << small.skipReason().toStdString();
    }
    const QString front = card(u"F_F.mp4"_s);
    makePair(front, {});
    ASSERT_TRUE(small.fill());
    VideoConverter full;
    full.setWorkingDirectory(small.filePath(u"work"_s));
    EXPECT_TRUE(full.checkAndConvertVideo(QUrl::fromLocalFile(front)).value_or(QList<QUrl>{}).isEmpty());
    EXPECT_EQ(ConversionFailure::classify(full.failure(), front, full.usedWorkingDirectory()),
              Reason::WorkingFolderFull);

    ASSERT_TRUE(small.makeReadOnly());
    VideoConverter readOnly;
    readOnly.setWorkingDirectory(small.filePath(u"work"_s));
    EXPECT_TRUE(readOnly.checkAndConvertVideo(QUrl::fromLocalFile(front)).value_or(QList<QUrl>{}).isEmpty());
    EXPECT_EQ(ConversionFailure::classify(readOnly.failure(), front, readOnly.usedWorkingDirectory()),
              Reason::WorkingFolderNotWritable);
}

TEST(WorkingFolderClaim, EachProgramConvertsIntoItsOwnSubfolderAndRemovesOnlyThat)
{
    QTemporaryDir location;
    ASSERT_TRUE(location.isValid());
    WorkingFolderClaim first(location.path());
    auto second = std::make_unique<WorkingFolderClaim>(location.path());
    const QString mine = first.path();
    const QString theirs = second->path();
    ASSERT_FALSE(mine.isEmpty());
    ASSERT_FALSE(theirs.isEmpty());
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(QFileInfo(mine).path(), location.path());
    ASSERT_TRUE(TestRecordings::writeFile(theirs + u"/converting.mov"_s, "half"));
    EXPECT_TRUE(WorkingFolderClaim::isHeld(theirs));

    // The first one quits: the second one's conversion stays where it is.
    first.remove();
    EXPECT_FALSE(QFileInfo::exists(mine));
    EXPECT_TRUE(QFileInfo::exists(theirs + u"/converting.mov"_s));

    // A program that dies keeps its folder only until the next one claims its own.
    second.reset();
    EXPECT_TRUE(QFileInfo::exists(theirs)) << "a claim that ends without remove() leaves its folder";
    EXPECT_FALSE(WorkingFolderClaim::isHeld(theirs));
    WorkingFolderClaim third(location.path());
    EXPECT_FALSE(third.path().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(theirs));
    third.remove();
    EXPECT_FALSE(QFileInfo::exists(location.path())) << "the working folder goes once empty";
}
} // namespace
