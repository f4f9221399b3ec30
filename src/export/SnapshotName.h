#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

// The name proposed for a snapshot of a recording: the recording's file name without its
// extension, an underscore, the play time in whole milliseconds and ".png" ("REC_A.avi" at
// 83.4567 s gives "REC_A_83456.png").
class SnapshotName
{
public:
    // SECONDS × 1000 truncated toward zero; 0 for a time that is not a number, saturated at the
    // ends of the 64-bit range.
    static qint64 milliseconds(double seconds);
    static QString proposedFileName(const QUrl &recording, double seconds);
    static QString proposedFileName(const QString &recordingPath, double seconds);
};
