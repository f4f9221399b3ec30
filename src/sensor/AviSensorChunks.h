#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>

// Where an AVI recording keeps its sensor text chunks ("02tx", "03tx"), found without reading the
// pictures and sound. The chunks are visited in file order as a walk over the chunk headers
// would (entering every list and every further "RIFF" part), but the "movi" list is crossed with
// the help of its "idx1" index: an indexed chunk is located without reading its header, and only
// stretches the index does not account for (the cameras' own sensor chunks are often not
// indexed) are walked header by header. An index that disagrees with the file (out of order,
// pointing past the end, naming a chunk that is not there) is dropped for a plain walk of "movi".
// Bytes that cannot be a chunk header end the search as lost: the caller then scans the whole
// file as before. A header of eight zero bytes ends the file (a zero-filled tail). A super index
// naming its index chunks over and over is read once per chunk, and indexes holding more bytes
// than the file are not used; one failed crossing of "movi" leaves the index for the rest of the
// walk. A read that fails (a failing card) ends the search where it failed, keeping what was found
// before it. The cancel check is asked in every loop, the index's included.
class AviSensorChunks
{
public:
    enum class Route
    {
        // The "movi" list crossed through its index.
        Index,
        // Every chunk header walked (no index, or one that could not be used).
        Walk,
        // Not a RIFF/AVI file.
        NotAvi,
        // Bytes that are no chunk header: the chunk layout cannot be trusted.
        Lost,
        // The cancel check said stop.
        Cancelled
    };

    // One sensor chunk as it lies in the file: its header, data and pad byte, cut at the end of the
    // file; EXTENSION for chunks of a further "RIFF" part.
    struct Span
    {
        qint64 offset = 0;
        qint64 length = 0;
        bool extension = false;
    };

    struct Result
    {
        Route route = Route::NotAvi;
        QList<Span> spans;
        // Why the index was not used, or where the walk lost its footing; empty when neither.
        QString note;
        // Where the file could not be read any further (a failing card): the spans end before it.
        // -1 when every read was whole.
        qint64 stoppedAt = -1;
    };

    using CancelCheck = std::function<bool()>;

    // The largest "idx1" used (sixteen bytes an entry: about two million chunks).
    static constexpr qint64 kMaxIndexBytes = 32 * 1024 * 1024;
    // The most sensor chunk bytes gathered; a recording with more is scanned whole instead.
    static constexpr qint64 kMaxSensorBytes = 64 * 1024 * 1024;
    static constexpr int kCancelCheckChunks = 4096;

    // DEVICE must be open and random-access.
    static Result locate(QIODevice &device, const CancelCheck &cancelled = {});

    // The spans' bytes one after the other: ALL of every span, FIRST_PART of those outside further
    // "RIFF" parts. False when they exceed kMaxSensorBytes, or when a span cannot be read whole and
    // STOPPEDAT is not given; with it, the spans read whole before the failure are kept and
    // STOPPEDAT receives the byte where reading failed (-1 when nothing failed).
    static bool gather(QIODevice &device, const QList<Span> &spans, QByteArray &all, QByteArray &firstPart,
                       qint64 *stoppedAt = nullptr);

    static QString routeName(Route route);
};
