#include "AviSensorChunks.h"

#include "AviSensorReader.h"
#include "ByteSpanReader.h"
#include "core/AviChunks.h"
#include "core/ByteOrder.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
bool isSensorCode(QByteArrayView code)
{
    return code == "02tx" || code == "03tx";
}

qint64 paddedEnd(qint64 offset, qint64 size)
{
    return AviChunks::paddedEnd(offset, size);
}

class Locator
{
public:
    Locator(QIODevice &device, const AviSensorChunks::CancelCheck &cancelled)
        : m_reader(device), m_size(device.size()), m_cancelled(cancelled)
    {
    }

    AviSensorChunks::Result run()
    {
        using Route = AviSensorChunks::Route;
        const QByteArrayView start = m_reader.bytesAt(0, 12);
        if (start.size() != 12 || start.first(4) != "RIFF" || start.sliced(8, 4) != "AVI ") {
            return {Route::NotAvi, {}, u"not a RIFF/AVI file"_s, m_reader.failedAt()};
        }
        findTopLevel();
        // The OpenDML indexes cover every part; "idx1" only the first.
        const bool indexed = loadOpenDmlIndex() || (!m_stopped && loadIndex());
        bool crossed = false;
        bool failed = false;
        qint64 pos = 12;
        while (!stopRequested()) {
            // Once a crossing failed the index is not trusted for the lists after it: each further
            // attempt would walk the rest of the file again.
            if (indexed && !failed && isMoviList(pos)) {
                const qint64 listPos = pos;
                const Crossing crossing = crossMovi(pos);
                crossed = crossed || crossing != Crossing::Failed;
                failed = failed || crossing == Crossing::Failed;
                if (crossing == Crossing::Done) {
                    continue;
                }
                if (crossing == Crossing::Stopped) {
                    break;
                }
                // Otherwise the list is walked from its header like any other.
                pos = listPos;
            }
            const Step step = walkStep(pos);
            if (step == Step::Lost) {
                return {Route::Lost, {}, u"no chunk header at byte %1"_s.arg(pos)};
            }
            if (step == Step::Stop) {
                break;
            }
        }
        if (m_stopped) {
            return {Route::Cancelled, {}, u"cancelled"_s};
        }
        m_result.route = crossed && !failed ? Route::Index : Route::Walk;
        m_result.stoppedAt = m_reader.failedAt();
        if (m_result.stoppedAt >= 0) {
            m_result.note = u"the file cannot be read from byte %1"_s.arg(m_result.stoppedAt);
        }
        return m_result;
    }

private:
    enum class Step
    {
        Next,
        Stop,
        Lost
    };
    enum class Crossing
    {
        Done,
        Stopped,
        Failed
    };
    // An indexed chunk: its code, where its header is, its data's size.
    struct Entry
    {
        char code[4];
        qint64 offset;
        qint64 size;
    };

    static constexpr qint64 kMaxIndexEntries = AviSensorChunks::kMaxIndexBytes / 16;

    // Asked in every loop over the file's chunks or an index's entries, so that a reader no longer
    // wanted stops whatever the file holds; the cancel check itself is asked every
    // kCancelCheckChunks passes. Once it said stop, stays true.
    bool stopRequested()
    {
        if (!m_stopped && m_cancelled && ++m_passes % AviSensorChunks::kCancelCheckChunks == 0) {
            m_stopped = m_cancelled();
        }
        return m_stopped;
    }

    // The same, asking the cancel check at once: before a read that may be large.
    bool stopRequestedNow()
    {
        if (!m_stopped && m_cancelled) {
            m_stopped = m_cancelled();
        }
        return m_stopped;
    }

    // One chunk header at POS, as a walk over every header takes it: lists and further "RIFF"
    // parts are entered, other chunks passed over; sensor chunks are noted.
    Step walkStep(qint64 &pos)
    {
        if (stopRequested()) {
            return Step::Stop;
        }
        const QByteArrayView header = m_reader.bytesAt(pos, 8);
        if (header.size() != 8) {
            return Step::Stop;
        }
        if (AviSensorReader::isZeroHeader(header)) {
            if (m_result.note.isEmpty()) {
                m_result.note = u"zero-filled from byte %1"_s.arg(pos);
            }
            return Step::Stop;
        }
        const QByteArrayView code = header.first(4);
        if (!AviChunks::isChunkCode(code)) {
            return Step::Lost;
        }
        const qint64 size = ByteOrder::le32(header, 4);
        if (code == "LIST" || code == "RIFF") {
            // Decided before the next read, which may move the window HEADER lies in.
            const bool part = code == "RIFF";
            if (m_reader.bytesAt(pos + 8, 4).size() != 4) {
                return Step::Stop;
            }
            m_extension = m_extension || part;
            pos += 12;
            return Step::Next;
        }
        const qint64 next = paddedEnd(pos, size);
        if (isSensorCode(code)) {
            m_result.spans.append({pos, qMin(next, m_size) - pos, m_extension});
        }
        if (next > m_size) {
            return Step::Stop;
        }
        pos = next;
        return Step::Next;
    }

