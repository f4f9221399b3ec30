#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A file's path as the file system holds it: bytes, usually but not always UTF-8 (a card written
// by a camera or another computer may hold any bytes but "/" and NUL in a name). Qt's own
// decoding replaces bytes that are not UTF-8 with U+FFFD, so two such names look alike and
// neither can be opened again. Here every byte that is not part of valid UTF-8 becomes a lone
// surrogate (U+DC80 to U+DCFF, which valid UTF-8 never decodes to) and back: decode and encode
// are each other's inverse, and a name that is UTF-8 reads exactly as Qt reads it.
//
// Qt's file classes and the programs we start take such a path only through openable(), which
// gives a stand-in: a link, in a private folder, named like the file (prefix, camera letter and
// extension kept) and pointing at the file's own bytes.
class LocalPath
{
public:
    // The path of the bytes BYTES (from readdir, argv, readlink).
    static QString decode(QByteArrayView bytes);
    // The bytes PATH stands for; what decode gave it back.
    static QByteArray encode(QStringView path);
    // True when PATH holds no byte that is not UTF-8: Qt's file classes open it as it is.
    static bool isLossless(QStringView path);
    // PATH as shown to a person: each byte that is not UTF-8 as U+FFFD.
    static QString displayText(QStringView path);
    // PATH with each byte that is not UTF-8 written as "_" (one byte for one): a name that is
    // valid UTF-8 and keeps its length, prefix and extension.
    static QString sanitizedName(QStringView name);

    // A path that Qt's file classes and child programs can open for the file at PATH: PATH itself
    // when it is lossless, else a link to PATH's own bytes in this process's private folder (the
    // same link for the same path). Empty when the link cannot be made.
    static QString openable(const QString &path);
};
