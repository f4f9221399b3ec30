#include "export/Utils.h"

#include "platform/FolderVolumes.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QString makeExecutable(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(UtilsTest, AnExplicitFfmpegWins)
{
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, "/opt/elsewhere/ffmpeg");
    EXPECT_EQ(Utils::GetFFMPEGPath(), u"/opt/elsewhere/ffmpeg"_s);
}

TEST(UtilsTest, FallsBackToTheSearchPath)
{
    QTemporaryDir folder;
    const QString fake = makeExecutable(folder.path(), u"ffmpeg"_s);
    ScopedEnvironment noOverride(Utils::FFMPEGEnvironmentVariable, QByteArray());
    ScopedEnvironment path("PATH", folder.path().toLocal8Bit());
    EXPECT_EQ(Utils::GetFFMPEGPath(), fake);
}

TEST(UtilsTest, NoFfmpegAnywhereGivesAnEmptyPath)
{
    QTemporaryDir folder;
    makeExecutable(folder.path(), u"not-ffmpeg"_s);
    ScopedEnvironment noOverride(Utils::FFMPEGEnvironmentVariable, QByteArray());
    ScopedEnvironment path("PATH", folder.path().toLocal8Bit());
    EXPECT_TRUE(Utils::GetFFMPEGPath().isEmpty());
}

TEST(UtilsTest, OnlyLocalRemovableVolumesAreExternalMemory)
{
    QTemporaryDir mounts;
    for (const QString &name : {u"CARD"_s, u"NAS"_s, u"DISK"_s}) {
        QDir(mounts.path()).mkpath(name + u"/DCIM"_s);
    }
    FolderVolumes volumes(mounts.path());
    volumes.setFlags(u"NAS"_s, false, true);
    volumes.setFlags(u"DISK"_s, true, false);
    const QDir root(mounts.path());

    EXPECT_TRUE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"CARD"_s)), volumes));
    EXPECT_TRUE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"CARD/DCIM"_s)), volumes));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"NAS"_s)), volumes));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"DISK/DCIM"_s)), volumes));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"CARD/gone"_s)), volumes));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl(), volumes));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl(u"https://example.com/CARD"_s), volumes));
    // The system's own volumes: the temporary folder is no camera card, and a missing place is nothing.
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(u"/proc"_s)));
    EXPECT_FALSE(Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root.filePath(u"CARD/gone"_s))));
}
} // namespace

namespace {
TEST(UtilsTest, CountsStreamLinesOfTheReport)
{
    const QString report = u"Input #0, avi, from 'x.avi':\n"
                           u"  Stream #0:0: Video: h264 (H264 / 0x34363248), yuv420p, 160x96\n"
                           u"  Stream #0:1: video: h264, 128x72\n"
                           u"  Stream #0:2: Audio: pcm_s16le, 8000 Hz, mono\n"
                           u"Input #1, mov,mp4, from 'y.mp4':\n"
                           u"  Stream #1:0[0x1](und): Video: hevc (hvc1 / 0x31637668)\n"
                           u"  Stream #1:1[0x2](eng): Audio: aac (LC)\n"
                           u"  Stream #1:2[0x3](und): Subtitle: mov_text (tx3g / 0x67337874)\n"_s;
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoInfo(report), 3);
    EXPECT_EQ(Utils::GetAudioStreamCountFromVideoInfo(report), 2);
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoInfo(QString()), 0);
    // A stream line is one line: "Video" further down does not count for it.
    EXPECT_EQ(Utils::GetVideoStreamCountFromVideoInfo(u"Stream #0:0: Data\nVideo: h264"_s), 0);
}

TEST(UtilsTest, TheCodecTypeComesFromTheStreamHeaderOrTheBrands)
{
    QTemporaryDir folder;
    const auto typeOf = [&](const QByteArray &bytes) {
        const QString path = folder.filePath(u"f.bin"_s);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        return Utils::GetAviType(path);
    };
    const auto at = [](qsizetype offset, const QByteArray &text, qsizetype size = 128) {
        QByteArray bytes(size, 'x');
        bytes.replace(offset, text.size(), text);
        return bytes;
    };
    EXPECT_EQ(typeOf(at(112, "h264")), 0);
    EXPECT_EQ(typeOf(at(112, "AVC1")), 1);
    EXPECT_EQ(typeOf(at(112, "avc1xxxx")), 1);
    EXPECT_EQ(typeOf(at(16, "iso4hvc1")), 2);
    EXPECT_EQ(typeOf(at(16, "ISO4HVC1")), 2);
    // The stream header is looked at first.
    EXPECT_EQ(typeOf(at(16, "H264") + QByteArray()), 0);
    QByteArray both = at(112, "AVC1");
    both.replace(16, 4, "H264");
    EXPECT_EQ(typeOf(both), 1);
    // A name longer than what the file holds there does not match.
    EXPECT_EQ(typeOf(at(112, "H26", 115)), 3);
    EXPECT_EQ(typeOf(at(16, "iso4hvc", 23)), 3);
    EXPECT_EQ(typeOf(at(16, "isomiso2avc1mp41")), 3);
    EXPECT_EQ(Utils::GetAviType(folder.filePath(u"missing.avi"_s)), 3);
}

