// Whole incident reports of the demo card's recordings, made as velmora-cli makes them, and read
// back as someone receiving them would: the clips with ffmpeg, the page with pdftotext, the
// figures from report.json checked against the sensor track that velmora-cli track prints.
#include "demo/DemoCard.h"
#include "incident/IncidentClips.h"
#include "incident/IncidentTexts.h"
#include "incident/report/IncidentPdf.h"

#include "cli/CliRun.h"
#include "export/TestRecordings.h"
#include "export/Utils.h"
#include "sensor/AviWriter.h"
#include "support/SmallFileSystem.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// The demo card's pictures have a keyframe every second (15 frames at 15 a second).
constexpr double KeyframeInterval = 1.0;

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

// What a program printed on standard output; empty when it failed.
QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text with every run of white space made one space.
QString pdfText(const QString &pdf)
{
    return output(tool(u"pdftotext"_s), {pdf, u"-"_s}).simplified();
}

int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(output(tool(u"pdfinfo"_s), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

double clipDuration(const QString &movie)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(Utils::GetFFMPEGPath(), {u"-hide_banner"_s, u"-i"_s, movie});
    ffmpeg.waitForFinished(60000);
    return IncidentClips::durationFromReport(QString::fromUtf8(ffmpeg.readAll())).value_or(-1.0);
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// The window's play times alone.
QJsonObject playTimes(const QJsonObject &window)
{
    return QJsonObject{
        {u"at"_s, window.value(u"at"_s)}, {u"from"_s, window.value(u"from"_s)}, {u"to"_s, window.value(u"to"_s)}};
}

class IncidentReportTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        made = DemoCard::generate(folder->filePath(u"card"_s));
    }
    static void TearDownTestSuite() { folder.reset(); }

    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_TRUE(made.ok) << made.error.toStdString();
        ASSERT_FALSE(tool(u"pdftotext"_s).isEmpty()) << "poppler-utils is part of scripts/setup";
    }

    static QString onCard(const QString &relative) { return QDir(folder->filePath(u"card"_s)).filePath(relative); }
    static QString working() { return folder->filePath(u"work"_s); }

    // The samples velmora-cli track prints for the recording as the viewer reads it: an MP4's
    // from the subtitle file its conversion extracts.
    static QJsonArray trackSamples(const QString &recording)
    {
        QString source = recording;
        if (recording.endsWith(u".mp4"_s)) {
            const CliRun converted = run({u"convert"_s, recording, u"--working-folder"_s, working()});
            const QString front = converted.json().value(u"files"_s).toArray().at(0).toString();
            source = front.left(front.size() - 3) + u"srt"_s;
        }
        return run({u"track"_s, source}).json().value(u"samples"_s).toArray();
    }

    static CliRun report(const QString &recording, const QString &dir, const QStringList &more = {})
    {
        return run(QStringList{u"incident"_s, recording, u"-o"_s, dir, u"--working-folder"_s, working(), u"--lang"_s,
                               u"en"_s} +
                   more);
    }

    // Checks what every report holds, and returns report.json.
    static QJsonObject checkReport(const CliRun &ran, const QString &dir, bool rear)
    {
        EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
        const QJsonObject printed = ran.json();
        EXPECT_EQ(printed.value(u"dir"_s).toString(), dir);
        const QJsonObject json = readJson(QDir(dir).filePath(u"report.json"_s));
        const QJsonObject window = json.value(u"window"_s).toObject();
        const double length = window.value(u"to"_s).toDouble() - window.value(u"from"_s).toDouble();
        QStringList clips{u"front.mov"_s};
        if (rear) {
            clips.append(u"rear.mov"_s);
        }
        EXPECT_EQ(QFileInfo::exists(QDir(dir).filePath(u"rear.mov"_s)), rear);
        for (const QString &clip : clips) {
            const double duration = clipDuration(QDir(dir).filePath(clip));
            EXPECT_GE(duration, length - 0.1) << clip.toStdString();
            EXPECT_LE(duration, length + KeyframeInterval + 0.1) << clip.toStdString();
        }
        EXPECT_EQ(pdfPages(QDir(dir).filePath(u"report.pdf"_s)), 1);
        // What was printed is what the file says, and every file it names is there.
        for (const QString &key : {u"peakG"_s, u"peakAt"_s, u"topSpeed"_s, u"start"_s, u"end"_s}) {
            EXPECT_EQ(printed.value(key), json.value(key)) << key.toStdString();
        }
        QStringList names;
        for (const QJsonValue &file : printed.value(u"files"_s).toArray()) {
            EXPECT_TRUE(QFileInfo::exists(file.toString())) << file.toString().toStdString();
            names.append(QFileInfo(file.toString()).fileName());
        }
        EXPECT_EQ(QJsonValue(QJsonArray::fromStringList(names)), json.value(u"files"_s));
        EXPECT_EQ(everything(QFileInfo(dir).absolutePath()).filter(u".partial"_s), QStringList())
            << "nothing half-written beside it";
        return json;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made;
};

