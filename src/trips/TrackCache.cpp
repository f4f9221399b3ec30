#include "TrackCache.h"

#include "core/AtomicFileWriter.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
constexpr quint32 kMagic = 0x56545231; // "VTR1"
constexpr qsizetype kChecksumBytes = 32;

QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
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
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << kMagic << key << quint32(samples.samples.size()) << samples.gpsCount << samples.durationMs << samples.route
        << samples.note;
    for (const RecordingSamples::Sample &sample : samples.samples) {
        out << sample.gx << sample.gy << sample.gz << sample.lat << sample.lng << sample.speed;
    }
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
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    quint32 magic = 0;
    QByteArray storedKey;
    quint32 count = 0;
    RecordingSamples samples;
    in >> magic >> storedKey >> count >> samples.gpsCount >> samples.durationMs >> samples.route >> samples.note;
    // Each sample takes 18 bytes: a count beyond what is left cannot be right.
    if (in.status() != QDataStream::Ok || magic != kMagic || storedKey != key ||
        qint64(count) * 18 != body.size() - in.device()->pos()) {
        return std::nullopt;
    }
    samples.samples.resize(count);
    for (RecordingSamples::Sample &sample : samples.samples) {
        in >> sample.gx >> sample.gy >> sample.gz >> sample.lat >> sample.lng >> sample.speed;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        return std::nullopt;
    }
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
