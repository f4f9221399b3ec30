#include "core/LocalPath.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Writes BYTES into a file whose name is NAME, byte for byte, in FOLDER.
bool writeRaw(const QTemporaryDir &folder, const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return written;
}

TEST(LocalPath, NamesThatAreNotUtf8ComeBackByteForByteAndStayApart)
{
    const QList<QByteArray> names = {
        "REC_\x80_F.mp4",
        "REC_\xef\xbf\xbd_F.mp4", // a stray byte, and the character Qt puts in its place
        "\xff\xfe.avi",
        "\xc0\xaf.mp4",                     // bytes UTF-8 never has; an overlong "/"
        "\xed\xa0\x80.mp4",                 // a surrogate written as UTF-8
        "caf\xc3\xa9 \xf0\x9f\x9a\x97.mp4", // valid: é and a car
        "cut\xe2\x82",                      // a sequence cut short at the end
        "\xef\xbb\xbf"
        "bom.mp4", // a byte order mark is part of a name too
        // A character past U+FFFF whose second half lies where stray bytes are kept, beside one.
        "\xe3\xf4\x89\x92\x89\xeb$v",
    };
    QList<QString> decoded;
    for (const QByteArray &name : names) {
        const QString path = LocalPath::decode(name);
        EXPECT_EQ(LocalPath::encode(path), name) << name.toHex().toStdString();
        decoded.append(path);
    }
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        for (qsizetype j = i + 1; j < decoded.size(); ++j) {
            EXPECT_NE(decoded.at(i), decoded.at(j)) << i << " and " << j;
        }
    }
    // What is UTF-8 reads as Qt reads it, and Qt's classes take it as it is.
    EXPECT_EQ(decoded.at(5), u"café 🚗.mp4"_s);
    EXPECT_TRUE(LocalPath::isLossless(decoded.at(1)));
    EXPECT_TRUE(LocalPath::isLossless(decoded.at(5)));
    EXPECT_FALSE(LocalPath::isLossless(decoded.at(0)));
    EXPECT_EQ(LocalPath::displayText(decoded.at(0)), u"REC_\uFFFD_F.mp4"_s);
    EXPECT_EQ(LocalPath::sanitizedName(decoded.at(2)), u"__.avi"_s);
}

TEST(LocalPath, AStandInOpensTheFileWithThoseVeryBytes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(writeRaw(folder, "Rec_\x80_F.avi", "stray byte"));
    ASSERT_TRUE(writeRaw(folder, "Rec_\xef\xbf\xbd_F.avi", "replacement character"));
    const QString odd = folder.path() + u'/' + LocalPath::decode("Rec_\x80_F.avi");
    const QString replacement = folder.path() + u'/' + LocalPath::decode("Rec_\xef\xbf\xbd_F.avi");

    const QString standIn = LocalPath::openable(odd);
    ASSERT_FALSE(standIn.isEmpty());
    EXPECT_NE(standIn, odd);
    EXPECT_TRUE(standIn.endsWith(u"/Rec___F.avi"_s)) << "prefix, camera letter and extension kept";
    EXPECT_EQ(LocalPath::openable(odd), standIn) << "one stand-in per path";
    QFile file(standIn);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "stray byte");

    // A name that is UTF-8 is its own stand-in.
    EXPECT_EQ(LocalPath::openable(replacement), replacement);
    QFile other(replacement);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), "replacement character");
    // Qt's own removal cannot name the odd file: it goes by its bytes.
    EXPECT_EQ(::unlink(LocalPath::encode(odd).constData()), 0);
}
} // namespace
