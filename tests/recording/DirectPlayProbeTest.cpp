// Which recordings the player opens as they are: containers built here byte by byte (so each case
// can be read), then the demo card's real recordings and damaged copies of them, and the route a
// recording of one or both cameras takes.
#include "recording/DirectPlayProbe.h"

#include "demo/DemoCard.h"
#include "recording/DirectPlayRoute.h"

#include "sensor/AviWriter.h"
#include "support/QtPrinters.h"
#include "support/TestBytes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
using Container = DirectPlayProbe::Container;

using TestBytes::be32;
using TestBytes::le32;
using TestBytes::le64;

// A RIFF chunk, padded to an even size.
QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    return AviWriter::chunkBytes(id, body);
}

QByteArray list(const QByteArray &type, const QByteArray &body)
{
    return chunk("LIST", type + body);
}

// A stream header list of type TYPE ("vids", "auds"), with an OpenDML super index when INDX is
// not empty.
QByteArray streamList(const QByteArray &type, const QByteArray &indx = {})
{
    QByteArray strl = chunk("strh", type + QByteArray(52, '\0')) + chunk("strf", QByteArray(40, '\0'));
    if (!indx.isEmpty()) {
        strl += chunk("indx", indx);
    }
    return list("strl", strl);
}

// A super index ("indx" of type 0) with one entry per (offset, size).
QByteArray superIndex(const QList<std::pair<quint64, quint32>> &entries)
{
    QByteArray indx;
    indx += QByteArray::fromHex("0400") + '\0' + '\0'; // 4 longs per entry, sub-type 0, type 0
    indx += le32(quint32(entries.size())) + "00dc" + QByteArray(12, '\0');
    for (const auto &[offset, size] : entries) {
        indx += le64(offset) + le32(size) + le32(15);
    }
    return indx;
}

struct AviParts
{
    QList<QByteArray> streams{"vids"};
    bool idx1 = true;
    QList<QByteArray> superIndexes; // one per stream, when given
};

QByteArray avi(const AviParts &parts)
{
    QByteArray hdrl = chunk("avih", QByteArray(56, '\0'));
    for (qsizetype i = 0; i < parts.streams.size(); ++i) {
        hdrl +=
            streamList(parts.streams.at(i), i < parts.superIndexes.size() ? parts.superIndexes.at(i) : QByteArray());
    }
    QByteArray body = "AVI " + list("hdrl", hdrl) + list("movi", chunk("00dc", QByteArray(3000, 'v')));
    if (parts.idx1) {
        body += chunk("idx1", "00dc" + le32(0x10) + le32(4) + le32(3000));
    }
    return chunk("RIFF", body);
}

// An MP4 box.
QByteArray box(const QByteArray &type, const QByteArray &body)
{
    return TestBytes::mp4Box(type, body);
}

// A track of handler HANDLER with SAMPLES samples in one chunk at OFFSET.
QByteArray trak(const QByteArray &handler, quint32 samples, quint32 offset)
{
    const QByteArray stbl = box("stsd", QByteArray(8, '\0')) + box("stsz", be32(0) + be32(100) + be32(samples)) +
                            box("stsc", be32(0) + be32(1) + be32(1) + be32(samples) + be32(1)) +
                            box("stco", be32(0) + be32(1) + be32(offset));
    const QByteArray mdia =
        box("mdhd", QByteArray(24, '\0')) + box("hdlr", be32(0) + be32(0) + handler) + box("minf", box("stbl", stbl));
    return box("trak", box("mdia", mdia));
}

QByteArray moov(const QList<QByteArray> &tracks)
{
    QByteArray body = box("mvhd", QByteArray(100, '\0'));
    for (const QByteArray &track : tracks) {
        body += track;
    }
    return box("moov", body);
}

DirectPlayProbe::Result probeBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return DirectPlayProbe::probe(buffer);
}

