// The real viewer, ended as a logout or `kill` ends it: it quits as its Quit command does, and the
// converted copies it made go with it.
#include "demo/DemoCard.h"

#include "support/UnindexedAvi.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {
class ViewerSignalsTest : public ::testing::TestWithParam<int>
{
};

TEST_P(ViewerSignalsTest, TheSignalQuitsTheViewerAndItsConvertedCopiesGo)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const DemoCard::Result made = DemoCard::generate(folder.filePath(u"card"_s));
    ASSERT_TRUE(made.ok) << made.error.toStdString();
    // Without its index the recording is converted, not played as it is.
    const QString recording = folder.filePath(u"card/motion_rec/20261207_081401_MOT.avi"_s);
    ASSERT_TRUE(writeUnindexedAvi(folder.filePath(u"card/motion_rec/20261207_081400_MOT.avi"_s), recording));

    // A home of its own, so its working folder is known: HOME/Documents/Velmora.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, folder.filePath(u"home"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, folder.filePath(u"home/.config"_s));
    const QString working = folder.filePath(u"home/Documents/Velmora"_s);
    QProcess viewer;
    viewer.setProcessEnvironment(environment);
    viewer.setProcessChannelMode(QProcess::ForwardedChannels);
    viewer.start(QStringLiteral(VELMORA_VIEWER), {u"--folder"_s, recording});
    ASSERT_TRUE(viewer.waitForStarted(20000));
    const QString own = u"viewer-"_s + QString::number(viewer.processId()) + u'-';

    // Opened from the file manager, the recording converts into the viewer's own subfolder.
    const auto converted = [&] {
        for (const QString &name : QDir(working).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (name.startsWith(own) && !QDir(working + u'/' + name + u"/temp_video"_s).isEmpty()) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(converted, 60000));

    ASSERT_EQ(::kill(pid_t(viewer.processId()), GetParam()), 0);
    ASSERT_TRUE(viewer.waitForFinished(30000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit) << "quit, not killed by the signal";
    EXPECT_EQ(viewer.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(working)) << "its subfolder removed, then the empty working folder";
}

INSTANTIATE_TEST_SUITE_P(TermAndInt, ViewerSignalsTest, ::testing::Values(SIGTERM, SIGINT));
} // namespace