TEST_F(IncidentReportTest, AFrontRearPairGivesClipsOfTheWindowAndAPageWithTheFiguresOfItsJson)
{
    const QString recording = onCard(u"cont_rec/20261207_081500_F.mp4"_s);
    const QString dir = folder->filePath(u"pair"_s);
    const QJsonObject json = checkReport(
        report(recording, dir, {u"--at"_s, u"7"_s, u"--before"_s, u"3"_s, u"--after"_s, u"4.5"_s}), dir, true);
    const QJsonObject window = json.value(u"window"_s).toObject();
    EXPECT_EQ(playTimes(window), (QJsonObject{{u"at"_s, 7.0}, {u"from"_s, 4.0}, {u"to"_s, 11.5}}));
    EXPECT_EQ(json.value(u"recordedAt"_s).toString(), u"2026-12-07T08:15:00"_s);
    // The window's ends as the fixes date them: the demo drive's second 64 is 08:15:04 UTC, and
    // 11.5 s is half a second into the second whose fix says 08:15:11.
    EXPECT_EQ(window.value(u"startTime"_s).toString(), u"2026-12-07T08:15:04.000Z"_s);
    EXPECT_EQ(window.value(u"endTime"_s).toString(), u"2026-12-07T08:15:11.500Z"_s);
    EXPECT_EQ(window.value(u"clock"_s).toString(), u"utc"_s);

    // The peak and the route, computed here from the track velmora-cli prints: samples 40 to 114.
    const QJsonArray samples = trackSamples(recording);
    ASSERT_GE(samples.size(), 115);
    double peak = -1.0;
    double peakAt = -1.0;
    int fixes = 0;
    int topSpeed = -1;
    for (int i = 40; i < 115; ++i) {
        const QJsonObject s = samples.at(i).toObject();
        const double g = std::sqrt(std::pow(s.value(u"gx"_s).toDouble(), 2) + std::pow(s.value(u"gy"_s).toDouble(), 2) +
                                   std::pow(s.value(u"gz"_s).toDouble(), 2)) /
                         128.0;
        if (g > peak) {
            peak = g;
            peakAt = i / 10.0;
        }
        if (s.value(u"lat"_s).toDouble() != 0.0 || s.value(u"lng"_s).toDouble() != 0.0) {
            ++fixes;
            topSpeed = std::max(topSpeed, s.value(u"speed"_s).toInt());
        }
    }
    EXPECT_DOUBLE_EQ(json.value(u"peakG"_s).toDouble(), peak);
    EXPECT_DOUBLE_EQ(json.value(u"peakAt"_s).toDouble(), peakAt);
    ASSERT_NE(peakAt, 7.0);
    EXPECT_DOUBLE_EQ(json.value(u"stillAt"_s).toDouble(), 7.0) << "the picture is of the moment chosen, not the peak";
    EXPECT_EQ(json.value(u"topSpeed"_s).toInt(), topSpeed);
    EXPECT_EQ(json.value(u"fixes"_s).toInt(), fixes);
    EXPECT_EQ(json.value(u"start"_s), samples.at(40).toObject().value(u"lat"_s).isNull()
                                          ? QJsonValue()
                                          : QJsonValue(QJsonObject{{u"lat"_s, samples.at(40)[u"lat"_s]},
                                                                   {u"lng"_s, samples.at(40)[u"lng"_s]}}));
    // The route drawing has one point per fix: the GPX holds the same points.
    QFile gpx(QDir(dir).filePath(u"track.gpx"_s));
    ASSERT_TRUE(gpx.open(QIODevice::ReadOnly));
    EXPECT_EQ(gpx.readAll().count("<trkpt "), fixes);

    // The page says the same figures, in the same form.
    const QString text = pdfText(QDir(dir).filePath(u"report.pdf"_s));
    const auto position = [](const QJsonValue &value) {
        return IncidentPdf::positionText(float(value[u"lat"_s].toDouble()), float(value[u"lng"_s].toDouble()));
    };
    for (const QString &figure :
         {IncidentPdf::gText(peak), IncidentPdf::secondsText(peakAt), IncidentPdf::speedText(quint32(topSpeed)),
          position(json.value(u"start"_s)), position(json.value(u"end"_s)), u"20261207_081500_F.mp4"_s,
          u"2026-12-07 08:15:00"_s, u"4.0 s – 11.5 s"_s}) {
        EXPECT_TRUE(text.contains(figure)) << figure.toStdString() << " not in: " << text.toStdString();
    }
    EXPECT_TRUE(text.contains(IncidentTexts::forLanguage(u"en"_s).title));
}

