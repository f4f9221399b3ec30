#include "QB62RecordingReader.h"

#include "QB62Records.h"
#include "ReadAhead.h"
#include "SensorBatcher.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "SensorTrack.h"

#include <QFile>
#include <QtEndian>

#include <cstring>
#include <limits>
#include <vector>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
// A window over a device read front to back: the bytes [base, base + length) of the first SIZE
// bytes of the device. Moving it forward keeps the few bytes still needed (a code near the edge of
// a block, a record straddling it) in front of the next block, so the scan sees one run of bytes;
// nothing beyond SIZE is read.
class ByteWindow
{
public:
    ByteWindow(QIODevice &device, qint64 size, qsizetype blockBytes) : m_source(device, size, blockBytes) {}

    // Makes up to NEED bytes from POS resident (NEED at most ReadAhead::kPrefixBytes); returns how
    // many are (fewer only at the end of the data). POS never goes backward.
    qsizetype ensure(qint64 pos, qsizetype need)
    {
        while (pos + need > end() && !m_atEnd) {
            advance(pos);
        }
        return qsizetype(qBound<qint64>(0, end() - pos, need));
    }

    // The resident bytes from POS to the end of the window (POS must be resident or at its end).
    const char *at(qint64 pos) const { return m_data + (pos - m_base); }
    qint64 end() const { return m_base + m_length; }
    // True once the device delivered fewer bytes than its size promised.
    bool isShort() const { return m_source.isShort(); }

private:
    void advance(qint64 pos)
    {
        // Fewer bytes than one record are ever kept: the window only moves when a request runs
        // past its end.
        const qsizetype keep = pos < end() ? qsizetype(end() - pos) : 0;
        std::memmove(m_kept, at(qMin(pos, end())), std::size_t(keep));
        qint64 skip = pos > end() ? pos - end() : 0;
        qint64 blockStart = end();
        ReadAhead::Block block = m_source.next();
        while (block.length > 0 && skip > 0) {
            // Bytes between the window and POS are not needed: pass over them.
            const qsizetype drop = qsizetype(qMin<qint64>(skip, block.length));
            block.data += drop;
            block.length -= drop;
            blockStart += drop;
            skip -= drop;
            if (block.length == 0) {
                block = m_source.next();
            }
        }
        if (block.length == 0) {
            // The end: what was kept is all there is left.
            m_atEnd = true;
            m_data = m_kept;
            m_base = qMin(pos, end());
            m_length = keep;
            return;
        }
        std::memcpy(block.data - keep, m_kept, std::size_t(keep));
        m_data = block.data - keep;
        m_base = blockStart - keep;
        m_length = keep + block.length;
    }

    ReadAhead m_source;
    char m_kept[ReadAhead::kPrefixBytes];
    const char *m_data = m_kept;
    qint64 m_base = 0;
    qsizetype m_length = 0;
    bool m_atEnd = false;
};

// The first position in [FROM, TO) holding "0" followed by "2" or "3" (where a text-stream code
// may begin), or TO. The byte at TO is read too, as the follower of the last position. Between
// such positions the scan only ever advances byte by byte, so jumping from one to the next is the
// same scan, done sixteen bytes at a time.
#if defined(__x86_64__)
// The same, thirty-two bytes at a time, for processors that have the wider instructions.
__attribute__((target("avx2"))) const char *findStreamPrefixAvx2(const char *from, const char *to)
{
    const __m256i zeroDigit = _mm256_set1_epi8('0');
    const __m256i threeDigit = _mm256_set1_epi8('3');
    const __m256i lowBit = _mm256_set1_epi8(1);
    const auto prefixMask = [&](const char *at) __attribute__((target("avx2")))
    {
        const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at));
        const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + 1));
        const __m256i match = _mm256_and_si256(_mm256_cmpeq_epi8(first, zeroDigit),
                                               _mm256_cmpeq_epi8(_mm256_or_si256(second, lowBit), threeDigit));
        return quint64(quint32(_mm256_movemask_epi8(match)));
    };
    while (to - from >= 64) {
        const quint64 mask = prefixMask(from) | (prefixMask(from + 32) << 32);
        if (mask != 0) {
            return from + __builtin_ctzll(mask);
        }
        from += 64;
    }
    for (; from < to; ++from) {
        if (from[0] == '0' && (from[1] | 1) == '3') {
            return from;
        }
    }
    return to;
}

bool hasAvx2()
{
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}
#endif

