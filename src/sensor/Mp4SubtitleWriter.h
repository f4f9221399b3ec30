#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// A minimal MP4 file whose one subtitle track carries TEXTS as timed-text samples, beside a track
// without samples: the boxes the subtitle sample reader looks at and nothing more, with stretches
// of stand-in picture bytes between the subtitle chunks. For tests and fuzz seeds.
class Mp4SubtitleWriter
{
public:
    // SAMPLES_PER_CHUNK samples in each chunk; WIDE_OFFSETS writes "co64" instead of "stco";
    // DURATION_MS goes into the movie header. With SAMPLE_MS the subtitle track is timed: a
    // millisecond time scale and every sample SAMPLE_MS long; without, it has no timing.
    static QByteArray file(const QList<QByteArray> &texts, int samplesPerChunk, bool wideOffsets = false,
                           quint32 durationMs = 15000, quint32 sampleMs = 0);
    // One box: its size, TYPE and BODY.
    static QByteArray box(QByteArrayView type, const QByteArray &body);
    static QByteArray be32(quint32 value);
};
