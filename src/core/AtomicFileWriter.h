#pragma once

#include <QByteArray>
#include <QString>

// The one way a whole file is written, on the card or wherever the user saves: the new content goes
// to a temporary file beside the target, and the target is replaced only when every byte has been
// written. A full or read-only file system, a removed card or a target that is not a regular file
// leave the old file as it was and report why.
class AtomicFileWriter
{
public:
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);
};
