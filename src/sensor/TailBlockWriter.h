#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Builds the sensor block the oldest cameras append to a recording: the marker "ETKVL3", then one
// line "0,lat,lng,speed,x,y,z" per track sample. For tests and the demo card.
class TailBlockWriter
{
public:
    // One sample line, numbers written as text.
    static QString line(double lat, double lng, qint64 speed, qint64 x, qint64 y, qint64 z);
    // The marker and LINES, each followed by SEPARATOR.
    static QByteArray block(const QStringList &lines, const QString &separator = QStringLiteral("\n"));
    // RECORDING with BLOCK after it.
    static QByteArray appended(const QByteArray &recording, const QByteArray &block);
    // Appends BLOCK to the file at PATH, written whole through a temporary file; false on failure.
    static bool appendToFile(const QString &path, const QByteArray &block);
};
