#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Whether a conversion made what it should. ffmpeg's exit status alone does not say: on a full
// disk some inputs end with status 0 and an unfinished ".mov" (no index) or an empty ".srt", and
// an AVI with a broken index may give ".mov" files without streams. A converted file counts only
// when ffmpeg's own report of it lists the streams and the duration of the recording it was made
// from, and ffmpeg's log tells of no failed write; and it is reused only while the recording it
// was made from keeps its path, size, modification time and the bytes at its two ends (its source
// key).
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
    // What the same report says of the input as a container.
    struct Input
    {
        // Whether ffmpeg could read it as a container at all.
        bool opened = false;
        // The first picture stream's codec as ffmpeg names it ("h264", "hevc"); empty when none.
        QString videoCodec;
    };
    static Input readInput(const QString &ffmpegReport);

    // A copy may be this much shorter than its source (container rounding, a last partial frame):
    // a second, or a twentieth of a long recording.
    static qint64 durationToleranceUs(qint64 sourceUs);

    // Whether a ".mov" reported as OUTPUT holds a picture, the sound when SOURCE has sound, and
    // (when both durations are known) the source's duration.
    static bool movieIsComplete(const Report &source, const Report &output);
    // Whether a ".srt" reported as OUTPUT holds the subtitle stream SOURCE has.
    static bool subtitlesAreComplete(const Report &source, const Report &output);
    // Whether a ".mov" reported as OUTPUT holds a picture, and the sound when SOURCE has sound,
    // however short: what there is of a recording cut short.
    static bool movieHoldsPartOf(const Report &source, const Report &output);
    // Whether the MP4 on DEVICE ends inside one of its top-level boxes (a recording cut short by a
    // power loss, its index written at the front, its samples' box left unfinished). Reads box
    // headers only, at most MaxTopLevelBoxes of them.
    static bool boxesRunPastTheEnd(QIODevice &device);
    // The same for the MP4 file at PATH; false for any other file, or one that cannot be read.
    static bool mp4EndsEarly(const QString &path);
    static constexpr int MaxTopLevelBoxes = 256;
    // Whether ffmpeg's LOG tells of an output it could not write completely.
    static bool showsWriteError(const QString &log);

    // The key of the recording file at PATH for the reuse rule: its whole path, size, modification
    // time and a digest of its first and last SampledBytes. Two recordings of the same name, size
    // and time in different folders (an event recording and its saved copy) never share a key, nor
    // does a file rewritten within the time stamp's resolution. Empty when PATH is not a regular
    // file (a link is never followed) or cannot be read.
    static QByteArray sourceKey(const QString &path);
    static constexpr qint64 SampledBytes = 64 * 1024;
};
