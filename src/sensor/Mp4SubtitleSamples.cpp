#include "Mp4SubtitleSamples.h"

#include "core/ByteOrder.h"
#include "core/Mp4Boxes.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {
using Box = Mp4Boxes::Box;

// The duration in a "mvhd" body, in milliseconds.
qint64 movieDurationMs(QByteArrayView mvhd)
{
    if (mvhd.isEmpty()) {
        return -1;
    }
    const bool wide = mvhd[0] == 1;
    const qsizetype timescaleAt = wide ? 20 : 12;
    if (mvhd.size() < timescaleAt + (wide ? 12 : 8)) {
        return -1;
    }
    const quint32 timescale = ByteOrder::be32(mvhd, timescaleAt);
    const quint64 duration = wide ? ByteOrder::be64(mvhd, timescaleAt + 4) : ByteOrder::be32(mvhd, timescaleAt + 4);
    if (timescale == 0 || duration > quint64(1) << 52) {
        return -1;
    }
    return qint64(duration * 1000 / timescale);
}

bool isSubtitleTrack(QByteArrayView trak)
{
    const auto hdlr = Mp4Boxes::descend(trak, {"mdia", "hdlr"});
    const auto stsd = Mp4Boxes::descend(trak, {"mdia", "minf", "stbl", "stsd"});
    if (!hdlr || hdlr->size() < 12 || !stsd || stsd->size() < 16) {
        return false;
    }
    const QByteArrayView handler = hdlr->sliced(8, 4);
    // The first sample description's format: timed text.
    return (handler == "sbtl" || handler == "text" || handler == "subt") && stsd->sliced(12, 4) == "tx3g";
}

struct Location
{
    qint64 offset;
    qint64 size;
};

class SampleTables
{
public:
    bool load(QByteArrayView stbl, QString &why)
    {
        const auto stsz = Mp4Boxes::child(stbl, "stsz");
        const auto stsc = Mp4Boxes::child(stbl, "stsc");
        auto offsets = Mp4Boxes::child(stbl, "stco");
        m_wideOffsets = false;
        if (!offsets) {
            offsets = Mp4Boxes::child(stbl, "co64");
            m_wideOffsets = true;
        }
        if (!stsz || !stsc || !offsets || stsz->size() < 12 || stsc->size() < 8 || offsets->size() < 8) {
            why = u"the subtitle track has no sample tables"_s;
            return false;
        }
        m_stsz = *stsz;
        m_stsc = *stsc;
        m_offsets = *offsets;
        m_uniformSize = ByteOrder::be32(m_stsz, 4);
        m_sampleCount = ByteOrder::be32(m_stsz, 8);
        m_chunkCount = ByteOrder::be32(m_offsets, 4);
        m_stscCount = ByteOrder::be32(m_stsc, 4);
        const qint64 offsetWidth = m_wideOffsets ? 8 : 4;
        if ((m_uniformSize == 0 && (m_stsz.size() - 12) / 4 < m_sampleCount) ||
            (m_offsets.size() - 8) / offsetWidth < m_chunkCount || (m_stsc.size() - 8) / 12 < m_stscCount) {
            why = u"the subtitle track's sample tables are cut short"_s;
            return false;
        }
        return true;
    }

    // Every sample's place in the file, chunk by chunk; false when they add up to too much.
    bool locate(QList<Location> &samples, QString &why) const
    {
        qint64 sample = 0;
        qint64 total = 0;
        qint64 run = 0;
        for (qint64 chunk = 1; chunk <= m_chunkCount && sample < m_sampleCount; ++chunk) {
            // The run of "stsc" that covers this chunk: the last one starting at or before it.
            while (run + 1 < m_stscCount && ByteOrder::be32(m_stsc, 8 + (run + 1) * 12) <= chunk) {
                ++run;
            }
            const qint64 perChunk = m_stscCount > 0 ? ByteOrder::be32(m_stsc, 8 + run * 12 + 4) : 0;
            qint64 offset = m_wideOffsets ? qint64(ByteOrder::be64(m_offsets, 8 + (chunk - 1) * 8) & 0x7fffffffffffffff)
                                          : qint64(ByteOrder::be32(m_offsets, 8 + (chunk - 1) * 4));
            for (qint64 k = 0; k < perChunk && sample < m_sampleCount; ++k, ++sample) {
                const qint64 size = m_uniformSize != 0 ? m_uniformSize : ByteOrder::be32(m_stsz, 12 + sample * 4);
                total += size;
                if (total > Mp4SubtitleSamples::kMaxSampleBytes || sample >= Mp4SubtitleSamples::kMaxSamples) {
                    why = u"the subtitle samples are larger than any camera writes"_s;
                    return false;
                }
                samples.append({offset, size});
                offset += size;
            }
        }
        return true;
    }

private:
    QByteArrayView m_stsz;
    QByteArrayView m_stsc;
    QByteArrayView m_offsets;
    bool m_wideOffsets = false;
    qint64 m_uniformSize = 0;
    qint64 m_sampleCount = 0;
    qint64 m_chunkCount = 0;
    qint64 m_stscCount = 0;
};

