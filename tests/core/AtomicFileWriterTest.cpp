#include "core/AtomicFileWriter.h"

#include "support/SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

TEST(AtomicFileWriterTest, ReplacesTheWholeFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("setup.cfg"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, QByteArray(600, 'a')));
    const QByteArray shorter("new content");
    QString error;
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, shorter, &error)) << error.toStdString();
    EXPECT_EQ(readAll(path), shorter);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("setup.cfg")});
}

TEST(AtomicFileWriterTest, RefusesLinksAndFoldersAndKeepsWhatTheyPointAt)
{
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("outside.bin"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(outside, "keep me"));
    const QString link = dir.filePath(QStringLiteral("link.cfg"));
    ASSERT_TRUE(QFile::link(outside, link));

    QString error;
    EXPECT_FALSE(AtomicFileWriter::writeFile(link, "overwritten", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(outside), QByteArray("keep me"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_FALSE(AtomicFileWriter::writeFile(dir.filePath(QStringLiteral("folder")), "x"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

TEST(AtomicFileWriterTest, AMissingFolderFailsWithAReason)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(AtomicFileWriter::writeFile(dir.filePath(QStringLiteral("no/such/folder/file")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

namespace {
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

TEST(AtomicFileWriterTest, AFullFileSystemKeepsTheOldFileAndReportsTheFailure)
{
    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    const QString path = fs.filePath(QStringLiteral("setup.cfg"));
    const QByteArray old(215, 'o');
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, old));
    ASSERT_TRUE(fs.fill());

    // Larger than any block the file system could still have held back, and small enough to sit in
    // a write buffer whole: the case a buffered write reported as written.
    QString error;
    EXPECT_FALSE(AtomicFileWriter::writeFile(path, QByteArray(5715, 'n'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), old);

    // The streaming form: the failing block is reported, and the commit after it refused.
    AtomicFileWriter writer(path);
    ASSERT_TRUE(writer.open()) << writer.errorString().toStdString();
    bool written = true;
    for (int i = 0; i < 64 && written; ++i) {
        written = writer.write(QByteArray(64 * 1024, 'b'));
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(writer.commit());
    EXPECT_FALSE(writer.errorString().isEmpty());
    EXPECT_EQ(readAll(path), old);
    // No temporary file is left behind to take the space the next try needs.
    EXPECT_EQ(entries(fs.path()),
              (QStringList{QStringLiteral("filler"), QStringLiteral("lost+found"), QStringLiteral("setup.cfg")}));
}

TEST(AtomicFileWriterTest, PipesAndDevicesAreNeitherWrittenNorReplaced)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(AtomicFileWriter::writeFile(pipe, "x", &error)); // returns at once, nobody reads the pipe
    EXPECT_TRUE(error.contains(QStringLiteral("not a regular file"))) << error.toStdString();
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());

    // A device node of the null device: replacing it would turn it into a plain file.
    const QString device = dir.filePath(QStringLiteral("device.csv"));
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    EXPECT_FALSE(AtomicFileWriter::writeFile(device, "x", &error));
    struct stat status
    {
    };
    ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("device.csv"), QStringLiteral("pipe.csv")}));
}

TEST(AtomicFileWriterTest, StreamsBlocksAndLeavesTheTargetAloneUntilTheCommit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.mp4"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, "old copy"));
    {
        AtomicFileWriter abandoned(path);
        ASSERT_TRUE(abandoned.open());
        ASSERT_TRUE(abandoned.write(QByteArray(1000, 'a')));
        EXPECT_EQ(readAll(path), QByteArray("old copy"));
    }
    EXPECT_EQ(readAll(path), QByteArray("old copy"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("copy.mp4")});

    AtomicFileWriter writer(path);
    ASSERT_TRUE(writer.open());
    ASSERT_TRUE(writer.write(QByteArray(3, 'x')));
    ASSERT_TRUE(writer.write(QByteArray(2, 'y')));
    ASSERT_TRUE(writer.commit()) << writer.errorString().toStdString();
    EXPECT_EQ(readAll(path), QByteArray("xxxyy"));
    EXPECT_FALSE(writer.write("more")); // a committed writer takes nothing more
    EXPECT_EQ(readAll(path), QByteArray("xxxyy"));
}
