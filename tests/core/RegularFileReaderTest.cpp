#include "core/RegularFileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace {
QString write(const QTemporaryDir &dir, const QString &relative, const QByteArray &bytes)
{
    const QString path = dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}
} // namespace

TEST(RegularFileReaderTest, ReadsWithinTheLimitOnly)
{
    QTemporaryDir dir;
    const QString path = write(dir, u"setup.cfg"_s, QByteArray(600, 'r'));
    EXPECT_EQ(RegularFileReader::readWhole(path, 600), QByteArray(600, 'r'));
    QString error;
    EXPECT_FALSE(RegularFileReader::readWhole(path, 599, &error));
    EXPECT_TRUE(error.contains(u"larger than 599"_s)) << error.toStdString();

    qint64 size = 0;
    EXPECT_EQ(RegularFileReader::readHead(path, 24, &size), QByteArray(24, 'r'));
    EXPECT_EQ(size, 600);
    EXPECT_EQ(RegularFileReader::readHead(path, 4096), QByteArray(600, 'r'));
    EXPECT_EQ(RegularFileReader::readWhole(write(dir, u"empty"_s, {}), 10), QByteArray());
    EXPECT_FALSE(RegularFileReader::readWhole(dir.filePath(u"missing"_s), 10));
}

TEST(RegularFileReaderTest, LinksPipesAndDevicesAreNotRead)
{
    QTemporaryDir dir;
    const QString target = write(dir, u"elsewhere/secret"_s, "outside the card");
    const QString link = dir.filePath(u"link.cfg"_s);
    ASSERT_TRUE(QFile::link(target, link));
    QString error;
    EXPECT_FALSE(RegularFileReader::readWhole(link, 1024, &error));
    EXPECT_TRUE(error.contains(u"is a link"_s)) << error.toStdString();
    EXPECT_FALSE(RegularFileReader::isRegularFile(link));
    EXPECT_TRUE(RegularFileReader::isRegularFile(target));

    // Nobody writes to this pipe: opening it for reading the ordinary way would wait for ever.
    const QString pipe = dir.filePath(u"ver.dat"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(RegularFileReader::readWhole(pipe, 1024, &error));
    EXPECT_TRUE(error.contains(u"not a regular file"_s)) << error.toStdString();
    EXPECT_FALSE(RegularFileReader::readHead(pipe, 24));

    const QString device = dir.filePath(u"zero.cfg"_s);
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0) {
        // The zero device would give bytes for ever; it is refused before it is opened.
        EXPECT_FALSE(RegularFileReader::readHead(device, 24));
    }
    EXPECT_FALSE(RegularFileReader::readWhole(dir.path(), 1024));
}

TEST(RegularFileReaderTest, AFileReachedThroughALinkedFolderLiesOutsideTheCard)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(u"card"_s);
    write(dir, u"card/SETTING/setup.cfg"_s, "inside");
    write(dir, u"other/setup.cfg"_s, "outside");
    ASSERT_TRUE(QFile::link(dir.filePath(u"other"_s), dir.filePath(u"card/setting"_s)));
    EXPECT_TRUE(RegularFileReader::liesInside(dir.filePath(u"card/SETTING/setup.cfg"_s), card));
    EXPECT_TRUE(RegularFileReader::liesInside(dir.filePath(u"card/top.txt"_s), card));
    EXPECT_FALSE(RegularFileReader::liesInside(dir.filePath(u"card/setting/setup.cfg"_s), card));
    EXPECT_FALSE(RegularFileReader::liesInside(dir.filePath(u"cardboard/x"_s), card));
    EXPECT_FALSE(RegularFileReader::liesInside(dir.filePath(u"card/none/x"_s), card));
}
