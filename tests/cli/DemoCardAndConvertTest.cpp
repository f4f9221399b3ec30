#include "CliRun.h"

#include "export/Utils.h"
#include "export/VideoConverter.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {
// One demo card for the whole suite: writing it takes a few seconds.
class DemoCardTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        // An existing empty folder may receive the card.
        QDir(folder->path()).mkpath(u"card"_s);
        generated = std::make_unique<CliRun>(run({u"democard"_s, card()}));
    }
    static void TearDownTestSuite()
    {
        generated.reset();
        folder.reset();
    }
    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_EQ(generated->status, 0) << generated->err.toStdString();
    }

    static QString card() { return folder->filePath(u"card"_s); }
    static QString onCard(const QString &relative) { return QDir(card()).filePath(relative); }
    static QJsonArray recordings() { return generated->json().value(u"recordings"_s).toArray(); }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<CliRun> generated;
};

TEST_F(DemoCardTest, TheCardIsRecognisedAndEveryFilterShowsSomething)
{
    const QJsonObject info = run({u"card"_s, u"info"_s, card()}).json();
    EXPECT_EQ(info.value(u"modelType"_s).toInt(), 1);
    EXPECT_EQ(info.value(u"modelName"_s).toString(), u"QB62"_s);
    EXPECT_EQ(info.value(u"version"_s).toString(), u"1.04.21"_s);
    EXPECT_EQ(info.value(u"firmwareVersionInt"_s).toInt(), 21);
    EXPECT_EQ(info.value(u"languages"_s).toArray().size(), 5);

    const QJsonArray all = run({u"library"_s, card()}).array();
    ASSERT_EQ(all.size(), recordings().size());
    // The saved copy sorts first and shows in magenta; the front and rear MP4 are partners.
    EXPECT_EQ(all.at(0).toObject().value(u"path"_s).toString(), onCard(u"Saved_Videos/20261207_081600_EVT.avi"_s));
    EXPECT_EQ(all.at(0).toObject().value(u"color"_s).toString(), u"magenta"_s);
    EXPECT_EQ(all.at(2).toObject().value(u"name"_s).toString(), u"20261207_081500_F.mp4"_s);
    EXPECT_EQ(all.at(2).toObject().value(u"partner"_s).toInt(), 3);
    const int expected[] = {8, 3, 1, 1, 2};
    for (int filter = 1; filter <= 4; ++filter) {
        EXPECT_EQ(run({u"library"_s, card(), u"--filter"_s, QString::number(filter)}).array().size(), expected[filter])
            << "filter " << filter;
    }
}

TEST_F(DemoCardTest, EveryRecordingCarriesTheSensorDataItClaims)
{
    QTemporaryDir working;
    for (const auto &value : recordings()) {
        const QJsonObject recording = value.toObject();
        const QString path = onCard(recording.value(u"path"_s).toString());
        const QString kind = recording.value(u"kind"_s).toString();
        SCOPED_TRACE(kind.toStdString());
        ASSERT_TRUE(QFileInfo(path).isFile());
        EXPECT_GT(recording.value(u"samples"_s).toInt(), 100);

        // MP4 recordings carry their data in a subtitle stream: convert, then read the extracted file.
        QString trackPath = path;
        const CliRun converted = run({u"convert"_s, path, u"--working-folder"_s, working.path()});
        ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
        const QJsonArray files = converted.json().value(u"files"_s).toArray();
        EXPECT_EQ(files.size(),
                  kind == u"mp4-front" || kind == u"mp4-rear" || kind == u"avi-both-cameras" || kind == u"saved-copy"
                      ? 2
                      : 1);
        for (const auto &file : files) {
            EXPECT_EQ(Utils::GetVideoStreamCountFromVideoPath(file.toString()), 1);
            EXPECT_EQ(Utils::GetAudioStreamCountFromVideoPath(file.toString()), 1);
        }
        if (path.endsWith(u".mp4"_s)) {
            trackPath = Utils::replaceFileExtensionFromFilePath(files.at(0).toString(), u"srt"_s);
        }

        QStringList arguments{u"track"_s, trackPath};
        if (QFileInfo(path).fileName().startsWith(u"Rec_"_s)) {
            arguments.insert(1, u"--krv"_s);
        }
        const QJsonObject track = run(arguments).json();
        EXPECT_EQ(track.value(u"clipDataCount"_s).toInt(), recording.value(u"samples"_s).toInt());
        EXPECT_EQ(track.value(u"gpsDataCount"_s).toInt(), recording.value(u"positions"_s).toInt());
        // Positions lie in the city where the drive happens.
        const QJsonObject last = track.value(u"samples"_s).toArray().last().toObject();
        EXPECT_NEAR(last.value(u"lat"_s).toDouble(), 37.57, 0.01);
        EXPECT_NEAR(last.value(u"lng"_s).toDouble(), 126.98, 0.02);
    }
}