TEST_F(IncidentReportTest, AWindowPastEitherEndIsClippedAndAnAviWithBothCamerasGivesTwoClips)
{
    const QString recording = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    const QString late = folder->filePath(u"late"_s);
    const QJsonObject json = checkReport(report(recording, late, {u"--at"_s, u"13"_s}), late, true);
    const QJsonObject window = json.value(u"window"_s).toObject();
    EXPECT_DOUBLE_EQ(window.value(u"from"_s).toDouble(), 0.0) << "15 s before 13 s";
    EXPECT_DOUBLE_EQ(window.value(u"to"_s).toDouble(), json.value(u"duration"_s).toDouble());

    const QString early = folder->filePath(u"early"_s);
    const QJsonObject second = checkReport(
        report(recording, early, {u"--at"_s, u"1"_s, u"--before"_s, u"5"_s, u"--after"_s, u"2"_s}), early, true);
    EXPECT_EQ(playTimes(second.value(u"window"_s).toObject()),
              (QJsonObject{{u"at"_s, 1.0}, {u"from"_s, 0.0}, {u"to"_s, 3.0}}));
    EXPECT_EQ(second.value(u"window"_s)[u"startTime"_s].toString(), u"2026-12-07T08:15:15.000Z"_s);
    EXPECT_EQ(second.value(u"window"_s)[u"endTime"_s].toString(), u"2026-12-07T08:15:18.000Z"_s);
    QFile csv(QDir(early).filePath(u"track.csv"_s));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    ASSERT_GE(rows.size(), 3);
    EXPECT_TRUE(rows.at(1).startsWith("0,0.0,")) << rows.at(1).constData();
    EXPECT_TRUE(rows.at(1).contains(",2026-12-07T08:15:15.000Z,")) << rows.at(1).constData();

    // Without --at the report centres on the strongest jolt of the recording.
    const QString strongest = folder->filePath(u"strongest"_s);
    const QJsonObject third =
        checkReport(report(recording, strongest, {u"--before"_s, u"1"_s, u"--after"_s, u"1"_s}), strongest, true);
    EXPECT_DOUBLE_EQ(third.value(u"window"_s)[u"at"_s].toDouble(), third.value(u"peakAt"_s).toDouble());
}