TEST(DirectPlayProbeTest, AnAviPlaysAsItIsOnlyWithAPictureAndAnIndexInsideTheFile)
{
    const DirectPlayProbe::Result one = probeBytes(avi({}));
    EXPECT_EQ(one.container, Container::Avi);
    EXPECT_TRUE(one.playable) << one.why.toStdString();
    EXPECT_EQ(one.videoStreams, 1);

    const DirectPlayProbe::Result both = probeBytes(avi({{"vids", "vids", "auds"}, true, {}}));
    EXPECT_TRUE(both.playable);
    EXPECT_EQ(both.videoStreams, 2) << "the sound stream is not a camera";

    EXPECT_FALSE(probeBytes(avi({{"auds"}, true, {}})).playable) << "sound alone";
    EXPECT_FALSE(probeBytes(avi({{"vids"}, false, {}})).playable) << "complete, but no index";

    // Cut short by a power loss: in the pictures, with no index written, and the headers still
    // saying the full sizes.
    const QByteArray whole = avi({{"vids"}, false, {}});
    const DirectPlayProbe::Result cut = probeBytes(whole.first(whole.size() - 1000));
    EXPECT_FALSE(cut.playable);
    EXPECT_FALSE(cut.why.isEmpty());
    // The same with the camera's preallocated rest of zeros after the pictures.
    EXPECT_FALSE(probeBytes(whole + QByteArray(4096, '\0')).playable);
    EXPECT_TRUE(probeBytes(avi({}) + QByteArray(4096, '\0')).playable) << "zeros after a complete index";
}

TEST(DirectPlayProbeTest, AnOpenDmlSuperIndexCountsOnlyWhenEveryEntryLiesInsideTheFile)
{
    AviParts parts{{"vids", "vids"}, false, {}};
    parts.superIndexes = {superIndex({{100, 200}}), superIndex({{300, 200}})};
    EXPECT_TRUE(probeBytes(avi(parts)).playable);

    parts.superIndexes = {superIndex({{100, 200}}), superIndex({{100, 200}, {1u << 30, 200}})};
    EXPECT_FALSE(probeBytes(avi(parts)).playable) << "an entry past the end";
    parts.superIndexes = {superIndex({{100, 200}})};
    EXPECT_FALSE(probeBytes(avi(parts)).playable) << "the rear camera has no index";
    parts.superIndexes = {superIndex({}), superIndex({{300, 200}})};
    EXPECT_FALSE(probeBytes(avi(parts)).playable) << "an index with no entry in use";

    // The player reads every index chunk a super index names: named over and over, or more of them
    // than the file holds, they would keep it reading on and on, whatever "idx1" says.
    QList<std::pair<quint64, quint32>> repeated;
    for (int i = 0; i < 1000; ++i) {
        repeated.append({quint64(100 + i % 2 * 200), 200});
    }
    const struct
    {
        const char *what;
        QByteArray indx;
    } runaways[] = {
        {"the same two chunks 500 times each", superIndex(repeated)},
        {"overlapping chunks holding more than the file", superIndex({{100, 3000}, {101, 3000}, {102, 3000}})},
    };
    for (const auto &runaway : runaways) {
        const DirectPlayProbe::Result result = probeBytes(avi({{"vids"}, true, {runaway.indx}}));
        EXPECT_FALSE(result.playable) << runaway.what;
        EXPECT_FALSE(result.why.isEmpty()) << runaway.what;
    }
}

