#include "SensorFile.h"

#include <QFileInfo>

bool SensorFile::openRegularFile(const QString &path, QFile &file)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return false;
    }
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool SensorFile::readSmallFile(const QString &path, QByteArray &bytes)
{
    QFile file;
    if (!openRegularFile(path, file) || file.size() > kMaxSubtitleFileBytes) {
        return false;
    }
    // Read at most one byte past the limit, so that a file that grows while it is read is still
    // refused rather than read without bound.
    bytes = file.read(kMaxSubtitleFileBytes + 1);
    return bytes.size() <= kMaxSubtitleFileBytes && file.error() == QFileDevice::NoError;
}
