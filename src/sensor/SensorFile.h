#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Opening the files the sensor readers take. Paths come from a card or from the user, so anything
// that is not a regular file (a folder, a device, a pipe that would block) is refused up front.
class SensorFile
{
public:
    // The largest subtitle file read whole: a camera writes about 6 kB per minute of recording, so
    // anything beyond this is not one of its subtitle files.
    static constexpr qint64 kMaxSubtitleFileBytes = 32 * 1024 * 1024;

    // Opens PATH for reading without Qt's own buffering (the readers keep bounded windows of their
    // own); false when it is not a readable regular file.
    static bool openRegularFile(const QString &path, QFile &file);
    // The whole of a small text file; false when it cannot be read, is not a regular file, or is
    // larger than kMaxSubtitleFileBytes.
    static bool readSmallFile(const QString &path, QByteArray &bytes);
};
