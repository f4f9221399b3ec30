// What the player opens of a card file played as it is: the container its name says, and nothing
// a playlist named like a recording points at.
#include "export/TestRecordings.h"
#include "playback/MpvPlayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(PlayerCardFiles, ARecordingOpensOnlyAsTheContainerItsNameSays)
{
    QTemporaryDir card;
    QTemporaryDir outside;
    ASSERT_TRUE(card.isValid() && outside.isValid());
    const QString privateTs = outside.filePath(u"private.ts"_s);
    ASSERT_TRUE(TestRecordings::make(TestRecordings::picture(TestRecordings::RearSize) + TestRecordings::h264() +
                                     QStringList{u"-f"_s, u"mpegts"_s, u"-y"_s, privateTs}));
    const QByteArray playlist =
        "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2.0,\n" + QFile::encodeName(privateTs) + "\n#EXT-X-ENDLIST\n";
    ASSERT_TRUE(TestRecordings::writeFile(card.filePath(u"20261207_090000_F.mp4"_s), playlist));
    ASSERT_TRUE(TestRecordings::writeFile(card.filePath(u"Rec_20261207_090000.avi"_s), playlist));
    ASSERT_TRUE(TestRecordings::mp4(card.filePath(u"20261207_091000_F.mp4"_s), TestRecordings::FrontSize));
    ASSERT_TRUE(TestRecordings::avi(card.filePath(u"20261207_092000.avi"_s), true, false));

    const struct
    {
        const char *name;
        int videoTrack;
        bool plays;
    } cases[] = {
        {"20261207_090000_F.mp4", 0, false},   {"Rec_20261207_090000.avi", 0, false},
        {"Rec_20261207_090000.avi", 2, false}, {"20261207_091000_F.mp4", 0, true},
        {"20261207_092000.avi", 2, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MpvPlayer player;
        ASSERT_TRUE(player.isValid());
        QSignalSpy loaded(&player, &MoviePlayer::fileLoaded);
        QSignalSpy failed(&player, &MoviePlayer::loadFailed);
        player.loadFile(card.filePath(QString::fromLatin1(c.name)), c.videoTrack);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty() || !failed.isEmpty(); }, 30000));
        EXPECT_EQ(loaded.size(), c.plays ? 1 : 0);
        EXPECT_EQ(failed.size(), c.plays ? 0 : 1);
    }
}
} // namespace
