#include "app/window/MainWindowController.h"

#include "core/NotificationCenter.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/CardFollower.h"
#include "app/window/EmptyStartHint.h"
#include "app/window/MainWindow.h"
#include "platform/FolderVolumes.h"
#include "platform/VolumeMonitor.h"
#include "playback/InstrumentImage.h"
#include "playback/SpeedMeterView.h"
#include "playback/VexoAVView.h"
#include "settings/record/QB62SettingManager.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "ui/ImageButton.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
void drain()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// A folder of "volumes": CARD holds a camera card of the INI-settings model with a few recordings.
class MainWindowControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        touch(u"CARD/SETTING/blackbox.cfg"_s);
        touch(u"CARD/cont_rec/A_F.mp4"_s);
        touch(u"CARD/cont_rec/A_R.mp4"_s);
        touch(u"CARD/evt_rec/B.avi"_s);
        volumes = std::make_shared<FolderVolumes>(mounts.path());
    }

    void touch(const QString &relative)
    {
        const QString path = mounts.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    std::unique_ptr<MainWindowController> open(MainWindowController::Options options = {})
    {
        options.volumes = volumes;
        options.splashMs = 0;
        auto controller = std::make_unique<MainWindowController>(std::move(options));
        controller->showMainWindow();
        drain();
        return controller;
    }

    QTemporaryDir mounts;
    std::shared_ptr<FolderVolumes> volumes;
};

TEST_F(MainWindowControllerTest, ShowsTheCardsRecordingsAndModel)
{
    auto controller = open();
    const Ui::MainWindow &ui = controller->ui();
    EXPECT_TRUE(controller->mainWindow()->isVisible());
    EXPECT_FALSE(controller->splashWindow()->isVisible());
    EXPECT_EQ(controller->library()->rowCount(), 3);
    EXPECT_EQ(ui.modelTextField->text(), u"QF27"_s);
    EXPECT_TRUE(ui.settingsButton->isEnabled());
    EXPECT_TRUE(ui.saveFileButton->isEnabled());
    EXPECT_EQ(controller->selectedRow(), 0) << "the first row is selected, not played";
    EXPECT_EQ(ui.selectedDirTextField_OEM->text(), mounts.filePath(u"CARD"_s));
    EXPECT_TRUE(ui.fileListControlView->isHidden()) << "the alternative list strip replaces the standard one";
    EXPECT_TRUE(ui.fileListRemoveButton_OEM->isHidden());
    EXPECT_EQ(ui.mainVersionLabel->text(), u"Ver "_s + QCoreApplication::applicationVersion());
    EXPECT_EQ(ui.playTimeTextField->text(), u"00:00/00:00"_s);
    EXPECT_FALSE(ui.playPauseButton->isEnabled()) << "nothing to play yet";
    EXPECT_FALSE(ui.bigMovieCoverImageView->isHidden());
    ASSERT_NE(controller->bigMovieView(), nullptr);
    EXPECT_EQ(ui.bigMovieViewScrollView->widget(), controller->bigMovieView());
    EXPECT_FALSE(controller->bigMovieView()->hasMovie());
    EXPECT_FALSE(controller->bigMovieView()->isEnabled());
    EXPECT_FALSE(controller->smallMovieView()->isEnabled());
}

TEST_F(MainWindowControllerTest, RemovingTheCardEmptiesTheListAndDisablesSettings)
{
    auto controller = open();
    ASSERT_EQ(controller->library()->rowCount(), 3);
    QDir(mounts.filePath(u"CARD"_s)).removeRecursively();
    controller->cardFollower()->updateModelInfo();
    EXPECT_EQ(controller->library()->rowCount(), 0);
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
    EXPECT_FALSE(controller->ui().saveFileButton->isEnabled());
    EXPECT_EQ(controller->ui().modelTextField->text(), VexoLanguages::SharedVexoLanguages().localized(u"unknown"_s));
}

TEST_F(MainWindowControllerTest, AnEmptyListSaysWhatToDoAndRingsTheFolderButton)
{
    auto controller = open();
    const QLabel *hint = controller->emptyStartHint()->label();
    const auto *ring = controller->ui().selectFolderButton_OEM->findChild<QFrame *>(u"emptyStartRing"_s);
    ASSERT_NE(ring, nullptr);
    EXPECT_FALSE(hint->isVisible() || ring->isVisible()) << "a card with recordings";
    QDir(mounts.filePath(u"CARD"_s)).removeRecursively();
    controller->cardFollower()->updateModelInfo();
    EXPECT_TRUE(hint->isVisible() && ring->isVisible());
    EXPECT_FALSE(hint->text().isEmpty() || hint->text().startsWith(u'카')) << "in the user's language";
}

