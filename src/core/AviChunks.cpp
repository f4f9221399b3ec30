#include "AviChunks.h"

#include "ByteOrder.h"

#include <algorithm>

namespace {
bool isTopLevelList(QByteArrayView header, QByteArrayView type)
{
    return header.size() == 12 && header.first(4) == "LIST" && header.sliced(8, 4) == type;
}
} // namespace

bool AviChunks::isChunkCode(QByteArrayView code)
{
    return code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

qint64 AviChunks::paddedEnd(qint64 offset, qint64 size)
{
    return offset + 8 + size + (size & 1);
}

QList<AviChunks::Chunk> AviChunks::children(QByteArrayView body)
{
    QList<Chunk> chunks;
    qsizetype at = 0;
    while (body.size() - at >= 8) {
        const quint32 size = ByteOrder::le32(body, at + 4);
        if (size > quint64(body.size() - at - 8)) {
            break;
        }
        chunks.append({body.sliced(at, 4), body.sliced(at + 8, size)});
        at += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

AviChunks::TopLevel AviChunks::topLevel(const ReadAt &read, qint64 fileSize, const CancelCheck &cancelled)
{
    TopLevel found;
    bool firstPart = true;
    qint64 pos = 12;
    for (int count = 0; count < kMaxTopLevel && fileSize - pos >= 8; ++count) {
        if (cancelled && cancelled()) {
            found.cancelled = true;
            break;
        }
        const QByteArray header = read(pos, 12);
        if (header.size() < 8 || !isChunkCode(header.first(4))) {
            break; // the end of what can be read, or a zero-filled tail
        }
        const qint64 size = ByteOrder::le32(header, 4);
        const bool fits = size <= fileSize - pos - 8;
        firstPart = firstPart && header.first(4) != "RIFF";
        if (firstPart && isTopLevelList(header, "movi") && found.moviList < 0) {
            found.moviList = pos;
            found.moviEnd = qMin(pos + 8 + size, fileSize);
        } else if (firstPart && fits && isTopLevelList(header, "hdrl") && found.headerList.isEmpty() && size >= 4 &&
                   size <= kMaxHeaderBytes) {
            found.headerList = read(pos + 12, size - 4);
            if (found.headerList.size() != size - 4) {
                found.headerList.clear();
            }
        } else if (firstPart && header.first(4) == "idx1" && found.index < 0) {
            found.index = pos;
            found.indexSize = size;
        }
        if (!fits) {
            found.cutShort = true;
            break;
        }
        pos = paddedEnd(pos, size);
    }
    return found;
}

QList<AviChunks::Stream> AviChunks::streams(QByteArrayView headerList)
{
    QList<Stream> found;
    for (const Chunk &chunk : children(headerList)) {
        if (chunk.id != "LIST" || chunk.body.size() < 4 || chunk.body.first(4) != "strl") {
            continue;
        }
        Stream stream;
        for (const Chunk &part : children(chunk.body.sliced(4))) {
            if (part.id == "strh" && part.body.size() >= 4) {
                stream.type = part.body.first(4);
            } else if (part.id == "indx" && !stream.indx) {
                stream.indx = part.body;
            }
        }
        found.append(stream);
    }
    return found;
}

AviChunks::SuperIndex AviChunks::superIndex(QByteArrayView indx)
{
    SuperIndex index;
    if (indx.size() < 24) {
        return index;
    }
    index.ofIndexes = ByteOrder::le16(indx, 0) == 4 && indx[3] == 0;
    index.declared = ByteOrder::le32(indx, 4);
    const quint32 room = quint32((indx.size() - 24) / 16);
    index.complete = index.declared <= room;
    const quint32 entries = qMin(index.declared, room);
    index.entries.reserve(entries);
    for (quint32 i = 0; i < entries; ++i) {
        const qsizetype at = 24 + qsizetype(i) * 16;
        index.entries.append({ByteOrder::le64(indx, at), ByteOrder::le32(indx, at + 8)});
    }
    return index;
}

bool AviChunks::isInsideFile(const IndexChunk &chunk, qint64 fileSize)
{
    return fileSize >= 0 && chunk.size >= kStandardIndexHeaderBytes && chunk.offset <= quint64(fileSize) &&
           chunk.size <= quint64(fileSize) - chunk.offset;
}

AviChunks::IndexChunkSet AviChunks::distinctChunks(QList<IndexChunk> chunks)
{
    IndexChunkSet set;
    std::sort(chunks.begin(), chunks.end());
    const auto end = std::unique(chunks.begin(), chunks.end());
    set.repeated = end != chunks.end();
    chunks.erase(end, chunks.end());
    for (const IndexChunk &chunk : std::as_const(chunks)) {
        set.totalBytes += chunk.size;
    }
    set.chunks = std::move(chunks);
    return set;
}

std::optional<AviChunks::StandardIndex> AviChunks::standardIndex(QByteArrayView head, qint64 chunkSize, qint64 fileSize)
{
    if (head.size() < kStandardIndexHeaderBytes || !head.startsWith("ix")) {
        return std::nullopt;
    }
    const qint64 bodySize = ByteOrder::le32(head, 4);
    const QByteArrayView body = head.sliced(8);
    if (bodySize < 24 || bodySize + 8 > chunkSize || ByteOrder::le16(body, 0) != 2 || body[3] != 1) {
        return std::nullopt;
    }
    const quint32 count = ByteOrder::le32(body, 4);
    const quint64 base = ByteOrder::le64(body, 12);
    if (count > (bodySize - 24) / 8 || base > quint64(qMax<qint64>(fileSize, 0))) {
        return std::nullopt;
    }
    return StandardIndex{body.sliced(8, 4).toByteArray(), count, qint64(base)};
}