TEST_F(IncidentReportTest, ARecordingWithoutAFixSaysSoAndOneWithoutSensorDataGivesTheTimeOnly)
{
    // Acceleration every 100 ms, but the receiver never has a fix ("V").
    const QString noFix = folder->filePath(u"20261207_090000_NOFIX.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(noFix, false, true));
    QByteArray chunks;
    for (int second = 0; second < 2; ++second) {
        for (int i = 0; i < 10; ++i) {
            const QByteArray record = "gsensor," + QByteArray::number(10 * i) + ",-20,128";
            chunks += AviWriter::chunkBytes("02tx", record);
        }
        const QByteArray position = "GNRMC,09000" + QByteArray::number(second) + ".00,V,,,,,,,071226,,,N";
        chunks += AviWriter::chunkBytes("02tx", position);
    }
    ASSERT_TRUE(TestRecordings::writeFile(noFix, AviWriter::withChunksInMovi(TestRecordings::readFile(noFix), chunks)));
    const QString dir = folder->filePath(u"nofix"_s);
    const QJsonObject json = checkReport(report(noFix, dir, {u"--at"_s, u"1"_s}), dir, false);
    EXPECT_FALSE(json.value(u"peakG"_s).isNull());
    EXPECT_TRUE(json.value(u"topSpeed"_s).isNull());
    EXPECT_TRUE(json.value(u"start"_s).isNull());
    // No fix, no card beside it: the file name's start on the camera's own clock, without an offset.
    EXPECT_EQ(json.value(u"window"_s)[u"clock"_s].toString(), u"local"_s);
    EXPECT_EQ(json.value(u"window"_s)[u"startTime"_s].toString(), u"2026-12-07T09:00:00.000"_s);
    EXPECT_TRUE(QFileInfo::exists(QDir(dir).filePath(u"track.csv"_s)));
    EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(u"track.gpx"_s))) << "a route of no points is no route";
    const IncidentTexts english = IncidentTexts::forLanguage(u"en"_s);
    const QString text = pdfText(QDir(dir).filePath(u"report.pdf"_s));
    EXPECT_TRUE(text.contains(english.noPosition)) << text.toStdString();
    EXPECT_FALSE(text.contains(u"km/h"_s)) << "no speed is given";

    const QString plain = folder->filePath(u"plain.avi"_s);
    ASSERT_TRUE(TestRecordings::avi(plain, true, true));
    const QString timeOnly = folder->filePath(u"timeonly"_s);
    const QJsonObject bare = checkReport(report(plain, timeOnly), timeOnly, true);
    for (const QString &key : {u"peakG"_s, u"peakAt"_s, u"topSpeed"_s, u"start"_s, u"end"_s}) {
        EXPECT_TRUE(bare.value(key).isNull()) << key.toStdString();
    }
    EXPECT_DOUBLE_EQ(bare.value(u"window"_s)[u"at"_s].toDouble(), bare.value(u"duration"_s).toDouble() / 2.0)
        << "without sensor data the report centres on the middle";
    EXPECT_TRUE(bare.value(u"window"_s)[u"startTime"_s].isNull()) << "neither a fix nor a date in the name";
    EXPECT_EQ(bare.value(u"window"_s)[u"clock"_s].toString(), u"none"_s);
    EXPECT_FALSE(QFileInfo::exists(QDir(timeOnly).filePath(u"track.csv"_s)));
    const QString bareText = pdfText(QDir(timeOnly).filePath(u"report.pdf"_s));
    EXPECT_TRUE(bareText.contains(english.noSensorData)) << bareText.toStdString();
    EXPECT_TRUE(bareText.contains(english.unknown)) << "the file name carries no date";
}

TEST_F(IncidentReportTest, NamesWithSpacesQuotesAndNonAsciiLettersWork)
{
    const QString trip = folder->filePath(u"드라이브 'trip' \"1\""_s);
    ASSERT_TRUE(QDir().mkpath(trip));
    const QString front = QDir(trip).filePath(u"사고 \"a\" 'b' 20261207_081500_F.mp4"_s);
    ASSERT_TRUE(QFile::copy(onCard(u"cont_rec/20261207_081500_F.mp4"_s), front));
    ASSERT_TRUE(QFile::copy(onCard(u"cont_rec/20261207_081500_R.mp4"_s),
                            QDir(trip).filePath(u"사고 \"a\" 'b' 20261207_081500_R.mp4"_s)));
    const QString dir = QDir(trip).filePath(u"보고서 'x' \"y\" #1"_s);
    const QJsonObject json =
        checkReport(report(front, dir, {u"--at"_s, u"5"_s, u"--before"_s, u"2"_s, u"--after"_s, u"2"_s}), dir, true);
    EXPECT_EQ(json.value(u"recording"_s).toString(), QFileInfo(front).fileName());
    EXPECT_TRUE(pdfText(QDir(dir).filePath(u"report.pdf"_s)).contains(u"사고"_s));
}

TEST_F(IncidentReportTest, TheRearFileOfAPairGivesTheReportOfTheFrontCamera)
{
    const QString dir = folder->filePath(u"from-rear"_s);
    const QJsonObject json = checkReport(report(onCard(u"cont_rec/20261207_081500_R.mp4"_s), dir,
                                                {u"--at"_s, u"3"_s, u"--before"_s, u"1"_s, u"--after"_s, u"1"_s}),
                                         dir, true);
    EXPECT_EQ(json.value(u"recording"_s).toString(), u"20261207_081500_F.mp4"_s);
    // The front clip is the front camera's picture (320 wide), the rear clip the rear camera's.
    EXPECT_EQ(QImage(QDir(dir).filePath(u"front.png"_s)).width(), 320);
}

