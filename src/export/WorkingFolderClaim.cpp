#include "WorkingFolderClaim.h"

#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView Prefix{"viewer-"};

// Opens and locks the lock file of FOLDER without waiting; -1 when another program holds it (or
// there is no lock file to lock, CREATE false).
int lockFolder(const QString &folder, bool create)
{
    const QByteArray lock = QFile::encodeName(folder + u'/' + QLatin1StringView(WorkingFolderClaim::LockName));
    const int fd = ::open(lock.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) {
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
} // namespace

WorkingFolderClaim::WorkingFolderClaim(QString location) : m_location(std::move(location))
{
}

WorkingFolderClaim::~WorkingFolderClaim()
{
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
    }
}

QString WorkingFolderClaim::location() const
{
    const QMutexLocker lock(&m_mutex);
    return m_location;
}

void WorkingFolderClaim::relocate(const QString &location)
{
    const QMutexLocker lock(&m_mutex);
    if (location == m_location) {
        return;
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_path.clear();
    m_location = location;
}

QString WorkingFolderClaim::path()
{
    const QMutexLocker lock(&m_mutex);
    if (!m_path.isEmpty() && QFileInfo(m_path).isDir()) {
        return m_path;
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_path.clear();
    if (!QDir().mkpath(m_location)) {
        return {};
    }
    removeAbandoned(m_location);
    const QString name = Prefix + QString::number(QCoreApplication::applicationPid()) + u'-' +
                         QString::number(QRandomGenerator::global()->generate64(), 36);
    const QString hidden = m_location + u"/."_s + name;
    const QString visible = m_location + u'/' + name;
    if (!QDir().mkdir(hidden)) {
        return {};
    }
    const int fd = lockFolder(hidden, true);
    if (fd < 0 || ::rename(QFile::encodeName(hidden).constData(), QFile::encodeName(visible).constData()) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        QDir(hidden).removeRecursively();
        return {};
    }
    m_lockFd = fd;
    m_path = visible;
    return m_path;
}

void WorkingFolderClaim::remove()
{
    const QMutexLocker lock(&m_mutex);
    if (!m_path.isEmpty()) {
        QDir(m_path).removeRecursively();
        m_path.clear();
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    QDir().rmdir(m_location); // only when nothing else is in it
}

bool WorkingFolderClaim::isHeld(const QString &folder)
{
    const int fd = lockFolder(folder, false);
    if (fd < 0) {
        // Locked by its program; or no lock file at all, which only a folder of a program that
        // died before it could make one has (it was never given its visible name then).
        return QFileInfo::exists(folder + u'/' + QLatin1StringView(LockName));
    }
    ::close(fd);
    return false;
}

int WorkingFolderClaim::removeAbandoned(const QString &location)
{
    int removed = 0;
    const QDir dir(location);
    for (const QString &name : dir.entryList({Prefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const QString folder = dir.filePath(name);
        if (!isHeld(folder) && QDir(folder).removeRecursively()) {
            ++removed;
        }
    }
    return removed;
}

WorkingFolderClaim &WorkingFolderClaim::SharedWorkingFolderClaim()
{
    static WorkingFolderClaim claim(Utils::WorkingDirectoryLocation());
    return claim;
}