TEST(DirectPlayProbeTest, AnMp4PlaysAsItIsWithAMoovWhereverItIsAndAVideoTrackInsideTheFile)
{
    const QByteArray ftyp = box("ftyp", "isom" + be32(0) + "isom");
    const QByteArray mdat = box("mdat", QByteArray(5000, 'm'));
    const qsizetype mdatAt = ftyp.size();
    const QByteArray video = trak("vide", 10, quint32(mdatAt + 8));
    const QByteArray text = trak("sbtl", 10, quint32(mdatAt + 8));

    const DirectPlayProbe::Result atEnd = probeBytes(ftyp + mdat + moov({video, text}));
    EXPECT_EQ(atEnd.container, Container::Mp4);
    EXPECT_TRUE(atEnd.playable) << atEnd.why.toStdString();
    EXPECT_EQ(atEnd.videoStreams, 1);
    // The moov first: the offsets move by its size.
    const QByteArray first = moov({trak("vide", 10, quint32(mdatAt + moov({video}).size() + 8))});
    EXPECT_TRUE(probeBytes(ftyp + first + mdat).playable);

    const DirectPlayProbe::Result noMoov = probeBytes(ftyp + mdat);
    EXPECT_FALSE(noMoov.playable);
    EXPECT_EQ(noMoov.why, u"no moov box"_s);
    // Cut short in the pictures, the moov never written after them.
    const QByteArray cut = ftyp + box("mdat", QByteArray(5000, 'm')).first(3000);
    EXPECT_FALSE(probeBytes(cut).playable);
    // The moov itself cut short.
    const QByteArray whole = ftyp + mdat + moov({video});
    EXPECT_FALSE(probeBytes(whole.first(whole.size() - 10)).playable);

    EXPECT_FALSE(probeBytes(ftyp + mdat + moov({text})).playable) << "subtitles alone";
    EXPECT_FALSE(probeBytes(ftyp + mdat + moov({trak("vide", 0, quint32(mdatAt + 8))})).playable) << "no samples";
    EXPECT_FALSE(probeBytes(ftyp + mdat + moov({trak("vide", 10, 1u << 30)})).playable) << "samples past the end";
    // The sensor samples cut off: the conversion says so instead of a recording without a track.
    EXPECT_FALSE(probeBytes(ftyp + mdat + moov({video, trak("sbtl", 10, 1u << 30)})).playable);
}

TEST(DirectPlayProbeTest, AnythingElseIsNeitherContainer)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("not a recording at all"), QByteArray(8192, '\x42'),
                                    QByteArray("RIFF\x04\0\0\0WAVE", 12)}) {
        const DirectPlayProbe::Result result = probeBytes(bytes);
        EXPECT_EQ(result.container, Container::Unknown);
        EXPECT_FALSE(result.playable);
    }
    EXPECT_FALSE(DirectPlayProbe::probeFile(u"/nonexistent/x.avi"_s).playable);
}

// The demo card's recordings are real files of each kind, written by ffmpeg as the cameras write
// them.
class DirectPlayCardTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        made = DemoCard::generate(folder->filePath(u"card"_s));
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override { ASSERT_TRUE(made.ok) << made.error.toStdString(); }

    static QString onCard(const QString &relative) { return folder->filePath(u"card/"_s + relative); }
    static QString copyOf(const QString &relative, const QString &name, qint64 keep = -1)
    {
        QFile source(onCard(relative));
        if (!source.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = source.readAll();
        const QString path = folder->filePath(name);
        QFile copy(path);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(keep < 0 ? bytes : bytes.first(keep)) < 0) {
            return {};
        }
        return path;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made;
};

TEST_F(DirectPlayCardTest, EveryRecordingOfTheDemoCardPlaysAsItIs)
{
    ASSERT_FALSE(made.recordings.isEmpty());
    for (const DemoCard::Recording &recording : made.recordings) {
        SCOPED_TRACE(recording.path.toStdString());
        const DirectPlayProbe::Result result = DirectPlayProbe::probeFile(onCard(recording.path));
        EXPECT_TRUE(result.playable) << result.why.toStdString();
        EXPECT_EQ(result.videoStreams, recording.path.endsWith(u"_EVT.avi"_s) ? 2 : 1);
    }
}

