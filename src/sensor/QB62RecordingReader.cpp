#include "QB62RecordingReader.h"

#include "QB62Records.h"
#include "SensorBatcher.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "VexoClipData.h"

#include <QFile>

#include <cstring>
#include <vector>

namespace {
// A window over a device read front to back: the bytes [base, base + length) of the first SIZE
// bytes of the device. Moving the window forward keeps the bytes still needed (a code near the
// edge, a record straddling it) and reads the rest; nothing beyond SIZE is read.
class ByteWindow
{
public:
    ByteWindow(QIODevice &device, qint64 size, qsizetype capacity)
        : m_device(device), m_size(size), m_buffer(std::size_t(capacity))
    {
    }

    // Makes up to NEED bytes from POS resident; returns how many are (fewer only at the end of the
    // data). POS never goes backward.
    qsizetype ensure(qint64 pos, qsizetype need)
    {
        if (pos + need > end() && !m_atEnd) {
            slideTo(pos);
        }
        return qsizetype(qBound<qint64>(0, end() - pos, need));
    }

    // The resident bytes from POS to the end of the window (POS must be resident or at its end).
    const char *at(qint64 pos) const { return m_buffer.data() + (pos - m_base); }
    qint64 end() const { return m_base + m_length; }
    // True once the device delivered fewer bytes than its size promised.
    bool isShort() const { return m_short; }

private:
    void slideTo(qint64 pos)
    {
        if (pos < end()) {
            const qsizetype keep = qsizetype(end() - pos);
            std::memmove(m_buffer.data(), at(pos), std::size_t(keep));
            m_length = keep;
        } else {
            // Bytes between the window and POS are not needed: pass over them. Past the end of the
            // data there is nothing to pass over (a code in the last bytes points beyond it).
            const qint64 gap = qMin(pos, m_size) - end();
            if (gap > 0 && m_device.skip(gap) != gap) {
                m_short = true;
                m_atEnd = true;
            }
            m_length = 0;
        }
        m_base = pos;
        while (!m_atEnd && m_length < qsizetype(m_buffer.size())) {
            const qint64 wanted = qMin<qint64>(qint64(m_buffer.size()) - m_length, m_size - end());
            if (wanted <= 0) {
                m_atEnd = true;
                break;
            }
            const qint64 got = m_device.read(m_buffer.data() + m_length, wanted);
            if (got <= 0) {
                m_short = true;
                m_atEnd = true;
                break;
            }
            m_length += qsizetype(got);
        }
    }

    QIODevice &m_device;
    qint64 m_size;
    std::vector<char> m_buffer;
    qint64 m_base = 0;
    qsizetype m_length = 0;
    bool m_atEnd = false;
    bool m_short = false;
};

bool isStreamDigit(char c)
{
    return c == '2' || c == '3';
}
} // namespace

int QB62RecordingReader::readFile(const QString &path, VexoClipData &track)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return 0;
    }
    return read(file, track);
}

int QB62RecordingReader::read(QIODevice &device, VexoClipData &track, qsizetype windowBytes)
{
    const qint64 size = device.size();
    ByteWindow window(device, size, qMax(windowBytes, kMinWindowBytes));
    SensorBatcher batcher(QB62Records::kPendingLimit);
    QB62Records records(batcher);
    QString text;

    qint64 p = 0;
    while (!batcher.isFull()) {
        // A code needs four bytes; fewer left means no more codes.
        if (window.ensure(p, 4) < 4) {
            break;
        }
        // Jump to the next "0" among the positions whose four bytes are all resident.
        const qint64 searchEnd = window.end() - 3;
        const auto *found = static_cast<const char *>(std::memchr(window.at(p), '0', std::size_t(searchEnd - p)));
        if (!found) {
            p = searchEnd;
            continue;
        }
        p += found - window.at(p);
        const char *code = window.at(p);
        if (!isStreamDigit(code[1])) {
            ++p;
            continue;
        }
        // "0" and the stream number matched: a mismatch further on resumes after the failing byte.
        if (code[2] != 't') {
            p += 3;
            continue;
        }
        if (code[3] != 'x') {
            p += 4;
            continue;
        }
        // Past the code and the lowest size byte (the others are 0), then past any NUL run, which
        // may span many windows.
        qint64 q = p + 5;
        while (window.ensure(q, 1) == 1) {
            const char *start = window.at(q);
            const char *stop = window.at(window.end());
            const char *c = start;
            while (c != stop && *c == '\0') {
                ++c;
            }
            q += c - start;
            if (c != stop) {
                break;
            }
        }
        const qsizetype available = window.ensure(q, kMaxRecordBytes);
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
    if (window.isShort()) {
        return 0;
    }
    batcher.finishAfterRecords();
    return batcher.commit(track);
}
