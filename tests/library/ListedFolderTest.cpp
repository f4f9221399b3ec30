// The list follows its folder: rows that name files by their own bytes, the playing recording kept
// selected when the list is rebuilt, and a folder that goes away empties the list.
#include "core/LocalPath.h"
#include "library/ListedFolderWatch.h"
#include "library/RecordingLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
void writeRaw(const QString &folder, const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

TEST(ListedFolder, RowsNameTheirOwnFilesEvenWhenTheNamesAreNotUtf8)
{
    QTemporaryDir card;
    ASSERT_TRUE(card.isValid());
    ASSERT_TRUE(QDir(card.path()).mkpath(u"cont_rec"_s));
    const QString folder = card.filePath(u"cont_rec"_s);
    // The second name holds, where the first has a stray byte, the character Qt decodes it to.
    writeRaw(folder, "A_\x80_F.mp4", "first");
    writeRaw(folder, "A_\xef\xbf\xbd_F.mp4", "second");

    RecordingLibrary library;
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.path()));
    ASSERT_EQ(library.rowCount(), 2);
    QList<QByteArray> bytes;
    for (int row = 0; row < 2; ++row) {
        bytes.append(LocalPath::encode(library.urlAt(row).toLocalFile()));
    }
    std::sort(bytes.begin(), bytes.end());
    EXPECT_EQ(bytes, (QList<QByteArray>{QFile::encodeName(folder) + "/A_\x80_F.mp4",
                                        QFile::encodeName(folder) + "/A_\xef\xbf\xbd_F.mp4"}));
    // Deleting the odd one deletes it, and only it.
    const int odd = LocalPath::isLossless(library.urlAt(0).toLocalFile()) ? 1 : 0;
    ASSERT_TRUE(library.removeFileAt(odd));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{u"A_\uFFFD_F.mp4"_s});
}

TEST(ListedFolder, ARebuiltListSelectsThePlayingRecording)
{
    QTemporaryDir card;
    ASSERT_TRUE(card.isValid());
    for (const QString &name : {u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}) {
        QFile file(card.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(card.path()));
    EXPECT_EQ(library.rowToSelectAfterRefresh(QUrl::fromLocalFile(card.filePath(u"c.avi"_s))), 2);
    EXPECT_EQ(library.rowToSelectAfterRefresh(QUrl()), 0) << "nothing playing: the first row";
    EXPECT_EQ(library.rowToSelectAfterRefresh(QUrl::fromLocalFile(card.filePath(u"gone.avi"_s))), 0);
    library.clearVideoFileList();
    EXPECT_EQ(library.rowToSelectAfterRefresh(QUrl::fromLocalFile(card.filePath(u"c.avi"_s))), -1);
}

TEST(ListedFolder, AFolderRemovedOrReplacedByAnotherIsSeenAndRecordingsComingAndGoingAreNot)
{
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    const QString root = parent.filePath(u"CARD"_s);
    ASSERT_TRUE(QDir().mkpath(root));
    ListedFolderWatch watch;
    QSignalSpy changed(&watch, &ListedFolderWatch::listedFolderChanged);
    watch.watch(root);
    EXPECT_FALSE(watch.hasChanged());

    // A recording written into it: the same folder. A watcher of the test's own hears of the write;
    // the kernel tells both watchers at once, so once it has, the watch has been told as well.
    QFileSystemWatcher witness({root});
    QSignalSpy written(&witness, &QFileSystemWatcher::directoryChanged);
    QFile recording(root + u"/new.avi"_s);
    ASSERT_TRUE(recording.open(QIODevice::WriteOnly));
    recording.close();
    ASSERT_TRUE(written.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_FALSE(watch.hasChanged());

    // Unmounted lazily: the path now leads to another (empty) folder.
    ASSERT_TRUE(QDir(parent.path()).rename(u"CARD"_s, u"OLD"_s));
    ASSERT_TRUE(QDir().mkpath(root));
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_TRUE(watch.hasChanged());

    // Watched anew, then removed outright.
    changed.clear();
    watch.watch(root);
    EXPECT_FALSE(watch.hasChanged());
    ASSERT_TRUE(QDir(root).removeRecursively());
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_EQ(changed.size(), 1);
}
} // namespace
