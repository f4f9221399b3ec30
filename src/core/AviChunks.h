#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <compare>
#include <functional>
#include <optional>

// The chunks of a RIFF/AVI file, for the readers that look inside one (the sensor chunk locator,
// the probe that decides whether a recording plays as it is): the top-level chunks of the first
// RIFF part, the streams of the header list, the OpenDML super indexes ("indx") and the standard
// index chunks ("ix##") they name. Sizes come from the file and are trusted for nothing: a chunk
// that does not fit in what holds it ends the list, every read is bounded by its parent and the
// file, and the index chunks a super index names are counted once however often it names them.
class AviChunks
{
public:
    struct Chunk
    {
        QByteArrayView id;
        QByteArrayView body;
    };

    // The most top-level chunks looked at.
    static constexpr int kMaxTopLevel = 4096;
    // The largest header list ("hdrl") read.
    static constexpr qint64 kMaxHeaderBytes = 1024 * 1024;
    // The smallest standard index chunk: its header and the fixed part of its body.
    static constexpr qint64 kStandardIndexHeaderBytes = 32;

    // Four printable characters.
    static bool isChunkCode(QByteArrayView code);
    // Where the chunk whose header is at OFFSET and whose data holds SIZE bytes ends, pad byte included.
    static qint64 paddedEnd(qint64 offset, qint64 size);
    // The chunks inside BODY (each padded to an even size); one that does not fit ends the list.
    static QList<Chunk> children(QByteArrayView body);

    using ReadAt = std::function<QByteArray(qint64 at, qint64 count)>;
    using CancelCheck = std::function<bool()>;

    // What a walk over the top-level chunk headers found in the first RIFF part.
    struct TopLevel
    {
        // The first header list's body after its type; empty when there is none, when it is
        // larger than kMaxHeaderBytes or cannot be read whole.
        QByteArray headerList;
        // The first "movi" list's header, and its end cut at the end of the file; -1 when none.
        qint64 moviList = -1;
        qint64 moviEnd = -1;
        // The first "idx1" chunk's header and its data's size as the header gives it; -1 when none.
        qint64 index = -1;
        qint64 indexSize = 0;
        // A chunk (in any part) runs past the end of the file.
        bool cutShort = false;
        // The cancel check said stop.
        bool cancelled = false;
    };
    // Walks the top-level chunk headers of a file of FILESIZE bytes (at most kMaxTopLevel),
    // reading through READ (which gives fewer bytes at the end of the file or where it fails). The
    // walk ends at bytes that are no chunk code (a zero-filled tail among them), at a chunk running
    // past the end, or at a read that comes back short. Further "RIFF" parts are passed over whole.
    static TopLevel topLevel(const ReadAt &read, qint64 fileSize, const CancelCheck &cancelled = {});

    // A stream's list in the header list: its type from "strh" ("vids", "auds", "txts"; empty
    // without one) and its "indx" chunk's body, when it has one.
    struct Stream
    {
        QByteArrayView type;
        std::optional<QByteArrayView> indx;
    };
    static QList<Stream> streams(QByteArrayView headerList);

    // One entry of a super index: where an index chunk lies (its header included) and its size.
    struct IndexChunk
    {
        quint64 offset = 0;
        quint32 size = 0;
        friend auto operator<=>(const IndexChunk &, const IndexChunk &) = default;
    };
    // An "indx" body read as a super index.
    struct SuperIndex
    {
        // Four longs an entry and index type 0: an index of index chunks.
        bool ofIndexes = false;
        // The entry count the index gives, and whether its entries all fit in the body.
        quint32 declared = 0;
        bool complete = false;
        // The entries that fit in the body (no more than declared).
        QList<IndexChunk> entries;
    };
    static SuperIndex superIndex(QByteArrayView indx);
    // Whether CHUNK can be a standard index chunk lying wholly inside a file of FILESIZE bytes.
    static bool isInsideFile(const IndexChunk &chunk, qint64 fileSize);

    // Index chunks counted once each, in file order.
    struct IndexChunkSet
    {
        QList<IndexChunk> chunks;
        // Some chunk was named more than once.
        bool repeated = false;
        // The bytes of the distinct chunks together (overlapping ones counted each).
        quint64 totalBytes = 0;
    };
    static IndexChunkSet distinctChunks(QList<IndexChunk> chunks);

    // The fixed part of a standard index chunk ("ix##", two longs an entry, index type 1).
    struct StandardIndex
    {
        // The chunk code of the chunks it lists.
        QByteArray code;
        // The entries in use (the chunk may keep room for more).
        quint32 count = 0;
        // The offset the entries count from.
        qint64 base = 0;
    };
    // HEAD is the first kStandardIndexHeaderBytes of an index chunk of CHUNKSIZE bytes (its header
    // included) in a file of FILESIZE bytes; no index when it is not one or its entries would not
    // fit in it, or when its base lies past the end of the file.
    static std::optional<StandardIndex> standardIndex(QByteArrayView head, qint64 chunkSize, qint64 fileSize);
};
