#include "ThrottledCard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString kBlkioRoot = u"/sys/fs/cgroup/blkio"_s;

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Runs PROGRAM with ARGUMENTS; its standard output, or nothing with ERROR set.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = program + u' ' + arguments.join(u' ') + u": "_s +
                QString::fromLocal8Bit(process.readAllStandardError()).trimmed() + process.errorString();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

bool writeText(const QString &path, const QByteArray &text)
{
    // Control files take one write each.
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) == text.size();
}

void addCounts(ThrottledCard::IoCounts &total, const ThrottledCard::IoCounts &more)
{
    if (more.rchar >= 0 && total.rchar >= 0) {
        total.rchar += more.rchar;
    }
    if (more.readBytes >= 0 && total.readBytes >= 0) {
        total.readBytes += more.readBytes;
    }
}

// The pids named in /proc/PID/task/*/children: the process's living children.
QList<pid_t> childrenOf(pid_t pid)
{
    QList<pid_t> children;
    const QString tasks = u"/proc/%1/task"_s.arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks + u'/' + task + u"/children"_s);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &child : file.readAll().simplified().split(' ')) {
                if (!child.isEmpty()) {
                    children.append(pid_t(child.toInt()));
                }
            }
        }
    }
    return children;
}
} // namespace

ThrottledCard::ThrottledCard() : ThrottledCard(Options{})
{
}

ThrottledCard::ThrottledCard(const Options &options)
{
    setUp(options);
}

ThrottledCard::~ThrottledCard()
{
    tearDown();
}

bool ThrottledCard::fail(const QString &reason)
{
    m_skipReason = reason;
    tearDown();
    return false;
}

void ThrottledCard::setUp(const Options &options)
{
    if (::geteuid() != 0) {
        fail(u"needs root (a loop device, a mount, a block I/O group and dropping the page cache)"_s);
        return;
    }
    if (!QFileInfo::exists(kBlkioRoot + u"/blkio.throttle.read_bps_device"_s)) {
        fail(u"no cgroup v1 block I/O controller at "_s + kBlkioRoot);
        return;
    }
    const QString parent = options.parentFolder.isEmpty() ? QDir::tempPath() : options.parentFolder;
    m_folder = std::make_unique<QTemporaryDir>(parent + u"/velmora-card-XXXXXX"_s);
    m_image = m_folder->filePath(u"card.img"_s);
    m_mountPath = m_folder->filePath(u"card"_s);
    QFile image(m_image);
    if (!m_folder->isValid() || !image.open(QIODevice::WriteOnly) || !image.resize(options.imageBytes) ||
        !QDir().mkpath(m_mountPath)) {
        fail(u"cannot make a sparse image of %1 bytes in %2"_s.arg(options.imageBytes).arg(parent));
        return;
    }
    image.close();
    QString error;
    if (!run(u"mkfs.ext4"_s, {u"-q"_s, u"-F"_s, u"-E"_s, u"nodiscard"_s, u"-m"_s, u"0"_s, m_image}, error)) {
        fail(error);
        return;
    }
    const std::optional<QByteArray> device = run(u"losetup"_s, {u"--find"_s, u"--show"_s, m_image}, error);
    if (!device) {
        fail(error);
        return;
    }
    m_device = QString::fromLocal8Bit(device->trimmed());
    struct stat status = {};
    if (::stat(QFile::encodeName(m_device).constData(), &status) != 0 || !S_ISBLK(status.st_mode)) {
        fail(u"the loop device %1 is not there"_s.arg(m_device));
        return;
    }
    m_deviceNumbers = u"%1:%2"_s.arg(major(status.st_rdev)).arg(minor(status.st_rdev));
    if (::mount(QFile::encodeName(m_device).constData(), QFile::encodeName(m_mountPath).constData(), "ext4", MS_NOATIME,
                nullptr) != 0) {
        fail(u"cannot mount %1: %2"_s.arg(m_device, lastError()));
        return;
    }
    m_mounted = true;
    const QString group = kBlkioRoot + u"/velmora-card-%1"_s.arg(::getpid());
    if (::mkdir(QFile::encodeName(group).constData(), 0755) != 0) {
        fail(u"cannot make the block I/O group %1: %2"_s.arg(group, lastError()));
        return;
    }
    m_group = group;
    const QByteArray limit = (m_deviceNumbers + u' ' + QString::number(options.readBytesPerSecond)).toLatin1();
    if (!writeText(m_group + u"/blkio.throttle.read_bps_device"_s, limit)) {
        fail(u"cannot limit the reads of %1 in %2"_s.arg(m_device, m_group));
        return;
    }
    if (!writeText(m_group + u"/cgroup.procs"_s, QByteArray::number(::getpid()))) {
        fail(u"cannot move the process into %1"_s.arg(m_group));
        return;
    }
    m_joined = true;
    if (!dropCaches()) {
        fail(u"cannot drop the page cache (/proc/sys/vm/drop_caches)"_s);
        return;
    }
    m_ready = true;
}