TEST_F(MainWindowControllerTest, AVolumeComingOrGoingKeepsAFolderTheUserChose)
{
    auto controller = open();
    auto *monitor = controller->findChild<VolumeMonitor *>();
    ASSERT_NE(monitor, nullptr);
    QTemporaryDir picked;
    ASSERT_TRUE(QDir().mkpath(picked.filePath(u"cont_rec"_s)));
    QFile(picked.filePath(u"cont_rec/P.avi"_s)).open(QIODevice::WriteOnly);
    const QUrl folder = QUrl::fromLocalFile(picked.path());
    controller->cardFollower()->refreshVideoFileListWithURL(folder); // as the folder button does
    ASSERT_EQ(controller->library()->rowCount(), 1);

    // An unrelated USB stick is plugged in and pulled out again.
    touch(u"STICK/notes.txt"_s);
    monitor->refresh();
    EXPECT_EQ(controller->library()->selectedVideoDirectoryUrl(), folder);
    EXPECT_EQ(controller->library()->rowCount(), 1);
    QDir(mounts.filePath(u"STICK"_s)).removeRecursively();
    monitor->refresh();
    EXPECT_EQ(controller->library()->rowCount(), 1);
    EXPECT_EQ(controller->ui().selectedDirTextField_OEM->text(), picked.path());

    // The card itself going is a change of card: the list follows it.
    QDir(mounts.filePath(u"CARD"_s)).removeRecursively();
    monitor->refresh();
    EXPECT_EQ(controller->library()->rowCount(), 0);
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
}

TEST_F(MainWindowControllerTest, ANewLanguageKeepsAFolderTheUserChose)
{
    auto controller = open();
    QTemporaryDir picked;
    ASSERT_TRUE(QDir().mkpath(picked.filePath(u"cont_rec"_s)));
    QFile(picked.filePath(u"cont_rec/P.avi"_s)).open(QIODevice::WriteOnly);
    const QUrl folder = QUrl::fromLocalFile(picked.path());
    controller->cardFollower()->refreshVideoFileListWithURL(folder);
    ASSERT_EQ(controller->library()->rowCount(), 1);

    Preferences::changeLanguage(u"fr"_s);
    drain();
    EXPECT_EQ(controller->library()->selectedVideoDirectoryUrl(), folder);
    EXPECT_EQ(controller->library()->rowCount(), 1);
    EXPECT_EQ(controller->ui().selectedDirTextField_OEM->text(), picked.path());
    EXPECT_EQ(controller->ui().modelTextField->text(), u"QF27"_s);

    // With no card the model field's "unknown" follows the language, and the folder still stays.
    QDir(mounts.filePath(u"CARD"_s)).removeRecursively();
    controller->cardFollower()->updateModelInfo();
    controller->cardFollower()->refreshVideoFileListWithURL(folder);
    Preferences::changeLanguage(u"ja"_s);
    drain();
    EXPECT_EQ(controller->library()->rowCount(), 1);
    EXPECT_EQ(controller->ui().modelTextField->text(), u"不明"_s);
    EXPECT_FALSE(controller->ui().settingsButton->isEnabled());
}

TEST_F(MainWindowControllerTest, AVolumeComingOrGoingRebuildsAListShowingTheCard)
{
    auto controller = open();
    auto *monitor = controller->findChild<VolumeMonitor *>();
    ASSERT_NE(monitor, nullptr);
    ASSERT_EQ(controller->library()->rowCount(), 3);
    touch(u"CARD/evt_rec/NEW.avi"_s);
    touch(u"STICK/notes.txt"_s);
    monitor->refresh();
    EXPECT_EQ(controller->library()->rowCount(), 4);
    EXPECT_EQ(controller->library()->selectedVideoDirectoryUrl(), QUrl::fromLocalFile(mounts.filePath(u"CARD"_s)));
}

