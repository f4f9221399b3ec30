#include "DirectPlayProbe.h"

#include "core/Mp4Boxes.h"
#include "core/RegularFileReader.h"

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
using Result = DirectPlayProbe::Result;

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint64 le64(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint64>(bytes.data() + at);
}

quint32 be32(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}

quint64 be64(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint64>(bytes.data() + at);
}

// COUNT bytes at AT, or fewer when the file ends or cannot be read.
QByteArray readAt(QIODevice &device, qint64 at, qint64 count)
{
    if (at < 0 || !device.seek(at)) {
        return {};
    }
    return device.read(count);
}

struct Chunk
{
    QByteArrayView id;
    QByteArrayView body;
};

// The RIFF chunks inside BODY (each padded to an even size); one that does not fit ends the list.
QList<Chunk> riffChunks(QByteArrayView body)
{
    QList<Chunk> chunks;
    qsizetype at = 0;
    while (body.size() - at >= 8) {
        const quint32 size = le32(body, at + 4);
        if (size > quint64(body.size() - at - 8)) {
            break;
        }
        chunks.append({body.sliced(at, 4), body.sliced(at + 8, size)});
        at += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

// Whether the OpenDML super index INDX names its index chunks over and over, or chunks holding
// more bytes together than a file of FILESIZE: the player reads every chunk named, and would go on
// reading long after it had read the file.
bool isRunawaySuperIndex(QByteArrayView indx, qint64 fileSize)
{
    if (indx.size() < 24) {
        return false;
    }
    const quint32 entries = qMin(le32(indx, 4), quint32((indx.size() - 24) / 16));
    QList<std::pair<quint64, quint32>> chunks;
    chunks.reserve(entries);
    quint64 total = 0;
    for (quint32 i = 0; i < entries; ++i) {
        chunks.append({le64(indx, 24 + qsizetype(i) * 16), le32(indx, 24 + qsizetype(i) * 16 + 8)});
        total += chunks.back().second;
    }
    std::sort(chunks.begin(), chunks.end());
    return total > quint64(fileSize) || std::adjacent_find(chunks.cbegin(), chunks.cend()) != chunks.cend();
}

// An OpenDML super index ("indx" of index type 0) with at least one entry, every entry inside a
// file of FILESIZE bytes.
bool isUsableSuperIndex(QByteArrayView indx, qint64 fileSize)
{
    if (indx.size() < 24 || static_cast<quint8>(indx[3]) != 0) {
        return false;
    }
    const quint32 entries = le32(indx, 4);
    if (entries == 0 || entries > quint32((indx.size() - 24) / 16)) {
        return false;
    }
    for (quint32 i = 0; i < entries; ++i) {
        const quint64 offset = le64(indx, 24 + qsizetype(i) * 16);
        const quint32 size = le32(indx, 24 + qsizetype(i) * 16 + 8);
        if (size == 0 || offset > quint64(fileSize) || quint64(size) > quint64(fileSize) - offset) {
            return false;
        }
    }
    return true;
}

// The header list's streams: how many are video, whether each of those has a usable super index,
// and whether any stream's super index is a runaway one.
void readAviHeader(QByteArrayView hdrl, qint64 fileSize, int &videoStreams, bool &superIndexed, bool &runaway)
{
    superIndexed = true;
    for (const Chunk &chunk : riffChunks(hdrl)) {
        if (chunk.id != "LIST" || chunk.body.size() < 4 || chunk.body.first(4) != "strl") {
            continue;
        }
        bool video = false;
        bool indexed = false;
        for (const Chunk &part : riffChunks(chunk.body.sliced(4))) {
            if (part.id == "strh" && part.body.size() >= 4) {
                video = part.body.first(4) == "vids";
            } else if (part.id == "indx") {
                indexed = isUsableSuperIndex(part.body, fileSize);
                runaway = runaway || isRunawaySuperIndex(part.body, fileSize);
            }
        }
        if (video) {
            ++videoStreams;
            superIndexed = superIndexed && indexed;
        }
    }
}

Result probeAvi(QIODevice &device, qint64 fileSize)
{
    Result result;
    result.container = DirectPlayProbe::Container::Avi;
    bool idx1 = false;
    bool superIndexed = false;
    bool runaway = false;
    bool cutShort = false;
    qint64 at = 12;
    for (int count = 0; count < DirectPlayProbe::kMaxTopLevel && fileSize - at >= 8; ++count) {
        const QByteArray header = readAt(device, at, 12);
        if (header.size() < 8 || header.first(4) == QByteArray(4, '\0')) {
            break; // the preallocated rest of a recording, or nothing more to read
        }
        const qint64 size = le32(header, 4);
        const QByteArrayView id = QByteArrayView(header).first(4);
        if (size > fileSize - at - 8) {
            cutShort = true;
            break;
        }
        if (id == "LIST" && header.size() == 12 && QByteArrayView(header).sliced(8, 4) == "hdrl" && size >= 4 &&
            size <= DirectPlayProbe::kMaxHeaderBytes) {
            const QByteArray hdrl = readAt(device, at + 12, size - 4);
            if (hdrl.size() == size - 4) {
                readAviHeader(hdrl, fileSize, result.videoStreams, superIndexed, runaway);
            }
        } else if (id == "idx1" && size >= 16) {
            idx1 = true;
        }
        at += 8 + size + (size & 1);
    }
    if (result.videoStreams == 0) {
        result.why = u"no video stream"_s;
    } else if (runaway) {
        result.why = u"an OpenDML index names its chunks over and over"_s;
    } else if (!idx1 && !superIndexed) {
        result.why = cutShort ? u"cut short, without an index"_s : u"no index"_s;
    } else {
        result.playable = true;
    }
    return result;
}

// Whether every chunk of the track whose sample tables are STBL starts inside a file of FILESIZE
// bytes; a track without chunk offsets has nothing outside it.
bool chunksInsideFile(QByteArrayView stbl, qint64 fileSize)
{
    std::optional<QByteArrayView> offsets = Mp4Boxes::descend(stbl, {"stco"});
    const bool wide = !offsets;
    if (wide) {
        offsets = Mp4Boxes::descend(stbl, {"co64"});
    }
    if (!offsets) {
        return true;
    }
    const qsizetype width = wide ? 8 : 4;
    if (offsets->size() < 8 || be32(*offsets, 4) > quint32((offsets->size() - 8) / width)) {
        return false;
    }
    const quint32 chunks = be32(*offsets, 4);
    for (quint32 i = 0; i < chunks; ++i) {
        const qsizetype at = 8 + qsizetype(i) * width;
        const quint64 offset = wide ? be64(*offsets, at) : be32(*offsets, at);
        if (offset >= quint64(fileSize)) {
            return false;
        }
    }
    return true;
}

// A video track with samples in chunks.
bool isVideoTrackWithSamples(QByteArrayView trak)
{
    const auto hdlr = Mp4Boxes::descend(trak, {"mdia", "hdlr"});
    const auto stsz = Mp4Boxes::descend(trak, {"mdia", "minf", "stbl", "stsz"});
    const bool chunked = Mp4Boxes::descend(trak, {"mdia", "minf", "stbl", "stco"}) ||
                         Mp4Boxes::descend(trak, {"mdia", "minf", "stbl", "co64"});
    return hdlr && hdlr->size() >= 12 && hdlr->sliced(8, 4) == "vide" && stsz && stsz->size() >= 12 &&
           be32(*stsz, 8) != 0 && chunked;
}

Result probeMp4(QIODevice &device, qint64 fileSize)
{
    Result result;
    result.container = DirectPlayProbe::Container::Mp4;
    const Mp4Boxes::Moov moov =
        Mp4Boxes::readMoov(device, DirectPlayProbe::kMaxTopLevel, DirectPlayProbe::kMaxMoovBytes);
    if (moov.outcome == Mp4Boxes::Moov::Outcome::TooLarge || moov.outcome == Mp4Boxes::Moov::Outcome::Unreadable) {
        result.why = u"the moov box cannot be read"_s;
        return result;
    }
    // A box cut short hides whatever follows it.
    if (moov.body.isEmpty()) {
        result.why = u"no moov box"_s;
        return result;
    }
    for (const Mp4Boxes::Box &box : Mp4Boxes::children(moov.body)) {
        if (box.type != "trak") {
            continue;
        }
        // Any track pointing past the end (the sensor samples' too) means a file cut short.
        const auto stbl = Mp4Boxes::descend(box.body, {"mdia", "minf", "stbl"});
        if (stbl && !chunksInsideFile(*stbl, fileSize)) {
            result.videoStreams = 0;
            result.why = u"a track points past the end of the file"_s;
            return result;
        }
        if (isVideoTrackWithSamples(box.body)) {
            ++result.videoStreams;
        }
    }
    result.playable = result.videoStreams > 0;
    if (!result.playable) {
        result.why = u"no video track with samples"_s;
    }
    return result;
}
} // namespace

DirectPlayProbe::Result DirectPlayProbe::probe(QIODevice &device)
{
    Result result;
    if (!device.isOpen() || device.isSequential()) {
        result.why = u"not a random-access file"_s;
        return result;
    }
    const qint64 fileSize = device.size();
    const QByteArray head = readAt(device, 0, 12);
    if (head.size() == 12 && head.first(4) == "RIFF" && head.sliced(8, 4) == "AVI ") {
        return probeAvi(device, fileSize);
    }
    if (head.size() >= 8) {
        const QByteArrayView type = QByteArrayView(head).sliced(4, 4);
        if (type == "ftyp" || type == "moov" || type == "mdat" || type == "free" || type == "wide") {
            return probeMp4(device, fileSize);
        }
    }
    result.why = u"neither an AVI nor an MP4 file"_s;
    return result;
}

DirectPlayProbe::Result DirectPlayProbe::probeFile(const QString &path)
{
    if (!RegularFileReader::isRegularFile(path)) {
        Result result;
        result.why = u"not a regular file"_s;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        Result result;
        result.why = u"cannot be opened"_s;
        return result;
    }
    return probe(file);
}
