// Writes seed inputs for the sensor readers' fuzz targets into a folder given on the command line
// (kept out of the repository): small, valid examples of every format, for the fuzzer to mutate.
#include "sensor/AviWriter.h"
#include "sensor/Mp4SubtitleWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockWriter.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
// A small AVI with an "idx1" index of its pictures and records: the quick reader's own route.
QByteArray indexedAvi()
{
    const QList<std::pair<QByteArray, QByteArray>> chunks = {{"00dc", QByteArray(41, 'p')},
                                                             {"02tx", "gsensor,1,2,3"},
                                                             {"01wb", QByteArray(6, 's')},
                                                             {"02tx", "GNRMC,1,A,3723.4567,N,12658.1234,E,10.0"},
                                                             {"03tx", "M\x01\x02\x03"}};
    QByteArray movi = "movi";
    QByteArray index;
    for (const auto &[code, data] : chunks) {
        QByteArray entry = code + QByteArray(12, '\0');
        qToLittleEndian<quint32>(quint32(movi.size()), entry.data() + 8);
        qToLittleEndian<quint32>(quint32(data.size()), entry.data() + 12);
        index += entry;
        movi += AviWriter::chunkBytes(code, data);
    }
    AviWriter avi;
    avi.chunk("LIST", movi).chunk("idx1", index);
    return avi.bytes();
}

// The same records found through an OpenDML super index ("indx" in the stream's header list) and
// its "ix02" chunk at the end of "movi".
QByteArray openDmlAvi()
{
    const QList<QByteArray> records = {"gsensor,1,2,3", "GNRMC,1,A,3723.4567,N,12658.1234,E,10.0"};
    const auto le = [](quint32 value, int bytes) {
        QByteArray out(bytes, '\0');
        for (int i = 0; i < bytes; ++i) {
            out[i] = char((quint64(value) >> (8 * i)) & 0xff);
        }
        return out;
    };
    // RIFF header, "LIST" header of hdrl, "hdrl", "LIST" header of strl, "strl", "indx" header.
    constexpr int superIndexBytes = 24 + 16;
    constexpr int moviStart = 12 + 12 + 12 + 8 + superIndexBytes;
    QByteArray movi = "movi";
    QByteArray entries;
    for (const QByteArray &record : records) {
        entries += le(quint32(moviStart + 8 + movi.size() + 8 - moviStart), 4) + le(quint32(record.size()), 4);
        movi += AviWriter::chunkBytes("02tx", record);
    }
    const QByteArray ix = QByteArray("\x02\x00\x00\x01", 4) + le(quint32(records.size()), 4) + "02tx" +
                          le(quint32(moviStart), 4) + le(0, 4) + le(0, 4) + entries;
    const qint64 ixOffset = moviStart + 8 + movi.size();
    movi += AviWriter::chunkBytes("ix02", ix);
    const QByteArray superIndex = QByteArray("\x04\x00\x00\x00", 4) + le(1, 4) + "02tx" + QByteArray(12, '\0') +
                                  le(quint32(ixOffset), 4) + le(0, 4) + le(quint32(ix.size() + 8), 4) + le(0, 4);
    const QByteArray strl = "strl" + AviWriter::chunkBytes("indx", superIndex);
    const QByteArray hdrl = "hdrl" + AviWriter::chunkBytes("LIST", strl);
    AviWriter avi;
    avi.chunk("LIST", hdrl).chunk("LIST", movi);
    return avi.bytes();
}

bool write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(u"."_s)) {
        return 1;
    }
    const QByteArray fix = "GPRMC,120000,A,3723.4567,N,12658.1234,E,10.0";
    AviWriter qb62;
    qb62.beginList("movi")
        .textChunk(2, "gsensori,1,1024,512,-256,64")
        .chunk("00dc", QByteArray(33, '\x30'))
        .textChunk(2, "gsensor,12,-5,9800")
        .textChunk(3, fix)
        .endList()
        .beginRiffPart()
        .textChunk(2, "gsensor,1,2,3")
        .textChunk(2, "GNRMC,1,V,0,N,0,E,0");
    // Video frames ending in "02" before text chunks, and records without a NUL before the next chunk.
    AviWriter edges;
    edges.beginList("movi")
        .chunk("00dc", QByteArray(QByteArray(20, '\x11') + "02"))
        .textChunk(2, "gsensor,1,2,50")
        .chunk("00dc", QByteArray(QByteArray(20, '\x11') + "02"))
        .textChunk(2, "gsensori,1,1024,512,-256,64")
        .chunk("00dc", QByteArray(15, '\0'))
        .textChunk(3, fix);
    AviWriter legacy;
    legacy.beginList("hdrl").chunk("avih", QByteArray(8, '\0')).endList().beginList("movi");
    legacy.textChunk(2, AviWriter::accelerationRecord(128, 0, 255))
        .textChunk(2, "T")
        .textChunk(2, AviWriter::krvAccelerationRecord(1, 2, 3))
        .textChunk(3, "$GPRMC,120000,A,4807.038,N,01131.000,E,22.4")
        .textChunk(3, "G$GPRMC,1,V");
    const QByteArray tail = TailBlockWriter::block(
        {TailBlockWriter::line(37.5, 127.25, 54, 10, -20, 130), u"0,1,2,3,4,5"_s, u"0,nan,1e39,-1,70000,0,0"_s});
    const QList<SubtitleFileWriter::Entry> entries = {
        {100, 200, u"gsensori,1,1024,512,-256,1024;"_s + QString::fromLatin1(fix)},
        {1100, 1200, u"gsensor,600,-700,5"_s},
        {2100, 2200, u"CAR,1,2,3"_s},
        {3100, 3200, u"dummy"_s},
        {3601000, 3601100, QString::fromLatin1(fix)}};
    const bool ok = write(dir, u"qb62.avi"_s, qb62.bytes()) && write(dir, u"qb62-edges.avi"_s, edges.bytes()) &&
                    write(dir, u"legacy.avi"_s, legacy.bytes()) &&
                    write(dir, u"tail.bin"_s, QByteArray(64, 'v') + tail) &&
                    write(dir, u"lf.srt"_s, SubtitleFileWriter::file(entries)) &&
                    write(dir, u"indexed.avi"_s, indexedAvi()) && write(dir, u"opendml.avi"_s, openDmlAvi()) &&
                    write(dir, u"subtitles.mp4"_s,
                          Mp4SubtitleWriter::file({"gsensori,1,128,1,2,3", "", "GPRMC,1,V,0,N,0,E,0"}, 2, false)) &&
                    write(dir, u"subtitles64.mp4"_s, Mp4SubtitleWriter::file({"gsensor,1,2,3"}, 1, true)) &&
                    write(dir, u"crlf.srt"_s, SubtitleFileWriter::file(entries, u"\r\n"_s, false));
    return ok ? 0 : 1;
}
