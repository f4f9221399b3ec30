#include "export/Utils.h"

#include "platform/FolderVolumes.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Restores an environment variable when the test ends, whatever it asserted.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had) {
            qputenv(m_name, m_old);
        } else {
            qunsetenv(m_name);
        }
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

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
