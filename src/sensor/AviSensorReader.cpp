#include "AviSensorReader.h"

#include "ByteSpanReader.h"
#include "SensorBatcher.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "SensorTrack.h"
#include "core/ByteOrder.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
class AviRecords
{
public:
    AviRecords(SensorTrack &track, AviSensorReader::Family family)
        : m_track(track), m_family(family), m_batcher(AviSensorReader::kPendingLimit, track.capacity())
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

    SensorTrack &m_track;
    AviSensorReader::Family m_family;
    SensorBatcher m_batcher;
};
} // namespace

int AviSensorReader::readFile(const QString &path, SensorTrack &track, Family family, const CancelCheck &cancelled)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return 0;
    }
    return read(file, track, family, cancelled);
}

bool AviSensorReader::isZeroHeader(QByteArrayView header)
{
    return header.size() == 8 && std::all_of(header.begin(), header.end(), [](char c) { return c == '\0'; });
}

int AviSensorReader::read(QIODevice &device, SensorTrack &track, Family family, const CancelCheck &cancelled)
{
    ByteSpanReader reader(device);
    const QByteArrayView start = reader.bytesAt(0, 12);
    if (start.size() != 12 || start.first(4) != "RIFF" || start.sliced(8, 4) != "AVI ") {
        return 0;
    }
    AviRecords records(track, family);
    qint64 pos = 12;
    // Every pass moves at least a header forward, so the walk ends at the end of the file.
    while (!records.isFull()) {
        // Asked at every chunk: a header costs more than the question, and a recording no
        // longer wanted stops at once.
        if (cancelled && cancelled()) {
            return 0;
        }
        const QByteArrayView header = reader.bytesAt(pos, 8);
        // A zero-filled tail (a preallocated or interrupted recording) holds no more chunks.
        if (header.size() != 8 || isZeroHeader(header)) {
            break;
        }
        const QByteArrayView code = header.first(4);
        const qint64 size = ByteOrder::le32(header, 4);
        const qint64 pad = size & 1;
        if (code == "LIST") {
            // Enter the list: its type, then its sub-chunks as the next headers.
            if (reader.bytesAt(pos + 8, 4).size() != 4) {
                break;
            }
            pos += 12;
            continue;
        }
        const qint64 next = pos + 8 + size + pad;
        if (code == "02tx" || code == "03tx") {
            const qint64 kept = qMin(size, kMaxTextChunkBytes);
            const QByteArrayView data = reader.bytesAt(pos + 8, qsizetype(kept));
            if (data.size() != kept) {
                // A text chunk cut off by the end of the file: its record is incomplete.
                break;
            }
            records.handle(data, kept == size);
        }
        if (!reader.isSequential() && next > reader.size()) {
            break;
        }
        pos = next;
    }
    return records.finish();
}
