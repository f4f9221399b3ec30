#pragma once

#include <QByteArray>
#include <QString>

// Whether a conversion made what it should. ffmpeg's exit status alone does not say: on a full
// disk some inputs end with status 0 and an unfinished ".mov" (no index) or an empty ".srt", and
// an AVI with a broken index may give ".mov" files without streams. A converted file counts only
// when ffmpeg's own report of it lists the streams and the duration of the recording it was made
// from, and ffmpeg's log tells of no failed write; and it is reused only while the recording it
// was made from keeps its name, size and modification time (its source key).
class ConversionCheck
{
public:
    // What ffmpeg's stream report ("-i" FILE) says of its first input.
    struct Report
    {
        int video = 0;
        int audio = 0;
        int subtitle = 0;
        // Microseconds; -1 when the report has no duration.
        qint64 durationUs = -1;
    };
    static Report read(const QString &ffmpegReport);

    // A copy may be this much shorter than its source (container rounding, a last partial frame):
    // a second, or a twentieth of a long recording.
    static qint64 durationToleranceUs(qint64 sourceUs);

    // Whether a ".mov" reported as OUTPUT holds a picture, the sound when SOURCE has sound, and
    // (when both durations are known) the source's duration.
    static bool movieIsComplete(const Report &source, const Report &output);
    // Whether a ".srt" reported as OUTPUT holds the subtitle stream SOURCE has.
    static bool subtitlesAreComplete(const Report &source, const Report &output);
    // Whether ffmpeg's LOG tells of an output it could not write completely.
    static bool showsWriteError(const QString &log);

    // The key of the recording file at PATH for the reuse rule: its name, size and modification
    // time. Empty when it cannot be read.
    static QByteArray sourceKey(const QString &path);
};
