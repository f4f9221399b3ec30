#include "AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Makes the rename that replaced the target durable; a folder that cannot be synced (not every file
// system allows it) changes nothing about the content, which is already in place.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

bool AtomicFileWriter::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    AtomicFileWriter writer(path);
    if (writer.open() && writer.write(bytes) && writer.commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = writer.errorString();
    }
    return false;
}

QString AtomicFileWriter::targetProblem(const QString &path)
{
    // lstat, not stat: a link is judged as itself, never by what it points at.
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    if (S_ISREG(status.st_mode)) {
        return {};
    }
    if (S_ISLNK(status.st_mode)) {
        return u"%1 is a link: it is neither followed nor replaced"_s.arg(path);
    }
    if (S_ISDIR(status.st_mode)) {
        return u"%1 is a folder"_s.arg(path);
    }
    return u"%1 is not a regular file (a pipe, device or socket): it is not replaced"_s.arg(path);
}

AtomicFileWriter::AtomicFileWriter(const QString &path) : m_path(path)
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    cancel();
}

bool AtomicFileWriter::fail(const QString &why)
{
    if (!m_failed) {
        m_error = why.isEmpty() ? u"cannot write %1"_s.arg(m_path) : why;
    }
    m_failed = true;
    cancel();
    return false;
}

bool AtomicFileWriter::open()
{
    m_failed = false;
    m_error.clear();
    // A link, pipe or device at the target is never replaced or written through: renaming over it
    // would destroy it, and writing through a link could reach outside the card.
    if (const QString problem = targetProblem(m_path); !problem.isEmpty()) {
        return fail(problem);
    }
    m_file = std::make_unique<QSaveFile>(m_path);
    m_file->setDirectWriteFallback(false);
    // Unbuffered, so that a write the file system cannot take (no space left) fails here instead of
    // in a final flush whose error the commit would not report.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(m_file->errorString());
    }
    return true;
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    if (m_failed || !m_file || !m_file->isOpen()) {
        return fail(m_error);
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = m_file->write(bytes.data() + written, bytes.size() - written);
        if (count <= 0) {
            return fail(m_file->errorString());
        }
        written += count;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_failed || !m_file || !m_file->isOpen()) {
        return fail(m_error);
    }
    // The commit ignores a failed sync, and some file systems (network, removable media) report a
    // lost write only there: sync first, and keep the old file when it fails.
    if (::fsync(m_file->handle()) != 0 && errno != EINVAL && errno != EROFS) {
        return fail(qt_error_string(errno));
    }
    if (!m_file->commit()) {
        return fail(m_file->errorString());
    }
    m_file.reset();
    syncFolder(QFileInfo(m_path).absolutePath());
    return true;
}

void AtomicFileWriter::cancel()
{
    // A save file destroyed before its commit removes its temporary file.
    m_file.reset();
}
