#include "export/RecordingCopy.h"

#include "TestRecordings.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
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
} // namespace