const char *findStreamPrefix(const char *from, const char *to)
{
#if defined(__x86_64__)
    if (hasAvx2()) {
        return findStreamPrefixAvx2(from, to);
    }
#endif
#if defined(__SSE2__)
    const __m128i zeroDigit = _mm_set1_epi8('0');
    const __m128i threeDigit = _mm_set1_epi8('3');
    const __m128i lowBit = _mm_set1_epi8(1);
    // "2" and "3" differ only in the lowest bit: b | 1 == "3" takes both.
    const auto prefixMask = [&](const char *at) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 1));
        const __m128i match =
            _mm_and_si128(_mm_cmpeq_epi8(first, zeroDigit), _mm_cmpeq_epi8(_mm_or_si128(second, lowBit), threeDigit));
        return quint32(_mm_movemask_epi8(match));
    };
    while (to - from >= 64) {
        const quint64 mask = quint64(prefixMask(from)) | (quint64(prefixMask(from + 16)) << 16) |
                             (quint64(prefixMask(from + 32)) << 32) | (quint64(prefixMask(from + 48)) << 48);
        if (mask != 0) {
            return from + __builtin_ctzll(mask);
        }
        from += 64;
    }
#endif
    for (; from < to; ++from) {
        if (from[0] == '0' && (from[1] | 1) == '3') {
            return from;
        }
    }
    return to;
}
} // namespace

int QB62RecordingReader::readFile(const QString &path, SensorTrack &track, const CancelCheck &cancelled)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return 0;
    }
    return read(file, track, kWindowBytes, cancelled);
}

int QB62RecordingReader::read(QIODevice &device, SensorTrack &track, qsizetype windowBytes,
                              const CancelCheck &cancelled)
{
    const qint64 size = device.size();
    ByteWindow window(device, size, qMax(windowBytes, kMinWindowBytes));
    SensorBatcher batcher(QB62Records::kPendingLimit, track.capacity());
    QB62Records records(batcher);
    QString text;

    qint64 p = 0;
    int passes = 0;
    while (!batcher.isFull()) {
        if (cancelled && ++passes % kCancelCheckPasses == 0 && cancelled()) {
            return 0;
        }
        // A code needs four bytes; fewer left means no more codes.
        if (window.ensure(p, 4) < 4) {
            break;
        }
        // Jump to the next "0" followed by a stream number, among the positions whose four bytes are
        // all resident.
        const qint64 searchEnd = window.end() - 3;
        const char *found = findStreamPrefix(window.at(p), window.at(searchEnd));
        p += found - window.at(p);
        if (p == searchEnd) {
            continue;
        }
        const char *code = window.at(p);
        // "0" and the stream number matched. A mismatch further on resumes at the failing byte, which
        // may itself begin the next code ("0202tx" hides no record); the prefix search passes over it
        // when it cannot.
        if (code[2] != 't') {
            p += 2;
            continue;
        }
        if (code[3] != 'x') {
            p += 3;
            continue;
        }
        // The record lies inside its chunk: the payload follows the 4-byte size (below 256 in these
        // chunks) and ends where the size says, so a record without a NUL never runs into the next
        // chunk's code. A size cut off by the end of the data bounds nothing.
        qint64 payloadEnd = std::numeric_limits<qint64>::max();
        if (window.ensure(p, 8) == 8) {
            payloadEnd = p + 8 + qFromLittleEndian<quint32>(window.at(p + 4));
        }
        // Past the code and the lowest size byte (the others are 0), then past any NUL run up to the
        // end of the payload.
        qint64 q = p + 5;
        while (q < payloadEnd && window.ensure(q, 1) == 1) {
            const char *start = window.at(q);
            const char *stop = window.at(qMin(window.end(), payloadEnd));
            const char *c = start;
            while (c != stop && *c == '\0') {
                ++c;
            }
            q += c - start;
            if (c != stop) {
                break;
            }
        }
        if (q >= payloadEnd) {
            // An empty payload: the next chunk starts right here.
            p = payloadEnd;
            continue;
        }
        const qsizetype available = qsizetype(qMin<qint64>(window.ensure(q, kMaxRecordBytes), payloadEnd - q));
        const char *recordStart = window.at(q);
        const auto *nul = static_cast<const char *>(std::memchr(recordStart, '\0', std::size_t(available)));
        const qsizetype length = nul ? qsizetype(nul - recordStart) : available;
        if (length > 0 && SensorText::decodeUtf8(QByteArrayView(recordStart, length), text)) {
            records.recordingRecord(QStringView(text).split(u','));
        }
        // The scan goes on inside the record's own text.
        p = q + 1;
    }
    // A recording that could not be read whole has no trustworthy track.
    if (!batcher.isFull() && window.isShort()) {
        return 0;
    }
    batcher.finishAfterRecords();
    return batcher.commit(track);
}