TEST_F(DemoCardTest, TheEventRecordingShowsTheImpact)
{
    const QJsonArray samples =
        run({u"track"_s, onCard(u"evt_rec/20261207_081600_EVT.avi"_s)}).json().value(u"samples"_s).toArray();
    int hardest = 0;
    for (const auto &sample : samples) {
        hardest = qMin(hardest, sample.toObject().value(u"gx"_s).toInt());
    }
    // Braking at 7.5 m/s² is about three quarters of a g: 128 counts = 1 g.
    EXPECT_LT(hardest, -90);
}

TEST_F(DemoCardTest, AFolderWithFilesIsNeverWrittenInto)
{
    const QString used = folder->filePath(u"used"_s);
    QDir().mkpath(used);
    QFile notes(QDir(used).filePath(u"notes.txt"_s));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("mine");
    notes.close();
    const CliRun refused = run({u"democard"_s, used});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(u"not an empty folder"_s)) << refused.err.toStdString();
    EXPECT_EQ(QDir(used).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"notes.txt"_s});
    // Nothing was left beside it either.
    EXPECT_EQ(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{u"card"_s, u"used"_s}));
}

TEST_F(DemoCardTest, ConvertCanListItsRunsWithoutWriting)
{
    QTemporaryDir working;
    const QString avi = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    const CliRun planned = run({u"convert"_s, avi, u"--print-commands"_s, u"--working-folder"_s, working.path()});
    ASSERT_EQ(planned.status, 0) << planned.err.toStdString();
    const QJsonArray runs = planned.json().value(u"ffmpegRuns"_s).toArray();
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs.at(0).toArray(), QJsonArray::fromStringList(VideoConverter::inputArguments(avi)));
    const auto mapped = [&](qsizetype run) {
        const QStringList arguments = runs.at(run).toVariant().toStringList();
        return arguments.value(arguments.indexOf(u"-map"_s) + 1);
    };
    EXPECT_EQ(mapped(1), u"0:0"_s);
    EXPECT_EQ(mapped(2), u"0:1"_s);
    EXPECT_EQ(planned.json().value(u"files"_s).toArray().size(), 2);
    EXPECT_TRUE(QDir(working.path()).isEmpty());
}

TEST(ConvertCommandTest, BadInputIsExplained)
{
    QTemporaryDir folder;
    EXPECT_EQ(run({u"convert"_s}).status, 2);
    EXPECT_EQ(run({u"convert"_s, u"a.avi"_s, u"b.avi"_s}).status, 2);
    EXPECT_EQ(run({u"democard"_s}).status, 2);

    const CliRun missing = run({u"convert"_s, folder.filePath(u"gone.avi"_s)});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(u"no such file"_s));

    const QString text = folder.filePath(u"list #1.avi"_s);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping list");
    file.close();
    const CliRun notVideo = run({u"convert"_s, text, u"--working-folder"_s, folder.filePath(u"work"_s)});
    EXPECT_EQ(notVideo.status, 1);
    EXPECT_EQ(notVideo.json().value(u"files"_s).toArray(), QJsonArray());
    EXPECT_TRUE(notVideo.err.contains(u"is damaged"_s)) << notVideo.err.toStdString();

    // Any other file is played as it is.
    const QString movie = folder.filePath(u"clip.mov"_s);
    QFile::copy(text, movie);
    EXPECT_EQ(run({u"convert"_s, movie}).json().value(u"files"_s).toArray(), (QJsonArray{movie}));
}
} // namespace