TEST_F(IncidentReportTest, NothingOutsideTheCardReachesAReport)
{
    // The user's own video, outside the card, and a card whose files point at it.
    QTemporaryDir outside;
    QTemporaryDir card;
    const QString privateTs = outside.filePath(u"private.ts"_s);
    ASSERT_TRUE(TestRecordings::make(TestRecordings::picture(TestRecordings::RearSize) + TestRecordings::h264() +
                                     QStringList{u"-f"_s, u"mpegts"_s, u"-y"_s, privateTs}));
    ASSERT_TRUE(QDir(card.path()).mkpath(u"cont_rec"_s));
    const QString playlist = card.filePath(u"cont_rec/20261207_090000_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(playlist, "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2.0,\n" +
                                                        QFile::encodeName(privateTs) + "\n#EXT-X-ENDLIST\n"));
    const QString refused = folder->filePath(u"playlist-report"_s);
    const CliRun fromPlaylist = report(playlist, refused, {u"--at"_s, u"1"_s});
    EXPECT_EQ(fromPlaylist.status, 1);
    EXPECT_TRUE(fromPlaylist.err.contains(u"damaged"_s)) << fromPlaylist.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QDir(refused).filePath(u"front.mov"_s)));

    // A rear camera that is a link out of the card: the report holds the front camera alone.
    const QString front = card.filePath(u"cont_rec/20261207_081500_F.mp4"_s);
    ASSERT_TRUE(QFile::copy(onCard(u"cont_rec/20261207_081500_F.mp4"_s), front));
    ASSERT_TRUE(QFile::link(privateTs, card.filePath(u"cont_rec/20261207_081500_R.mp4"_s)));
    const QString dir = folder->filePath(u"linked-rear-report"_s);
    checkReport(report(front, dir, {u"--at"_s, u"3"_s, u"--before"_s, u"1"_s, u"--after"_s, u"1"_s}), dir, false);
}

TEST_F(IncidentReportTest, TakenFoldersAndWindowsOutsideTheRecordingAreRefusedBeforeAnyWork)
{
    const QString recording = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    const QString taken = folder->filePath(u"taken"_s);
    ASSERT_TRUE(QDir().mkpath(taken));
    ASSERT_TRUE(TestRecordings::writeFile(QDir(taken).filePath(u"mine.txt"_s), "keep"));
    const CliRun occupied = report(recording, taken);
    EXPECT_EQ(occupied.status, 2);
    EXPECT_TRUE(occupied.err.contains(u"already holds files"_s)) << occupied.err.toStdString();
    EXPECT_EQ(everything(taken), QStringList{u"mine.txt"_s});

    const QString outside = folder->filePath(u"outside"_s);
    const CliRun past = report(recording, outside, {u"--at"_s, u"100"_s, u"--after"_s, u"5"_s, u"--before"_s, u"5"_s});
    EXPECT_EQ(past.status, 2);
    EXPECT_TRUE(past.err.contains(u"outside the recording"_s)) << past.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(outside));

    EXPECT_EQ(run({u"incident"_s, recording}).status, 2) << "-o is needed";
    EXPECT_EQ(run({u"incident"_s, recording, u"-o"_s, outside, u"--before"_s, u"-1"_s}).status, 2);
    EXPECT_EQ(run({u"incident"_s, folder->filePath(u"missing.avi"_s), u"-o"_s, outside}).status, 1);
}

TEST_F(IncidentReportTest, AReadOnlyOrFullDestinationIsSaidAndLeavesNoReport)
{
    const QString recording = onCard(u"evt_rec/20261207_081600_EVT.avi"_s);
    {
        SmallFileSystem fs;
        if (!fs.isMounted()) {
            GTEST_SKIP() << fs.skipReason().toStdString();
        }
        const QStringList before = everything(fs.path());
        ASSERT_TRUE(fs.makeReadOnly());
        const CliRun readOnly = report(recording, fs.filePath(u"report"_s));
        EXPECT_EQ(readOnly.status, 1);
        EXPECT_TRUE(readOnly.err.contains(u"Read-only file system"_s)) << readOnly.err.toStdString();
        EXPECT_EQ(everything(fs.path()), before);
    }
    SmallFileSystem fs;
    ASSERT_TRUE(fs.isMounted());
    const QStringList before = everything(fs.path());
    ASSERT_TRUE(fs.fill());
    // Room for a little, not for the clips: the report fails part way through.
    QFile filler(fs.filePath(u"filler"_s));
    ASSERT_TRUE(filler.resize(filler.size() - 96 * 1024));
    const CliRun full = report(recording, fs.filePath(u"report"_s));
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(full.err.contains(u"No space left on device"_s)) << full.err.toStdString();
    QStringList expected = before + QStringList{u"filler"_s};
    expected.sort();
    EXPECT_EQ(everything(fs.path()), expected);
}
} // namespace
