#include "recording/TrackCache.h"

#include "recording/TrackLoader.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
using TestFiles::writeFile;

// A small AVI with one second of records: ten samples at one fix.
QByteArray recording(int x)
{
    AviWriter avi;
    avi.beginList("movi");
    for (int i = 0; i < 10; ++i) {
        avi.textChunk(2, u"gsensor,%1,2,3"_s.arg(x).toLatin1());
    }
    avi.textChunk(2, "GNRMC,081500.00,A,3734.1000,N,12658.2000,E,10.0,0,071226,,,A");
    return avi.bytes();
}

class TrackCacheTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(writeFile(m_recording, recording(5))); }

    QStringList entries() const { return QDir(m_cacheFolder).entryList(QDir::Files); }

    QTemporaryDir m_dir;
    QString m_recording = m_dir.filePath(u"20261207_081500_EVT.avi"_s);
    QString m_cacheFolder = m_dir.filePath(u"cache/tracks"_s);
    TrackCache m_cache{m_cacheFolder};
};

TEST_F(TrackCacheTest, AnUnchangedRecordingIsTakenFromTheCacheAndAChangedOneReadAgain)
{
    const RecordingSamples read = TrackLoader::load(m_recording, &m_cache);
    ASSERT_EQ(read.samples.size(), 10);
    EXPECT_EQ(read.samples[0].gx, 5);
    ASSERT_EQ(entries().size(), 1);

    // What the cache holds for this recording is what the next load gives, without reading it.
    RecordingSamples marked = read;
    marked.samples[0].gx = 99;
    ASSERT_TRUE(m_cache.store(TrackCache::key(m_recording), marked));
    EXPECT_EQ(TrackLoader::load(m_recording, &m_cache), marked);

    // Rewritten (another size): read again, and kept under its new key.
    ASSERT_TRUE(writeFile(m_recording, recording(-7) + QByteArray(3, 'x')));
    const RecordingSamples changed = TrackLoader::load(m_recording, &m_cache);
    EXPECT_EQ(changed.samples[0].gx, -7);
    EXPECT_EQ(entries().size(), 2);
    EXPECT_EQ(
        TrackCache::decode(TrackCache::key(m_recording), TrackCache::encode(TrackCache::key(m_recording), changed)),
        changed);
}

TEST_F(TrackCacheTest, TornCorruptAndForeignEntriesAreNeverTrusted)
{
    const QByteArray key = TrackCache::key(m_recording);
    RecordingSamples samples = TrackLoader::read(m_recording);
    samples.samples[3].gy = 77;
    const QByteArray entry = TrackCache::encode(key, samples);
    ASSERT_EQ(TrackCache::decode(key, entry), samples);
    EXPECT_FALSE(TrackCache::decode(key + 'x', entry).has_value());
    for (qsizetype cut : {qsizetype(0), qsizetype(10), entry.size() / 2, entry.size() - 1}) {
        EXPECT_FALSE(TrackCache::decode(key, entry.first(cut)).has_value()) << cut;
    }
    for (qsizetype at = 0; at < entry.size(); at += 7) {
        QByteArray flipped = entry;
        flipped[at] = char(flipped[at] ^ 0x20);
        EXPECT_FALSE(TrackCache::decode(key, flipped).has_value()) << at;
    }

    // A corrupt entry on disk is ignored: the recording is read and the entry replaced.
    ASSERT_TRUE(m_cache.store(key, samples));
    const QString path = QDir(m_cacheFolder).filePath(entries().constFirst());
    QByteArray onDisk = entry;
    onDisk[entry.size() / 3] = char(onDisk[entry.size() / 3] ^ 1);
    ASSERT_TRUE(writeFile(path, onDisk));
    const RecordingSamples loaded = TrackLoader::load(m_recording, &m_cache);
    EXPECT_EQ(loaded.samples[3].gy, 2);
    EXPECT_EQ(m_cache.find(key), loaded);
}

TEST_F(TrackCacheTest, AnotherCardAtTheSamePlaceWithFilesOfTheSameSizesAndTimesIsReadAgain)
{
    const QDateTime stamp = QFileInfo(m_recording).lastModified();
    EXPECT_EQ(TrackLoader::load(m_recording, &m_cache).samples[0].gx, 5);
    // The same path, inode, size and time; other records.
    ASSERT_TRUE(writeFile(m_recording, recording(6)));
    QFile file(m_recording);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(TrackLoader::load(m_recording, &m_cache).samples[0].gx, 6);
}

