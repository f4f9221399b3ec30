#include "Mp4SubtitleWriter.h"

#include <QtEndian>

QByteArray Mp4SubtitleWriter::box(QByteArrayView type, const QByteArray &body)
{
    return be32(quint32(body.size() + 8)) + type.toByteArray() + body;
}

QByteArray Mp4SubtitleWriter::be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray Mp4SubtitleWriter::file(const QList<QByteArray> &texts, int samplesPerChunk, bool wideOffsets,
                                   quint32 durationMs, quint32 sampleMs)
{
    const QByteArray ftyp = box("ftyp", "isom" + be32(512));
    const qsizetype mdatStart = ftyp.size() + 8;
    QByteArray mdat;
    QByteArray offsets;
    quint32 chunks = 0;
    QByteArray sizes;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i % samplesPerChunk == 0) {
            mdat += QByteArray(5000, 'v');
            const auto offset = quint32(mdatStart + mdat.size());
            offsets += wideOffsets ? be32(0) + be32(offset) : be32(offset);
            ++chunks;
        }
        QByteArray sample(2, '\0');
        qToBigEndian<quint16>(quint16(texts[i].size()), sample.data());
        sample += texts[i];
        mdat += sample;
        sizes += be32(quint32(sample.size()));
    }
    const QByteArray timing =
        sampleMs == 0 ? QByteArray() : box("stts", be32(0) + be32(1) + be32(quint32(texts.size())) + be32(sampleMs));
    const QByteArray stbl = timing + box("stsd", be32(0) + be32(1) + box("tx3g", QByteArray(30, '\0'))) +
                            box("stsz", be32(0) + be32(0) + be32(quint32(texts.size())) + sizes) +
                            box("stsc", be32(0) + be32(1) + be32(1) + be32(quint32(samplesPerChunk)) + be32(1)) +
                            box(wideOffsets ? "co64" : "stco", be32(0) + be32(chunks) + offsets);
    const QByteArray handler = be32(0) + be32(0);
    QByteArray mdhd(24, '\0');
    if (sampleMs != 0) {
        qToBigEndian<quint32>(1000, mdhd.data() + 12);
    }
    const QByteArray subtitles =
        box("mdhd", mdhd) + box("hdlr", handler + "sbtl" + QByteArray(12, '\0')) + box("minf", box("stbl", stbl));
    const QByteArray video = box("trak", box("mdia", box("hdlr", handler + "vide" + QByteArray(12, '\0'))));
    const QByteArray mvhd = be32(0) + be32(0) + be32(0) + be32(1000) + be32(durationMs) + QByteArray(80, '\0');
    return ftyp + box("mdat", mdat) + box("moov", box("mvhd", mvhd) + video + box("trak", box("mdia", subtitles)));
}