void ThrottledCard::tearDown()
{
    m_ready = false;
    if (m_joined) {
        writeText(kBlkioRoot + u"/cgroup.procs"_s, QByteArray::number(::getpid()));
        m_joined = false;
    }
    if (!m_group.isEmpty()) {
        // Only an empty group goes: a child still running in it would keep it (and be slow).
        ::rmdir(QFile::encodeName(m_group).constData());
        m_group.clear();
    }
    if (m_mounted) {
        ::sync();
        const QByteArray mountPath = QFile::encodeName(m_mountPath);
        // A file still open on the card keeps it busy: it is then detached now and unmounted
        // when the file closes.
        if (::umount2(mountPath.constData(), 0) != 0) {
            ::umount2(mountPath.constData(), MNT_DETACH);
        }
        m_mounted = false;
    }
    if (!m_device.isEmpty()) {
        QString error;
        run(u"losetup"_s, {u"-d"_s, m_device}, error);
        m_device.clear();
    }
    m_folder.reset();
}

bool ThrottledCard::dropCaches() const
{
    ::sync();
    return writeText(u"/proc/sys/vm/drop_caches"_s, "3\n");
}

bool ThrottledCard::placeSparse(const QString &source, const QString &relativePath) const
{
    const QString target = m_mountPath + u'/' + relativePath;
    if (!m_ready || !QDir().mkpath(QFileInfo(target).path())) {
        return false;
    }
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    struct stat status = {};
    bool ok = in >= 0 && out >= 0 && ::fstat(in, &status) == 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    // Data stretch by data stretch; the holes between them stay holes.
    for (off_t at = 0; ok && at < status.st_size;) {
        const off_t data = ::lseek(in, at, SEEK_DATA);
        if (data < 0) {
            ok = errno == ENXIO; // nothing but a hole up to the end
            break;
        }
        const off_t hole = qMax(::lseek(in, data, SEEK_HOLE), data);
        for (off_t from = data; ok && from < hole;) {
            const ssize_t got = ::pread(in, buffer.data(), size_t(qMin<off_t>(hole - from, buffer.size())), from);
            ok = got > 0 && ::pwrite(out, buffer.constData(), size_t(got), from) == got;
            from += got > 0 ? got : 0;
        }
        at = hole > data ? hole : status.st_size;
    }
    ok = ok && ::ftruncate(out, status.st_size) == 0;
    if (in >= 0) {
        ::close(in);
    }
    if (out >= 0) {
        ok = ::close(out) == 0 && ok;
    }
    return ok;
}

ThrottledCard::IoCounts ThrottledCard::ioOf(pid_t pid, bool children)
{
    IoCounts counts;
    QFile io(u"/proc/%1/io"_s.arg(pid));
    if (!io.open(QIODevice::ReadOnly)) {
        return counts;
    }
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) {
            counts.rchar = line.mid(6).trimmed().toLongLong();
        } else if (line.startsWith("read_bytes:")) {
            counts.readBytes = line.mid(11).trimmed().toLongLong();
        }
    }
    if (children) {
        for (const pid_t child : childrenOf(pid)) {
            addCounts(counts, ioOf(child, true));
        }
    }
    return counts;
}
