#pragma once

#include <QString>

#include <atomic>

class VexoClipData;

// Loads a recording's sensor track the way the player does once the recording is converted: an
// MP4's from the subtitle file extracted beside its front file, the KRV cameras' AVI with their
// own reader, any other with the first reader that recognises it.
class RecordingTrack
{
public:
    // RECORDING is the recording's path, FRONT the front file conversion gave for it. CANCELLED,
    // when given and raised from another thread, ends a long scan early; the track is then to be
    // dropped.
    static void load(const QString &recording, const QString &front, VexoClipData &track,
                     const std::atomic_bool *cancelled = nullptr);
    // The subtitle file conversion extracts beside the front file FRONT.
    static QString subtitlePath(const QString &front);
};