TEST(UtilsTest, PathAndGeometryHelpers)
{
    EXPECT_EQ(Utils::removeFileExtensionFromFilePath(u"/a/b.c/clip.x.mp4"_s), u"/a/b.c/clip.x"_s);
    EXPECT_EQ(Utils::removeFileExtensionFromFilePath(u"/a/b.c/clip"_s), u"/a/b.c/clip"_s);
    EXPECT_EQ(Utils::removeFileExtensionFromFilePath(u"/a/.hidden"_s), u"/a/.hidden"_s);
    EXPECT_TRUE(Utils::removeFileExtensionFromFilePath(QString()).isNull());
    EXPECT_EQ(Utils::replaceFileExtensionFromFilePath(u"/w/x_f.mov"_s, u"srt"_s), u"/w/x_f.srt"_s);
    EXPECT_TRUE(Utils::replaceFileExtensionFromFilePath(QString(), u"srt"_s).isNull());
    EXPECT_TRUE(Utils::CheckError(QString()));
    EXPECT_FALSE(Utils::CheckError(u"disk full"_s));

    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(Utils::GetCurrentScreen(QRect(1000, 10, 400, 300), screens), 0);
    // The centre on a right edge belongs to the next screen.
    EXPECT_EQ(Utils::GetCurrentScreen(QRect(1720, 10, 400, 300), screens), 1);
    EXPECT_EQ(Utils::GetCurrentScreen(QRect(4000, 10, 400, 300), screens), -1);

    const QRectF frame(10, 20, 100, 50);
    EXPECT_TRUE(Utils::CheckPointInFrame(QPointF(10, 20), frame));
    EXPECT_TRUE(Utils::CheckPointInFrame(QPointF(109.9, 69.9), frame));
    EXPECT_FALSE(Utils::CheckPointInFrame(QPointF(110, 30), frame));
    EXPECT_FALSE(Utils::CheckPointInFrame(QPointF(30, 70), frame));
}

TEST(UtilsTest, FilesAndFolders)
{
    QTemporaryDir folder;
    const QString program = makeExecutable(folder.path(), u"helper"_s);
    QFile::setPermissions(program, QFileDevice::Permissions(0x7777));
    ASSERT_TRUE(Utils::EnableFileExcutableMode(program));
    // 0755: nobody but the owner may change what we run.
    EXPECT_EQ(QFileInfo(program).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                  QFile::ReadOther | QFile::ExeOther);
    EXPECT_FALSE(Utils::EnableFileExcutableMode(folder.filePath(u"missing"_s)));

    QDir(folder.path()).mkpath(u"tree/deep"_s);
    makeExecutable(folder.filePath(u"tree/deep"_s), u"file"_s);
    EXPECT_TRUE(Utils::RemoveDirectory(folder.filePath(u"tree"_s)));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(u"tree"_s)));
    EXPECT_TRUE(Utils::RemoveDirectory(program));
    EXPECT_FALSE(QFileInfo::exists(program));
    EXPECT_FALSE(Utils::RemoveDirectory(folder.filePath(u"missing"_s)));
}

TEST(UtilsTest, QuittingRemovesOnlyWhatTheProgramPutIntoTheWorkingFolder)
{
    QTemporaryDir home;
    // With no folder settings of its own, the documents folder is ~/Documents.
    ScopedEnvironment homeFolder("HOME", QFile::encodeName(home.path()));
    ScopedEnvironment config("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
    const QString own = Utils::GetWorkingDirectoryPath();
    const QString working = Utils::WorkingDirectoryLocation();
    ASSERT_EQ(working, home.filePath(u"Documents/Velmora"_s));
    // This program's own part of it: other viewers of the same user convert beside it.
    ASSERT_EQ(QFileInfo(own).path(), working);
    QDir(own).mkpath(u"temp_video/clip_1234"_s);
    makeExecutable(own + u"/temp_video/clip_1234"_s, u"clip_f.mov"_s);
    makeExecutable(working, u"my notes.txt"_s);

    Utils::RemoveWorkingDirectory();
    EXPECT_FALSE(QFileInfo::exists(own));
    EXPECT_TRUE(QFileInfo::exists(working + u"/my notes.txt"_s));

    QFile::remove(working + u"/my notes.txt"_s);
    Utils::RemoveWorkingDirectory();
    EXPECT_FALSE(QFileInfo::exists(working));
}

TEST(UtilsTest, RunsAProgramWithItsOutputsJoined)
{
    const QString output = Utils::DoTaskWithLaunchPath(u"/bin/sh"_s, {u"-c"_s, u"echo out; echo err >&2; echo ü"_s});
    EXPECT_EQ(output, u"out\nerr\nü\n"_s);
    // Arguments are never read by a shell.
    EXPECT_EQ(Utils::DoTaskWithLaunchPath(u"/bin/echo"_s, {u"$HOME; 'a' \"b\" #c"_s}), u"$HOME; 'a' \"b\" #c\n"_s);
    EXPECT_EQ(Utils::DoTaskWithLaunchPath(u"/nonexistent/program"_s), QString());
}
} // namespace
