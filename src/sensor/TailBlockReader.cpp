#include "TailBlockReader.h"

#include "SensorArithmetic.h"
#include "SensorFile.h"
#include "SensorText.h"
#include "SensorTrack.h"
#include "core/TextNumbers.h"

#include <QFile>

int TailBlockReader::readFile(const QString &path, SensorTrack &track)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return 0;
    }
    return read(file, track);
}

int TailBlockReader::read(QIODevice &device, SensorTrack &track)
{
    const qint64 size = device.size();
    const qint64 start = qMax<qint64>(0, size - kSearchWindowBytes);
    if (size <= 0 || !device.seek(start)) {
        return 0;
    }
    const QByteArray tail = device.read(size - start);
    // A file that shrank while being read no longer ends where the block was looked for.
    if (tail.size() != size - start) {
        return 0;
    }
    return readTail(tail, track);
}

int TailBlockReader::readTail(QByteArrayView tail, SensorTrack &track)
{
    // The marker must start no later than 7 bytes before the end, so at least one byte follows it.
    const qsizetype lastStart = tail.size() - 7;
    qsizetype marker = -1;
    for (qsizetype i = 0; i <= lastStart; ++i) {
        if (tail[i] == 'E' && tail.sliced(i, kMarker.size()) == kMarker) {
            marker = i;
            break;
        }
    }
    if (marker < 0) {
        return 0;
    }
    QString text;
    if (!SensorText::decodeUtf8(tail.sliced(marker + kMarker.size()), text)) {
        return 0;
    }
    int stored = 0;
    quint32 withFix = 0;
    track.setGpsDataCount(0);
    for (const QStringView line : SensorText::splitLines(text)) {
        const QList<QStringView> fields = line.split(u',');
        if (fields.size() != 7) {
            continue;
        }
        const float lat = TextNumbers::leadingFloat(fields[1]);
        const float lng = TextNumbers::leadingFloat(fields[2]);
        const auto speed = quint32(TextNumbers::leadingInt(fields[3]));
        track.setSample(stored, SensorArithmetic::low16(TextNumbers::leadingInt(fields[4])),
                        SensorArithmetic::low16(TextNumbers::leadingInt(fields[5])),
                        SensorArithmetic::low16(TextNumbers::leadingInt(fields[6])), lat, lng, speed);
        // A coordinate that is not a number counts as a fix, as any other non-zero value does.
        if (!(lat == 0.0f) || !(lng == 0.0f)) {
            ++withFix;
        }
        track.setGpsDataCount(withFix);
        if (++stored >= track.capacity()) {
            break;
        }
    }
    return stored;
}