    bool isMoviList(qint64 pos)
    {
        const QByteArrayView header = m_reader.bytesAt(pos, 12);
        return header.size() == 12 && header.first(4) == "LIST" && header.sliced(8, 4) == "movi";
    }

    // The header list, the first "movi" list and "idx1" among the top-level chunks of the first part.
    void findTopLevel()
    {
        const AviChunks::TopLevel top = AviChunks::topLevel(
            [this](qint64 at, qint64 count) { return m_reader.bytesAt(at, qsizetype(count)).toByteArray(); }, m_size,
            [this] { return stopRequested(); });
        m_headerList = top.headerList;
        m_moviList = top.moviList;
        m_moviEnd = top.moviEnd;
        m_index = top.index;
        m_indexSize = top.indexSize;
    }

    bool refuseIndex(const QString &why)
    {
        m_result.note = why;
        m_entries.clear();
        return false;
    }

    bool loadIndex()
    {
        if (m_moviList < 0) {
            return refuseIndex(u"no movi list"_s);
        }
        if (m_index < 0) {
            return refuseIndex(m_result.note.isEmpty() ? u"no idx1 index"_s : m_result.note);
        }
        if (m_indexSize > AviSensorChunks::kMaxIndexBytes || m_index + 8 + m_indexSize > m_size) {
            return refuseIndex(u"idx1 index runs past the end of the file"_s);
        }
        const QByteArray bytes = m_reader.bytesAt(m_index + 8, qsizetype(m_indexSize)).toByteArray();
        if (bytes.size() != m_indexSize) {
            return refuseIndex(u"idx1 index cannot be read"_s);
        }
        for (qsizetype at = 0; at + 16 <= bytes.size(); at += 16) {
            if (stopRequested()) {
                return refuseIndex(u"cancelled"_s);
            }
            const QByteArrayView code(bytes.constData() + at, 4);
            // Index entries of lists ("rec " groups) cover chunks the index lists on their own.
            if (code == "LIST" || code == "rec ") {
                continue;
            }
            Entry entry{};
            std::copy_n(code.data(), 4, entry.code);
            entry.offset = ByteOrder::le32(bytes, at + 8);
            entry.size = ByteOrder::le32(bytes, at + 12);
            m_entries.append(entry);
        }
        if (m_entries.isEmpty()) {
            return refuseIndex(u"idx1 index is empty"_s);
        }
        // Offsets count from the "movi" list's type, or (some writers) from the start of the file.
        qint64 base = -1;
        for (const qint64 candidate : {m_moviList + 8, qint64(0)}) {
            if (matches(m_entries.front(), candidate + m_entries.front().offset)) {
                base = candidate;
                break;
            }
        }
        if (base < 0) {
            return refuseIndex(u"idx1 index names no chunk of the file"_s);
        }
        if (!std::is_sorted(m_entries.cbegin(), m_entries.cend(),
                            [](const Entry &a, const Entry &b) { return a.offset < b.offset; })) {
            return refuseIndex(u"idx1 index is out of order"_s);
        }
        for (Entry &entry : m_entries) {
            if (stopRequested()) {
                return refuseIndex(u"cancelled"_s);
            }
            entry.offset += base;
            if (entry.offset < m_moviList + 12 || entry.offset >= m_moviEnd) {
                return refuseIndex(u"idx1 index points outside the movi list"_s);
            }
            if (paddedEnd(entry.offset, entry.size) > m_size) {
                return refuseIndex(u"idx1 index points past the end of the file"_s);
            }
        }
        return true;
    }