// ffmpeg's rescaling of a time stamp (VALUE, not negative, from units of 1/FROM to 1/TO): to the
// nearest unit, halves up. Split so that no product leaves 64 bits (FROM and TO fit in 32).
qint64 rescaled(qint64 value, qint64 from, qint64 to)
{
    return value / from * to + (value % from * to + from / 2) / from;
}

constexpr qint64 kMaxTrackSeconds = 100LL * 24 * 3600;

// The start of each of COUNT samples in milliseconds, from the "mdhd" time scale and the "stts"
// runs of MDIA; empty when either is missing or does not cover every sample. The extracted file's
// times pass through microseconds on their way to milliseconds, rounded at each step.
QList<qint64> sampleStartsMs(QByteArrayView mdia, qsizetype count)
{
    const auto mdhd = Mp4Boxes::child(mdia, "mdhd");
    const auto stts = Mp4Boxes::descend(mdia, {"minf", "stbl", "stts"});
    if (!mdhd || mdhd->isEmpty() || !stts || stts->size() < 8) {
        return {};
    }
    const qsizetype timescaleAt = (*mdhd)[0] == 1 ? 20 : 12;
    if (mdhd->size() < timescaleAt + 4) {
        return {};
    }
    const qint64 timescale = ByteOrder::be32(*mdhd, timescaleAt);
    const qint64 runs = ByteOrder::be32(*stts, 4);
    if (timescale == 0 || (stts->size() - 8) / 8 < runs) {
        return {};
    }
    QList<qint64> starts;
    starts.reserve(count);
    qint64 time = 0;
    for (qint64 run = 0; run < runs && starts.size() < count; ++run) {
        const qint64 samples = ByteOrder::be32(*stts, 8 + run * 8);
        const qint64 delta = ByteOrder::be32(*stts, 8 + run * 8 + 4);
        for (qint64 k = 0; k < samples && starts.size() < count; ++k) {
            // Longer than any recording: the times are not to be believed (and would overflow).
            if (time / timescale > kMaxTrackSeconds) {
                return {};
            }
            starts.append(rescaled(rescaled(time, timescale, 1000000), 1000000, 1000));
            time += delta;
        }
    }
    if (starts.size() != count) {
        return {};
    }
    return starts;
}

// The top-level "moov" box's body; empty with WHY when there is none that can be read, and
// STOPPEDAT where the box starts when reading it failed.
QByteArray readMoov(QIODevice &device, QString &why, qint64 &stoppedAt)
{
    Mp4Boxes::Moov moov =
        Mp4Boxes::readMoov(device, Mp4SubtitleSamples::kMaxTopLevelBoxes, Mp4SubtitleSamples::kMaxMoovBytes);
    switch (moov.outcome) {
    case Mp4Boxes::Moov::Outcome::Found:
        return std::move(moov.body);
    case Mp4Boxes::Moov::Outcome::Missing:
        why = u"no moov box"_s;
        break;
    case Mp4Boxes::Moov::Outcome::CutShort:
        why = u"a box at byte %1 runs past the end of the file"_s.arg(moov.at);
        break;
    case Mp4Boxes::Moov::Outcome::TooLarge:
        why = u"the moov box is larger than any recording's"_s;
        break;
    case Mp4Boxes::Moov::Outcome::Unreadable:
        why = u"the file cannot be read from byte %1: no moov box was read"_s.arg(moov.at);
        stoppedAt = moov.at;
        break;
    }
    return {};
}

// The time the samples of the track TRAK cover in milliseconds, from its "mdhd" time scale and
// "stts" runs; -1 without usable timing or when it is longer than any recording.
qint64 trackSampleMs(QByteArrayView trak)
{
    const auto mdhd = Mp4Boxes::descend(trak, {"mdia", "mdhd"});
    const auto stts = Mp4Boxes::descend(trak, {"mdia", "minf", "stbl", "stts"});
    if (!mdhd || mdhd->isEmpty() || !stts || stts->size() < 8) {
        return -1;
    }
    const qsizetype timescaleAt = (*mdhd)[0] == 1 ? 20 : 12;
    if (mdhd->size() < timescaleAt + 4) {
        return -1;
    }
    const quint64 timescale = ByteOrder::be32(*mdhd, timescaleAt);
    const qint64 runs = ByteOrder::be32(*stts, 4);
    if (timescale == 0 || (stts->size() - 8) / 8 < runs) {
        return -1;
    }
    const quint64 limit = quint64(kMaxTrackSeconds) * timescale;
    quint64 total = 0;
    for (qint64 run = 0; run < runs; ++run) {
        const quint64 samples = ByteOrder::be32(*stts, 8 + run * 8);
        const quint64 delta = ByteOrder::be32(*stts, 8 + run * 8 + 4);
        if (delta != 0 && samples > (limit - total) / delta) {
            return -1;
        }
        total += samples * delta;
    }
    return rescaled(qint64(total), qint64(timescale), 1000);
}

