#include "DirectPlayProbe.h"

#include "core/AviChunks.h"
#include "core/ByteOrder.h"
#include "core/Mp4Boxes.h"
#include "core/RegularFileReader.h"

#include <QByteArrayView>
#include <QFile>
#include <QList>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
using Result = DirectPlayProbe::Result;

// COUNT bytes at AT, or fewer when the file ends or cannot be read.
QByteArray readAt(QIODevice &device, qint64 at, qint64 count)
{
    if (at < 0 || !device.seek(at)) {
        return {};
    }
    return device.read(count);
}

// Whether the OpenDML super index INDEX names its index chunks over and over, or chunks holding
// more bytes together than a file of FILESIZE: the player reads every chunk named, and would go on
// reading long after it had read the file.
bool isRunawaySuperIndex(const AviChunks::SuperIndex &index, qint64 fileSize)
{
    const AviChunks::IndexChunkSet chunks = AviChunks::distinctChunks(index.entries);
    return chunks.repeated || chunks.totalBytes > quint64(fileSize);
}

// An OpenDML super index with at least one entry, every entry inside a file of FILESIZE bytes.
bool isUsableSuperIndex(const AviChunks::SuperIndex &index, qint64 fileSize)
{
    return index.ofIndexes && index.complete && !index.entries.isEmpty() &&
           std::all_of(index.entries.cbegin(), index.entries.cend(), [fileSize](const AviChunks::IndexChunk &chunk) {
               return AviChunks::isInsideFile(chunk, fileSize);
           });
}

// The header list's streams: how many are video, whether each of those has a usable super index,
// and whether any stream's super index is a runaway one.
void readAviHeader(QByteArrayView hdrl, qint64 fileSize, int &videoStreams, bool &superIndexed, bool &runaway)
{
    superIndexed = true;
    for (const AviChunks::Stream &stream : AviChunks::streams(hdrl)) {
        const AviChunks::SuperIndex index = stream.indx ? AviChunks::superIndex(*stream.indx) : AviChunks::SuperIndex{};
        runaway = runaway || isRunawaySuperIndex(index, fileSize);
        if (stream.type == "vids") {
            ++videoStreams;
            superIndexed = superIndexed && isUsableSuperIndex(index, fileSize);
        }
    }
}

Result probeAvi(QIODevice &device, qint64 fileSize)
{
    Result result;
    result.container = DirectPlayProbe::Container::Avi;
    const AviChunks::TopLevel top =
        AviChunks::topLevel([&device](qint64 at, qint64 count) { return readAt(device, at, count); }, fileSize);
    bool superIndexed = false;
    bool runaway = false;
    readAviHeader(top.headerList, fileSize, result.videoStreams, superIndexed, runaway);
    // An "idx1" of at least one entry that the file holds whole.
    const bool idx1 = top.index >= 0 && top.indexSize >= 16 && top.indexSize <= fileSize - top.index - 8;
    if (result.videoStreams == 0) {
        result.why = u"no video stream"_s;
    } else if (runaway) {
        result.why = u"an OpenDML index names its chunks over and over"_s;
    } else if (!idx1 && !superIndexed) {
        result.why = top.cutShort ? u"cut short, without an index"_s : u"no index"_s;
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
    if (offsets->size() < 8 || ByteOrder::be32(*offsets, 4) > quint32((offsets->size() - 8) / width)) {
        return false;
    }
    const quint32 chunks = ByteOrder::be32(*offsets, 4);
    for (quint32 i = 0; i < chunks; ++i) {
        const qsizetype at = 8 + qsizetype(i) * width;
        const quint64 offset = wide ? ByteOrder::be64(*offsets, at) : ByteOrder::be32(*offsets, at);
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
           ByteOrder::be32(*stsz, 8) != 0 && chunked;
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
