#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class VexoClipData;

// Loads a recording's sensor track the way the player does once the recording is converted: an
// MP4's from the subtitle file extracted beside its front file, the KRV cameras' AVI with their
// own reader, any other with the first reader that recognises it.
class RecordingTrack
{
public:
    // RECORDING is the recording's path, FILES what conversion gave for it (front first).
    static void load(const QString &recording, const QList<QUrl> &files, VexoClipData &track);
    // The subtitle file conversion extracts beside the front file FRONT.
    static QString subtitlePath(const QString &front);
};
