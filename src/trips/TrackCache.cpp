#include "TrackCache.h"

#include "core/AtomicFileWriter.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// "VTR4": whole tracks with their fix times. Entries of the earlier forms (up to "VTR3") may hold a
// track cut at 650 samples, so they are misses and read again.
constexpr quint32 kMagic = 0x56545234;
constexpr qsizetype kChecksumBytes = 20;
constexpr qsizetype kSampleBytes = 26;
// The longest whole track must fit in an entry that is read back, with room for its header.
static_assert(qint64(GrowingTrack::kMaxSamples) * kSampleBytes + 64 * 1024 <= TrackCache::kMaxEntryBytes);

// Torn and corrupt entries are what this guards against, in the user's own cache folder: a fast
// hash is enough (six times faster here than SHA-256, a third of a warm card's time).
QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// The samples as one block of little-endian values, 26 bytes each.
QByteArray sampleBlock(const QList<RecordingSamples::Sample> &samples)
{
    QByteArray block(samples.size() * kSampleBytes, Qt::Uninitialized);
    char *at = block.data();
    for (const RecordingSamples::Sample &sample : samples) {
        qToLittleEndian(sample.gx, at);
        qToLittleEndian(sample.gy, at + 2);
        qToLittleEndian(sample.gz, at + 4);
        qToLittleEndian(sample.lat, at + 6);
        qToLittleEndian(sample.lng, at + 10);
        qToLittleEndian(sample.speed, at + 14);
        qToLittleEndian(sample.fixTime, at + 18);
        at += kSampleBytes;
    }
    return block;
}

QList<RecordingSamples::Sample> samplesFromBlock(QByteArrayView block)
{
    QList<RecordingSamples::Sample> samples(block.size() / kSampleBytes);
    const char *at = block.data();
    for (RecordingSamples::Sample &sample : samples) {
        sample.gx = qFromLittleEndian<qint16>(at);
        sample.gy = qFromLittleEndian<qint16>(at + 2);
        sample.gz = qFromLittleEndian<qint16>(at + 4);
        sample.lat = qFromLittleEndian<float>(at + 6);
        sample.lng = qFromLittleEndian<float>(at + 10);
        sample.speed = qFromLittleEndian<quint32>(at + 14);
        sample.fixTime = qFromLittleEndian<qint64>(at + 18);
        at += kSampleBytes;
    }
    return samples;
}
} // namespace

TrackCache::TrackCache(const QString &folder) : m_folder(folder)
{
}

QString TrackCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u"/tracks"_s;
}

QByteArray TrackCache::key(const QString &recording)
{
    const QFileInfo info(recording);
    struct stat status = {};
    if (!info.isFile() || ::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &status) != 0) {
        return {};
    }
    return QFile::encodeName(info.absoluteFilePath()) + '\n' + QByteArray::number(quint64(status.st_dev)) + ':' +
           QByteArray::number(quint64(status.st_ino)) + ':' + QByteArray::number(qint64(status.st_size)) + ':' +
           QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(status.st_mtim.tv_nsec));
}

QString TrackCache::entryPath(const QByteArray &key) const
{
    return m_folder + u'/' + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           u".track"_s;
}

QByteArray TrackCache::encode(const QByteArray &key, const RecordingSamples &samples)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << key << quint32(samples.samples.size()) << samples.gpsCount << samples.durationMs << samples.route
        << samples.note;
    bytes += sampleBlock(samples.samples);
    return bytes + checksum(bytes);
}

std::optional<RecordingSamples> TrackCache::decode(const QByteArray &key, const QByteArray &entry)
{
    if (entry.size() < kChecksumBytes) {
        return std::nullopt;
    }
    const QByteArrayView content = QByteArrayView(entry).chopped(kChecksumBytes);
    if (checksum(content) != QByteArrayView(entry).last(kChecksumBytes)) {
        return std::nullopt;
    }
    QByteArray body = content.toByteArray();
    QDataStream in(&body, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QByteArray storedKey;
    quint32 count = 0;
    RecordingSamples samples;
    in >> magic >> storedKey >> count >> samples.gpsCount >> samples.durationMs >> samples.route >> samples.note;
    // What follows the header must be exactly the samples it announces.
    if (in.status() != QDataStream::Ok || magic != kMagic || storedKey != key ||
        qint64(count) * kSampleBytes != body.size() - in.device()->pos()) {
        return std::nullopt;
    }
    samples.samples = samplesFromBlock(QByteArrayView(body).sliced(in.device()->pos()));
    return samples;
}

std::optional<RecordingSamples> TrackCache::find(const QByteArray &recordingKey) const
{
    if (m_folder.isEmpty() || recordingKey.isEmpty()) {
        return std::nullopt;
    }
    QFile file(entryPath(recordingKey));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes) {
        return std::nullopt;
    }
    return decode(recordingKey, file.read(kMaxEntryBytes));
}

bool TrackCache::store(const QByteArray &recordingKey, const RecordingSamples &samples) const
{
    if (m_folder.isEmpty() || recordingKey.isEmpty() || !QDir().mkpath(m_folder)) {
        return false;
    }
    return AtomicFileWriter::writeFile(entryPath(recordingKey), encode(recordingKey, samples));
}
