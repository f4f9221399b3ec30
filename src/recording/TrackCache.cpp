#include "TrackCache.h"

#include "core/AtomicFileWriter.h"

#include "sensor/SensorFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <fcntl.h>
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
// What the recording's first and last kDigestBytes hold (all of a shorter file): the headers, the
// first pictures and the index or sample tables, which differ from one recording to the next even
// where sizes and times agree. Empty when the file cannot be read.
QByteArray contentDigest(const QString &path, qint64 size)
{
    QFile file;
    if (!SensorFile::openRegularFile(path, file)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const qint64 head = std::min(size, TrackCache::kDigestBytes);
    const QByteArray first = file.read(head);
    if (first.size() != head) {
        return {};
    }
    hash.addData(first);
    const qint64 tail = std::min(size - head, TrackCache::kDigestBytes);
    if (tail > 0) {
        if (!file.seek(size - tail)) {
            return {};
        }
        const QByteArray last = file.read(tail);
        if (last.size() != tail) {
            return {};
        }
        hash.addData(last);
    }
    return hash.result();
}

struct Entry
{
    QString path;
    qint64 bytes;
    QDateTime used;
};

// The entries of FOLDER, least recently used first.
QList<Entry> entriesOf(const QString &folder)
{
    QList<Entry> entries;
    const QFileInfoList infos =
        QDir(folder).entryInfoList({u"*.track"_s}, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo &info : infos) {
        entries.append({info.filePath(), info.size(), info.lastModified()});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.used < b.used; });
    return entries;
}

// Marks the entry at PATH used now.
void touch(const QString &path)
{
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
}
} // namespace

TrackCache::TrackCache(const QString &folder, qint64 limitBytes) : m_folder(folder), m_limit(limitBytes)
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
    const QByteArray content = contentDigest(info.absoluteFilePath(), qint64(status.st_size));
    if (content.isEmpty()) {
        return {};
    }
    return QFile::encodeName(info.absoluteFilePath()) + '\n' + QByteArray::number(quint64(status.st_dev)) + ':' +
           QByteArray::number(quint64(status.st_ino)) + ':' + QByteArray::number(qint64(status.st_size)) + ':' +
           QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(status.st_mtim.tv_nsec)) + ':' + content.toHex();
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
    std::optional<RecordingSamples> samples = decode(recordingKey, file.read(kMaxEntryBytes));
    if (samples) {
        touch(file.fileName());
    }
    return samples;
}

bool TrackCache::store(const QByteArray &recordingKey, const RecordingSamples &samples) const
{
    if (m_folder.isEmpty() || recordingKey.isEmpty() || !QDir().mkpath(m_folder)) {
        return false;
    }
    const QByteArray entry = encode(recordingKey, samples);
    // An entry of more than the whole cache may hold would only push every other one out.
    if (entry.size() > std::min(kMaxEntryBytes, m_limit) ||
        !AtomicFileWriter::writeFile(entryPath(recordingKey), entry)) {
        return false;
    }
    account(entry.size());
    return true;
}

void TrackCache::account(qint64 added) const
{
    const QMutexLocker lock(&m_sizeLock);
    if (m_bytes < 0) {
        // Looked at once; after that the entries this object writes are counted. An entry written
        // again over its older self is counted twice: the folder is then looked at sooner.
        m_bytes = 0;
        for (const Entry &entry : entriesOf(m_folder)) {
            m_bytes += entry.bytes;
        }
    } else {
        m_bytes += added;
    }
    if (m_bytes > m_limit) {
        // Down to nine tenths, so that the next entries do not each start another pass.
        m_bytes = 0;
        const QList<Entry> entries = entriesOf(m_folder);
        qint64 total = 0;
        for (const Entry &entry : entries) {
            total += entry.bytes;
        }
        for (const Entry &entry : entries) {
            if (total <= m_limit / 10 * 9) {
                break;
            }
            if (QFile::remove(entry.path)) {
                total -= entry.bytes;
            }
        }
        m_bytes = total;
    }
}

void TrackCache::trim() const
{
    if (m_folder.isEmpty()) {
        return;
    }
    {
        const QMutexLocker lock(&m_sizeLock);
        m_bytes = -1;
    }
    account(0);
}
