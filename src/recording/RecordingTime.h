#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// When a recording was made, as the camera wrote it into the file name: the first
// "yyyyMMdd_HHmmss" (or without the "_", or with "-") that is a real date and time, in the
// camera's own clock, whose time zone the card does not say.
class RecordingTime
{
public:
    static std::optional<QDateTime> fromFileName(const QString &path);
    // "2026-12-07 08:15:00".
    static QString text(const QDateTime &time);
};
