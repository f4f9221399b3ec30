#include "library/RecordingLibrary.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class RecordingLibraryTest : public ::testing::Test
{
protected:
    // Creates an empty file (and its folders) under the card root.
    void touch(const QString &relative)
    {
        const QString path = card.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList names(uint filter)
    {
        library.setVideoFileFilter(filter);
        library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.path()));
        QStringList result;
        for (const QUrl &file : library.filteredVideoFileList()) {
            result.append(QDir(card.path()).relativeFilePath(file.toLocalFile()));
        }
        return result;
    }

    QTemporaryDir card;
    RecordingLibrary library;
};

TEST_F(RecordingLibraryTest, FindsRecordingsInTheCardLayoutOnly)
{
    touch(u"root.mp4"_s);
    touch(u"cont_rec/2024/05/deep.avi"_s);
    touch(u"elsewhere/ignored.mp4"_s);
    touch(u"sub/cont_rec_lookalike/ignored.mp4"_s);
    touch(u"cont_rec/CLIP.MP4"_s);
    touch(u"cont_rec/clip.Avi"_s);
    touch(u"cont_rec/clip.mov"_s);
    touch(u"cont_rec/clip.mkv"_s);
    touch(u"cont_rec/.hidden.mp4"_s);
    touch(u"cont_rec/noextension"_s);
    QDir(card.path()).mkpath(u"cont_rec/folder.mp4"_s);

    EXPECT_EQ(names(RecordingLibrary::AllFiles),
              (QStringList{u"cont_rec/CLIP.MP4"_s, u"cont_rec/clip.Avi"_s, u"cont_rec/clip.mov"_s,
                           u"cont_rec/2024/05/deep.avi"_s, u"root.mp4"_s}));
}

TEST_F(RecordingLibraryTest, FilterButtonsSelectByFolder)
{
    touch(u"root.mp4"_s);
    touch(u"cont_rec/a.mp4"_s);
    touch(u"motion_rec/b.mp4"_s);
    touch(u"motion_timelapse_rec/c.mp4"_s);
    touch(u"evt_rec/d.mp4"_s);
    touch(u"parking_rec/e.mp4"_s);
    touch(u"manual_rec/f.mp4"_s);
    touch(u"option_rec/g.mp4"_s);
    touch(u"sos_rec/h.mp4"_s);
    touch(u"Saved_Videos/i.mp4"_s);

    EXPECT_EQ(names(RecordingLibrary::AlwaysFiles), QStringList{u"cont_rec/a.mp4"_s});
    EXPECT_EQ(names(RecordingLibrary::MotionFiles),
              (QStringList{u"motion_rec/b.mp4"_s, u"motion_timelapse_rec/c.mp4"_s}));
    EXPECT_EQ(names(RecordingLibrary::EventFiles), (QStringList{u"evt_rec/d.mp4"_s, u"parking_rec/e.mp4"_s}));
    EXPECT_EQ(names(RecordingLibrary::ManualFiles),
              (QStringList{u"manual_rec/f.mp4"_s, u"option_rec/g.mp4"_s, u"sos_rec/h.mp4"_s}));
    EXPECT_EQ(names(RecordingLibrary::AllFiles).size(), 10);
    EXPECT_EQ(names(9).size(), 10) << "an unknown filter shows everything";
    EXPECT_EQ(library.videoFileFilterGroupA(), 9u);
}

TEST_F(RecordingLibraryTest, SavedCopiesComeFirstThenNamesByteForByte)
{
    touch(u"cont_rec/a.mp4"_s);
    touch(u"cont_rec/B.mp4"_s);
    touch(u"Saved_Videos/z.mp4"_s);
    touch(u"Saved_Videos/Y.mp4"_s);
    touch(u"evt_rec/10.mp4"_s);
    touch(u"evt_rec/9.mp4"_s);
    EXPECT_EQ(names(RecordingLibrary::AllFiles),
              (QStringList{u"Saved_Videos/Y.mp4"_s, u"Saved_Videos/z.mp4"_s, u"evt_rec/10.mp4"_s, u"evt_rec/9.mp4"_s,
                           u"cont_rec/B.mp4"_s, u"cont_rec/a.mp4"_s}));
}