TEST_F(MainWindowControllerTest, ACardFolderOnDiskStandsInForTheCard)
{
    QDir(mounts.filePath(u"CARD"_s)).rename(mounts.filePath(u"CARD"_s), mounts.filePath(u"../copied-card"_s));
    const QString copied = QDir(mounts.filePath(u".."_s)).absoluteFilePath(u"copied-card"_s);
    MainWindowController::Options options;
    options.cardPath = copied;
    auto controller = open(options);
    EXPECT_EQ(controller->library()->rowCount(), 3);
    EXPECT_EQ(controller->ui().modelTextField->text(), u"QF27"_s);
    QDir(copied).removeRecursively();
}

TEST_F(MainWindowControllerTest, FilterButtonsNarrowTheList)
{
    auto controller = open();
    const Ui::MainWindow &ui = controller->ui();
    QTest::mouseClick(ui.fileListEventButton_OEM, Qt::LeftButton);
    EXPECT_EQ(controller->library()->rowCount(), 1);
    EXPECT_EQ(ui.fileListEventButton_OEM->imageName(), u"sorting_btn_60_2"_s);
    EXPECT_FALSE(ui.fileListEventButton_OEM->allowAutoMouseEventImage());
    EXPECT_EQ(ui.fileListAllButton_OEM->imageName(), u"sorting_btn_60_1"_s);
    EXPECT_TRUE(ui.fileListAllButton_OEM->allowAutoMouseEventImage());

    // The filter survives a card refresh.
    controller->cardFollower()->updateModelInfo();
    EXPECT_EQ(controller->library()->rowCount(), 1);
}

TEST_F(MainWindowControllerTest, KeysDriveThePlayerWhateverHasTheFocus)
{
    auto controller = open();
    QSignalSpy commands(controller.get(), &MainWindowController::playerCommandRequested);
    QTableView *table = controller->ui().fileListTableView;
    QTest::keyClick(table, Qt::Key_Left);
    QTest::keyClick(table, Qt::Key_Space);
    QTest::keyClick(table, Qt::Key_Q);
    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands.at(0).at(0).value<KeyCommandTable::Command>(), KeyCommandTable::Command::Rewind);
    EXPECT_EQ(commands.at(1).at(0).value<KeyCommandTable::Command>(), KeyCommandTable::Command::PlayPause);
    EXPECT_EQ(controller->selectedRow(), 0) << "the arrow went to the player, not to the list";
}

TEST_F(MainWindowControllerTest, DoubleClickAsksForTheRowToBePlayed)
{
    auto controller = open();
    QSignalSpy plays(controller.get(), &MainWindowController::playVideoRequested);
    controller->videoFileListDoubleClicked();
    ASSERT_EQ(plays.count(), 1);
    EXPECT_EQ(plays.at(0).at(0).toInt(), 0);
    EXPECT_EQ(plays.at(0).at(1).toUrl().fileName(), u"A_F.mp4"_s);
}

TEST_F(MainWindowControllerTest, ARecordingOpenedFromTheFileManagerListsItsFolderAndPlays)
{
    MainWindowController::Options options;
    options.volumes = volumes;
    options.splashMs = 0;
    options.folderPath = mounts.filePath(u"CARD/cont_rec"_s);
    options.recordingPath = mounts.filePath(u"CARD/cont_rec/A_R.mp4"_s);
    MainWindowController controller(std::move(options));
    QSignalSpy plays(&controller, &MainWindowController::playVideoRequested);
    controller.showMainWindow();
    drain();
    ASSERT_EQ(plays.count(), 1);
    EXPECT_EQ(plays.at(0).at(1).toUrl().toLocalFile(), mounts.filePath(u"CARD/cont_rec/A_R.mp4"_s));
    EXPECT_EQ(controller.selectedRow(), plays.at(0).at(0).toInt());
    EXPECT_EQ(controller.library()->rowCount(), 2) << "the recording's folder is listed, not the card";
    EXPECT_FALSE(controller.playRecordingAtPath(mounts.filePath(u"CARD/evt_rec/B.avi"_s)))
        << "a recording outside the list is not played";
}

TEST_F(MainWindowControllerTest, ResizingKeepsTheLayoutGroupsCentred)
{
    auto controller = open();
    controller->mainWindow()->resize(1024, 696);
    drain();
    EXPECT_EQ(controller->ui().toolbarBg3->x(), 25);
    EXPECT_EQ(controller->ui().dashBg3->x(), 18);
    EXPECT_EQ(controller->ui().toolbarButtons->x(), 10);
    EXPECT_EQ(controller->ui().dashboardCtrls->x(), 43);
    controller->mainWindow()->resize(1224, 696);
    drain();
    EXPECT_EQ(controller->ui().dashboardCtrls->x(), 143);
}

