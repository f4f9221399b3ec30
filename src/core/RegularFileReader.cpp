#include "RegularFileReader.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
std::nullopt_t fail(QString *error, const QString &why)
{
    if (error != nullptr) {
        *error = why;
    }
    return std::nullopt;
}

// Closes the descriptor when the read ends, whichever way it ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads from the regular file at PATH until its end or until MAXIMUM bytes; nothing when PATH is
// not a regular file or a read fails.
std::optional<QByteArray> readUpTo(const QString &path, qint64 maximum, qint64 *fileSize, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {
    };
    if (::lstat(name.constData(), &status) != 0) {
        return fail(error, u"cannot read %1: %2"_s.arg(path, qt_error_string(errno)));
    }
    if (!S_ISREG(status.st_mode)) {
        return fail(error, S_ISLNK(status.st_mode) ? u"%1 is a link: card files are not read through links"_s.arg(path)
                                                   : u"%1 is not a regular file: it is not read"_s.arg(path));
    }
    // O_NOFOLLOW and O_NONBLOCK: should the file have been swapped for a link or a pipe since the
    // look above, the open neither follows nor waits, and the check below refuses it.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0) {
        return fail(error, u"cannot read %1: %2"_s.arg(path, qt_error_string(errno)));
    }
    if (::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return fail(error, u"%1 is not a regular file: it is not read"_s.arg(path));
    }
    if (fileSize != nullptr) {
        *fileSize = status.st_size;
    }
    QByteArray bytes;
    bytes.resize(qMin<qint64>(maximum, qMax<qint64>(status.st_size, 0)));
    qint64 done = 0;
    while (done < maximum) {
        if (done == bytes.size()) {
            // The file grew since it was measured: go on in small steps, still within MAXIMUM.
            bytes.resize(qMin<qint64>(maximum, done + 4096));
        }
        const ssize_t got = ::read(file.fd(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return fail(error, u"cannot read %1: %2"_s.arg(path, qt_error_string(errno)));
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}
} // namespace

std::optional<QByteArray> RegularFileReader::readWhole(const QString &path, qint64 limit, QString *error)
{
    // One byte past the limit tells a file at the limit from a larger one.
    std::optional<QByteArray> bytes = readUpTo(path, limit + 1, nullptr, error);
    if (bytes && bytes->size() > limit) {
        return fail(error, u"%1 is larger than %2 bytes: it is not read"_s.arg(path).arg(limit));
    }
    return bytes;
}

std::optional<QByteArray> RegularFileReader::readHead(const QString &path, qint64 count, qint64 *fileSize,
                                                      QString *error)
{
    return readUpTo(path, qMax<qint64>(count, 0), fileSize, error);
}

bool RegularFileReader::isRegularFile(const QString &path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool RegularFileReader::liesInside(const QString &path, const QString &root)
{
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    const QString top = QFileInfo(root).canonicalFilePath();
    if (folder.isEmpty() || top.isEmpty()) {
        return false;
    }
    return folder == top || folder.startsWith(top.endsWith(u'/') ? top : top + u'/');
}
