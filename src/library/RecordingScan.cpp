#include "RecordingScan.h"

#include "core/LocalPath.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Folders are opened without blocking (a pipe is no folder, but it must not stall the walk
// either) and never handed to child processes.
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK;

QString canonicalPath(const QString &path)
{
    char resolved[PATH_MAX];
    if (::realpath(LocalPath::encode(path).constData(), resolved) == nullptr) {
        return {};
    }
    return LocalPath::decode(resolved);
}

bool isAsciiSuffix(QStringView suffix, char16_t a, char16_t b, char16_t c)
{
    const auto lower = [](char16_t ch) {
        return ch >= u'A' && ch <= u'Z' ? char16_t(ch + 32) : ch;
    };
    return lower(suffix[0].unicode()) == a && lower(suffix[1].unicode()) == b && lower(suffix[2].unicode()) == c;
}

// The type of the entry NAME in the folder open at FD, from the listing when it says, else from a
// status call that does not follow links.
unsigned char entryType(int fd, const dirent *entry)
{
    if (entry->d_type != DT_UNKNOWN) {
        return entry->d_type;
    }
    struct stat status;
    if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return DT_UNKNOWN;
    }
    if (S_ISREG(status.st_mode)) {
        return DT_REG;
    }
    if (S_ISDIR(status.st_mode)) {
        return DT_DIR;
    }
    if (S_ISLNK(status.st_mode)) {
        return DT_LNK;
    }
    return DT_UNKNOWN;
}
} // namespace

RecordingScan::RecordingScan(const QString &root) : m_canonicalRoot(canonicalPath(root))
{
}

bool RecordingScan::isRecordingName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) {
        return false;
    }
    const QStringView suffix = name.sliced(dot + 1);
    bool ascii = true;
    for (QChar c : suffix) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (!ascii) {
        // Lower-casing may turn other letters into these (as the platform's lower case does).
        const QString lower = suffix.toString().toLower();
        return lower == u"avi"_s || lower == u"mp4"_s || lower == u"mov"_s;
    }
    return suffix.size() == 3 && (isAsciiSuffix(suffix, u'a', u'v', u'i') || isAsciiSuffix(suffix, u'm', u'p', u'4') ||
                                  isAsciiSuffix(suffix, u'm', u'o', u'v'));
}

void RecordingScan::scan(const QString &folder, bool recursive, QList<QUrl> &result)
{
    const int fd = openFolder(folder);
    if (fd < 0) {
        return;
    }
    if (!firstVisit(fd)) {
        ::close(fd);
        return;
    }
    walk(fd, QFileInfo(folder).absoluteFilePath(), recursive, 0, result);
}

void RecordingScan::walk(int fd, const QString &path, bool recursive, int depth, QList<QUrl> &result)
{
    DIR *dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return;
    }
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    while (const dirent *entry = ::readdir(dir)) {
        // Hidden entries, "." and ".." included.
        if (entry->d_name[0] == '.') {
            continue;
        }
        switch (entryType(fd, entry)) {
        case DT_REG: {
            const QString name = LocalPath::decode(entry->d_name);
            if (isRecordingName(name)) {
                result.append(QUrl::fromLocalFile(prefix + name));
            }
            break;
        }
        case DT_DIR:
            if (recursive && depth < kMaxDepth) {
                const int child = ::openat(fd, entry->d_name, kFolderFlags | O_NOFOLLOW);
                if (child >= 0 && firstVisit(child)) {
                    walk(child, prefix + LocalPath::decode(entry->d_name), true, depth + 1, result);
                } else if (child >= 0) {
                    ::close(child);
                }
            }
            break;
        case DT_LNK:
            // Only a link to a folder inside the root is followed; it is listed under the link's
            // own path, as the user sees it.
            if (recursive && depth < kMaxDepth) {
                const QString linkPath = prefix + LocalPath::decode(entry->d_name);
                const int child = openFolder(linkPath);
                if (child >= 0 && firstVisit(child)) {
                    walk(child, linkPath, true, depth + 1, result);
                } else if (child >= 0) {
                    ::close(child);
                }
            }
            break;
        default:
            break;
        }
    }
    ::closedir(dir);
}

int RecordingScan::openFolder(const QString &folder) const
{
    const QByteArray encoded = LocalPath::encode(folder);
    const int fd = ::open(encoded.constData(), kFolderFlags | O_NOFOLLOW);
    struct stat status;
    if (fd >= 0 || ::lstat(encoded.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return fd;
    }
    // The last step is a link: resolve it and follow it only into the root.
    const QString target = canonicalPath(folder);
    if (target.isEmpty() || !isInsideRoot(target)) {
        return -1;
    }
    return ::open(LocalPath::encode(target).constData(), kFolderFlags);
}

bool RecordingScan::firstVisit(int fd)
{
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        return false;
    }
    const std::pair<dev_t, ino_t> id{status.st_dev, status.st_ino};
    if (m_visited.contains(id)) {
        return false;
    }
    m_visited.insert(id);
    return true;
}

bool RecordingScan::isInsideRoot(const QString &canonicalPath) const
{
    if (m_canonicalRoot.isEmpty()) {
        return false;
    }
    if (m_canonicalRoot == u"/"_s) {
        return true;
    }
    return canonicalPath == m_canonicalRoot ||
           (canonicalPath.startsWith(m_canonicalRoot) && canonicalPath.at(m_canonicalRoot.size()) == u'/');
}
