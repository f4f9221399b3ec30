#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

// Random-access reads of small spans of a device (chunk headers, text chunks) through a window of
// its bytes. Each refill reads a little more than asked; when the spans asked for keep landing just
// after the window (many small chunks in a row) the refills grow, up to kMaxRefillBytes, and shrink
// back to a few dozen bytes once a span lies far ahead (a seek over a large picture chunk). So a
// walk over a recording's chunk headers reads about one header per chunk where chunks are large,
// and costs no more than a buffered read of the file where they are tiny. A sequential device can
// only be read forward: a span before the window is then not available.
class ByteSpanReader
{
public:
    static constexpr qsizetype kMinRefillBytes = 64;
    static constexpr qsizetype kMaxRefillBytes = 64 * 1024;

    explicit ByteSpanReader(QIODevice &device);

    // Up to COUNT bytes from POS: fewer at the end of the device, none before POS 0 or behind the
    // window of a sequential device. The view stays valid until the next call.
    QByteArrayView bytesAt(qint64 pos, qsizetype count);
    // The device's size; for a sequential device what it says is available, which may be less.
    qint64 size() const { return m_size; }
    bool isSequential() const { return m_sequential; }
    // Bytes taken from the device so far.
    qint64 bytesRead() const { return m_bytesRead; }
    // Where the device stopped giving bytes before the end it reported (a read error on a failing
    // card); -1 while every read was whole.
    qint64 failedAt() const { return m_failedAt; }

private:
    bool refill(qint64 pos, qsizetype count);
    void noteFailure(qint64 pos);

    QIODevice &m_device;
    QByteArray m_window;
    qint64 m_base = 0;
    qint64 m_size;
    qint64 m_bytesRead = 0;
    qint64 m_failedAt = -1;
    qsizetype m_refillBytes = kMinRefillBytes;
    bool m_sequential;
};