    // The OpenDML indexes: an "indx" super index in each stream's header list, naming the "ix##"
    // chunks that list the stream's chunks, in every part of the file.
    bool loadOpenDmlIndex()
    {
        QList<AviChunks::IndexChunk> named;
        if (!findSuperIndexes(named)) {
            return false;
        }
        // A super index may name the same index chunk many times over: each is read once, and
        // together they may not hold more bytes than the file does (chunks that overlap do).
        const AviChunks::IndexChunkSet indexChunks = AviChunks::distinctChunks(named);
        if (indexChunks.totalBytes > quint64(m_size)) {
            return refuseIndex(u"OpenDML indexes larger than the file"_s);
        }
        for (const AviChunks::IndexChunk &chunk : indexChunks.chunks) {
            if (stopRequestedNow()) {
                return refuseIndex(u"cancelled"_s);
            }
            if (!loadStandardIndex(chunk)) {
                return refuseIndex(u"OpenDML index at byte %1 cannot be used"_s.arg(chunk.offset));
            }
        }
        std::sort(m_entries.begin(), m_entries.end(),
                  [](const Entry &a, const Entry &b) { return a.offset < b.offset; });
        return !m_entries.isEmpty();
    }

    bool findSuperIndexes(QList<AviChunks::IndexChunk> &indexChunks)
    {
        for (const AviChunks::Stream &stream : AviChunks::streams(m_headerList)) {
            // An "indx" too short for its own fixed part names nothing: the stream has no index.
            if (!stream.indx || stream.indx->size() < 24) {
                continue;
            }
            const AviChunks::SuperIndex index = AviChunks::superIndex(*stream.indx);
            // Four longs an entry, an index of indexes, whose entries all fit in its chunk.
            if (!index.ofIndexes || !index.complete) {
                return refuseIndex(u"OpenDML super index of an unknown kind"_s);
            }
            indexChunks.append(index.entries);
        }
        return !indexChunks.isEmpty();
    }

    // One "ix##" chunk: two longs an entry, each the data offset from the chunk's base and the size.
    // Only the entries in use are read, not the room the chunk keeps for more.
    bool loadStandardIndex(const AviChunks::IndexChunk &chunk)
    {
        if (!AviChunks::isInsideFile(chunk, m_size) || chunk.size > AviSensorChunks::kMaxIndexBytes) {
            return false;
        }
        const qint64 offset = qint64(chunk.offset);
        const auto index = AviChunks::standardIndex(
            m_reader.bytesAt(offset, AviChunks::kStandardIndexHeaderBytes).toByteArray(), chunk.size, m_size);
        if (!index || m_entries.size() + qint64(index->count) > kMaxIndexEntries) {
            return false;
        }
        const QByteArray entries = m_reader.bytesAt(offset + 32, qsizetype(index->count) * 8).toByteArray();
        if (entries.size() != qsizetype(index->count) * 8) {
            return false;
        }
        for (quint32 i = 0; i < index->count; ++i) {
            if (stopRequested()) {
                return false;
            }
            Entry entry{};
            std::copy_n(index->code.constData(), 4, entry.code);
            entry.offset = index->base + qint64(ByteOrder::le32(entries, qsizetype(i) * 8)) - 8;
            entry.size = ByteOrder::le32(entries, qsizetype(i) * 8 + 4) & 0x7fffffff;
            if (entry.offset < 12 || paddedEnd(entry.offset, entry.size) > m_size) {
                return false;
            }
            m_entries.append(entry);
        }
        return true;
    }

    bool matches(const Entry &entry, qint64 at)
    {
        const QByteArrayView header = m_reader.bytesAt(at, 8);
        return header.size() == 8 && header.first(4) == QByteArrayView(entry.code, 4) &&
               ByteOrder::le32(header, 4) == entry.size;
    }

    Crossing failCrossing(const QString &why, qsizetype spansBefore, bool extensionBefore)
    {
        m_result.note = why;
        m_result.spans.resize(spansBefore);
        m_extension = extensionBefore;
        return Crossing::Failed;
    }

