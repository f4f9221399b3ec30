#include "SnapshotWriter.h"

#include "core/AtomicFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

using namespace Qt::StringLiterals;

QByteArray SnapshotWriter::pngData(const QImage &image)
{
    if (image.isNull()) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

bool SnapshotWriter::write(const QImage &image, const QString &path, QString *error)
{
    const QByteArray bytes = pngData(image);
    if (bytes.isEmpty()) {
        if (error != nullptr) {
            *error = u"There is no picture to save as %1."_s.arg(QDir::toNativeSeparators(path));
        }
        return false;
    }
    QString why;
    if (AtomicFileWriter::writeFile(path, bytes, &why)) {
        return true;
    }
    if (error != nullptr) {
        const QString file = QDir::toNativeSeparators(path);
        *error = why.contains(path) ? why : u"%1 could not be written: %2"_s.arg(file, why);
    }
    return false;
}
