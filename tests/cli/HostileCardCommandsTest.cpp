// velmora-cli on cards and outputs the user did not make: a full file system, links, pipes,
// devices and another camera's settings record.
#include "CliRun.h"

#include "sensor/AviWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"
#include "support/TestFiles.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString Record = u"SETTING/setup.cfg"_s;

class HostileCardCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // No language was ever chosen, as for anyone who only ever ran the tool.
        TestSettings::reset();
        QList<SubtitleFileWriter::Entry> entries;
        for (int i = 0; i < 100; ++i) {
            entries.append(
                {i * 100, i * 100 + 50, u"gsensori,1,128,1,2,3;GPRMC,000000,A,3723.4567,N,12658.1234,E,10.0"_s});
        }
        subtitles = card.write(u"clip.srt"_s, SubtitleFileWriter::file(entries));
    }

    static QByteArray readAll(const QString &path) { return TestFiles::readAll(path); }

    static bool isRegular(const QString &path)
    {
        struct stat status
        {
        };
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
    }

    // Runs the tool on its own thread; a run still stuck after a few seconds fails the test, and
    // the pipes in FIFOS are then opened for writing to let it go.
    static std::optional<CliRun> runPromptly(const QStringList &arguments, const QStringList &fifos)
    {
        std::future<CliRun> done = std::async(std::launch::async, [arguments] { return run(arguments); });
        if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
            return done.get();
        }
        while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
            for (const QString &fifo : fifos) {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                }
            }
        }
        return std::nullopt;
    }

    CardFolder card;
    QString subtitles;
};

