// The folder a report is written into: nothing shows under the chosen name until the report is
// complete, a failed one leaves nothing behind, and a folder holding files is never used.
#include "incident/ReportFolder.h"

#include "support/SmallFileSystem.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using TestFiles::writeFile;

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}
} // namespace

TEST(ReportFolderTest, TheReportAppearsUnderItsNameOnlyWhenCommitted)
{
    QTemporaryDir parent;
    const QString target = parent.filePath(u"사고 'report' \"1\""_s);
    {
        ReportFolder folder(target);
        QString error;
        ASSERT_TRUE(folder.prepare(&error)) << error.toStdString();
        ASSERT_TRUE(writeFile(folder.filePath(u"report.json"_s), "{}"));
        EXPECT_FALSE(QFileInfo::exists(target)) << "nothing under the chosen name while writing";
        ASSERT_TRUE(folder.commit(&error)) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(QDir(target).filePath(u"report.json"_s)));
    EXPECT_EQ(everything(parent.path()), QStringList{QFileInfo(target).fileName()}) << "no hidden folder left";
}

TEST(ReportFolderTest, AnUnfinishedReportIsRemovedAndAnEmptyChosenFolderTakesTheReport)
{
    QTemporaryDir parent;
    const QString target = parent.filePath(u"report"_s);
    ASSERT_TRUE(QDir().mkdir(target)) << "the user made an empty folder for it";
    {
        ReportFolder folder(target);
        QString error;
        ASSERT_TRUE(folder.prepare(&error)) << error.toStdString();
        ASSERT_TRUE(writeFile(folder.filePath(u"front.mov"_s), "half"));
        // Destroyed without commit: the run failed.
    }
    EXPECT_EQ(everything(parent.path()), QStringList{u"report"_s});
    EXPECT_TRUE(everything(target).isEmpty());

    ReportFolder again(target);
    QString error;
    ASSERT_TRUE(again.prepare(&error));
    ASSERT_TRUE(writeFile(again.filePath(u"report.pdf"_s), "%PDF"));
    ASSERT_TRUE(again.commit(&error)) << error.toStdString();
    EXPECT_EQ(everything(target), QStringList{u"report.pdf"_s});
}

TEST(ReportFolderTest, FoldersWithFilesFilesLinksAndMissingParentsAreRefused)
{
    QTemporaryDir parent;
    const QString full = parent.filePath(u"full"_s);
    ASSERT_TRUE(QDir().mkdir(full));
    ASSERT_TRUE(writeFile(QDir(full).filePath(u".hidden"_s), "mine"));
    const QString file = parent.filePath(u"file"_s);
    ASSERT_TRUE(writeFile(file, "x"));
    const QString link = parent.filePath(u"link"_s);
    ASSERT_TRUE(QFile::link(parent.filePath(u"elsewhere"_s), link));

    for (const QString &target : {full, file, link, parent.filePath(u"missing/report"_s)}) {
        ReportFolder folder(target);
        QString error;
        EXPECT_FALSE(folder.prepare(&error)) << target.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(everything(full), QStringList{u".hidden"_s}) << "the user's file stays";

    // Filled while the report was being written: the files there are not replaced.
    const QString late = parent.filePath(u"late"_s);
    ReportFolder folder(late);
    QString error;
    ASSERT_TRUE(folder.prepare(&error));
    ASSERT_TRUE(QDir().mkdir(late));
    ASSERT_TRUE(writeFile(QDir(late).filePath(u"theirs"_s), "x"));
    EXPECT_FALSE(folder.commit(&error));
    EXPECT_EQ(everything(late), QStringList{u"theirs"_s});
    EXPECT_FALSE(everything(parent.path()).join(u' ').contains(u".late"_s)) << "the unfinished report is gone";
}

TEST(ReportFolderTest, AReadOnlyDestinationIsSaidBeforeAnythingIsWritten)
{
    SmallFileSystem fs;
    if (!fs.isMounted()) {
        GTEST_SKIP() << fs.skipReason().toStdString();
    }
    ASSERT_TRUE(fs.makeReadOnly());
    ReportFolder folder(fs.filePath(u"report"_s));
    QString error;
    EXPECT_FALSE(folder.prepare(&error));
    EXPECT_TRUE(error.contains(u"Read-only file system"_s)) << error.toStdString();
    EXPECT_TRUE(error.contains(fs.path())) << error.toStdString();
}
