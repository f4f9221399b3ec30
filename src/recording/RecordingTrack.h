#pragma once

#include "sensor/QuickTrackReader.h"

#include <QString>

#include <atomic>

class SubtitleData;
class VexoClipData;

// Loads a recording's sensor track the way the player does: an MP4 played as it is from its own
// subtitle samples (QuickTrackReader::readMp4), a converted one from the subtitle file extracted
// beside its front file, the two giving the same track and the same timed entries; an AVI (or any other recording)
// through its sensor chunks or tail block alone (QuickTrackReader), the KRV cameras' with their
// own reader, falling back to a scan of the whole file where its layout cannot be trusted. The
// track is what the whole-file readers give, sample for sample.
class RecordingTrack
{
public:
    // RECORDING is the recording's path, FRONT the front file conversion gave for it, or the
    // recording itself (as it is opened, LocalPath::openable) when it plays unconverted. CANCELLED,
    // when given and raised from another thread, ends a long read early; a load during which it
    // was raised leaves TRACK empty. Says how the track was read (route "none" with the note
    // "cancelled" when the read was cut short; "full-scan" for an MP4's extracted subtitle file).
    // SUBTITLES, when given, receives an MP4's timed subtitle entries (left alone for an AVI).
    static QuickTrackReader::Result load(const QString &recording, const QString &front, VexoClipData &track,
                                         const std::atomic_bool *cancelled = nullptr,
                                         SubtitleData *subtitles = nullptr);
    // The subtitle file conversion extracts beside the front file FRONT.
    static QString subtitlePath(const QString &front);
};
