#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the progress report that ffmpeg writes with "-progress": blocks of "key=value" lines, each
// block closed by "progress=continue" (or "progress=end" after the last one). The text arrives in
// pieces of any size, may be mixed with ffmpeg's own messages (standard error shares the pipe) and
// comes from a program that reads the card's recordings, so nothing in it is trusted: lines that
// are not a known key with a readable value are skipped, "N/A" is no value, an overlong line is
// dropped instead of growing without bound, and a time only ever counts when its block is closed.
class FfmpegProgress
{
public:
    // Takes the next piece of the report. Returns true when it closed at least one block with a
    // readable output time, that is when outTimeUs() may have moved.
    bool feed(QByteArrayView bytes);

    // The output time of the last closed block, in microseconds; -1 before the first readable one.
    qint64 outTimeUs() const { return m_outTimeUs; }
    // Whether ffmpeg said that the report is complete ("progress=end").
    bool ended() const { return m_ended; }

    // The duration of the first input in a stream report of ffmpeg ("Duration: 00:01:00.04, ...")
    // in microseconds; -1 when the report has none or says "N/A".
    static qint64 durationUs(const QString &report);
    // The share of DURATIONUS that OUTTIMEUS has reached, within 0 to 1; 0 when either is unknown.
    static double share(qint64 outTimeUs, qint64 durationUs);

    // The longest line kept while waiting for its end; ffmpeg's report lines are far shorter.
    static constexpr qsizetype MaxLineLength = 1024;

private:
    void takeLine(QByteArrayView line);

    QByteArray m_partial;
    bool m_skippingLongLine = false;
    // Times seen in the block being read: "out_time_us" is preferred, then "out_time_ms" (which
    // ffmpeg also writes in microseconds, whatever its name says), then "out_time" as text.
    qint64 m_blockUs = -1;
    qint64 m_blockMs = -1;
    qint64 m_blockText = -1;
    qint64 m_outTimeUs = -1;
    bool m_ended = false;
    bool m_moved = false;
};
