#include "core/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
