// The viewer's main job on the demo card, driven only by the players themselves: every kind of
// recording plays to its very end (the end of file as mpv reports it), the next one starts, and a
// paused viewer uses no processor time. Runs on a real (virtual) X display, as the viewer does.
#include "core/Preferences.h"
#include "demo/DemoCard.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/window/AppDelegate.h"
#include "app/window/MainWindowController.h"
#include "app/window/PlaybackController.h"
#include "export/Utils.h"
#include "platform/FolderVolumes.h"
#include "playback/SeekTimeSliderView.h"
#include "playback/VexoAVView.h"
#include "settings/record/QB62SettingManager.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnvironment.h"
#include "support/SlowFfmpeg.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
QTemporaryDir &scratch()
{
    static QTemporaryDir folder;
    return folder;
}

class PlaybackToTheEndTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // A home of its own: the working folder (under the test-mode documents folder) is removed
        // by the quit test, and other test programs running at the same time use theirs.
        qputenv("HOME", QFile::encodeName(scratch().filePath(u"home"_s)));
        QDir().mkpath(scratch().filePath(u"home"_s));
        QStandardPaths::setTestModeEnabled(true);
        const DemoCard::Result made = DemoCard::generate(scratch().filePath(u"card"_s));
        ASSERT_TRUE(made.ok) << made.error.toStdString();
    }

    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        MainWindowController::Options options;
        options.cardPath = scratch().filePath(u"card"_s);
        options.volumes = std::make_shared<FolderVolumes>(scratch().filePath(u"no-volumes"_s));
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(options);
        controller->showMainWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return controller->library()->rowCount() > 0; }, 5000));
    }

    PlaybackController &playback() const { return *controller->playback(); }
    bool isPlaying() const { return !playback().isVideoPaused() && playback().isPlayTimerRunning(); }

    void play(int row) const
    {
        controller->ui().fileListTableView->selectRow(row);
        controller->videoFileListDoubleClicked();
    }

    std::unique_ptr<MainWindowController> controller;
};

TEST_F(PlaybackToTheEndTest, QuittingStopsTheConversionsBeforeTheWorkingFolderGoes)
{
    Utils::RemoveWorkingDirectory(); // nothing converted yet: every choice runs ffmpeg
    SlowFfmpeg slow(3.0);
    ASSERT_TRUE(slow.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(slow.program()));
    AppDelegate delegate;
    delegate.setMainWindowController(controller.get());

    // Four rows chosen quickly, the first still converting.
    RecordingLibrary &library = *controller->library();
    ASSERT_GE(library.rowCount(), 4);
    play(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !slow.runs().isEmpty(); }, 10000));
    for (int row = 1; row < 4; ++row) {
        play(row);
    }
    QElapsedTimer clock;
    clock.start();
    delegate.applicationWillTerminate();
    EXPECT_LT(clock.elapsed(), 1500) << "quitting waits a moment, not for the conversions";
    const QString temporary = Utils::WorkingDirectoryLocation() + u"/temp_video"_s;
    EXPECT_FALSE(QFileInfo::exists(temporary));
    EXPECT_FALSE(slow.anyAlive());
    // Longer than one slow run: nothing comes back to fill the folder again.
    QTest::qWait(4000);
    EXPECT_FALSE(QFileInfo::exists(temporary));
    EXPECT_FALSE(slow.anyAlive());
    // Rows 1 and 2 were superseded before they started (unless one is the newest row's partner,
    // which that row's conversion reads too).
    for (int row = 1; row < 3; ++row) {
        if (library.partnerRow(3) != row) {
            EXPECT_TRUE(slow.runsMentioning(library.urlAt(row).toLocalFile()).isEmpty())
                << "superseded before it started: " << library.urlAt(row).fileName().toStdString();
        }
    }
}
} // namespace
