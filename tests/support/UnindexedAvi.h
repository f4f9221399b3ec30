#pragma once
// A copy of an AVI recording without its "idx1" index, the rest whole: the player has nothing to
// seek by, so the viewer converts it (with its progress indicator) instead of playing it as it is.
// Header only, for the tests that need a recording to go the conversion route.
#include <QByteArray>
#include <QFile>
#include <QString>

// Writes the copy of SOURCE to TARGET; false when SOURCE has no index or a file cannot be used.
inline bool writeUnindexedAvi(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = in.readAll();
    const qsizetype index = bytes.lastIndexOf("idx1");
    if (index < 12 || bytes.indexOf("movi") > index) {
        return false;
    }
    QFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes.first(index)) == index;
}
