#include "library/RecordingLibrary.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

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

namespace {
// The list as a plain, obviously faithful reading of the rules gives it: every folder listed with
// QDir, keys computed inside the comparator, partners looked up row by row.
struct ReferenceRow
{
    QString path;
    int partner;
    RecordingLibrary::RowColor color;
};

void referenceScan(const QString &directory, bool recursive, QList<QUrl> &result)
{
    const QFileInfoList entries =
        QDir(directory).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.isHidden()) {
            continue;
        }
        if (entry.isDir()) {
            if (recursive) {
                referenceScan(entry.filePath(), true, result);
            }
        } else if (const QString suffix = entry.suffix().toLower();
                   suffix == u"avi"_s || suffix == u"mp4"_s || suffix == u"mov"_s) {
            result.append(QUrl::fromLocalFile(entry.absoluteFilePath()));
        }
    }
}

QList<ReferenceRow> referenceList(const QString &root, uint filter)
{
    QList<QUrl> all;
    referenceScan(root, false, all);
    for (const QString &folder : RecordingLibrary::cardFolders()) {
        referenceScan(QDir(root).filePath(folder), true, all);
    }
    QList<QUrl> rows;
    for (const QUrl &file : std::as_const(all)) {
        if (RecordingLibrary::passesFilter(file, filter)) {
            rows.append(file);
        }
    }
    std::stable_sort(rows.begin(), rows.end(), &RecordingLibrary::sortsBefore);
    QList<ReferenceRow> result;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        int partner = -1;
        if (row + 1 < rows.size() && RecordingLibrary::arePartners(rows.at(row), rows.at(row + 1))) {
            partner = int(row + 1);
        } else if (row > 0 && RecordingLibrary::arePartners(rows.at(row), rows.at(row - 1))) {
            partner = int(row - 1);
        }
        result.append({rows.at(row).toLocalFile(), partner, RecordingLibrary::rowColor(rows.at(row))});
    }
    return result;
}

QList<ReferenceRow> listed(RecordingLibrary &library)
{
    QList<ReferenceRow> result;
    for (int row = 0; row < library.rowCount(); ++row) {
        const QModelIndex index = library.index(row);
        result.append({index.data(RecordingLibrary::FileUrlRole).toUrl().toLocalFile(), library.partnerRow(row),
                       RecordingLibrary::RowColor(index.data(RecordingLibrary::RowColorRole).toInt())});
        EXPECT_EQ(index.data().toString(), QFileInfo(result.last().path).fileName());
    }
    return result;
}

TEST_F(RecordingLibraryTest, ListsGeneratedCardsExactlyAsTheRulesRead)
{
    // Many files whose order, pairing and colour hang on details: equal names in several folders
    // (ties keep the scan order), pairs split across folders, names with "F." inside, lower-case
    // letters, case variants of the extensions, names that sort around "Saved_Videos", look-alike
    // folder names, spaces and non-ASCII text that URLs encode.
    const QStringList folders = {u""_s,
                                 u"cont_rec"_s,
                                 u"cont_rec/2026 12 07"_s,
                                 u"cont_rec/d/e/f"_s,
                                 u"motion_rec"_s,
                                 u"evt_rec/sos_rec"_s,
                                 u"manual_rec"_s,
                                 u"parking_rec/x option_rec"_s,
                                 u"motion_timelapse_rec"_s,
                                 u"Saved_Videos"_s,
                                 u"Saved_Videos/inner"_s,
                                 u"option_rec"_s,
                                 u"sos_rec/주행"_s,
                                 u"sos_rec"_s,
                                 u"elsewhere"_s};
    const QStringList stems = {u"20261207_081500_"_s, u"A"_s,    u"a"_s,    u"F.x_"_s,
                               u"Saved_Videos_"_s,    u"z 1_"_s, u"주행_"_s};
    const QStringList endings = {u"F.mp4"_s, u"R.mp4"_s, u"F.MP4"_s, u"R.Mp4"_s, u"f.mp4"_s,
                                 u"F.avi"_s, u"R.avi"_s, u"F.mov"_s, u".mkv"_s,  u"F_BC.mp4"_s};
    std::uint32_t state = 7;
    const auto next = [&state](std::uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    for (int i = 0; i < 600; ++i) {
        const QString folder = folders.at(next(std::uint32_t(folders.size())));
        const QString name = stems.at(next(std::uint32_t(stems.size()))) + QString::number(next(40)) +
                             endings.at(next(std::uint32_t(endings.size())));
        touch(folder.isEmpty() ? name : folder + u'/' + name);
        if (name.contains(u"F."_s) && next(3) != 0) {
            // Most front files get their rear partner beside them.
            QString rear = name;
            touch(folder.isEmpty() ? rear.replace(u"F."_s, u"R."_s) : folder + u'/' + rear.replace(u"F."_s, u"R."_s));
        }
    }
    for (const QString &root : QStringList{card.path(), card.path() + u"/"_s, card.path() + u"/cont_rec/.."_s}) {
        for (uint filter = 0; filter <= 5; ++filter) {
            library.setVideoFileFilter(filter);
            library.refreshVideoFileListWithURL(QUrl::fromLocalFile(root));
            const QList<ReferenceRow> expected = referenceList(root, filter);
            const QList<ReferenceRow> actual = listed(library);
            ASSERT_EQ(actual.size(), expected.size()) << root.toStdString() << " filter " << filter;
            int pairs = 0;
            for (qsizetype row = 0; row < expected.size(); ++row) {
                EXPECT_EQ(actual.at(row).path, expected.at(row).path) << row;
                EXPECT_EQ(actual.at(row).partner, expected.at(row).partner) << row;
                EXPECT_EQ(actual.at(row).color, expected.at(row).color) << row;
                pairs += expected.at(row).partner >= 0 ? 1 : 0;
            }
            if (filter == RecordingLibrary::AllFiles) {
                EXPECT_GT(pairs, 40) << "the generated card has many pairs";
            }
        }
    }
    // Deleting a row keeps the pairs of the rows that move up.
    library.setVideoFileFilter(RecordingLibrary::AllFiles);
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.path()));
    ASSERT_TRUE(library.removeFileAt(3));
    const QList<ReferenceRow> expected = referenceList(card.path(), RecordingLibrary::AllFiles);
    const QList<ReferenceRow> actual = listed(library);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(actual.at(row).partner, expected.at(row).partner) << row;
    }
}
} // namespace
