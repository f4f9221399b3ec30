#include "export/VideoConverter.h"

#include "TestRecordings.h"

#include "export/Utils.h"
#include "sensor/SubtitleFileWriter.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnvironment.h"
#include "support/SlowFfmpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
const QString I = u"in.avi"_s;
const QString O = u"out.mov"_s;

// A card file is read as the container its name says, from local files only: ffmpeg never picks
// a reader (a playlist, a manifest) by what the file holds.
const QStringList In{u"-protocol_whitelist"_s, u"file"_s, u"-f"_s, u"avi"_s, u"-i"_s, I};

TEST(VideoConverterArguments, InputsAreForcedToTheContainerTheirNameSays)
{
    const QString mp4 = u"/c/A_F.MP4"_s;
    EXPECT_EQ(VideoConverter::inputArguments(mp4), (QStringList{u"-protocol_whitelist"_s, u"file"_s, u"-f"_s, u"mov"_s,
                                                                u"-enable_drefs"_s, u"0"_s, u"-i"_s, mp4}));
    EXPECT_EQ(VideoConverter::inputArguments(I), In);
    EXPECT_EQ(VideoConverter::subtitleArguments(mp4, O).mid(0, 8), VideoConverter::inputArguments(mp4));
}

TEST(VideoConverterArguments, ThePictureIsTaggedByItsCodec)
{
    struct Case
    {
        int headerType;
        const char *codec;
        int tagged;
    };
    const Case cases[] = {
        {Utils::AviTypeOther, "hevc", Utils::AviTypeIso4Hvc1}, // HEVC without the brands: never "avc1"
        {Utils::AviTypeAVC1, "hevc", Utils::AviTypeIso4Hvc1},
        {Utils::AviTypeIso4Hvc1, "h264", Utils::AviTypeOther}, // brands that lie: "avc1"
        {Utils::AviTypeH264, "h264", Utils::AviTypeH264},
        {Utils::AviTypeOther, "h264", Utils::AviTypeOther},
        {Utils::AviTypeOther, "mjpeg", Utils::AviTypeH264}, // no tag
        {Utils::AviTypeAVC1, "", Utils::AviTypeAVC1},       // nothing known of the codec
    };
    for (const Case &c : cases) {
        EXPECT_EQ(VideoConverter::tagType(c.headerType, QString::fromLatin1(c.codec)), c.tagged) << c.codec;
    }
}

TEST(VideoConverterArguments, OneStreamListsByCodecType)
{
    EXPECT_EQ(VideoConverter::oneStreamArguments(2, I, O),
              (In + QStringList{u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s, u"-y"_s, u"-vtag"_s, u"hvc1"_s, O}));
    EXPECT_EQ(VideoConverter::oneStreamArguments(0, I, O),
              (In + QStringList{u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s, u"-y"_s, O}));
    const QStringList avc1 =
        QStringList{u"-v"_s, u"10"_s} + In +
        QStringList{u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s, u"-vtag"_s, u"avc1"_s, u"-y"_s, O};
    EXPECT_EQ(VideoConverter::oneStreamArguments(1, I, O), avc1);
    EXPECT_EQ(VideoConverter::oneStreamArguments(3, I, O), avc1);
}

