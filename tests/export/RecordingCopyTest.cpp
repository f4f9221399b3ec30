#include "export/RecordingCopy.h"

#include "TestRecordings.h"
#include "core/Preferences.h"

#include "export/RecordingCopyJob.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray everyByteValue(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        bytes.append(char(i * 7));
    }
    return bytes;
}

QStringList filesIn(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(RecordingCopyTest, CopiesTheRecordingByteForByteAndReplacesTheChosenFile)
{
    QTemporaryDir folder;
    // More than one copy block, with every byte value.
    QByteArray bytes;
    for (int i = 0; i < 3 * 1024 * 1024 + 7; ++i) {
        bytes.append(char(i * 7));
    }
    const QString source = folder.filePath(u"20261207_F.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(source, bytes));
    const QString destination = folder.filePath(u"copy #1 ü.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(destination, "an older copy"));

    QString error;
    EXPECT_TRUE(RecordingCopy::save(source, destination, &error)) << error.toStdString();
    EXPECT_EQ(TestRecordings::readFile(destination), bytes);
    EXPECT_EQ(TestRecordings::readFile(source), bytes);
    // Nothing else is left in the folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(RecordingCopyTest, AFailedCopySaysWhyAndKeepsWhatWasThere)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(u"clip.avi"_s);
    ASSERT_TRUE(TestRecordings::writeFile(source, "RIFF"));
    const QString kept = folder.filePath(u"kept.avi"_s);
    ASSERT_TRUE(TestRecordings::writeFile(kept, "the user's own file"));

    QString error;
    EXPECT_FALSE(RecordingCopy::save(folder.filePath(u"gone.avi"_s), kept, &error));
    EXPECT_TRUE(error.contains(u"gone.avi"_s)) << error.toStdString();
    EXPECT_EQ(TestRecordings::readFile(kept), "the user's own file");

    error.clear();
    EXPECT_FALSE(RecordingCopy::save(source, folder.filePath(u"no/such/folder/clip.avi"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder is not a recording.
    EXPECT_FALSE(RecordingCopy::save(folder.path(), kept));
    EXPECT_EQ(TestRecordings::readFile(kept), "the user's own file");
}

TEST(RecordingCopyTest, ACancelledCopyLeavesNothingAndKeepsWhatWasThere)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(u"clip.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(source, everyByteValue(3 * 1024 * 1024)));
    const QString kept = folder.filePath(u"kept.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(kept, "the user's own file"));

    RecordingCopy copy(source, kept);
    ASSERT_TRUE(copy.open()) << copy.errorString().toStdString();
    std::atomic_bool cancelled = false;
    QList<qint64> reports;
    EXPECT_FALSE(copy.copy(
        [&](qint64 copied, qint64 total) {
            reports.append(copied);
            EXPECT_EQ(total, 3 * 1024 * 1024);
            cancelled = true;
        },
        &cancelled));
    EXPECT_EQ(reports, QList<qint64>{1024 * 1024}) << "stopped after the block under way";
    EXPECT_TRUE(copy.wasCancelled());
    EXPECT_TRUE(copy.errorString().isEmpty()) << "a cancel is no failure to report";
    EXPECT_EQ(TestRecordings::readFile(kept), "the user's own file");
    EXPECT_EQ(filesIn(folder), (QStringList{u"clip.mp4"_s, u"kept.mp4"_s}));
}

TEST(RecordingCopyTest, TheJobCopiesOnAWorkerReportingItsShareAndSaysWhyItFailsInTheUsersLanguage)
{
    TestSettings::reset();
    Preferences::storeLanguage(u"fr"_s);
    QTemporaryDir folder;
    const QByteArray bytes = everyByteValue(2 * 1024 * 1024 + 3);
    const QString source = folder.filePath(u"clip.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(source, bytes));

    RecordingCopyJob job;
    QSignalSpy progressed(&job, &RecordingCopyJob::progressed);
    QSignalSpy finished(&job, &RecordingCopyJob::finished);
    ASSERT_TRUE(job.start(source, folder.filePath(u"copy.mp4"_s))) << job.errorString().toStdString();
    EXPECT_TRUE(job.isRunning());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(job.wasSaved());
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(job.share(), 1.0);
    EXPECT_GE(progressed.size(), 1);
    EXPECT_EQ(TestRecordings::readFile(folder.filePath(u"copy.mp4"_s)), bytes);

    RecordingCopyJob missing;
    EXPECT_FALSE(missing.start(folder.filePath(u"gone.mp4"_s), folder.filePath(u"other.mp4"_s)));
    EXPECT_TRUE(missing.errorString().startsWith(u"Impossible de lire "_s + folder.filePath(u"gone.mp4"_s)))
        << missing.errorString().toStdString();
    EXPECT_EQ(filesIn(folder), (QStringList{u"clip.mp4"_s, u"copy.mp4"_s}));
    TestSettings::reset();
}

TEST(RecordingCopyTest, AJobEndedHalfWayLeavesEitherTheWholeCopyOrNothing)
{
    QTemporaryDir folder;
    const QByteArray bytes = everyByteValue(48 * 1024 * 1024);
    const QString source = folder.filePath(u"clip.mp4"_s);
    ASSERT_TRUE(TestRecordings::writeFile(source, bytes));
    for (const bool destroyed : {false, true}) {
        auto job = std::make_unique<RecordingCopyJob>();
        QSignalSpy finished(job.get(), &RecordingCopyJob::finished);
        ASSERT_TRUE(job->start(source, folder.filePath(u"copy.mp4"_s)));
        if (destroyed) {
            job.reset(); // as when the program quits during the copy
        } else {
            job->cancel();
            ASSERT_TRUE(finished.wait(30000));
            EXPECT_FALSE(job->wasSaved() && job->wasCancelled());
            EXPECT_TRUE(job->errorString().isEmpty());
        }
        const QStringList left = filesIn(folder);
        if (left.contains(u"copy.mp4"_s)) {
            EXPECT_EQ(TestRecordings::readFile(folder.filePath(u"copy.mp4"_s)), bytes);
            QFile::remove(folder.filePath(u"copy.mp4"_s));
        }
        EXPECT_EQ(filesIn(folder), QStringList{u"clip.mp4"_s}) << "no partial copy left";
    }
}

TEST(RecordingCopyTest, TheTimeLeftFollowsThePaceSoFar)
{
    struct Row
    {
        qint64 copied;
        qint64 total;
        qint64 elapsedMs;
        int secondsLeft;
    };
    const qint64 mb = 1024 * 1024;
    const Row rows[] = {
        {0, 1000 * mb, 5000, -1},       // nothing copied yet
        {2 * mb, 1000 * mb, 900, -1},   // too soon to judge
        {2 * mb, 1000 * mb, 1000, 499}, // 2 MB a second
        {999 * mb + 1, 1000 * mb, 499500, 1},
        {1000 * mb, 1000 * mb, 500000, 0},
        {1200 * mb, 1000 * mb, 1000, 0}, // the file grew while copied
    };
    for (const Row &row : rows) {
        EXPECT_EQ(RecordingCopyJob::secondsLeft(row.copied, row.total, row.elapsedMs), row.secondsLeft)
            << row.copied << " of " << row.total << " in " << row.elapsedMs << " ms";
    }
}
} // namespace