TEST_F(HostileCardCommandsTest, AFullCardOrDiskFailsWithStatusOneAndKeepsTheOldFiles)
{
    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    const QByteArray record = CardFolder::record(215, "QB62", 215);
    QDir().mkpath(fs.filePath(u"SETTING"_s));
    const QString recordPath = fs.filePath(Record);
    const QString output = fs.filePath(u"route.csv"_s);
    for (const auto &[path, bytes] : {std::pair{recordPath, record}, std::pair{output, QByteArray("old route\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    ASSERT_TRUE(fs.fill());

    const CliRun load = run({u"record"_s, u"load"_s, fs.path()});
    EXPECT_EQ(load.status, 1);
    EXPECT_TRUE(load.out.isEmpty());
    EXPECT_EQ(readAll(recordPath), record);
    // Told in the language the viewer would use, not as Korean keys.
    EXPECT_TRUE(load.err.contains(u"Memory Card Error"_s)) << load.err.toStdString();

    const CliRun exported = run({u"export"_s, u"csv"_s, subtitles, u"-o"_s, output});
    EXPECT_EQ(exported.status, 1);
    EXPECT_TRUE(exported.out.isEmpty());
    EXPECT_FALSE(exported.err.isEmpty());
    EXPECT_EQ(readAll(output), QByteArray("old route\n"));
}

TEST_F(HostileCardCommandsTest, ExportNeverReplacesPipesDevicesOrLinks)
{
    const QString pipe = card.filePath(u"pipe.csv"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString target = card.write(u"keep.csv"_s, "keep");
    const QString link = card.filePath(u"link.csv"_s);
    ASSERT_TRUE(QFile::link(target, link));
    QStringList outputs{pipe, link};
    const QString device = card.filePath(u"null.csv"_s);
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        outputs.append(device);
    }
    for (const QString &output : outputs) {
        const std::optional<CliRun> result = runPromptly({u"export"_s, u"csv"_s, subtitles, u"-o"_s, output}, {pipe});
        ASSERT_TRUE(result) << output.toStdString();
        EXPECT_EQ(result->status, 2) << output.toStdString();
        EXPECT_TRUE(result->err.contains(u"refusing"_s)) << result->err.toStdString();
        EXPECT_FALSE(isRegular(output)) << output.toStdString();
    }
    EXPECT_EQ(readAll(target), QByteArray("keep"));
}

TEST_F(HostileCardCommandsTest, RecordLoadNeitherReadsNorReplacesALinkedRecord)
{
    CardFolder elsewhere;
    const QByteArray theirs = CardFolder::record(432, "QB62", 432);
    const QString target = elsewhere.write(u"target.cfg"_s, theirs);
    QDir().mkpath(card.filePath(u"SETTING"_s));
    ASSERT_TRUE(QFile::link(target, card.filePath(Record)));

    for (const QStringList &arguments : {QStringList{u"record"_s, u"load"_s, card.path()},
                                         QStringList{u"record"_s, u"load"_s, card.path(), u"--model"_s, u"1"_s}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.contains(u"is a link"_s)) << result.err.toStdString();
        EXPECT_TRUE(QFileInfo(card.filePath(Record)).isSymLink());
        EXPECT_EQ(readAll(target), theirs);
    }
}

TEST_F(HostileCardCommandsTest, PipesOnTheCardNeverHangTheTool)
{
    QDir().mkpath(card.filePath(u"SETTING/lang"_s));
    const QString record = card.filePath(Record);
    const QString languages = card.filePath(u"SETTING/lang/ver.dat"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(languages).constData(), 0600), 0);

    const std::optional<CliRun> info = runPromptly({u"card"_s, u"info"_s, card.path()}, {record, languages});
    ASSERT_TRUE(info);
    EXPECT_EQ(info->status, 0);
    EXPECT_EQ(info->json().value(u"modelType"_s).toInt(), -1);

    const std::optional<CliRun> load =
        runPromptly({u"record"_s, u"load"_s, card.path(), u"--model"_s, u"1"_s}, {record, languages});
    ASSERT_TRUE(load);
    EXPECT_EQ(load->status, 1);
    EXPECT_TRUE(load->err.contains(u"not a regular file"_s)) << load->err.toStdString();
    EXPECT_FALSE(isRegular(record));
}

TEST_F(HostileCardCommandsTest, TripsNameTheRecordingsTheyLeaveOutAndAMissingCardFails)
{
    AviWriter avi;
    avi.beginList("movi").textChunk(2, "gsensor,1,2,3");
    avi.textChunk(2, "GNRMC,080000.00,A,3734.1000,N,12658.2000,E,20.0,0,071226,,,A");
    card.write(u"cont_rec/20261207_080000_F.avi"_s, avi.bytes());
    const QString badMonth = card.write(u"cont_rec/20261307_080000_F.avi"_s, avi.bytes());
    const CliRun trips = run({u"trips"_s, card.path(), u"--no-cache"_s});
    ASSERT_EQ(trips.status, 0) << trips.err.toStdString();
    EXPECT_EQ(trips.json().value(u"trips"_s).toArray().size(), 1);
    const QJsonArray skipped = trips.json().value(u"skipped"_s).toArray();
    ASSERT_EQ(skipped.size(), 1);
    EXPECT_EQ(QFileInfo(skipped.at(0)[u"path"_s].toString()).fileName(), QFileInfo(badMonth).fileName());
    EXPECT_EQ(skipped.at(0)[u"reason"_s].toString(), u"its name gives no valid date and time"_s);

    const CliRun gone = run({u"trips"_s, card.path() + u"/gone"_s});
    EXPECT_EQ(gone.status, 1);
    EXPECT_TRUE(gone.out.isEmpty());
}

TEST_F(HostileCardCommandsTest, AnotherCamerasRecordIsOnlyRewrittenForAChosenModel)
{
    QByteArray foreign = CardFolder::record(25, "OTHERCAM-7", 1234);
    foreign[24] = 'z';
    card.write(Record, foreign);

    const CliRun load = run({u"record"_s, u"load"_s, card.path()});
    EXPECT_EQ(load.status, 0) << load.err.toStdString();
    EXPECT_EQ(load.json().value(u"product_name"_s).toString(), u"OTHERCAM-7"_s);
    EXPECT_TRUE(load.err.contains(u"not rewritten"_s)) << load.err.toStdString();
    EXPECT_EQ(card.read(Record), foreign);

    const CliRun chosen = run({u"record"_s, u"load"_s, card.path(), u"--model"_s, u"QB62"_s});
    EXPECT_EQ(chosen.status, 0) << chosen.err.toStdString();
    EXPECT_EQ(card.read(Record).size(), 432);
}
} // namespace
