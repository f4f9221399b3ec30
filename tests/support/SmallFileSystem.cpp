#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Runs PROGRAM (looked for in the system folders too) and says what went wrong, or nothing.
QString runTool(const QString &program, const QStringList &arguments)
{
    const QString found =
        QStandardPaths::findExecutable(program, {u"/usr/sbin"_s, u"/sbin"_s, u"/usr/bin"_s, u"/bin"_s});
    if (found.isEmpty()) {
        return program + u" is not installed"_s;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(found, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return program + u" failed: "_s + QString::fromLocal8Bit(process.readAll()).trimmed();
    }
    return {};
}
} // namespace

SmallFileSystem::SmallFileSystem()
{
    if (::geteuid() != 0) {
        m_reason = u"mounting a small file system needs root"_s;
        return;
    }
    const QString image = m_folder.filePath(u"fs.img"_s);
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(2 * 1024 * 1024)) {
        m_reason = u"cannot make the image file"_s;
        return;
    }
    file.close();
    QDir().mkpath(path());
    m_reason = runTool(u"mkfs.ext4"_s, {u"-q"_s, u"-F"_s, u"-m"_s, u"0"_s, image});
    if (m_reason.isEmpty()) {
        m_reason = runTool(u"mount"_s, {u"-o"_s, u"loop"_s, image, path()});
    }
    m_mounted = m_reason.isEmpty();
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted && !runTool(u"umount"_s, {path()}).isEmpty()) {
        // Something still holds it open: detach it now, the kernel lets go when it is released.
        runTool(u"umount"_s, {u"-l"_s, path()});
    }
}

QString SmallFileSystem::path() const
{
    return m_folder.filePath(u"mnt"_s);
}

QString SmallFileSystem::filePath(const QString &relative) const
{
    return QDir(path()).filePath(relative);
}

bool SmallFileSystem::fill()
{
    const int fd = ::open(QFile::encodeName(filePath(u"filler"_s)).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) {
        return false;
    }
    // Large pieces first, then ever smaller ones, so the last free block is taken too.
    const QByteArray zeros(64 * 1024, '\0');
    bool full = false;
    for (qsizetype piece = zeros.size(); piece >= 1; piece /= 2) {
        while (true) {
            const ssize_t written = ::write(fd, zeros.constData(), static_cast<size_t>(piece));
            if (written < 0) {
                full = errno == ENOSPC;
                break;
            }
        }
    }
    ::fsync(fd);
    ::close(fd);
    return full;
}

bool SmallFileSystem::makeReadOnly()
{
    return m_mounted && runTool(u"mount"_s, {u"-o"_s, u"remount,ro"_s, path()}).isEmpty();
}