// The movie header's duration MOVIEMS as far as the file bears it out: no longer than its longest
// track's samples last (a second's slack for edits), and no more seconds than the file holds
// kMinBytesPerSecond; -1 when the file cannot hold it at all.
qint64 boundedDurationMs(qint64 movieMs, QByteArrayView moov, qint64 fileSize)
{
    if (movieMs < 0) {
        return movieMs;
    }
    qint64 longest = -1;
    for (const Box &box : Mp4Boxes::children(moov)) {
        if (box.type == "trak") {
            longest = qMax(longest, trackSampleMs(box.body));
        }
    }
    if (longest >= 0 && movieMs > longest + 1000) {
        movieMs = longest;
    }
    if (movieMs / 1000 > fileSize / Mp4SubtitleSamples::kMinBytesPerSecond) {
        return -1;
    }
    return movieMs;
}

// Reads the samples at LOCATIONS, one read per run of neighbouring samples. A read that fails (a
// failing card) ends the texts with the samples read whole before it; STOPPEDAT is where it failed.
bool readSamples(QIODevice &device, const QList<Location> &locations, QList<QByteArray> &texts, qint64 &stoppedAt,
                 QString &why)
{
    const qint64 size = device.size();
    for (qsizetype i = 0; i < locations.size();) {
        qsizetype j = i + 1;
        while (j < locations.size() && locations[j].offset == locations[j - 1].offset + locations[j - 1].size) {
            ++j;
        }
        const qint64 start = locations[i].offset;
        const qint64 length = locations[j - 1].offset + locations[j - 1].size - start;
        if (start + length > size) {
            why = u"the sample tables point past the end of the file"_s;
            return false;
        }
        const QByteArray run = device.seek(start) ? device.read(length) : QByteArray();
        if (run.size() != length) {
            stoppedAt = start + run.size();
            why = u"the file cannot be read from byte %1: the track ends there"_s.arg(stoppedAt);
            while (j > i && locations[j - 1].offset + locations[j - 1].size > stoppedAt) {
                --j;
            }
        }
        for (qsizetype k = i; k < j; ++k) {
            const QByteArrayView sample = QByteArrayView(run).sliced(locations[k].offset - start, locations[k].size);
            // A timed-text sample: the text's length, the text, then style boxes the track ignores.
            const qsizetype length16 = ByteOrder::be16(sample, 0);
            texts.append(sample.sliced(qMin<qsizetype>(2, sample.size()))
                             .first(qMin(length16, qMax<qsizetype>(0, sample.size() - 2)))
                             .toByteArray());
        }
        if (stoppedAt >= 0) {
            break;
        }
        i = j;
    }
    return true;
}
} // namespace

Mp4SubtitleSamples::Result Mp4SubtitleSamples::read(QIODevice &device)
{
    Result result;
    if (device.isSequential()) {
        result.note = u"not a random-access file"_s;
        return result;
    }
    const QByteArray moov = readMoov(device, result.note, result.stoppedAt);
    if (moov.isEmpty()) {
        return result;
    }
    if (const auto mvhd = Mp4Boxes::child(moov, "mvhd")) {
        result.durationMs = boundedDurationMs(movieDurationMs(*mvhd), moov, device.size());
    }
    for (const Box &box : Mp4Boxes::children(moov)) {
        if (box.type != "trak" || !isSubtitleTrack(box.body)) {
            continue;
        }
        SampleTables tables;
        QList<Location> locations;
        if (!tables.load(*Mp4Boxes::descend(box.body, {"mdia", "minf", "stbl"}), result.note) ||
            !tables.locate(locations, result.note) ||
            !readSamples(device, locations, result.texts, result.stoppedAt, result.note)) {
            result.texts.clear();
            return result;
        }
        result.startsMs = sampleStartsMs(*Mp4Boxes::descend(box.body, {"mdia"}), result.texts.size());
        result.found = true;
        return result;
    }
    result.note = u"no subtitle track"_s;
    return result;
}

QByteArray Mp4SubtitleSamples::subtitleFile(const QList<QByteArray> &texts, const QList<qint64> &startsMs)
{
    const auto timing = [](qint64 ms) -> QByteArray {
        ms = qMax<qint64>(0, ms);
        return QByteArray::number(ms / 3600000).rightJustified(2, '0') + ':' +
               QByteArray::number(ms / 60000 % 60).rightJustified(2, '0') + ':' +
               QByteArray::number(ms / 1000 % 60).rightJustified(2, '0') + ',' +
               QByteArray::number(ms % 1000).rightJustified(3, '0');
    };
    QByteArray file;
    int number = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts.at(i).isEmpty()) {
            continue;
        }
        const QByteArray start = timing(i < startsMs.size() ? startsMs.at(i) : 0);
        file += QByteArray::number(++number) + '\n' + start + " --> " + start + '\n' + texts.at(i) + "\n\n";
    }
    return file;
}

QByteArray Mp4SubtitleSamples::subtitleFile(const QList<QByteArray> &texts)
{
    QByteArray file;
    int number = 0;
    for (const QByteArray &text : texts) {
        if (text.isEmpty()) {
            continue;
        }
        file += QByteArray::number(++number) + "\n00:00:00,000 --> 00:00:00,000\n" + text + "\n\n";
    }
    return file;
}
