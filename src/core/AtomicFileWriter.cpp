#include "AtomicFileWriter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

bool fail(QString *error, const QString &why)
{
    if (error) {
        *error = why;
    }
    return false;
}

} // namespace

bool AtomicFileWriter::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    // A link, pipe or device at the target is never replaced or written through: renaming over it
    // would destroy it, and writing through a link could reach outside the card.
    const QFileInfo target(path);
    if (target.isSymLink() || (target.exists() && !target.isFile())) {
        return fail(error, QStringLiteral("%1 is not a regular file").arg(path));
    }

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a write the file system cannot take (no space left) fails here instead of
    // in a final flush whose error the commit would not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(error, file.errorString());
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return fail(error, why);
        }
        written += count;
    }
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}
