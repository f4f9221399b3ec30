#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the files of a card, which the user did not make: only a regular file is opened (a link is
// judged as itself and never followed; a pipe, device or socket is never opened, so nothing blocks
// or has side effects), and never more bytes than the caller allows.
class RegularFileReader
{
public:
    // The whole file at PATH, or nothing when it is missing, not a regular file, larger than LIMIT
    // bytes or unreadable; ERROR, when given, then says which.
    static std::optional<QByteArray> readWhole(const QString &path, qint64 limit, QString *error = nullptr);
    // At most COUNT bytes from the start of the file at PATH (all of a shorter one), or nothing as
    // for readWhole. FILESIZE, when given, receives the file's length.
    static std::optional<QByteArray> readHead(const QString &path, qint64 count, qint64 *fileSize = nullptr,
                                              QString *error = nullptr);
    // Whether PATH itself (not what a link points at) is a regular file.
    static bool isRegularFile(const QString &path);
    // Whether the folder holding PATH, with every link resolved, is ROOT or lies inside it: a card
    // file reached through a linked folder is not the card's.
    static bool liesInside(const QString &path, const QString &root);
};
