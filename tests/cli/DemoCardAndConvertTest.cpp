#include "CliRun.h"

#include "export/Utils.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

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
    EXPECT_EQ(runs.at(0).toArray(), (QJsonArray{u"-i"_s, avi}));
    EXPECT_EQ(runs.at(1).toArray().at(3).toString(), u"0:0"_s);
    EXPECT_EQ(runs.at(2).toArray().at(3).toString(), u"0:1"_s);
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
    EXPECT_TRUE(notVideo.err.contains(u"nothing playable"_s)) << notVideo.err.toStdString();

    // Any other file is played as it is.
    const QString movie = folder.filePath(u"clip.mov"_s);
    QFile::copy(text, movie);
    EXPECT_EQ(run({u"convert"_s, movie}).json().value(u"files"_s).toArray(), (QJsonArray{movie}));
}
} // namespace