namespace {
// The track as the viewer reads it today (the whole file, or an MP4's extracted subtitle file)
// against the quick reader on the recording itself.
struct TrackPair
{
    QJsonObject full;
    QJsonObject quick;
};

TrackPair bothReads(const QString &path, const QString &fullPath)
{
    QStringList arguments{u"track"_s};
    if (QFileInfo(path).fileName().startsWith(u"Rec_"_s)) {
        arguments << u"--krv"_s;
    }
    return {run(arguments + QStringList{fullPath}).json(), run(arguments + QStringList{u"--quick"_s, path}).json()};
}

void expectSameTrack(const TrackPair &pair)
{
    EXPECT_EQ(pair.quick.value(u"clipDataCount"_s), pair.full.value(u"clipDataCount"_s));
    EXPECT_EQ(pair.quick.value(u"gpsDataCount"_s), pair.full.value(u"gpsDataCount"_s));
    EXPECT_EQ(pair.quick.value(u"samples"_s), pair.full.value(u"samples"_s));
}

using TestFiles::readAll;
using TestFiles::writeFile;
} // namespace

TEST_F(DemoCardTest, TheQuickReaderGivesEveryRecordingsTrackExactly)
{
    QTemporaryDir working;
    for (const auto &value : recordings()) {
        const QString path = onCard(value.toObject().value(u"path"_s).toString());
        SCOPED_TRACE(path.toStdString());
        QString fullPath = path;
        if (path.endsWith(u".mp4"_s)) {
            const CliRun converted = run({u"convert"_s, path, u"--working-folder"_s, working.path()});
            ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
            fullPath = Utils::replaceFileExtensionFromFilePath(
                converted.json().value(u"files"_s).toArray().at(0).toString(), u"srt"_s);
        }
        const TrackPair pair = bothReads(path, fullPath);
        EXPECT_GT(pair.full.value(u"clipDataCount"_s).toInt(), 100);
        if (fullPath != path) {
            // The quick route is for recordings: a subtitle file is refused, not scanned as one.
            EXPECT_EQ(run({u"track"_s, u"--quick"_s, fullPath}).status, 2);
        }
        expectSameTrack(pair);
        // Every demo recording has a layout the quick routes can use.
        EXPECT_NE(pair.quick.value(u"route"_s).toString(), u"full-scan"_s);
        EXPECT_NE(pair.quick.value(u"route"_s).toString(), u"none"_s);
        EXPECT_GT(pair.quick.value(u"durationMs"_s).toInteger(), 14000);
    }
}

TEST_F(DemoCardTest, TheQuickReaderMatchesOnDamagedRecordings)
{
    QTemporaryDir damaged;
    for (const QString &relative : {u"evt_rec/20261207_081600_EVT.avi"_s, u"motion_rec/20261207_081400_MOT.avi"_s,
                                    u"cont_rec/Rec_20261207_081900.avi"_s}) {
        const QByteArray bytes = readAll(onCard(relative));
        ASSERT_FALSE(bytes.isEmpty());
        const QString name = QFileInfo(relative).fileName();
        const qsizetype index = bytes.lastIndexOf("idx1");
        ASSERT_GT(index, 0) << relative.toStdString();
        QByteArray pastTheEnd = bytes;
        // The last entry's offset moved far beyond the file.
        const quint32 indexSize = qFromLittleEndian<quint32>(bytes.constData() + index + 4);
        qToLittleEndian<quint32>(0x7ffffff0u, pastTheEnd.data() + index + 8 + indexSize - 16 + 8);
        QByteArray zeroTail = bytes;
        zeroTail.append(QByteArray(4 * 1024 * 1024, '\0'));
        const struct
        {
            const char *what;
            QByteArray bytes;
            const char *route;
        } cases[] = {
            {"cut-short", bytes.first(bytes.size() * 3 / 4), "walk"},
            {"cut-in-sensor-chunks", bytes.first(index - 1000), "walk"},
            {"no-index", bytes.first(index), "walk"},
            {"index-past-the-end", pastTheEnd, "walk"},
            {"zero-tail", zeroTail, "index"},
        };
        for (const auto &damage : cases) {
            SCOPED_TRACE(damage.what);
            const QString path = QDir(damaged.path()).filePath(QString::fromLatin1(damage.what) + u'_' + name);
            ASSERT_TRUE(writeFile(path, damage.bytes));
            const TrackPair pair = bothReads(path, path);
            expectSameTrack(pair);
            EXPECT_EQ(pair.quick.value(u"route"_s).toString(), QString::fromLatin1(damage.route));
            if (std::string_view(damage.what) != "cut-short") {
                EXPECT_GT(pair.full.value(u"clipDataCount"_s).toInt(), 0);
            }
        }
    }
}