TEST(VideoConverterArguments, TwoStreamListsByCodecTypeAndSound)
{
    const QStringList copy{u"-c"_s,      u"copy"_s, u"-y"_s,      u"-v"_s,  u"10"_s,
                           u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s};
    const QStringList front = In + QStringList{u"-map"_s, u"0:0"_s};
    const QStringList rear = In + QStringList{u"-map"_s, u"0:1"_s};
    const QStringList sound{u"-map"_s, u"0:2"_s};
    const QStringList hvc1{u"-vtag"_s, u"hvc1"_s};
    const QStringList avc1{u"-vtag"_s, u"avc1"_s};

    // With sound: its stream goes into both outputs.
    EXPECT_EQ(VideoConverter::twoStreamArguments(2, 1, I, false, O), front + sound + copy + hvc1 + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(0, 1, I, false, O), front + sound + copy + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(1, 1, I, false, O), front + sound + copy + avc1 + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(3, 2, I, true, O), rear + sound + copy + avc1 + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(0, 1, I, true, O), rear + sound + copy + QStringList{O});
    // Without sound.
    EXPECT_EQ(VideoConverter::twoStreamArguments(2, 0, I, true, O), rear + copy + hvc1 + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(0, 0, I, false, O), front + copy + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(1, 0, I, false, O), front + copy + avc1 + QStringList{O});
    EXPECT_EQ(VideoConverter::twoStreamArguments(3, 0, I, true, O), rear + copy + avc1 + QStringList{O});

    EXPECT_EQ(VideoConverter::subtitleArguments(I, u"o.srt"_s),
              (In + QStringList{u"-vn"_s, u"-an"_s, u"-c:s"_s, u"text"_s, u"o.srt"_s}));
}

TEST(VideoConverterArguments, OtherCameraByNameEdits)
{
    const auto other = [](const QString &path) {
        return VideoConverter::otherCameraUrl(QUrl::fromLocalFile(path)).toLocalFile();
    };
    EXPECT_EQ(other(u"/c/A_F.mp4"_s), u"/c/A_R.mp4"_s);
    EXPECT_EQ(other(u"/c/A_R.mp4"_s), u"/c/A_F.mp4"_s);
    // Every "F." of the file name is edited, and only there: the folders are the user's.
    EXPECT_EQ(other(u"/c/F.x/A_F.mp4"_s), u"/c/F.x/A_R.mp4"_s);
    EXPECT_EQ(other(u"/media/F.CARD/Trip F.1/A_F.F.mp4"_s), u"/media/F.CARD/Trip F.1/A_R.R.mp4"_s);
    EXPECT_EQ(other(u"/media/F.CARD/A_R.mp4"_s), u"/media/F.CARD/A_F.mp4"_s);
    EXPECT_EQ(other(u"/media/R.CARD/A_BC.mp4"_s), QString());
    // The second form, tried when the name has no "F." or "R.".
    EXPECT_EQ(other(u"/c/A_F_BC.mp4"_s), u"/c/A_R_BC.mp4"_s);
    EXPECT_EQ(other(u"/c/A_R_BC.mp4"_s), u"/c/A_F_BC.mp4"_s);
    EXPECT_EQ(other(u"/c/A_BC.mp4"_s), QString());
    EXPECT_EQ(other(u"/c/A_f.mp4"_s), QString());
    // Names that URL text would escape are edited as written.
    EXPECT_EQ(other(u"/c/what? #1 ü_F.mp4"_s), u"/c/what? #1 ü_R.mp4"_s);
    EXPECT_EQ(other(u"/c/a?.mp4"_s), QString());
    EXPECT_TRUE(VideoConverter::otherCameraUrl(QUrl()).isEmpty());
}

class VideoConverterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_cards.isValid());
        ASSERT_TRUE(m_work.isValid());
        m_converter.setWorkingDirectory(m_work.path());
    }

    QString card(const QString &name) const { return m_cards.filePath(name); }
    QString working(const QString &relative) const { return m_work.filePath(relative); }
    VideoConverter::Playable convert(const QString &path)
    {
        m_converter.runner().clearRuns();
        return m_converter.checkAndConvertVideo(QUrl::fromLocalFile(path));
    }
    QList<QStringList> runs() const { return m_converter.runner().runs(); }
    // Every file under the working folder, relative to it.
    QStringList workingFiles() const
    {
        QStringList files;
        const QDir root(m_work.path());
        for (const QFileInfo &info : QDir(working(u"temp_video"_s)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString &name : QDir(info.filePath()).entryList(QDir::Files | QDir::Hidden)) {
                files.append(root.relativeFilePath(QDir(info.filePath()).filePath(name)));
            }
        }
        files.sort();
        return files;
    }

    // The stream lines ffmpeg reports for the file at PATH.
    static QStringList streams(const QString &path)
    {
        QStringList lines;
        for (const QString &line : Utils::GetFFMPEGVideoInfo(path).split(u'\n')) {
            if (line.trimmed().startsWith(u"Stream #"_s)) {
                lines.append(line.trimmed());
            }
        }
        return lines;
    }

    QTemporaryDir m_cards;
    QTemporaryDir m_work;
    VideoConverter m_converter;
};

