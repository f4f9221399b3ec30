// The root route of the reformat helper for real, on file-system images attached as loop devices.
// Needs root, loop devices and the mkfs tools; skips, saying what was not run, where the machine
// allows less.
#include "platform/MkfsCardReformatter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
struct CommandRun
{
    int exitCode = -1;
    QString output;
};

CommandRun run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString probe(const QString &device, const QString &tag)
{
    return run(u"blkid"_s, {u"-p"_s, u"-s"_s, tag, u"-o"_s, u"value"_s, device}).output.trimmed();
}

bool isMountedAt(const QString &path)
{
    QFile table(u"/proc/self/mountinfo"_s);
    if (!table.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray escaped = path.toUtf8();
    escaped.replace(" ", "\\040");
    const QByteArray field = QByteArray(" ") + escaped + QByteArray(" ");
    return table.readAll().contains(field);
}

// A disk image of SIZE attached to a free loop device, detached (and unmounted) at the end.
class LoopImage
{
public:
    explicit LoopImage(const QString &imagePath)
    {
        QFile image(imagePath);
        if (!image.open(QIODevice::WriteOnly) || !image.resize(48 * 1024 * 1024)) {
            return;
        }
        image.close();
        const CommandRun attached = run(u"losetup"_s, {u"-f"_s, u"--show"_s, imagePath});
        if (attached.exitCode == 0) {
            m_device = attached.output.trimmed();
        }
    }
    ~LoopImage()
    {
        if (!m_mountPath.isEmpty() && isMountedAt(m_mountPath)) {
            run(u"umount"_s, {m_mountPath});
        }
        if (!m_device.isEmpty()) {
            run(u"losetup"_s, {u"-d"_s, m_device});
        }
    }
    LoopImage(const LoopImage &) = delete;
    LoopImage &operator=(const LoopImage &) = delete;

    QString device() const { return m_device; }
    bool mount(const QString &path)
    {
        m_mountPath = path;
        return QDir().mkpath(path) && run(u"mount"_s, {m_device, path}).exitCode == 0;
    }

private:
    QString m_device;
    QString m_mountPath;
};

class FormatCardLoopDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0) {
            GTEST_SKIP() << "not root: the helper's root route on loop devices was not run";
        }
        for (const char *tool : {"losetup", "mount", "umount", "blkid", "mkfs.ext4"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty() &&
                QStandardPaths::findExecutable(QString::fromLatin1(tool), {u"/usr/sbin"_s, u"/sbin"_s}).isEmpty()) {
                GTEST_SKIP() << tool << " is missing: the helper's root route on loop devices was not run";
            }
        }
        ASSERT_TRUE(folder.isValid());
    }

    QTemporaryDir folder;
};

TEST_F(FormatCardLoopDeviceTest, FormatsAMountedExt4CardInPlaceKeepingLabelOwnerAndMountPoint)
{
    LoopImage image(folder.filePath(u"card.img"_s));
    if (image.device().isEmpty()) {
        GTEST_SKIP() << "no loop device could be attached: the ext4 round trip was not run";
    }
    ASSERT_EQ(run(u"mkfs.ext4"_s, {u"-q"_s, u"-L"_s, u"CAM 카드"_s, image.device()}).exitCode, 0);
    const QString mountPath = folder.filePath(u"card \"é\" 1"_s);
    if (!image.mount(mountPath)) {
        GTEST_SKIP() << "the ext4 image cannot be mounted here: the ext4 round trip was not run";
    }
    QFile old(mountPath + u"/DCIM.txt"_s);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    ASSERT_EQ(chown(QFile::encodeName(mountPath).constData(), 1234, 2345), 0);

    // The installed program never takes a loop device for a card.
    const CommandRun installed = run(QStringLiteral(VELMORA_FORMAT_CARD), {u"plan"_s, mountPath});
    EXPECT_EQ(installed.exitCode, 1);
    EXPECT_TRUE(installed.output.contains(u"removable"_s)) << installed.output.toStdString();
    const CommandRun unnamed = run(QStringLiteral(VELMORA_FORMAT_CARD_TEST), {u"reformat"_s, mountPath});
    EXPECT_EQ(unnamed.exitCode, 1);
    EXPECT_TRUE(QFile::exists(mountPath + u"/DCIM.txt"_s));

    const QStringList testOptions = {u"--accept-loop-device"_s, image.device(), u"--route"_s, u"mkfs"_s};
    const CommandRun planned =
        run(QStringLiteral(VELMORA_FORMAT_CARD_TEST), testOptions + QStringList{u"plan"_s, mountPath});
    EXPECT_EQ(planned.exitCode, 0) << planned.output.toStdString();
    EXPECT_TRUE(planned.output.contains(u"\"route\":\"mkfs\""_s)) << planned.output.toStdString();

    const CommandRun formatted =
        run(QStringLiteral(VELMORA_FORMAT_CARD_TEST), testOptions + QStringList{u"reformat"_s, mountPath});
    ASSERT_EQ(formatted.exitCode, 0) << formatted.output.toStdString();
    EXPECT_TRUE(isMountedAt(mountPath));
    EXPECT_FALSE(QFile::exists(mountPath + u"/DCIM.txt"_s));
    EXPECT_EQ(probe(image.device(), u"TYPE"_s), u"ext4"_s);
    EXPECT_EQ(probe(image.device(), u"LABEL"_s), u"CAM 카드"_s);
    EXPECT_EQ(QFileInfo(mountPath).ownerId(), 1234u);
    EXPECT_EQ(QFileInfo(mountPath).groupId(), 2345u);
}

TEST_F(FormatCardLoopDeviceTest, MakesVfatAndExfatWithTheirLabelsOnAnUnmountedDevice)
{
    // The kernel here mounts neither, so they are formatted unmounted and read back with blkid.
    const struct
    {
        QString type;
        QString label;
    } cases[] = {{u"vfat"_s, u"CAM01"_s}, {u"exfat"_s, u"Card 02"_s}};
    for (const auto &c : cases) {
        if (QStandardPaths::findExecutable(u"mkfs."_s + c.type, {u"/usr/sbin"_s, u"/sbin"_s}).isEmpty()) {
            GTEST_SKIP() << "mkfs." << c.type.toStdString() << " is missing: " << c.type.toStdString()
                         << " was not formatted";
        }
        LoopImage image(folder.filePath(c.type + u".img"_s));
        if (image.device().isEmpty()) {
            GTEST_SKIP() << "no loop device could be attached: vfat and exfat were not formatted";
        }
        ASSERT_EQ(run(u"mkfs.ext4"_s, {u"-q"_s, image.device()}).exitCode, 0);
        QString error;
        ASSERT_TRUE(MkfsCardReformatter().makeFileSystem(image.device(), c.type, c.label, std::nullopt, &error))
            << error.toStdString();
        EXPECT_EQ(probe(image.device(), u"TYPE"_s), c.type);
        EXPECT_EQ(probe(image.device(), u"LABEL"_s), c.label);
    }
    QString error;
    EXPECT_FALSE(MkfsCardReformatter().makeFileSystem(u"/dev/null"_s, u"ntfs"_s, u"X"_s, std::nullopt, &error));
    EXPECT_TRUE(error.contains(u"ntfs"_s));
}
} // namespace