TEST_F(DirectPlayCardTest, EachCameraOfARecordingComesFromItsOwnFileOrStream)
{
    using Source = DirectPlayRoute::Source;
    const QString front = onCard(u"cont_rec/20261207_081500_F.mp4"_s);
    const QString rear = onCard(u"cont_rec/20261207_081500_R.mp4"_s);
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(front)), (QList<Source>{{front, 1}, {rear, 1}}));
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(rear)), (QList<Source>{{rear, 1}, {front, 1}}))
        << "the chosen camera large, as the conversion does";
    const QString both = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(both)), (QList<Source>{{both, 1}, {both, 2}}));
    const QString alone = onCard(u"sos_rec/20261207_081700_SOS.mp4"_s);
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(alone)), (QList<Source>{{alone, 1}}));
}

TEST_F(DirectPlayCardTest, DamagedRecordingsGoTheConversionRoute)
{
    // An AVI cut short before its index, as a power loss leaves it.
    const QString evt = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    const qint64 size = QFileInfo(evt).size();
    const QString cut = copyOf(u"evt_rec/20261207_081600_EVT.avi"_s, u"cut_EVT.avi"_s, size * 2 / 3);
    ASSERT_FALSE(cut.isEmpty());
    EXPECT_FALSE(DirectPlayProbe::probeFile(cut).playable);
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(cut)), std::nullopt);

    // An MP4 without its moov (ffmpeg writes it last: cut before it).
    const QString mp4 = onCard(u"sos_rec/20261207_081700_SOS.mp4"_s);
    const QString noMoov = copyOf(u"sos_rec/20261207_081700_SOS.mp4"_s, u"nomoov_SOS.mp4"_s, QFileInfo(mp4).size() / 2);
    ASSERT_FALSE(noMoov.isEmpty());
    EXPECT_FALSE(DirectPlayProbe::probeFile(noMoov).playable);
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(noMoov)), std::nullopt);

    // A pair whose rear file is damaged goes the conversion route whole.
    QDir().mkpath(folder->filePath(u"pair"_s));
    const QString front = folder->filePath(u"pair/20261207_081500_F.mp4"_s);
    ASSERT_TRUE(QFile::copy(onCard(u"cont_rec/20261207_081500_F.mp4"_s), front));
    QFile rear(folder->filePath(u"pair/20261207_081500_R.mp4"_s));
    ASSERT_TRUE(rear.open(QIODevice::WriteOnly));
    rear.write(QByteArray(8192, '\x42'));
    rear.close();
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(front)), std::nullopt);

    // Not a camera recording at all: the conversion route passes it on as before.
    EXPECT_EQ(DirectPlayRoute::sources(QUrl::fromLocalFile(folder->filePath(u"x.mov"_s))), std::nullopt);
}

TEST_F(DirectPlayCardTest, AnMp4WithItsMoovFirstOrLastPlaysAsItIs)
{
    const QString ffmpeg = QStandardPaths::findExecutable(u"ffmpeg"_s);
    if (ffmpeg.isEmpty()) {
        GTEST_SKIP() << "no ffmpeg to rewrite the recording with";
    }
    const QString source = onCard(u"sos_rec/20261207_081700_SOS.mp4"_s);
    for (const bool faststart : {false, true}) {
        const QString output = folder->filePath(faststart ? u"first_SOS.mp4"_s : u"last_SOS.mp4"_s);
        QStringList arguments{u"-v"_s, u"error"_s, u"-y"_s, u"-i"_s, source, u"-map"_s, u"0"_s, u"-c"_s, u"copy"_s};
        if (faststart) {
            arguments << u"-movflags"_s << u"+faststart"_s;
        }
        ASSERT_EQ(QProcess::execute(ffmpeg, arguments << output), 0);
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.indexOf("moov") < bytes.indexOf("mdat"), faststart) << "the moov where it was asked";
        const DirectPlayProbe::Result result = DirectPlayProbe::probeFile(output);
        EXPECT_TRUE(result.playable) << result.why.toStdString();
    }
}
} // namespace
