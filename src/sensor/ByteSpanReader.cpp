#include "ByteSpanReader.h"

ByteSpanReader::ByteSpanReader(QIODevice &device)
    : m_device(device), m_base(device.pos()), m_size(device.isSequential() ? -1 : device.size()),
      m_sequential(device.isSequential())
{
}

QByteArrayView ByteSpanReader::bytesAt(qint64 pos, qsizetype count)
{
    if (pos < 0 || count <= 0) {
        return {};
    }
    const qint64 windowEnd = m_base + m_window.size();
    if (pos < m_base || pos + count > windowEnd) {
        if (!refill(pos, count)) {
            return {};
        }
    }
    const qint64 offset = pos - m_base;
    const qsizetype available = qsizetype(qMin<qint64>(count, m_window.size() - offset));
    return available > 0 ? QByteArrayView(m_window.constData() + offset, available) : QByteArrayView();
}

bool ByteSpanReader::refill(qint64 pos, qsizetype count)
{
    const qint64 windowEnd = m_base + m_window.size();
    // Spans that keep landing at the end of the window or right after it mean small chunks: read
    // more at once.
    const bool dense = pos >= m_base && pos < windowEnd + m_refillBytes;
    m_refillBytes = dense ? qMin(m_refillBytes * 2, kMaxRefillBytes) : kMinRefillBytes;
    qint64 wanted = qMax<qint64>(count, m_refillBytes);
    if (m_sequential) {
        if (pos < m_base) {
            return false;
        }
        // The device stands at the window's end: pass over what lies between.
        const qint64 gap = pos - windowEnd;
        if (gap > 0 && m_device.skip(gap) != gap) {
            m_window.clear();
            m_base = pos;
            return false;
        }
        if (gap < 0) {
            // POS lies inside the window: keep its bytes from POS and read what follows.
            m_window.remove(0, qsizetype(pos - m_base));
            m_base = pos;
            wanted -= m_window.size();
        } else {
            m_window.clear();
            m_base = pos;
        }
    } else {
        if (pos >= m_size) {
            return false;
        }
        wanted = qMin(wanted, m_size - pos);
        if (!m_device.seek(pos)) {
            noteFailure(pos);
            return false;
        }
        m_window.clear();
        m_base = pos;
    }
    const qsizetype kept = m_window.size();
    m_window.resize(kept + qsizetype(wanted));
    qint64 got = 0;
    while (got < wanted) {
        const qint64 n = m_device.read(m_window.data() + kept + got, wanted - got);
        if (n <= 0) {
            break;
        }
        got += n;
    }
    m_bytesRead += got;
    if (got < wanted && !m_sequential) {
        // Less than the device's own size promised: it failed there.
        noteFailure(pos + got);
    }
    m_window.resize(kept + qsizetype(got));
    return !m_window.isEmpty();
}

void ByteSpanReader::noteFailure(qint64 pos)
{
    if (m_failedAt < 0 || pos < m_failedAt) {
        m_failedAt = pos;
    }
}