TEST_F(DemoCardTest, TheCardsRecordingsMakeOneTripWithoutTheParkedOne)
{
    const CliRun trips = run({u"trips"_s, card()});
    ASSERT_EQ(trips.status, 0) << trips.err.toStdString();
    const QJsonArray list = trips.json().value(u"trips"_s).toArray();
    ASSERT_EQ(list.size(), 1);
    const QJsonObject trip = list.at(0).toObject();
    // 08:15:00 to 08:19:15, the front file of the pair once, no saved copy, no parked recording.
    EXPECT_EQ(trip.value(u"index"_s).toInt(), 1);
    EXPECT_EQ(trip.value(u"start"_s).toString(), u"2026-12-07T08:15:00"_s);
    EXPECT_EQ(trip.value(u"end"_s).toString().left(17), u"2026-12-07T08:19:"_s);
    QStringList kinds;
    for (const auto &recording : trip.value(u"recordings"_s).toArray()) {
        kinds.append(QFileInfo(recording.toObject().value(u"path"_s).toString()).fileName() + u' ' +
                     recording.toObject().value(u"kind"_s).toString());
    }
    EXPECT_EQ(kinds, (QStringList{u"20261207_081500_F.mp4 normal"_s, u"20261207_081600_EVT.avi event"_s,
                                  u"20261207_081700_SOS.mp4 event"_s, u"20261207_081800_MAN.avi manual"_s,
                                  u"Rec_20261207_081900.avi normal"_s}));
    // The drive moves through the city at city speeds; the impact recording's braking is a jolt.
    EXPECT_GT(trip.value(u"meters"_s).toDouble(), 300);
    EXPECT_LT(trip.value(u"meters"_s).toDouble(), 5000);
    EXPECT_GT(trip.value(u"topSpeed"_s).toInt(), 20);
    EXPECT_LT(trip.value(u"topSpeed"_s).toInt(), 120);
    bool impact = false;
    for (const auto &event : trip.value(u"events"_s).toArray()) {
        impact = impact || event.toObject().value(u"recording"_s).toString().endsWith(u"_EVT.avi"_s);
    }
    EXPECT_TRUE(impact);
    const QJsonArray bbox = trip.value(u"bbox"_s).toArray();
    ASSERT_EQ(bbox.size(), 4);
    EXPECT_NEAR(bbox.at(0).toDouble(), 37.57, 0.02);

    // A second run takes the tracks from the cache and gives the same trips; no gap splits them.
    EXPECT_EQ(run({u"trips"_s, card()}).out, trips.out);
    EXPECT_EQ(run({u"trips"_s, card(), u"--gap"_s, u"0"_s, u"--no-cache"_s}).json().value(u"trips"_s).toArray().size(),
              5);
    EXPECT_EQ(run({u"trips"_s, card(), u"--gap"_s, u"-1"_s}).status, 2);
    EXPECT_EQ(run({u"trips"_s, onCard(u"missing"_s)}).status, 1);
}