TEST_F(MainWindowControllerTest, LanguageMenuMarksAndSwitchesTheLanguage)
{
    Preferences::storeLanguage(u"pt"_s);
    auto controller = open();
    for (QAction *item : controller->languageMenu()->actions()) {
        EXPECT_FALSE(item->isChecked()) << "no Portuguese item, nothing marked";
    }
    controller->languageFrenchMenuItem()->trigger();
    drain();
    EXPECT_EQ(Preferences::language(), u"fr"_s);
    EXPECT_TRUE(controller->languageFrenchMenuItem()->isChecked());
    EXPECT_FALSE(controller->languageEnglishMenuItem()->isChecked());
    EXPECT_EQ(controller->languageMenu()->title(), u"Langue"_s);
    EXPECT_EQ(controller->ui().fileListAllButton_OEM->text(),
              VexoLanguages::SharedVexoLanguages().localized(u"파일_전체"_s, u"fr"_s));
}

TEST_F(MainWindowControllerTest, SpeedUnitMenuAnnouncesOnlyRealChanges)
{
    auto controller = open();
    EXPECT_TRUE(controller->unitKmphMenuItem()->isChecked()) << "a fresh installation shows km/h";
    QSignalSpy spy(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshSpeedUnit);
    controller->unitKmphMenuItem()->trigger();
    EXPECT_EQ(spy.count(), 0);
    controller->unitMphMenuItem()->trigger();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(controller->unitMphMenuItem()->isChecked());
    EXPECT_FALSE(controller->unitKmphMenuItem()->isChecked());
}

TEST_F(MainWindowControllerTest, InstrumentsStartAtZeroAndRedrawOnAUnitChange)
{
    auto controller = open();
    const Ui::MainWindow &ui = controller->ui();
    EXPECT_EQ(ui.gxTextField->text(), u"0.000"_s);
    EXPECT_EQ(ui.lngTextField->text(), u"0.0000"_s);
    EXPECT_EQ(ui.speedMeterView->speed(), 0);

    ui.speedMeterView->setSpeed(100);
    controller->unitMphMenuItem()->trigger();
    drain();
    EXPECT_EQ(ui.speedMeterView->speed(), 100);
    EXPECT_EQ(InstrumentImage::name(ui.speedMeterView->number10()), u"6"_s) << "62 mph";
    EXPECT_EQ(InstrumentImage::name(ui.speedMeterView->number1()), u"2"_s);
    EXPECT_TRUE(InstrumentImage::name(ui.speedMeterView->number100()).isEmpty());

    controller->updateSensorInfo(0.5f, -1.25f, 1.0f, 37.5f, 127.25f, 100);
    EXPECT_EQ(ui.gyTextField->text(), u"-1.250"_s);
    EXPECT_EQ(ui.latTextField->text(), u"37.5000"_s);
    controller->resetVideoInformation();
    EXPECT_EQ(ui.gyTextField->text(), u"0.000"_s);
    EXPECT_EQ(ui.speedMeterView->speed(), 0);
}
// The folder the list shows is watched itself: removed, or unmounted lazily (the path then shows
// another, empty folder), the list empties without waiting for a mount event.
TEST_F(MainWindowControllerTest, AListedFolderThatGoesAwayEmptiesTheList)
{
    MainWindowController::Options options;
    options.cardPath = mounts.filePath(u"CARD"_s);
    auto controller = open(options);
    ASSERT_EQ(controller->library()->rowCount(), 3);
    ASSERT_TRUE(QDir(mounts.filePath(u"CARD"_s)).removeRecursively());
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->library()->rowCount() == 0; }, 5000));

    QTemporaryDir parent;
    const QString usb = parent.filePath(u"USB"_s);
    ASSERT_TRUE(QDir().mkpath(usb + u"/cont_rec"_s));
    QFile(usb + u"/cont_rec/P.avi"_s).open(QIODevice::WriteOnly);
    controller->cardFollower()->refreshVideoFileListWithURL(QUrl::fromLocalFile(usb)); // as the folder button does
    ASSERT_EQ(controller->library()->rowCount(), 1);
    ASSERT_TRUE(QDir(parent.path()).rename(u"USB"_s, u"OLD"_s));
    ASSERT_TRUE(QDir().mkpath(usb));
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller->library()->rowCount() == 0; }, 5000));
}
} // namespace