TEST_F(RecordingLibraryTest, PairsFrontAndRearMp4Files)
{
    touch(u"cont_rec/X_F.mp4"_s);
    touch(u"cont_rec/X_R.mp4"_s);
    touch(u"cont_rec/Y_F.avi"_s);
    touch(u"cont_rec/Y_R.avi"_s);
    touch(u"cont_rec/Z_f.mp4"_s);
    touch(u"cont_rec/Z_r.mp4"_s);
    ASSERT_EQ(names(RecordingLibrary::AllFiles),
              (QStringList{u"cont_rec/X_F.mp4"_s, u"cont_rec/X_R.mp4"_s, u"cont_rec/Y_F.avi"_s, u"cont_rec/Y_R.avi"_s,
                           u"cont_rec/Z_f.mp4"_s, u"cont_rec/Z_r.mp4"_s}));
    EXPECT_EQ(library.partnerRow(0), 1);
    EXPECT_EQ(library.partnerRow(1), 0);
    EXPECT_EQ(library.partnerRow(2), -1) << "AVI files are never paired";
    EXPECT_EQ(library.partnerRow(4), -1) << "a lower-case f is no camera letter";

    EXPECT_EQ(library.takeBigVideoURL(0, false), library.urlAt(0));
    EXPECT_EQ(library.takeBigVideoURL(0, true), library.urlAt(1));
    EXPECT_EQ(library.takeBigVideoURL(1, true), library.urlAt(0));
    EXPECT_EQ(library.takeBigVideoURL(2, true), library.urlAt(2)) << "no partner: the row itself";
    EXPECT_TRUE(library.takeBigVideoURL(99, false).isEmpty());

    EXPECT_EQ(RecordingLibrary::partnerString(u"file:///a/X_R.mp4"_s), u"file:///a/X_F.mp4"_s);
    EXPECT_EQ(RecordingLibrary::partnerString(u"file:///a/X.mp4"_s), QString());
}

TEST_F(RecordingLibraryTest, PairsAreFoundWhateverTheFoldersAboveThemAreCalled)
{
    // A card mounted at "F.CARD" with a folder "Trip R.1": only the file names carry the camera.
    for (const QString &name : {u"A_F.mp4"_s, u"A_R.mp4"_s, u"B.avi"_s, u"C_F.mp4"_s, u"C_R.mp4"_s}) {
        touch(u"F.CARD/cont_rec/Trip R.1/"_s + name);
    }
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.filePath(u"F.CARD"_s)));
    ASSERT_EQ(library.rowCount(), 5);
    EXPECT_EQ(library.partnerRow(0), 1);
    EXPECT_EQ(library.partnerRow(1), 0);
    EXPECT_EQ(library.takeBigVideoURL(0, true), library.urlAt(1));
    EXPECT_EQ(library.nextRow(0), 2);
    EXPECT_EQ(library.previousRow(2), 0) << "back to the front file of the pair before";
    EXPECT_EQ(library.nextRow(3), 0);
    EXPECT_EQ(RecordingLibrary::partnerString(u"file:///media/F.CARD/R.x/X_F.mp4"_s),
              u"file:///media/F.CARD/R.x/X_R.mp4"_s);
    EXPECT_EQ(RecordingLibrary::partnerString(u"file:///media/F.CARD/X.mp4"_s), QString());
}

TEST_F(RecordingLibraryTest, RowsAreColouredByTheirFolder)
{
    using Color = RecordingLibrary::RowColor;
    const QString root = card.path();
    EXPECT_EQ(RecordingLibrary::rowColor(QUrl::fromLocalFile(root + u"/Saved_Videos/a.mp4"_s)), Color::Magenta);
    EXPECT_EQ(RecordingLibrary::rowColor(QUrl::fromLocalFile(root + u"/option_rec/a.mp4"_s)), Color::Yellow);
    EXPECT_EQ(RecordingLibrary::rowColor(QUrl::fromLocalFile(root + u"/sos_rec/a.mp4"_s)), Color::Yellow);
    EXPECT_EQ(RecordingLibrary::rowColor(QUrl::fromLocalFile(root + u"/Saved_Videos/x/a.mp4"_s)), Color::Default);
    EXPECT_EQ(RecordingLibrary::rowColor(QUrl::fromLocalFile(root + u"/cont_rec/a.mp4"_s)), Color::Default);
}