TEST_F(VideoConverterTest, OtherFilesAreReturnedAsTheyAreAndNothingIsMade)
{
    const QString movie = card(u"clip.mov"_s);
    ASSERT_TRUE(TestRecordings::writeFile(movie, "not even a movie"));
    EXPECT_EQ(convert(movie), (QList<QUrl>{QUrl::fromLocalFile(movie)}));
    EXPECT_TRUE(runs().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(working(u"temp_video"_s)));
    EXPECT_EQ(m_converter.checkAndConvertVideo(QUrl()), std::nullopt);
}

TEST_F(VideoConverterTest, AnAviOfBothCamerasGivesOneFilePerCameraWithTheSound)
{
    // A name with a space, quotes, "#" and non-ASCII letters reaches ffmpeg unchanged.
    const QString avi = card(u"2026 \"evt\" #3 'ü' 駐車.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    const QString folder = QDir(m_work.path()).relativeFilePath(VideoConverter::conversionFolder(m_work.path(), avi));
    EXPECT_TRUE(
        folder.startsWith(u"temp_video/2026 \"evt\" #3 'ü' 駐車_"_s + QString::number(QFileInfo(avi).size()) + u'_'))
        << folder.toStdString();
    const QString front = working(folder + u"/2026 \"evt\" #3 'ü' 駐車_f.mov"_s);
    const QString rear = working(folder + u"/2026 \"evt\" #3 'ü' 駐車_r.mov"_s);

    EXPECT_EQ(convert(avi), (QList<QUrl>{QUrl::fromLocalFile(front), QUrl::fromLocalFile(rear)}));
    ASSERT_EQ(runs().size(), 3);
    EXPECT_EQ(runs().at(0), VideoConverter::inputArguments(avi));
    EXPECT_EQ(runs().at(1), VideoConverter::twoStreamArguments(0, 1, avi, false, VideoConverter::temporaryPath(front)));
    EXPECT_EQ(runs().at(2), VideoConverter::twoStreamArguments(0, 1, avi, true, VideoConverter::temporaryPath(rear)));

    // Front: picture stream 0 and the sound; rear: picture stream 1 and the same sound.
    const QStringList frontStreams = streams(front);
    ASSERT_EQ(frontStreams.size(), 2) << frontStreams.join(u'\n').toStdString();
    EXPECT_TRUE(frontStreams.at(0).contains(u"Video: h264"_s) && frontStreams.at(0).contains(u"160x96"_s));
    EXPECT_TRUE(frontStreams.at(1).contains(u"Audio: pcm_s16le"_s));
    const QStringList rearStreams = streams(rear);
    ASSERT_EQ(rearStreams.size(), 2) << rearStreams.join(u'\n').toStdString();
    EXPECT_TRUE(rearStreams.at(0).contains(u"128x72"_s));
    EXPECT_TRUE(rearStreams.at(1).contains(u"Audio: pcm_s16le"_s));
    // Only the finished files are left, each with the key of the recording it was made from.
    EXPECT_EQ(workingFiles(), (QStringList{folder + u"/.2026 \"evt\" #3 'ü' 駐車_f.mov.source"_s,
                                           folder + u"/.2026 \"evt\" #3 'ü' 駐車_r.mov.source"_s,
                                           folder + u"/2026 \"evt\" #3 'ü' 駐車_f.mov"_s,
                                           folder + u"/2026 \"evt\" #3 'ü' 駐車_r.mov"_s}));

    // Played again: ffmpeg only counts the streams.
    EXPECT_EQ(convert(avi), (QList<QUrl>{QUrl::fromLocalFile(front), QUrl::fromLocalFile(rear)}));
    EXPECT_EQ(runs(), (QList<QStringList>{VideoConverter::inputArguments(avi)}));
}

TEST_F(VideoConverterTest, AviWithoutSoundOrWithTheOtherCodeAndOneCameraAvi)
{
    const QString silent = card(u"silent.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(silent, true, false, u"avc1"_s));
    EXPECT_EQ(Utils::GetAviType(silent), Utils::AviTypeAVC1);
    const VideoConverter::Playable both = convert(silent);
    ASSERT_TRUE(both.has_value());
    ASSERT_EQ(both->size(), 2);
    ASSERT_EQ(runs().size(), 3);
    EXPECT_FALSE(runs().at(1).contains(u"0:2"_s));
    EXPECT_TRUE(runs().at(2).contains(u"avc1"_s));
    EXPECT_EQ(streams(both->at(1).toLocalFile()).size(), 1);

    const QString single = card(u"single.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(single, false, true));
    const VideoConverter::Playable one = convert(single);
    ASSERT_TRUE(one.has_value());
    ASSERT_EQ(one->size(), 1);
    EXPECT_TRUE(one->at(0).toLocalFile().endsWith(u"/single_f.mov"_s));
    ASSERT_EQ(runs().size(), 2);
    EXPECT_EQ(runs().at(1),
              VideoConverter::oneStreamArguments(0, single, VideoConverter::temporaryPath(one->at(0).toLocalFile())));
    EXPECT_EQ(streams(one->at(0).toLocalFile()).size(), 2);
}

TEST_F(VideoConverterTest, AnMp4PairGivesBothCamerasAndTheirSubtitlesAndIsReused)
{
    const QString subtitles = card(u"track.srt"_s);
    ASSERT_TRUE(TestRecordings::writeFile(
        subtitles, SubtitleFileWriter::file({{0, 100, u"gsensori,1,128,1,2,3"_s},
                                             {100, 200, u"gsensori,1,128,4,5,6;GPRMC,010203,A,3733.99,N"_s}})));
    const QString front = card(u"REC 0001_F.mp4"_s);
    const QString rear = card(u"REC 0001_R.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(front, TestRecordings::FrontSize, subtitles));
    ASSERT_TRUE(TestRecordings::mp4(rear, TestRecordings::RearSize, subtitles));

    const VideoConverter::Playable files = convert(front);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 2);
    const QString frontMov = files->at(0).toLocalFile();
    const QString rearMov = files->at(1).toLocalFile();
    EXPECT_TRUE(frontMov.endsWith(u"/REC 0001_F_f.mov"_s));
    EXPECT_TRUE(rearMov.endsWith(u"/REC 0001_F_r.mov"_s));
    EXPECT_EQ(QFileInfo(frontMov).path(), QFileInfo(rearMov).path());
    EXPECT_EQ(runs().size(), 4); // picture and subtitles of each camera
    EXPECT_TRUE(streams(frontMov).at(0).contains(u"160x96"_s));
    EXPECT_TRUE(streams(rearMov).at(0).contains(u"128x72"_s));
    // The subtitle file lies beside the front file and holds the records as they were written.
    const QByteArray extracted = TestRecordings::readFile(Utils::replaceFileExtensionFromFilePath(frontMov, u"srt"_s));
    EXPECT_TRUE(extracted.contains("gsensori,1,128,4,5,6;GPRMC,010203,A,3733.99,N")) << extracted.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Utils::replaceFileExtensionFromFilePath(rearMov, u"srt"_s)));

    // Converted files are reused without running ffmpeg at all.
    EXPECT_EQ(convert(front), files);
    EXPECT_TRUE(runs().isEmpty());

    // Without its partner a front file plays alone.
    QFile::remove(rear);
    const QString lone = card(u"LONE_F.mp4"_s);
    ASSERT_TRUE(QFile::copy(front, lone));
    const VideoConverter::Playable alone = convert(lone);
    ASSERT_TRUE(alone.has_value());
    EXPECT_EQ(alone->size(), 1);
}

TEST_F(VideoConverterTest, AConversionKilledHalfwayIsCompletedNextTimeAndItsLeftoversGo)
{
    const QString subtitles = card(u"track.srt"_s);
    ASSERT_TRUE(TestRecordings::writeFile(subtitles, SubtitleFileWriter::file({{0, 100, u"gsensori,1,128,1,2,3"_s}})));
    const QString front = card(u"K_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(front, TestRecordings::FrontSize, subtitles));
    const VideoConverter::Playable files = convert(front);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    const QString frontMov = files->at(0).toLocalFile();
    const QString frontSrt = Utils::replaceFileExtensionFromFilePath(frontMov, u"srt"_s);
    ASSERT_TRUE(QFileInfo::exists(frontSrt));

    // As a viewer killed after the ".mov" was in place and while the ".srt" was being written
    // leaves the folder: the subtitles missing, a half-written file under the hidden name.
    QFile::remove(frontSrt);
    const QString leftover = VideoConverter::temporaryPath(frontSrt);
    ASSERT_TRUE(TestRecordings::writeFile(leftover, "1\n00:00:00,000 --> 00:00:00,1"));

    EXPECT_EQ(convert(front), files);
    EXPECT_EQ(runs(), (QList<QStringList>{VideoConverter::subtitleArguments(front, leftover)}))
        << "only the missing output is made again";
    EXPECT_TRUE(TestRecordings::readFile(frontSrt).contains("gsensori,1,128,1,2,3"));
    EXPECT_FALSE(QFileInfo::exists(leftover));

    // A leftover beside complete outputs goes too.
    ASSERT_TRUE(TestRecordings::writeFile(VideoConverter::temporaryPath(frontMov), "half a movie"));
    EXPECT_EQ(convert(front), files);
    EXPECT_TRUE(runs().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(VideoConverter::temporaryPath(frontMov)));
}

TEST_F(VideoConverterTest, APairIsFoundWhateverTheFoldersAboveItAreCalled)
{
    // A card mounted at "F.CARD", a folder named "Trip F.1": only the file names carry the camera.
    ASSERT_TRUE(QDir().mkpath(card(u"F.CARD/Trip F.1"_s)));
    const QString front = card(u"F.CARD/Trip F.1/REC_F.mp4"_s);
    const QString rear = card(u"F.CARD/Trip F.1/REC_R.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(front, TestRecordings::FrontSize));
    ASSERT_TRUE(TestRecordings::mp4(rear, TestRecordings::RearSize));
    const VideoConverter::Playable files = convert(front);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 2) << "both cameras convert";
    EXPECT_TRUE(streams(files->at(1).toLocalFile()).at(0).contains(u"128x72"_s));
}

TEST_F(VideoConverterTest, AnHevcMp4WithTheBrandsIsTaggedHvc1)
{
    const QString hevc = card(u"hevc_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(hevc, TestRecordings::FrontSize, {}, true));
    // The compatible brands of the file-type box start at offset 16.
    QFile file(hevc);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(16));
    ASSERT_EQ(file.write("iso4hvc1"), 8);
    file.close();
    EXPECT_EQ(Utils::GetAviType(hevc), Utils::AviTypeIso4Hvc1);

    const VideoConverter::Playable files = convert(hevc);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    EXPECT_EQ(runs().at(0),
              VideoConverter::oneStreamArguments(2, hevc, VideoConverter::temporaryPath(files->at(0).toLocalFile())));
    const QStringList converted = streams(files->at(0).toLocalFile());
    ASSERT_FALSE(converted.isEmpty());
    EXPECT_TRUE(converted.at(0).contains(u"hevc"_s) && converted.at(0).contains(u"(hvc1 /"_s))
        << converted.at(0).toStdString();
}

TEST_F(VideoConverterTest, BadRecordingsGiveNothingToPlayAndLeaveNothingBehind)
{
    // Not a recording at all.
    const QString text = card(u"notes.avi"_s);
    ASSERT_TRUE(TestRecordings::writeFile(text, "shopping list"));
    EXPECT_EQ(convert(text), QList<QUrl>());

    // A recording cut short before its index: refused before anything is written.
    const QString whole = card(u"whole_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(whole, TestRecordings::FrontSize));
    const QString cut = card(u"cut_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(cut, TestRecordings::readFile(whole).first(600)));
    EXPECT_EQ(convert(cut), QList<QUrl>());
    EXPECT_EQ(m_converter.failure(), VideoConverter::Failure::NotItsContainer);
    EXPECT_EQ(runs().size(), 0);

    // Deleted after it was listed.
    EXPECT_EQ(convert(card(u"gone_F.mp4"_s)), std::nullopt);

    // The empty conversion folders are all that is left.
    EXPECT_EQ(workingFiles(), QStringList());
}

TEST_F(VideoConverterTest, WithoutFfmpegNothingPlaysAndNothingHangs)
{
    const QString avi = card(u"a.avi"_s);
    const QString mp4 = card(u"b_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    ASSERT_TRUE(TestRecordings::mp4(mp4, TestRecordings::FrontSize));
    VideoConverter converter;
    converter.setWorkingDirectory(m_work.path());
    {
        ScopedEnvironment missing(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(card(u"no-ffmpeg"_s)));
        VideoConverter without;
        without.setWorkingDirectory(m_work.path());
        EXPECT_EQ(without.checkAndConvertVideo(QUrl::fromLocalFile(avi)), QList<QUrl>());
        EXPECT_EQ(without.checkAndConvertVideo(QUrl::fromLocalFile(mp4)), QList<QUrl>());
    }
    EXPECT_EQ(workingFiles(), QStringList());
}

// A stand-in for ffmpeg that writes part of its output file and then fails, as a run does when
// the disk fills up or the card is pulled out.
QString failingFfmpeg(const QString &folder, const QString &body)
{
    const QString path = QDir(folder).filePath(u"ffmpeg"_s);
    TestRecordings::writeFile(path, "#!/bin/sh\n" + body.toUtf8() + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST_F(VideoConverterTest, AFailedOrStuckRunLeavesNoFileThatLooksFinished)
{
    const QString mp4 = card(u"c_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::mp4(mp4, TestRecordings::FrontSize));
    QTemporaryDir bin;
    {
        // Writes half a file to its last argument when that is an output (a stream report names
        // the recording last and writes nothing), then fails.
        const QString fake = failingFfmpeg(bin.path(), u"for last; do :; done; case \"$last\" in */.partial-*) "
                                                       u"printf half > \"$last\";; *) echo 'Input #0, mov, from x:';; "
                                                       u"esac; exit 1"_s);
        ScopedEnvironment broken(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(fake));
        VideoConverter converter;
        converter.setWorkingDirectory(m_work.path());
        EXPECT_EQ(converter.checkAndConvertVideo(QUrl::fromLocalFile(mp4)), QList<QUrl>());
        EXPECT_EQ(converter.runner().runs().size(), 2);
    }
    EXPECT_EQ(workingFiles(), QStringList());
    {
        // Never ends: killed after the time bound.
        const QString fake = failingFfmpeg(bin.path(), u"for last; do :; done; case \"$last\" in */.partial-*) exec "
                                                       u"sleep 60;; esac; echo 'Input #0, mov, from x:'"_s);
        ScopedEnvironment stuck(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(fake));
        VideoConverter converter;
        converter.setWorkingDirectory(m_work.path());
        converter.runner().setTimeoutMs(300);
        EXPECT_EQ(converter.checkAndConvertVideo(QUrl::fromLocalFile(mp4)), QList<QUrl>());
    }
    EXPECT_EQ(workingFiles(), QStringList());

    // The real ffmpeg then converts the recording instead of reusing a broken file.
    const VideoConverter::Playable files = convert(mp4);
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    EXPECT_EQ(streams(files->at(0).toLocalFile()).size(), 2);
}

TEST_F(VideoConverterTest, PlanningListsTheRunsAndWritesNothing)
{
    const QString avi = card(u"plan.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    m_converter.setPlanOnly(true);
    const VideoConverter::Playable files = convert(avi);
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->size(), 2);
    ASSERT_EQ(runs().size(), 3);
    EXPECT_EQ(runs().at(2), VideoConverter::twoStreamArguments(
                                0, 1, avi, true, VideoConverter::temporaryPath(files->at(1).toLocalFile())));
    EXPECT_FALSE(QFileInfo::exists(working(u"temp_video"_s)));
}
} // namespace

namespace {
// A two-camera AVI converted by an ffmpeg that reads it at the recording's own pace (two seconds):
// the share rises along the way to 1, while the runs noted are the plain argument lists and only
// the conversions, not the stream count, were asked for a progress report.
TEST_F(VideoConverterTest, ProgressRisesToTheWholeWhileTheNotedRunsStayAsGiven)
{
    const QString avi = card(u"20261207_081600_EVT.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(avi, true, true));
    SlowFfmpeg paced(0.0, {u"-readrate"_s, u"1"_s});
    ASSERT_TRUE(paced.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(paced.program()));
    VideoConverter converter;
    converter.setWorkingDirectory(m_work.path());
    QList<double> shares;
    converter.setProgressHandler([&shares](double share) { shares.append(share); });

    const VideoConverter::Playable files = converter.checkAndConvertVideo(QUrl::fromLocalFile(avi));
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->size(), 2);
    ASSERT_GE(shares.size(), 3) << "a report every half second of a two-second conversion";
    EXPECT_LT(shares.constFirst(), 0.8);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end(), std::less_equal<>()) &&
                std::adjacent_find(shares.begin(), shares.end()) == shares.end())
        << "strictly rising";
    EXPECT_DOUBLE_EQ(shares.constLast(), 1.0);

    const QList<QStringList> runs = converter.runner().runs();
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs.at(0), VideoConverter::inputArguments(avi));
    EXPECT_FALSE(runs.at(1).contains(u"-progress"_s));
    // Besides the runs noted, each output made is asked for its stream report (the check that it
    // is complete), without a progress report.
    QList<SlowFfmpeg::Run> started = paced.runs();
    const qsizetype checks = started.removeIf([](const SlowFfmpeg::Run &run) {
        return run.arguments.size() == 2 && run.arguments.at(0) == u"-i"_s &&
               QFileInfo(run.arguments.at(1)).fileName().startsWith(u".partial-"_s);
    });
    EXPECT_EQ(checks, 2);
    ASSERT_EQ(started.size(), 3);
    EXPECT_EQ(started.at(0).arguments, runs.at(0));
    for (qsizetype i = 1; i < 3; ++i) {
        EXPECT_EQ(started.at(i).arguments.mid(0, 3), FfmpegRunner::progressArguments());
        EXPECT_TRUE(runs.contains(started.at(i).arguments.mid(3)));
    }

    // Converted already: nothing to follow, nothing reported.
    shares.clear();
    EXPECT_EQ(converter.checkAndConvertVideo(QUrl::fromLocalFile(avi)), files);
    EXPECT_TRUE(shares.isEmpty());
}
} // namespace