    // Crosses the "movi" list whose header is at POS with the index entries inside it; POS ends
    // after the list.
    Crossing crossMovi(qint64 &pos)
    {
        const qsizetype spansBefore = m_result.spans.size();
        const bool extensionBefore = m_extension;
        const qint64 listEnd = qMin(pos + 8 + qint64(ByteOrder::le32(m_reader.bytesAt(pos + 4, 4), 0)), m_size);
        qint64 at = pos + 12;
        auto entry = std::lower_bound(m_entries.cbegin(), m_entries.cend(), at,
                                      [](const Entry &e, qint64 offset) { return e.offset < offset; });
        for (; entry != m_entries.cend() && entry->offset < listEnd; ++entry) {
            if (stopRequested()) {
                pos = at;
                return Crossing::Stopped;
            }
            const qint64 chunk = entry->offset;
            while (at < chunk) {
                // A stretch the index does not account for: walk its headers.
                if (walkStep(at) != Step::Next) {
                    return failCrossing(u"index disagrees with the chunks before byte %1"_s.arg(chunk), spansBefore,
                                        extensionBefore);
                }
            }
            if (at != chunk) {
                return failCrossing(u"index is out of order at byte %1"_s.arg(chunk), spansBefore, extensionBefore);
            }
            const qint64 next = paddedEnd(chunk, entry->size);
            if (isSensorCode(QByteArrayView(entry->code, 4))) {
                if (!matches(*entry, chunk)) {
                    return failCrossing(u"index names a chunk that is not at byte %1"_s.arg(chunk), spansBefore,
                                        extensionBefore);
                }
                m_result.spans.append({chunk, next - chunk, m_extension});
            }
            at = next;
        }
        // The rest of the list after the last indexed chunk.
        while (at < listEnd) {
            const Step step = walkStep(at);
            if (step == Step::Lost) {
                return failCrossing(u"no chunk header at byte %1 after the indexed chunks"_s.arg(at), spansBefore,
                                    extensionBefore);
            }
            if (step == Step::Stop) {
                pos = at;
                return Crossing::Stopped;
            }
        }
        pos = at;
        return Crossing::Done;
    }

    ByteSpanReader m_reader;
    qint64 m_size;
    const AviSensorChunks::CancelCheck &m_cancelled;
    AviSensorChunks::Result m_result;
    QList<Entry> m_entries;
    QByteArray m_headerList;
    qint64 m_moviList = -1;
    qint64 m_moviEnd = 0;
    qint64 m_index = -1;
    qint64 m_indexSize = 0;
    qint64 m_passes = 0;
    bool m_stopped = false;
    bool m_extension = false;
};
} // namespace

AviSensorChunks::Result AviSensorChunks::locate(QIODevice &device, const CancelCheck &cancelled)
{
    if (device.isSequential()) {
        return {Route::Lost, {}, u"not a random-access file"_s};
    }
    return Locator(device, cancelled).run();
}

bool AviSensorChunks::gather(QIODevice &device, const QList<Span> &spans, QByteArray &all, QByteArray &firstPart,
                             qint64 *stoppedAt)
{
    all.clear();
    firstPart.clear();
    if (stoppedAt != nullptr) {
        *stoppedAt = -1;
    }
    qint64 total = 0;
    for (const Span &span : spans) {
        total += span.length;
    }
    if (total > kMaxSensorBytes) {
        return false;
    }
    all.reserve(qsizetype(total));
    // Neighbouring chunks (the cameras often write a second's records in a row) are read at once.
    for (qsizetype i = 0; i < spans.size();) {
        qsizetype j = i + 1;
        while (j < spans.size() && spans[j].offset == spans[j - 1].offset + spans[j - 1].length) {
            ++j;
        }
        const qint64 length = spans[j - 1].offset + spans[j - 1].length - spans[i].offset;
        const QByteArray run = device.seek(spans[i].offset) ? device.read(length) : QByteArray();
        if (run.size() != length) {
            if (stoppedAt == nullptr) {
                return false;
            }
            // The spans read whole before the failure are kept.
            *stoppedAt = spans[i].offset + run.size();
            while (j > i && spans[j - 1].offset + spans[j - 1].length > *stoppedAt) {
                --j;
            }
        }
        all += QByteArrayView(run).first(j > i ? qsizetype(spans[j - 1].offset + spans[j - 1].length - spans[i].offset)
                                               : 0);
        for (qsizetype k = i, at = 0; k < j; at += qsizetype(spans[k].length), ++k) {
            if (!spans[k].extension) {
                firstPart += QByteArrayView(run).sliced(at, qsizetype(spans[k].length));
            }
        }
        if (stoppedAt != nullptr && *stoppedAt >= 0) {
            break;
        }
        i = j;
    }
    return true;
}

QString AviSensorChunks::routeName(Route route)
{
    switch (route) {
    case Route::Index:
        return u"index"_s;
    case Route::Walk:
        return u"walk"_s;
    case Route::NotAvi:
        return u"not-avi"_s;
    case Route::Lost:
        return u"lost"_s;
    case Route::Cancelled:
        return u"cancelled"_s;
    }
    return {};
}
