#pragma once
// A random-access device over bytes in memory that stands in for a file on a failing card: reads
// of a chosen stretch of its bytes fail as an I/O error does (what lies before it is given, then
// -1), and every byte handed out is counted, so a test can tell how much of a file a reader went
// through. Header only.
#include <QByteArray>
#include <QIODevice>

#include <cstring>
#include <utility>

class FailingDevice : public QIODevice
{
public:
    // FAILFROM: the first byte that cannot be read (-1 for a device that never fails); FAILTO the
    // first that can again (-1: none up to the end).
    explicit FailingDevice(QByteArray bytes, qint64 failFrom = -1, qint64 failTo = -1)
        : m_bytes(std::move(bytes)), m_failFrom(failFrom), m_failTo(failTo < 0 ? m_bytes.size() : failTo)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_bytes.size(); }
    qint64 bytesRead() const { return m_bytesRead; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 at = pos();
        qint64 count = qMin(maxSize, qint64(m_bytes.size()) - at);
        if (m_failFrom >= 0 && at < m_failTo) {
            if (at >= m_failFrom) {
                setErrorString(QStringLiteral("Input/output error"));
                return -1;
            }
            count = qMin(count, m_failFrom - at);
        }
        if (count <= 0) {
            return 0;
        }
        std::memcpy(data, m_bytes.constData() + at, std::size_t(count));
        m_bytesRead += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_failFrom;
    qint64 m_failTo;
    qint64 m_bytesRead = 0;
};
