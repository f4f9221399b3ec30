#pragma once
// The main window on a generated demo card, for tests that play its recordings.
#include "core/Preferences.h"
#include "demo/DemoCard.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "app/window/PlaybackController.h"
#include "app/window/ViewingModesController.h"
#include "platform/FolderVolumes.h"
#include "playback/VexoAVView.h"
#include "settings/record/QB62SettingManager.h"
#include "support/TestSettings.h"
#include "ui/ImageButton.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

inline QTemporaryDir &demoFolder()
{
    static QTemporaryDir folder;
    return folder;
}

inline void drain()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

class DemoWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QStandardPaths::setTestModeEnabled(true);
        // One card for every suite of the program.
        static const DemoCard::Result made = DemoCard::generate(demoFolder().filePath(u"card"_s));
        ASSERT_TRUE(made.ok) << made.error.toStdString();
    }

    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        MainWindowController::Options options;
        options.cardPath = demoFolder().filePath(u"card"_s);
        options.volumes = std::make_shared<FolderVolumes>(demoFolder().filePath(u"no-volumes"_s));
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(options);
        controller->showMainWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return controller->library()->rowCount() > 0; }, 5000));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(controller->mainWindow(), 5000));
    }

    int rowNamed(const QString &suffix) const
    {
        for (int row = 0; row < controller->library()->rowCount(); ++row) {
            if (controller->library()->urlAt(row).fileName().endsWith(suffix)) {
                return row;
            }
        }
        return -1;
    }

    PlaybackController &playback() const { return *controller->playback(); }
    ViewingModesController &modes() const { return *controller->viewingModes(); }
    const Ui::MainWindow &ui() const { return controller->ui(); }
    VexoAVView *big() const { return controller->bigMovieView(); }
    VexoAVView *small() const { return controller->smallMovieView(); }
    QScrollArea *scroll() const { return ui().bigMovieViewScrollView; }

    // Plays the front camera of the two-camera MP4 recording.
    void playFrontAndRear()
    {
        const int front = rowNamed(u"F.mp4"_s);
        ASSERT_GE(front, 0);
        ui().fileListTableView->selectRow(front);
        controller->videoFileListDoubleClicked();
        ASSERT_TRUE(waitUntilPlaying());
        ASSERT_TRUE(QTest::qWaitFor([this] { return big()->currentTime() > 0.5; }, 10000));
    }

    bool waitUntilPlaying() const
    {
        return QTest::qWaitFor([this] { return !playback().isVideoPaused() && playback().isPlayTimerRunning(); },
                               20000);
    }

    // Clicks BUTTON and waits for the zoom factor it asks for to be applied.
    bool clickAndWaitForScale(ImageButton *button)
    {
        QSignalSpy applied(&modes(), &ViewingModesController::videoScaleChanged);
        button->click();
        return applied.wait(5000);
    }

    bool scrollBarsShown() const
    {
        return scroll()->horizontalScrollBar()->isVisible() && scroll()->verticalScrollBar()->isVisible();
    }
    bool noScrollBars() const
    {
        return !scroll()->horizontalScrollBar()->isVisible() && !scroll()->verticalScrollBar()->isVisible();
    }

    std::unique_ptr<MainWindowController> controller;
};
