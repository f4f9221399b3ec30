#pragma once

#include <QString>

#include <functional>

class SensorTrack;

// A recording's sensor track read without reading its pictures and sound, giving exactly the
// samples the readers that scan the whole file give. An AVI's sensor chunks are found through its
// index or a walk over its chunk headers (AviSensorChunks) and handed, alone, to the same readers;
// a tail block is read from the tail alone; an MP4's subtitle samples are read through its sample
// tables (Mp4SubtitleSamples) and read as the subtitle file its conversion extracts. Where the
// file's layout cannot be trusted the whole file is scanned as before, and the result says so.
class QuickTrackReader
{
public:
    enum class Route
    {
        // The AVI's "idx1" index led to the sensor chunks.
        Index,
        // The AVI's chunk headers were walked.
        Walk,
        // The MP4's subtitle samples through the sample tables.
        SampleTables,
        // A tail block, from the last bytes alone.
        Tail,
        // The whole file was scanned (no usable layout: NOTE says why).
        FullScan,
        // No track: not readable, no subtitle track, or cancelled.
        None
    };

    struct Result
    {
        int samples = 0;
        Route route = Route::None;
        // Why the quicker route was not taken, or what ended the walk early.
        QString note;
        // The recording's length as its header gives it, where the file's size and samples allow
        // it; -1 when unknown.
        qint64 durationMs = -1;
        // Where the file could not be read any further (a failing card): the samples are those
        // recorded before it, and NOTE says so. -1 when every read was whole.
        qint64 stoppedAt = -1;
        // Whether the file could not be opened.
        bool unreadable = false;
    };

    using CancelCheck = std::function<bool()>;

    // What VexoClipData::loadVideoFileCilpDataFromFilePath (KRV false) or its KRV twin load for
    // the AVI (or other non-MP4) recording PATH, into TRACK (clipDataCount set), up to the track's
    // capacity: the player's 650 samples, or a whole track.
    static Result readAvi(const QString &path, SensorTrack &track, bool krv, const CancelCheck &cancelled = {});
    // What the subtitle file extracted from the MP4 recording PATH gives, into TRACK. SUBTITLEFILE,
    // when given, receives that file's text with each entry's start time (empty without a track
    // that can be read), for the subtitle entries the player shows by play time.
    static Result readMp4(const QString &path, SensorTrack &track, QByteArray *subtitleFile = nullptr);

    static QString routeName(Route route);
};
