// The viewer's main job on the demo card, driven only by the players themselves: every kind of
// recording plays to its very end (the end of file as mpv reports it), the next one starts, and a
// paused viewer uses no processor time. Runs on a real (virtual) X display, as the viewer does.
#include "core/Preferences.h"
#include "demo/DemoCard.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/CardFollower.h"
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
#include "support/UnindexedAvi.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <sys/resource.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {
QTemporaryDir &scratch()
{
    static QTemporaryDir folder;
    return folder;
}

// Processor time this process has used so far, all threads, in milliseconds.
qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           qint64(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

// The fault this test guards against froze the event loop for good (a drain of the player's
// events that never returned), so no wait of the test could ever end: fail with a message instead
// of hanging until ctest's time-out.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fprintf(stderr, "the event loop stopped answering: playback never got on\n");
                  std::_Exit(1);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

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

TEST_F(PlaybackToTheEndTest, EveryKindPlaysToItsEndAndTheNextOneStarts)
{
    const Watchdog watchdog(std::chrono::seconds(240));
    RecordingLibrary &library = *controller->library();
    // Every kind on the card plays as it is: nothing is converted on the way.
    const QString working = Utils::WorkingDirectoryLocation();
    const auto workingFiles = [&working] {
        QStringList files;
        QDirIterator each(working, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (each.hasNext()) {
            files << each.next();
        }
        return files;
    };
    const QStringList workingBefore = workingFiles();
    VexoAVView *big = controller->bigMovieView();
    QElapsedTimer sinceEnd;
    int ends = 0;
    QObject::connect(big, &VexoAVView::vexoAVViewDidPlayToEndTime, big, [&] {
        ++ends;
        sinceEnd.start();
    });

    QSet<int> played;
    int row = 0;
    play(row);
    while (!played.contains(row)) {
        played.insert(row);
        const QString name = library.urlAt(row).fileName();
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QTest::qWaitFor([this] { return isPlaying(); }, 20000)) << "never started";
        const double duration = big->duration();
        ASSERT_GT(duration, 5.0);
        // Close to the end, then the rest as it plays: the players reach the end themselves.
        playback().seekTimeSliderTouchedUp(duration - 1.5);
        const int endsBefore = ends;
        ASSERT_TRUE(QTest::qWaitFor([&] { return ends > endsBefore; }, 15000)) << "the end was never reached";
        const int next = library.nextRow(row);
        EXPECT_EQ(controller->selectedRow(), next);
        ASSERT_TRUE(QTest::qWaitFor([this] { return isPlaying(); }, 10000)) << "the next recording never started";
        EXPECT_LT(sinceEnd.elapsed(), 3000) << "from the end of " << name.toStdString() << " to the next start";
        EXPECT_EQ(big->status(), VexoAVViewStatusPrepared);
        EXPECT_EQ(playback().currentVideoUrl(), library.urlAt(next));
        EXPECT_EQ(playback().bigVideoFilePath(), library.urlAt(next).toLocalFile()) << "played as it is";
        row = next;
    }
    EXPECT_EQ(row, 0) << "the end of the last recording wraps to the first";
    int recordings = 0; // a rear file is played with its front file, never alone
    for (int each = 0; each < library.rowCount(); ++each) {
        recordings += library.partnerRow(each) == each - 1 && each > 0 ? 0 : 1;
    }
    EXPECT_EQ(played.size(), recordings) << "every recording of the demo card was played";
    EXPECT_EQ(workingFiles(), workingBefore) << "nothing written into the working folder";

    // Paused: the viewer waits without using the processor.
    playback().pauseVideo();
    QTest::qWait(500);
    const qint64 cpuBefore = cpuMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(2000);
    const double share = double(cpuMs() - cpuBefore) / double(wall.elapsed());
    EXPECT_LT(share, 0.2) << "share of one processor used while paused";
}

TEST_F(PlaybackToTheEndTest, QuittingStopsTheConversionsBeforeTheWorkingFolderGoes)
{
    Utils::RemoveWorkingDirectory(); // nothing converted yet: every choice runs ffmpeg
    SlowFfmpeg slow(3.0);
    ASSERT_TRUE(slow.isValid());
    ScopedEnvironment ffmpeg(Utils::FFMPEGEnvironmentVariable, QFile::encodeName(slow.program()));
    AppDelegate delegate;
    delegate.setMainWindowController(controller.get());

    // Four recordings the viewer converts (copies without their index), chosen quickly, the
    // first still converting.
    const QString motion = scratch().filePath(u"card/motion_rec/20261207_081400_MOT.avi"_s);
    QList<int> rows;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(
            writeUnindexedAvi(motion, scratch().filePath(u"card/motion_rec/20261207_08140%1_zz.avi"_s.arg(i + 1))));
    }
    controller->cardFollower()->refreshVideoFileList();
    RecordingLibrary &library = *controller->library();
    for (int row = 0; row < library.rowCount(); ++row) {
        if (library.urlAt(row).fileName().endsWith(u"_zz.avi"_s)) {
            rows << row;
        }
    }
    ASSERT_EQ(rows.size(), 4);
    play(rows.at(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !slow.runs().isEmpty(); }, 10000));
    for (int i = 1; i < 4; ++i) {
        play(rows.at(i));
    }
    // This viewer's own part of the working folder, where its conversions go.
    const QString temporary = Utils::GetWorkingDirectoryPath();
    ASSERT_FALSE(temporary.isEmpty());
    QElapsedTimer clock;
    clock.start();
    delegate.applicationWillTerminate();
    EXPECT_LT(clock.elapsed(), 1500) << "quitting waits a moment, not for the conversions";
    EXPECT_FALSE(QFileInfo::exists(temporary));
    EXPECT_FALSE(slow.anyAlive());
    // Longer than one slow run: nothing comes back to fill the folder again.
    QTest::qWait(4000);
    EXPECT_FALSE(QFileInfo::exists(temporary));
    EXPECT_FALSE(slow.anyAlive());
    // The second and third were superseded before they started.
    for (int i = 1; i < 3; ++i) {
        EXPECT_TRUE(slow.runsMentioning(library.urlAt(rows.at(i)).toLocalFile()).isEmpty())
            << "superseded before it started: " << library.urlAt(rows.at(i)).fileName().toStdString();
    }
    for (int i = 0; i < 4; ++i) {
        QFile::remove(library.urlAt(rows.at(i)).toLocalFile());
    }
}
} // namespace
