#include "library/RecordingScan.h"

#include "library/RecordingLibrary.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// A card is a file system someone else made: links, pipes and deep folders must neither hang the
// list, nor walk the whole machine, nor list a recording twice.
class RecordingScanTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(card.path())); }

    void touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QStringList names()
    {
        library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.path()));
        QStringList result;
        for (const QUrl &file : library.filteredVideoFileList()) {
            result.append(QDir(card.path()).relativeFilePath(file.toLocalFile()));
        }
        return result;
    }

    QTemporaryDir scratch;
    QDir card{scratch.filePath(u"card"_s)};
    RecordingLibrary library;
};

TEST_F(RecordingScanTest, LinksAreFollowedOnlyToFoldersInsideTheCard)
{
    touch(card.filePath(u"cont_rec/a_F.mp4"_s));
    touch(card.filePath(u"cont_rec/a_R.mp4"_s));
    touch(card.filePath(u"archive/old.mp4"_s));
    touch(scratch.filePath(u"outside/secret.mp4"_s));
    ASSERT_TRUE(card.mkpath(u"sos_rec"_s));
    // A linked category folder: its recordings are the ones already listed, once each, still paired.
    ASSERT_TRUE(QFile::link(card.filePath(u"cont_rec"_s), card.filePath(u"motion_rec"_s)));
    // Links out of the card: to the whole file system and to a folder beside the card.
    ASSERT_TRUE(QFile::link(u"/"_s, card.filePath(u"cont_rec/root"_s)));
    ASSERT_TRUE(QFile::link(scratch.filePath(u"outside"_s), card.filePath(u"evt_rec"_s)));
    // A link to a folder inside the card is listed under its own path; links to files are not.
    ASSERT_TRUE(QFile::link(u"../archive"_s, card.filePath(u"cont_rec/more"_s)));
    ASSERT_TRUE(QFile::link(card.filePath(u"archive/old.mp4"_s), card.filePath(u"cont_rec/old_link.mp4"_s)));
    ASSERT_TRUE(QFile::link(scratch.filePath(u"outside/secret.mp4"_s), card.filePath(u"sos_rec/secret.mp4"_s)));

    EXPECT_EQ(names(), (QStringList{u"cont_rec/a_F.mp4"_s, u"cont_rec/a_R.mp4"_s, u"cont_rec/more/old.mp4"_s}));
    EXPECT_EQ(library.partnerRow(0), 1);
    EXPECT_EQ(library.partnerRow(1), 0);
}

TEST_F(RecordingScanTest, AFolderReachedTwiceIsListedOnceAndLoopsEnd)
{
    touch(card.filePath(u"root.mp4"_s));
    touch(card.filePath(u"cont_rec/x/b.mp4"_s));
    ASSERT_TRUE(QFile::link(card.path(), card.filePath(u"parking_rec"_s)));
    ASSERT_TRUE(QFile::link(card.filePath(u"cont_rec"_s), card.filePath(u"cont_rec/x/up"_s)));
    ASSERT_TRUE(QFile::link(card.filePath(u"cont_rec/x"_s), card.filePath(u"option_rec"_s)));
    EXPECT_EQ(names(), (QStringList{u"cont_rec/x/b.mp4"_s, u"root.mp4"_s}));
}

TEST_F(RecordingScanTest, PipesDevicesAndBrokenLinksAreNoRecordings)
{
    touch(card.filePath(u"cont_rec/real.mp4"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(card.filePath(u"cont_rec/pipe.mp4"_s)).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(card.filePath(u"evt_rec"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(card.filePath(u"missing"_s), card.filePath(u"cont_rec/broken.mp4"_s)));
    ASSERT_TRUE(QFile::link(card.filePath(u"missing"_s), card.filePath(u"manual_rec"_s)));
    EXPECT_EQ(names(), QStringList{u"cont_rec/real.mp4"_s});
}

TEST_F(RecordingScanTest, DeepFoldersAreListedToABoundedDepth)
{
    // A file at every level of a chain of folders far deeper than the bound: only the levels
    // within it are listed.
    const int levels = RecordingScan::kMaxDepth + 40;
    QString path = card.filePath(u"cont_rec"_s);
    for (int level = 0; level <= levels; ++level) {
        touch(path + u"/level%1.mp4"_s.arg(level, 3, 10, QChar(u'0')));
        path += u"/d"_s;
    }
    const QStringList listed = names();
    ASSERT_EQ(listed.size(), RecordingScan::kMaxDepth + 1);
    EXPECT_TRUE(listed.first().endsWith(u"level000.mp4"_s));
    EXPECT_TRUE(listed.last().endsWith(u"level%1.mp4"_s.arg(RecordingScan::kMaxDepth, 3, 10, QChar(u'0'))));
}

TEST(RecordingScanNamesTest, AcceptsTheThreeExtensionsInAnyCase)
{
    for (const QString &name : {u"a.avi"_s, u"a.MP4"_s, u"a.Mov"_s, u"a.b.mp4"_s, u".mp4.avi"_s}) {
        EXPECT_TRUE(RecordingScan::isRecordingName(name)) << name.toStdString();
    }
    for (const QString &name : {u"a.mkv"_s, u"mp4"_s, u"a.mp4."_s, u"a.mp44"_s, u"a.mp"_s, u"a.ávi"_s}) {
        EXPECT_FALSE(RecordingScan::isRecordingName(name)) << name.toStdString();
    }
}
} // namespace