TEST_F(TrackCacheTest, ARecordingHoldsNoMoreSamplesThanItsLengthAndTheCacheStaysUnderItsLimit)
{
    // A one-second recording (30 frames of 33,333 us) whose records claim a thousand samples.
    AviWriter avi;
    QByteArray avih(56, '\0');
    avih[0] = char(0x35);
    avih[1] = char(0x82);
    avih[16] = 30;
    avi.beginList("hdrl").chunk("avih", avih).endList().beginList("movi");
    for (int i = 0; i < 1000; ++i) {
        avi.textChunk(2, "gsensor,1,2,3");
        if (i % 10 == 9) {
            avi.textChunk(2, "GNRMC,081500.00,A,3734.1000,N,12658.2000,E,10.0,0,071226,,,A");
        }
    }
    ASSERT_TRUE(writeFile(m_recording, avi.bytes()));
    const RecordingSamples read = TrackLoader::load(m_recording, &m_cache);
    EXPECT_EQ(read.durationMs, 999);
    EXPECT_EQ(read.samples.size(), TrackLoader::maxSamples(999));
    EXPECT_LT(read.samples.size(), 100);
    EXPECT_TRUE(read.note.contains(u"left out"_s)) << read.note.toStdString();

    // Room for about three entries of a hundred samples: the least recently used go first.
    const RecordingSamples samples = TrackLoader::read(m_recording);
    const qint64 entryBytes = TrackCache::encode("key 0", samples).size();
    const TrackCache small(m_dir.filePath(u"small"_s), entryBytes * 7 / 2);
    const auto entryOf = [&](int i) -> QString {
        return small.folder() + u'/' +
               QString::fromLatin1(
                   QCryptographicHash::hash(QByteArray("key " + QByteArray::number(i)), QCryptographicHash::Sha1)
                       .toHex()) +
               u".track"_s;
    };
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(small.store(QByteArray("key " + QByteArray::number(i)), samples));
        QFile entry(entryOf(i));
        ASSERT_TRUE(entry.open(QIODevice::ReadWrite));
        ASSERT_TRUE(entry.setFileTime(past.addSecs(i), QFileDevice::FileModificationTime));
    }
    // The oldest is used again: the second oldest is the one to go.
    ASSERT_TRUE(small.find("key 0"));
    ASSERT_TRUE(small.store("key 3", samples));
    EXPECT_TRUE(QFileInfo::exists(entryOf(0)));
    EXPECT_FALSE(QFileInfo::exists(entryOf(1)));
    EXPECT_TRUE(QFileInfo::exists(entryOf(3)));
    qint64 total = 0;
    for (const QFileInfo &entry : QDir(small.folder()).entryInfoList(QDir::Files)) {
        total += entry.size();
    }
    EXPECT_LE(total, small.limitBytes());
}

TEST_F(TrackCacheTest, ACacheFolderThatCannotBeWrittenMeansNoCache)
{
    // A file where the cache folder should be: nothing can be kept there, whoever runs the test.
    ASSERT_TRUE(writeFile(m_dir.filePath(u"blocked"_s), "x"));
    const TrackCache blocked(m_dir.filePath(u"blocked/tracks"_s));
    EXPECT_EQ(TrackLoader::load(m_recording, &blocked).samples.size(), 10);
    EXPECT_FALSE(blocked.store(TrackCache::key(m_recording), {}));
    EXPECT_FALSE(blocked.find(TrackCache::key(m_recording)).has_value());

    const TrackCache none{QString()};
    EXPECT_FALSE(none.store(TrackCache::key(m_recording), {}));
    EXPECT_EQ(TrackLoader::load(m_recording, &none).samples.size(), 10);
}

TEST_F(TrackCacheTest, AReadOnlyCacheFolderLeavesTheTrackReadAndNothingKept)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into a read-only folder, so the refusal cannot be shown";
    }
    ASSERT_TRUE(QDir().mkpath(m_cacheFolder));
    QFile::setPermissions(m_cacheFolder, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(TrackLoader::load(m_recording, &m_cache).samples.size(), 10);
    EXPECT_TRUE(entries().isEmpty());
    QFile::setPermissions(m_cacheFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace
