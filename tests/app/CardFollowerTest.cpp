// The list follows the card: a card coming and going is listed and announced, a folder the user
// chose stays through other volumes and is announced again when it goes itself, the playing
// recording stays selected, and what follows the list (the Trips view) hears of real changes only.
#include "app/CardFollower.h"

#include "library/RecordingLibrary.h"

#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class CardFollowerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mounts.isValid());
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        QB62SettingManager::SharedQB62SettingManager()->setVolumeSource(std::make_shared<FolderVolumes>(mounts.path()));
    }

    void touch(const QString &relative)
    {
        const QString path = mounts.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // A camera card of the INI-settings model with three recordings.
    void insertCard()
    {
        touch(u"CARD/SETTING/blackbox.cfg"_s);
        touch(u"CARD/cont_rec/A_F.mp4"_s);
        touch(u"CARD/cont_rec/A_R.mp4"_s);
        touch(u"CARD/evt_rec/B.avi"_s);
    }

    QString card() const { return mounts.filePath(u"CARD"_s); }

    QTemporaryDir mounts;
    RecordingLibrary library;
    CardFollower follower{&library, QString()};
    QSignalSpy lists{&follower, &CardFollower::listShown};
    QSignalSpy models{&follower, &CardFollower::modelShown};
    QSignalSpy followed{&follower, &CardFollower::followedFolderChanged};
};

TEST_F(CardFollowerTest, ACardComingAndGoingIsListedAndAnnouncedOnce)
{
    follower.volumesChanged();
    ASSERT_EQ(models.size(), 1);
    EXPECT_FALSE(models.last().at(1).toBool()) << "no card: settings cannot open";
    EXPECT_FALSE(models.last().at(0).toString().isEmpty()) << "the model field says unknown";
    EXPECT_EQ(lists.last().at(0).toString(), QString());
    EXPECT_EQ(followed.size(), 0) << "nothing was followed and nothing is";

    insertCard();
    follower.volumeMountHandler();
    EXPECT_EQ(library.rowCount(), 3);
    EXPECT_EQ(lists.last().at(0).toString(), card());
    EXPECT_EQ(lists.last().at(1).toInt(), 0) << "nothing plays: the first row";
    EXPECT_EQ(models.last().at(0).toString(), u"QF27"_s);
    EXPECT_TRUE(models.last().at(1).toBool());
    ASSERT_EQ(followed.size(), 1);
    EXPECT_EQ(followed.last().at(0).toString(), card());
    EXPECT_EQ(follower.followedFolder(), card());

    // An unrelated stick: the card's list is rebuilt, the playing recording (B.avi, third by
    // name) stays selected, and nothing new is announced.
    follower.setPlayingUrl([this] { return QUrl::fromLocalFile(mounts.filePath(u"CARD/evt_rec/B.avi"_s)); });
    touch(u"STICK/notes.txt"_s);
    follower.volumeMountHandler();
    EXPECT_EQ(lists.last().at(1).toInt(), 2);
    EXPECT_EQ(followed.size(), 1);

    // The card goes: the list empties and the followers hear of no folder.
    ASSERT_TRUE(QDir(card()).removeRecursively());
    follower.volumeUnmountHandler();
    EXPECT_EQ(library.rowCount(), 0);
    EXPECT_EQ(lists.last().at(0).toString(), QString());
    EXPECT_EQ(lists.last().at(1).toInt(), -1);
    EXPECT_FALSE(models.last().at(1).toBool());
    ASSERT_EQ(followed.size(), 2);
    EXPECT_EQ(followed.last().at(0).toString(), QString());
    EXPECT_EQ(follower.followedFolder(), QString());
}

TEST_F(CardFollowerTest, AChosenFolderStaysThroughOtherVolumesAndIsAnnouncedAgainWhenItGoes)
{
    insertCard();
    follower.updateModelInfo();
    ASSERT_EQ(follower.followedFolder(), card());
    QTemporaryDir parent;
    const QString picked = parent.filePath(u"PICKED"_s);
    ASSERT_TRUE(QDir().mkpath(picked + u"/cont_rec"_s));
    QFile(picked + u"/cont_rec/P.avi"_s).open(QIODevice::WriteOnly);

    follower.refreshVideoFileListWithURL(QUrl::fromLocalFile(picked));
    EXPECT_EQ(library.rowCount(), 1);
    ASSERT_EQ(followed.size(), 2);
    EXPECT_EQ(followed.last().at(0).toString(), picked);

    // A stick, a new language (the same call), the same folder chosen again: no change.
    touch(u"STICK/notes.txt"_s);
    follower.volumesChanged();
    follower.refreshVideoFileListWithURL(QUrl::fromLocalFile(picked));
    EXPECT_EQ(library.selectedVideoDirectoryUrl(), QUrl::fromLocalFile(picked));
    EXPECT_EQ(followed.size(), 2);

    // Listed again on purpose (a card was formatted): its recordings may differ.
    follower.refreshVideoFileList();
    EXPECT_EQ(followed.size(), 3);

    // The folder itself goes: seen without a mount event, listed (empty) and announced again.
    ASSERT_TRUE(QDir(picked).removeRecursively());
    EXPECT_TRUE(followed.wait(5000));
    EXPECT_EQ(followed.last().at(0).toString(), picked);
    EXPECT_EQ(library.rowCount(), 0);
    EXPECT_EQ(library.selectedVideoDirectoryUrl(), QUrl::fromLocalFile(picked)) << "the card did not change";
}

// Another camera's card in the same place (the same mount point, another model) is another card:
// what follows the list builds again although the folder did not change.
TEST_F(CardFollowerTest, AnotherCardAtTheSamePlaceIsAnnounced)
{
    insertCard();
    follower.updateModelInfo();
    ASSERT_EQ(followed.size(), 1);
    ASSERT_TRUE(models.last().at(1).toBool());

    ASSERT_TRUE(QFile::remove(mounts.filePath(u"CARD/SETTING/blackbox.cfg"_s)));
    QFile record(mounts.filePath(u"CARD/SETTING/setup.cfg"_s));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    // A record of a newer camera: 64 bytes whose first field, little-endian, is its own length.
    QByteArray bytes(64, '\0');
    bytes[0] = 64;
    record.write(bytes);
    record.close();
    follower.volumeMountHandler();
    EXPECT_TRUE(models.last().at(1).toBool()) << "still a camera card";
    EXPECT_EQ(library.rowCount(), 3);
    ASSERT_EQ(followed.size(), 2);
    EXPECT_EQ(followed.last().at(0).toString(), card());
}
} // namespace
