#include "QuickTrackReader.h"

#include "AviSensorChunks.h"
#include "AviSensorReader.h"
#include "Mp4SubtitleSamples.h"
#include "QB62RecordingReader.h"
#include "QB62SrtReader.h"
#include "SensorFile.h"
#include "SensorTrack.h"
#include "TailBlockReader.h"
#include "core/ByteOrder.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
using Family = AviSensorReader::Family;

int readBytes(QByteArray bytes, const std::function<int(QIODevice &)> &reader)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return reader(buffer);
}

// The first-part sensor chunks as a RIFF file of their own, for the chunk-walking reader.
QByteArray riffAround(const QByteArray &chunks)
{
    QByteArray riff("RIFF\0\0\0\0AVI ", 12);
    qToLittleEndian<quint32>(quint32(chunks.size() + 4), riff.data() + 4);
    return riff + chunks;
}

// The frame count times the frame time of the main header ("avih", the first chunk of "hdrl").
qint64 aviDurationMs(QIODevice &device)
{
    if (!device.seek(0)) {
        return -1;
    }
    const QByteArray head = device.read(64);
    if (head.size() < 56 || QByteArrayView(head).sliced(12, 4) != "LIST" ||
        QByteArrayView(head).sliced(20, 4) != "hdrl" || QByteArrayView(head).sliced(24, 4) != "avih") {
        return -1;
    }
    const quint32 microsecondsPerFrame = ByteOrder::le32(head, 32);
    const quint32 frames = ByteOrder::le32(head, 48);
    // Every frame is a chunk of its own, eight bytes of header at least: a count the file cannot
    // hold is not believed.
    if (qint64(frames) * 8 > device.size()) {
        return -1;
    }
    return qint64(microsecondsPerFrame) * frames / 1000;
}

// The earliest byte where reading failed, with the note saying so.
void noteStop(QuickTrackReader::Result &result, qint64 stoppedAt)
{
    if (stoppedAt >= 0 && (result.stoppedAt < 0 || stoppedAt < result.stoppedAt)) {
        result.stoppedAt = stoppedAt;
        result.note = u"the file cannot be read from byte %1: the track ends there"_s.arg(stoppedAt);
    }
}

// Today's readers over the whole file, in their usual order.
int fullScan(const QString &path, SensorTrack &track, bool krv, const QuickTrackReader::CancelCheck &cancelled)
{
    if (krv) {
        return AviSensorReader::readFile(path, track, Family::KRV, cancelled);
    }
    int count = QB62RecordingReader::readFile(path, track, cancelled);
    if (count == 0 && !(cancelled && cancelled())) {
        count = TailBlockReader::readFile(path, track);
    }
    if (count == 0) {
        count = AviSensorReader::readFile(path, track, Family::Standard, cancelled);
    }
    return count;
}
} // namespace

QuickTrackReader::Result QuickTrackReader::readAvi(const QString &path, SensorTrack &track, bool krv,
                                                   const CancelCheck &cancelled)
{
    track.clear();
    Result result;
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        result.note = u"not a readable file"_s;
        result.unreadable = true;
        return result;
    }
    result.durationMs = aviDurationMs(file);
    const AviSensorChunks::Result chunks = AviSensorChunks::locate(file, cancelled);
    result.note = chunks.note;
    QByteArray all;
    QByteArray firstPart;
    const bool located = chunks.route == AviSensorChunks::Route::Index || chunks.route == AviSensorChunks::Route::Walk;
    if (chunks.route == AviSensorChunks::Route::Cancelled) {
        return result;
    }
    qint64 gatheredTo = -1;
    if (!located || !AviSensorChunks::gather(file, chunks.spans, all, firstPart, &gatheredTo)) {
        if (located) {
            result.note = u"the sensor chunks cannot be read apart"_s;
        }
        result.route = Route::FullScan;
        noteStop(result, chunks.stoppedAt);
        result.samples = fullScan(path, track, krv, cancelled);
        track.setClipDataCount(quint32(result.samples));
        return result;
    }
    result.route = chunks.route == AviSensorChunks::Route::Index ? Route::Index : Route::Walk;
    noteStop(result, chunks.stoppedAt);
    noteStop(result, gatheredTo);
    const auto chunkWalk = [&](Family family) {
        return readBytes(riffAround(firstPart),
                         [&](QIODevice &device) { return AviSensorReader::read(device, track, family); });
    };
    if (krv) {
        result.samples = chunkWalk(Family::KRV);
    } else {
        result.samples = readBytes(all, [&](QIODevice &device) { return QB62RecordingReader::read(device, track); });
        if (result.samples == 0) {
            result.samples = TailBlockReader::read(file, track);
            if (result.samples > 0) {
                result.route = Route::Tail;
            }
        }
        if (result.samples == 0) {
            result.samples = chunkWalk(Family::Standard);
        }
    }
    track.setClipDataCount(quint32(result.samples));
    return result;
}

QuickTrackReader::Result QuickTrackReader::readMp4(const QString &path, SensorTrack &track, QByteArray *subtitleFile)
{
    track.clear();
    if (subtitleFile != nullptr) {
        subtitleFile->clear();
    }
    Result result;
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        result.note = u"not a readable file"_s;
        result.unreadable = true;
        return result;
    }
    const Mp4SubtitleSamples::Result samples = Mp4SubtitleSamples::read(file);
    result.durationMs = samples.durationMs;
    result.note = samples.note;
    result.stoppedAt = samples.stoppedAt;
    if (!samples.found) {
        return result;
    }
    result.route = Route::SampleTables;
    const QByteArray subtitles = Mp4SubtitleSamples::subtitleFile(samples.texts);
    // As with the extracted file: one larger than any camera writes is not read.
    if (subtitles.size() <= SensorFile::kMaxSubtitleFileBytes) {
        result.samples = QB62SrtReader::read(subtitles, track);
        if (subtitleFile != nullptr) {
            *subtitleFile = Mp4SubtitleSamples::subtitleFile(samples.texts, samples.startsMs);
        }
    }
    track.setClipDataCount(quint32(result.samples));
    return result;
}

QString QuickTrackReader::routeName(Route route)
{
    switch (route) {
    case Route::Index:
        return u"index"_s;
    case Route::Walk:
        return u"walk"_s;
    case Route::SampleTables:
        return u"sample-tables"_s;
    case Route::Tail:
        return u"tail"_s;
    case Route::FullScan:
        return u"full-scan"_s;
    case Route::None:
        return u"none"_s;
    }
    return {};
}
