#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes a snapshot as a PNG file at the image's own size. The file is written whole under a
// temporary name and takes its name only when complete, so a failed write (read-only folder, full
// disk) never leaves half a picture or destroys a file the user chose to replace.
class SnapshotWriter
{
public:
    // The PNG encoding of IMAGE, empty for a null image.
    static QByteArray pngData(const QImage &image);
    // Writes IMAGE to PATH; on failure returns false and, when ERROR is given, says why in a
    // sentence naming the file.
    static bool write(const QImage &image, const QString &path, QString *error = nullptr);
};
