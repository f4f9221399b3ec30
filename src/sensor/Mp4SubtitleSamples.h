#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

// The subtitle track's samples of an MP4 recording (the QB62 cameras write their sensor records
// there), read through the track's sample tables ("stsz", "stsc", "stco"/"co64") without reading
// the pictures or the sound: the "moov" box, then only the subtitle samples. The box reader is our
// own and small: every size is checked against its parent and the file, and the amounts read are
// bounded whatever the file says.
class Mp4SubtitleSamples
{
public:
    struct Result
    {
        // False when the file has no usable subtitle track (NOTE says why).
        bool found = false;
        // Each sample's text, in track order.
        QList<QByteArray> texts;
        // Each sample's start in milliseconds, from the track's time-to-sample table and time scale,
        // rounded as the subtitle file conversion writes gives it; empty when the track has no
        // usable timing (TEXTS are then still read).
        QList<qint64> startsMs;
        // The movie's duration from its header in milliseconds, no longer than its tracks' samples
        // last and its size can hold; -1 when unknown.
        qint64 durationMs = -1;
        QString note;
        // Where the file could not be read any further (a failing card): TEXTS are the samples
        // read whole before it, and NOTE says so. -1 when every read was whole.
        qint64 stoppedAt = -1;
    };

    // The largest "moov" box read (a recording's tables take a few hundred kilobytes per hour).
    static constexpr qint64 kMaxMoovBytes = 64 * 1024 * 1024;
    // The most sample bytes read, as for a subtitle file.
    static constexpr qint64 kMaxSampleBytes = 32 * 1024 * 1024;
    // The most samples taken (over a day of a track at ten samples a second).
    static constexpr qint64 kMaxSamples = 1000000;
    // The most top-level boxes looked at before giving up on finding "moov".
    static constexpr int kMaxTopLevelBoxes = 1024;
    // No recording holds less than this for a second of it (a second's sensor records alone take
    // more): a header's duration the file's size cannot hold is not believed.
    static constexpr qint64 kMinBytesPerSecond = 100;

    // DEVICE must be open and random-access.
    static Result read(QIODevice &device);
    // The texts as the subtitle file conversion writes them: numbered entries with a timing line,
    // each text followed by an empty line; empty texts make no entry.
    static QByteArray subtitleFile(const QList<QByteArray> &texts);
    // The same with each entry's start from STARTSMS (one per text; zero for any missing), so that
    // the subtitle track reads the times the extracted file has.
    static QByteArray subtitleFile(const QList<QByteArray> &texts, const QList<qint64> &startsMs);
};
