#pragma once

#include <QIODevice>
#include <QString>

#include <atomic>

class VexoClipData;

// The older cameras' AVI recordings: sensor records in the text-stream chunks "02tx" and "03tx"
// ("M" acceleration bytes, "T" a second without position, "$GPRMC"/"G$GPRMC" NMEA sentences).
// The chunk list is walked in file order, entering every "LIST" and skipping every other chunk
// with a seek, so only the small text chunks are ever read and memory stays bounded whatever the
// recording's size. A further top-level "RIFF" part is skipped whole.
class AviSensorReader
{
public:
    enum class Family
    {
        // Acceleration byte b gives 128 - b; "T" closes a second without position.
        Standard,
        // The KRV cameras: (b - 128) x 10, only from records whose bytes 4 to 6 are each 1; no "T".
        KRV
    };

    // The most a text chunk's data is read; a sentence longer than this without a NUL in it is
    // not one a camera writes and is ignored.
    static constexpr qint64 kMaxTextChunkBytes = 64 * 1024;
    // How many acceleration records may wait for the next position sentence.
    static constexpr int kPendingLimit = 60;

    // CANCELLED, when given, is checked at every chunk: once raised (from any thread) the walk
    // stops where it is; the caller drops what was read.
    static int readFile(const QString &path, VexoClipData &track, Family family,
                        const std::atomic_bool *cancelled = nullptr);
    // DEVICE must be open; it is read sequentially and must be able to seek forward.
    static int read(QIODevice &device, VexoClipData &track, Family family, const std::atomic_bool *cancelled = nullptr);
};