TEST_F(RecordingLibraryTest, DeletingRemovesOnlyThatFileAndOnlyWhenItWorked)
{
    touch(u"cont_rec/X_F.mp4"_s);
    touch(u"cont_rec/X_R.mp4"_s);
    names(RecordingLibrary::AllFiles);
    EXPECT_TRUE(library.removeFileAt(0));
    EXPECT_FALSE(QFile::exists(card.filePath(u"cont_rec/X_F.mp4"_s)));
    EXPECT_TRUE(QFile::exists(card.filePath(u"cont_rec/X_R.mp4"_s))) << "the partner stays";
    EXPECT_EQ(library.rowCount(), 1);
    EXPECT_EQ(library.allVideoFileList().size(), 1);

    // Gone behind our back: nothing changes.
    QFile::remove(card.filePath(u"cont_rec/X_R.mp4"_s));
    EXPECT_FALSE(library.removeFileAt(0));
    EXPECT_EQ(library.rowCount(), 1);
    EXPECT_FALSE(library.removeFileAt(5));
}

TEST_F(RecordingLibraryTest, LosingTheCardEmptiesTheListButKeepsTheRoot)
{
    touch(u"cont_rec/a.mp4"_s);
    names(RecordingLibrary::AllFiles);
    library.clearVideoFileList();
    EXPECT_EQ(library.rowCount(), 0);
    EXPECT_EQ(library.selectedVideoDirectoryUrl(), QUrl::fromLocalFile(card.path()));

    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.filePath(u"missing"_s)));
    EXPECT_EQ(library.rowCount(), 0);
}

TEST_F(RecordingLibraryTest, AFolderLinkedIntoItselfIsListedOnce)
{
    touch(u"cont_rec/a.mp4"_s);
    ASSERT_TRUE(QFile::link(card.filePath(u"cont_rec"_s), card.filePath(u"cont_rec/loop"_s)));
    EXPECT_EQ(names(RecordingLibrary::AllFiles), QStringList{u"cont_rec/a.mp4"_s});
}

TEST_F(RecordingLibraryTest, RecognisesTheIniCameraFamilysFileNames)
{
    for (const QString &name : {u"Rec_1.avi"_s, u"Event_1.avi"_s, u"Park_1.avi"_s, u"Manual_1.avi"_s}) {
        EXPECT_TRUE(RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(u"/c/"_s + name))) << name.toStdString();
    }
    for (const QString &name : {u"Rec_1.AVI"_s, u"rec_1.avi"_s, u"Rec_1.mp4"_s, u"X_Rec_1.avi"_s}) {
        EXPECT_FALSE(RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(u"/c/"_s + name))) << name.toStdString();
    }
}
} // namespace

namespace {
class RecordingNavigationTest : public RecordingLibraryTest
{
protected:
    void SetUp() override
    {
        // Rows: 0 A_F, 1 A_R, 2 B.avi, 3 C_F, 4 C_R.
        for (const QString &name : {u"A_F.mp4"_s, u"A_R.mp4"_s, u"B.avi"_s, u"C_F.mp4"_s, u"C_R.mp4"_s}) {
            touch(u"cont_rec/"_s + name);
        }
        names(RecordingLibrary::AllFiles);
    }
};

TEST_F(RecordingNavigationTest, NextSkipsTheRearPartnerAndWraps)
{
    EXPECT_EQ(library.nextRow(0), 2) << "from a front file past its rear partner";
    EXPECT_EQ(library.nextRow(1), 2);
    EXPECT_EQ(library.nextRow(2), 3);
    EXPECT_EQ(library.nextRow(3), 0) << "the front file of the last pair wraps to row 0";
    EXPECT_EQ(library.nextRow(4), 0);
    EXPECT_EQ(library.nextRow(-1), -1);
}

TEST_F(RecordingNavigationTest, PreviousLandsOnTheFrontFileOfThePreviousPair)
{
    EXPECT_EQ(library.previousRow(0), -1);
    EXPECT_EQ(library.previousRow(1), 0);
    EXPECT_EQ(library.previousRow(2), 0) << "B.avi back to A_F, the front of the pair before it";
    EXPECT_EQ(library.previousRow(3), 2);
    EXPECT_EQ(library.previousRow(4), 3) << "the rear file's own front partner";
}
} // namespace
