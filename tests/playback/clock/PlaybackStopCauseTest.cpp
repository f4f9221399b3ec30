// Why a recording stopped or would not start, from what its file and folder show.
#include "playback/clock/PlaybackStopCause.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using Cause = PlaybackStopCause::Cause;

namespace {
TEST(PlaybackStopCauseTest, OnlyAWrittenReadableFileThatStoppedIsCalledDamaged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case
    {
        const char *name;
        QByteArray head;
        qint64 size; // the rest holes or zeros
        Cause cause;
    };
    const Case cases[] = {
        {"holes.mp4", {}, 4 << 20, Cause::Empty},
        {"zeros.mp4", QByteArray(300 << 10, '\0'), 0, Cause::Empty},
        {"none.mp4", {}, 0, Cause::Empty},
        {"written.mp4", QByteArray(300 << 10, '\0') + "ftyp", 0, Cause::Damaged}, // a header further on
        {"headless.mp4", QByteArray(200 << 10, '\0') + QByteArray(200 << 10, 'x'), 0, Cause::Damaged},
        {"gone.mp4", {}, -1, Cause::RecordingGone},
        {"card/DCIM/pulled.mp4", {}, -1, Cause::CardRemoved},
    };
    for (const Case &each : cases) {
        const QString path = dir.filePath(QString::fromLatin1(each.name));
        if (each.size >= 0) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(each.head);
            file.resize(std::max<qint64>(each.size, each.head.size()));
        }
        const Cause cause = PlaybackStopCause::classify(PlaybackStopCause::inspect(path, 0.4, 0.6));
        EXPECT_EQ(cause, each.cause) << each.name;
        EXPECT_EQ(PlaybackStopCause::leavesRecording(cause), each.size < 0) << each.name;
    }
    // A card that fails to read is never the recording's damage.
    const Cause unreadable = PlaybackStopCause::classify({true, true, false, false});
    EXPECT_EQ(unreadable, Cause::CardUnreadable);
    for (const Cause cause : {unreadable, Cause::RecordingGone, Cause::CardRemoved, Cause::Empty, Cause::Damaged}) {
        const bool damaged = cause == Cause::Damaged;
        EXPECT_EQ(PlaybackStopCause::stoppedMessageKey(cause).contains(u"손상되어"_s), damaged) << int(cause);
        EXPECT_EQ(PlaybackStopCause::failedMessageKey(cause).contains(u"손상되어"_s), damaged) << int(cause);
    }
}
} // namespace
