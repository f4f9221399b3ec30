// A recording whose name is not UTF-8 (a card written by another system) is named by the file
// system's own bytes all the way: the tool's arguments, the snapshot and the incident report.
#include "CliRun.h"
#include "core/LocalPath.h"
#include "demo/DemoCard.h"

#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
class NonUtf8NamesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        made = DemoCard::generate(folder->filePath(u"card"_s));
        // The demo card's first pair, renamed with a byte that is not UTF-8 where another
        // recording of the card has the character Qt decodes such a byte to.
        const QByteArray cont = QFile::encodeName(folder->filePath(u"card/cont_rec"_s));
        for (const char *camera : {"F", "R"}) {
            const QByteArray from = cont + "/20261207_081500_" + camera + ".mp4";
            const QByteArray to = cont + "/20261207_081500\x80_" + camera + ".mp4";
            ::rename(from.constData(), to.constData());
        }
    }
    static void TearDownTestSuite()
    {
        const QByteArray cont = QFile::encodeName(folder->filePath(u"card/cont_rec"_s));
        for (const char *camera : {"F", "R"}) {
            const QByteArray odd = cont + "/20261207_081500\x80_" + camera + ".mp4";
            ::unlink(odd.constData());
        }
        folder.reset();
    }
    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_TRUE(made.ok) << made.error.toStdString();
    }
    static QByteArray oddFront()
    {
        return QFile::encodeName(folder->filePath(u"card/cont_rec"_s)) + "/20261207_081500\x80_F.mp4";
    }
    static QString working() { return folder->filePath(u"work"_s); }

    // Runs the real velmora-cli with ARGUMENTS, where "@" stands for the odd recording's own bytes
    // (handed over through the shell, as a terminal would, not through Qt's text).
    static std::pair<int, QString> runTool(const QStringList &arguments)
    {
        qputenv("VELMORA_TEST_RECORDING", oddFront());
        QString script = u"exec \"$0\""_s;
        QStringList positional{QStringLiteral(VELMORA_CLI)};
        for (const QString &argument : arguments) {
            if (argument == u"@") {
                script += u" \"$VELMORA_TEST_RECORDING\""_s;
            } else {
                positional.append(argument);
                script += u" \"${"_s + QString::number(positional.size() - 1) + u"}\""_s;
            }
        }
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(u"/bin/sh"_s, QStringList{u"-c"_s, script} + positional);
        tool.waitForFinished(300000);
        qunsetenv("VELMORA_TEST_RECORDING");
        return {tool.exitCode(), QString::fromUtf8(tool.readAll())};
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline DemoCard::Result made;
};

TEST_F(NonUtf8NamesTest, TheToolReadsTheRecordingByItsOwnBytes)
{
    const QString path = LocalPath::decode(oddFront());
    ASSERT_FALSE(LocalPath::isLossless(path));
    // The same bytes under a plain name read the same, and the quick read finds the samples.
    const QString plain = folder->filePath(u"plain_F.mp4"_s);
    ASSERT_EQ(::link(oddFront().constData(), QFile::encodeName(plain).constData()), 0);
    for (const QStringList &options : {QStringList(), QStringList{u"--quick"_s}}) {
        const CliRun track = run(QStringList{u"track"_s} + options + QStringList{path});
        ASSERT_EQ(track.status, 0) << track.err.toStdString();
        EXPECT_EQ(track.json(), run(QStringList{u"track"_s} + options + QStringList{plain}).json());
    }
    EXPECT_FALSE(run({u"track"_s, u"--quick"_s, path}).json().value(u"samples"_s).toArray().isEmpty());

    const QString png = folder->filePath(u"odd.png"_s);
    const CliRun shot = run({u"snapshot"_s, path, u"2"_s, u"-o"_s, png, u"--working-folder"_s, working()});
    ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
    EXPECT_TRUE(QFileInfo(png).size() > 0);
}

TEST_F(NonUtf8NamesTest, SnapshotAndIncidentFromTheCommandLine)
{
    const QString png = folder->filePath(u"child.png"_s);
    const auto [shotStatus, shotOutput] =
        runTool({u"snapshot"_s, u"@"_s, u"2"_s, u"-o"_s, png, u"--working-folder"_s, working()});
    ASSERT_EQ(shotStatus, 0) << shotOutput.toStdString();
    EXPECT_TRUE(QFileInfo(png).size() > 0);

    const QString report = folder->filePath(u"report"_s);
    const auto [status, output] = runTool({u"incident"_s, u"@"_s, u"--at"_s, u"5"_s, u"--before"_s, u"2"_s,
                                           u"--after"_s, u"2"_s, u"-o"_s, report, u"--working-folder"_s, working()});
    ASSERT_EQ(status, 0) << output.toStdString();
    EXPECT_FALSE(output.contains(u"no such file"_s));
    EXPECT_FALSE(QDir(report).isEmpty());
}
} // namespace
