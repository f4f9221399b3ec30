// The sensor commands on a card whose recordings can no longer be read: unreadable input, exit 1,
// never an empty track reported as a success.
#include "CliRun.h"

#include "sensor/AviWriter.h"
#include "sensor/Mp4SubtitleWriter.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// A minute of the older cameras' records between stretches of picture bytes.
QByteArray recordingAvi()
{
    AviWriter avi;
    avi.beginList("hdrl").chunk("avih", QByteArray(56, '\0')).endList().beginList("movi");
    for (int second = 0; second < 60; ++second) {
        avi.chunk("00dc", QByteArray(4001, 'v'));
        for (int tenth = 0; tenth < 10; ++tenth) {
            avi.chunk("02tx", AviWriter::accelerationRecord(quint8(100 + tenth), 128, quint8(120 + second % 8)));
        }
        avi.textChunk(
            3, u"$GPRMC,0815%1.00,A,3734.1000,N,12658.2000,E,10.0,90.0,071226,,,A"_s.arg(second, 2, 10, QChar(u'0'))
                   .toLatin1());
    }
    return avi.endList().bytes();
}

QByteArray recordingMp4()
{
    QList<QByteArray> texts;
    for (int i = 0; i < 60; ++i) {
        texts.append(u"gsensori,1,128,%1,2,3"_s.arg(i).toLatin1());
    }
    return Mp4SubtitleWriter::file(texts, 2, false, 60000);
}

bool canRead(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && file.read(file.size()).size() == file.size();
}

TEST(FailingCardCommandsTest, RecordingsThatCannotBeReadExitOneInsteadOfGivingAnEmptyTrack)
{
    SmallFileSystem card;
    if (!card.isMounted()) {
        GTEST_SKIP() << card.skipReason().toStdString();
    }
    const QString avi = card.filePath(u"20261207_081500_F.avi"_s);
    const QString mp4 = card.filePath(u"20261207_081600_F.mp4"_s);
    for (const auto &[path, bytes] : {std::pair{avi, recordingAvi()}, std::pair{mp4, recordingMp4()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const QList<QStringList> commands{{u"track"_s}, {u"track"_s, u"--quick"_s}, {u"export"_s, u"csv"_s}};
    // Readable, they have tracks.
    for (const QString &path : {avi, mp4}) {
        for (const QStringList &command : commands) {
            const CliRun readable = run(command + QStringList{path});
            SCOPED_TRACE(path.toStdString() + ' ' + command.join(u' ').toStdString());
            ASSERT_EQ(readable.status, 0) << readable.err.toStdString();
            // The player's own load reads an MP4's track from its converted subtitle file.
            if (command.constFirst() == u"track"_s && (path == avi || command.size() == 2)) {
                EXPECT_GT(readable.json().value(u"clipDataCount"_s).toInt(), 0);
            }
        }
    }
    if (!card.failFromFiles({u"20261207_081500_F.avi"_s, u"20261207_081600_F.mp4"_s}) || canRead(avi) || canRead(mp4)) {
        GTEST_SKIP() << "the card's image could not be made to fail";
    }
    for (const QString &path : {avi, mp4}) {
        for (const QStringList &command : commands) {
            const CliRun failed = run(command + QStringList{path});
            SCOPED_TRACE(path.toStdString() + ' ' + command.join(u' ').toStdString());
            EXPECT_EQ(failed.status, 1) << failed.out.toStdString();
            EXPECT_TRUE(failed.err.contains(u"cannot read"_s)) << failed.err.toStdString();
            EXPECT_TRUE(failed.out.isEmpty());
        }
    }
}

TEST(FailingCardCommandsTest, ARecordingReadUpToAFailingStretchGivesTheSamplesBeforeItAndSaysWhere)
{
    SmallFileSystem card;
    if (!card.isMounted()) {
        GTEST_SKIP() << card.skipReason().toStdString();
    }
    const QString avi = card.filePath(u"20261207_081500_F.avi"_s);
    const QByteArray bytes = recordingAvi();
    QFile file(avi);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    if (!card.failFromFiles({u"20261207_081500_F.avi"_s}, bytes.size() / 2) || canRead(avi)) {
        GTEST_SKIP() << "the card's image could not be made to fail";
    }
    const CliRun quick = run({u"track"_s, u"--quick"_s, avi});
    ASSERT_EQ(quick.status, 0) << quick.err.toStdString();
    const int samples = quick.json().value(u"clipDataCount"_s).toInt();
    EXPECT_GT(samples, 100);
    EXPECT_LT(samples, 600);
    const qint64 stoppedAt = quick.json().value(u"stoppedAt"_s).toInteger();
    EXPECT_GE(stoppedAt, bytes.size() / 4);
    EXPECT_LT(stoppedAt, bytes.size());
    EXPECT_TRUE(quick.json().value(u"note"_s).toString().contains(QString::number(stoppedAt)));

    const CliRun exported = run({u"export"_s, u"csv"_s, avi});
    EXPECT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out.count(u'\n'), samples + 1) << "a header and a line a sample";
    EXPECT_TRUE(exported.err.contains(QString::number(stoppedAt))) << exported.err.toStdString();

    // The trips read it too, but do not keep the part read as the recording's track: the card may
    // read whole next time.
    const CliRun trips = run({u"trips"_s, card.filePath(QString())});
    EXPECT_EQ(trips.status, 0) << trips.err.toStdString();
    QStringList cached;
    for (QDirIterator it(qEnvironmentVariable("XDG_CACHE_HOME"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        cached << it.next();
    }
    EXPECT_TRUE(cached.isEmpty()) << cached.join(u", "_s).toStdString();
}
} // namespace
