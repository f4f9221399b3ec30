#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Runs PROGRAM (looked for in the system folders too) and says what went wrong, or nothing;
// OUTPUT, when given, receives what it printed.
QString runTool(const QString &program, const QStringList &arguments, QString *output = nullptr)
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
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return {};
}

// Where the data of the open file FD begin on its device, in bytes; -1 when unknown.
qint64 firstPhysicalByte(int fd)
{
    alignas(fiemap) char buffer[sizeof(fiemap) + sizeof(fiemap_extent)] = {};
    auto *map = reinterpret_cast<fiemap *>(buffer);
    map->fm_start = 0;
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = 1;
    if (::ioctl(fd, FS_IOC_FIEMAP, map) != 0 || map->fm_mapped_extents < 1) {
        return -1;
    }
    return qint64(reinterpret_cast<fiemap_extent *>(buffer + sizeof(fiemap))->fe_physical);
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

bool SmallFileSystem::failFromFiles(const QStringList &relatives, qint64 into)
{
    if (!m_mounted || relatives.isEmpty()) {
        return false;
    }
    qint64 start = std::numeric_limits<qint64>::max();
    for (const QString &relative : relatives) {
        const int fd = ::open(QFile::encodeName(filePath(relative)).constData(), O_RDONLY);
        const qint64 first = fd >= 0 ? firstPhysicalByte(fd) : -1;
        if (fd >= 0) {
            ::close(fd);
        }
        if (first <= 0) {
            return false;
        }
        start = qMin(start, first);
    }
    const QString image = m_folder.filePath(u"fs.img"_s);
    QString devices;
    bool ok = runTool(u"losetup"_s, {u"-j"_s, image}, &devices).isEmpty();
    const QString device = devices.section(u':', 0, 0).trimmed();
    ok = ok && !device.isEmpty() && QFile::resize(image, (start + into) / 512 * 512) &&
         runTool(u"losetup"_s, {u"-c"_s, device}).isEmpty();
    // Every file's pages leave the cache (written to the device first), so reads reach the device.
    for (const QString &name : QDir(path()).entryList(QDir::Files)) {
        const int other = ::open(QFile::encodeName(filePath(name)).constData(), O_RDONLY);
        ok = ok && other >= 0 && ::fdatasync(other) == 0 && ::posix_fadvise(other, 0, 0, POSIX_FADV_DONTNEED) == 0;
        if (other >= 0) {
            ::close(other);
        }
    }
    return ok;
}
