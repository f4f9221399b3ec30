#pragma once

#include "sensor/QuickTrackReader.h"

#include <QString>

#include <atomic>

class VexoClipData;

// Loads a recording's sensor track the way the player does once the recording is converted: an
// MP4's from the subtitle file extracted beside its front file; an AVI (or any other recording)
// through its sensor chunks or tail block alone (QuickTrackReader), the KRV cameras' with their
// own reader, falling back to a scan of the whole file where its layout cannot be trusted. The
// track is what the whole-file readers give, sample for sample.
class RecordingTrack
{
public:
    // RECORDING is the recording's path, FRONT the front file conversion gave for it. CANCELLED,
    // when given and raised from another thread, ends a long read early; a load during which it
    // was raised leaves TRACK empty. Says how the track was read (route "none" with the note
    // "cancelled" when the read was cut short; "full-scan" for an MP4's extracted subtitle file).
    static QuickTrackReader::Result load(const QString &recording, const QString &front, VexoClipData &track,
                                         const std::atomic_bool *cancelled = nullptr);
    // The subtitle file conversion extracts beside the front file FRONT.
    static QString subtitlePath(const QString &front);
};
