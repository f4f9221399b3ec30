#include "trips/TrackCache.h"

#include "trips/TrackLoader.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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

TEST_F(TrackCacheTest, ACacheFolderThatCannotBeWrittenMeansNoCache)
{
    // A file where the cache folder should be: nothing can be kept there, whoever runs the test.
    ASSERT_TRUE(writeFile(m_dir.filePath(u"blocked"_s), "x"));
    const TrackCache blocked(m_dir.filePath(u"blocked/tracks"_s));
    EXPECT_EQ(TrackLoader::load(m_recording, &blocked).samples.size(), 10);
    EXPECT_FALSE(blocked.store(TrackCache::key(m_recording), {}));
    EXPECT_FALSE(blocked.find(TrackCache::key(m_recording)).has_value());

    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir().mkpath(m_cacheFolder));
        QFile::setPermissions(m_cacheFolder, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(TrackLoader::load(m_recording, &m_cache).samples.size(), 10);
        EXPECT_TRUE(entries().isEmpty());
        QFile::setPermissions(m_cacheFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const TrackCache none{QString()};
    EXPECT_FALSE(none.store(TrackCache::key(m_recording), {}));
    EXPECT_EQ(TrackLoader::load(m_recording, &none).samples.size(), 10);
}
} // namespace
