#include "AviSensorReader.h"

#include "SensorBatcher.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "VexoClipData.h"

#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
quint32 readLe32(const char *bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

// Moves DEVICE forward by COUNT bytes; false when that runs past its end.
bool skipForward(QIODevice &device, qint64 count)
{
    if (count <= 0) {
        return true;
    }
    if (!device.isSequential()) {
        const qint64 target = device.pos() + count;
        if (target > device.size()) {
            return false;
        }
        return device.seek(target);
    }
    return device.skip(count) == count;
}

class AviRecords
{
public:
    AviRecords(VexoClipData &track, AviSensorReader::Family family)
        : m_track(track), m_family(family), m_batcher(AviSensorReader::kPendingLimit)
    {
    }

    // DATA is a text chunk's data, or its first part when the chunk is longer than the reader keeps
    // (WHOLE false); a sentence must then end inside that part to be taken.
    void handle(QByteArrayView data, bool whole)
    {
        if (data.isEmpty()) {
            return;
        }
        switch (data.front()) {
        case 'M':
            acceleration(data);
            break;
        case 'T':
            if (m_family == AviSensorReader::Family::Standard) {
                secondWithoutPosition();
            }
            break;
        case '$':
        case 'G':
            if (whole || data.contains('\0')) {
                sentence(data);
            }
            break;
        default:
            break;
        }
    }

    // Samples still pending at the end keep the last position, but only when a sentence already
    // stored samples: a file of acceleration records alone has no track.
    int finish()
    {
        if (m_batcher.pendingCount() > 0 && m_batcher.storedCount() > 0) {
            m_batcher.flushPendingAfterLastPosition();
        }
        return m_batcher.commit(m_track);
    }

    bool isFull() const { return m_batcher.isFull(); }

private:
    void acceleration(QByteArrayView data)
    {
        const auto byte = [&data](qsizetype i) {
            return int(quint8(data[i]));
        };
        SensorBatcher::Acceleration sample;
        if (m_family == AviSensorReader::Family::Standard) {
            // "M" and three axis bytes; a shorter record has no complete sample.
            if (data.size() < 4) {
                return;
            }
            sample = {qint16(128 - byte(1)), qint16(128 - byte(2)), qint16(128 - byte(3))};
        } else {
            // The KRV cameras mark a valid sample with three bytes of 1 after the axes.
            if (data.size() < 7 || byte(4) != 1 || byte(5) != 1 || byte(6) != 1) {
                return;
            }
            sample = {qint16((byte(1) - 128) * 10), qint16((byte(2) - 128) * 10), qint16((byte(3) - 128) * 10)};
        }
        m_batcher.appendPending(sample);
    }

    void secondWithoutPosition()
    {
        if (m_batcher.pendingCount() > 0) {
            m_batcher.flushPending(SensorBatcher::Position{});
        }
        m_batcher.setCurrentPosition(SensorBatcher::Position{});
    }

    void sentence(QByteArrayView data)
    {
        const qsizetype nul = data.indexOf('\0');
        QString text;
        if (!SensorText::decodeUtf8(nul < 0 ? data : data.first(nul), text)) {
            return;
        }
        const QList<QStringView> fields = QStringView(text).split(u',');
        if (fields[0] != u"$GPRMC" && fields[0] != u"G$GPRMC") {
            return;
        }
        if (fields.size() < 3 || (fields[2] == u"A" && fields.size() < 8)) {
            return;
        }
        SensorBatcher::Position position;
        if (fields[2] == u"A") {
            position =
                SensorBatcher::positionFromFields(fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]);
            position.fixTime = NmeaTime::utcMsecs(fields[1], fields.value(9));
        }
        m_batcher.positionRecord(position);
    }

    VexoClipData &m_track;
    AviSensorReader::Family m_family;
    SensorBatcher m_batcher;
};
} // namespace

int AviSensorReader::readFile(const QString &path, VexoClipData &track, Family family,
                              const std::atomic_bool *cancelled)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return 0;
    }
    return read(file, track, family, cancelled);
}

int AviSensorReader::read(QIODevice &device, VexoClipData &track, Family family, const std::atomic_bool *cancelled)
{
    char header[8];
    if (device.read(header, 8) != 8 || QByteArrayView(header, 4) != "RIFF") {
        return 0;
    }
    if (device.read(header, 4) != 4 || QByteArrayView(header, 4) != "AVI ") {
        return 0;
    }
    AviRecords records(track, family);
    QByteArray data;
    // Every pass consumes at least a header, so the walk ends at the end of the file.
    while (!records.isFull() && (cancelled == nullptr || !cancelled->load()) && device.read(header, 8) == 8) {
        const QByteArrayView code(header, 4);
        const qint64 size = readLe32(header + 4);
        const qint64 pad = size & 1;
        if (code == "LIST") {
            // Enter the list: its type, then its sub-chunks as the next headers.
            if (device.read(header, 4) != 4) {
                break;
            }
            continue;
        }
        if (code == "02tx" || code == "03tx") {
            const qint64 kept = qMin(size, kMaxTextChunkBytes);
            data.resize(kept);
            if (device.read(data.data(), kept) != kept) {
                // A text chunk cut off by the end of the file: its record is incomplete.
                break;
            }
            records.handle(data, kept == size);
            if (!skipForward(device, size - kept + pad)) {
                break;
            }
            continue;
        }
        if (!skipForward(device, size + pad)) {
            break;
        }
    }
    return records.finish();
}
