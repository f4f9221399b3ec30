// Playback end to end on a generated demo card: conversion, both players, the play timer.
#include "app/window/PlaybackController.h"

#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "demo/DemoCard.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/CardFollower.h"
#include "app/KeyCommandTable.h"
#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "export/Utils.h"
#include "platform/FolderVolumes.h"
#include "playback/GravityGraphView.h"
#include "playback/SpeedMeterView.h"
#include "playback/VexoAVView.h"
#include "playback/VolumeSliderView.h"
#include "settings/record/QB62SettingManager.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "ui/ImageButton.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QTemporaryDir &cardFolder()
{
    static QTemporaryDir folder;
    return folder;
}

class PlaybackControllerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Conversions go to a private documents folder, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        const DemoCard::Result made = DemoCard::generate(cardFolder().filePath(u"card"_s));
        ASSERT_TRUE(made.ok) << made.error.toStdString();
    }

    void SetUp() override
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        MainWindowController::Options options;
        options.cardPath = cardFolder().filePath(u"card"_s);
        options.volumes = std::make_shared<FolderVolumes>(cardFolder().filePath(u"no-volumes"_s));
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(options);
        controller->showMainWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return controller->library()->rowCount() > 0; }, 5000));
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

    bool waitUntilPlaying() const
    {
        return QTest::qWaitFor([this] { return !playback().isVideoPaused() && playback().isPlayTimerRunning(); },
                               20000);
    }

    // The converted copies and subtitle files anywhere in the working folder.
    static QStringList convertedFiles()
    {
        QStringList found;
        QDirIterator files(Utils::WorkingDirectoryLocation(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            found << files.next();
        }
        return found;
    }

    // A copy of the card's recording RELATIVE, as NAME in its folder, cut to KEEP bytes.
    static QString cutCopy(const QString &relative, const QString &name, qint64 keep)
    {
        QFile source(cardFolder().filePath(u"card/"_s + relative));
        const QString path = QFileInfo(source.fileName()).dir().filePath(name);
        QFile copy(path);
        if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
            copy.write(source.read(keep)) != keep) {
            return {};
        }
        return path;
    }

    std::unique_ptr<MainWindowController> controller;
};

TEST_F(PlaybackControllerTest, FrontAndRearStartTogetherAndTheTimerFeedsTheReadouts)
{
    const int front = rowNamed(u"F.mp4"_s);
    ASSERT_GE(front, 0);
    QSignalSpy ticks(&playback(), &PlaybackController::ticked);
    const QStringList convertedBefore = convertedFiles();
    controller->ui().fileListTableView->selectRow(front);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(controller->bigMovieView()->status(), VexoAVViewStatusPrepared);
    EXPECT_EQ(controller->smallMovieView()->status(), VexoAVViewStatusPrepared);
    // Played as they are: the pair's own files, nothing converted.
    EXPECT_EQ(playback().bigVideoFilePath(), controller->library()->urlAt(front).toLocalFile());
    EXPECT_EQ(playback().smallVideoFilePath(), controller->library()->urlAt(front + 1).toLocalFile());
    EXPECT_EQ(convertedFiles(), convertedBefore) << "nothing written into the working folder";
    EXPECT_NE(playback().subtitleData(), nullptr);
    EXPECT_GT(playback().clipData().clipDataCount(), 0u);
    EXPECT_EQ(controller->smallMovieView()->volume(), 0.0f) << "the rear camera is silent";
    EXPECT_EQ(controller->ui().playPauseButton->imageName(), u"pause1"_s);
    EXPECT_TRUE(controller->ui().switchVideoButton->isEnabled());

    ASSERT_TRUE(QTest::qWaitFor([&] { return controller->bigMovieView()->currentTime() > 1.2; }, 10000));
    EXPECT_GT(ticks.count(), 10);
    EXPECT_NE(controller->ui().playTimeTextField->text(), u"00:00/00:00"_s);
    bool anyReadout = false;
    for (const QList<QVariant> &arguments : std::as_const(ticks)) {
        const auto tick = arguments.at(0).value<PlaybackTicker::Tick>();
        anyReadout = anyReadout || tick.updateAcceleration || tick.updateSensorInfo;
    }
    EXPECT_TRUE(anyReadout);
    EXPECT_NE(controller->ui().gxTextField->text(), u"0.000"_s) << "the demo drive accelerates";
    EXPECT_GT(controller->ui().speedMeterView->speed(), 0);
    EXPECT_EQ(controller->ui().gravityGraphView->clipData(), &playback().clipData());
    if (controller->mapWebView() != nullptr) {
        EXPECT_FALSE(controller->isMapCovered()) << "the demo drive has fixes: the map follows it";
    }

    // Swap: the rear picture goes large, playing on.
    controller->ui().switchVideoButton->click();
    EXPECT_TRUE(playback().isVideoSwitched());
    EXPECT_EQ(controller->bigMovieView()->fileName(), controller->library()->urlAt(front + 1).toLocalFile());
    EXPECT_FALSE(playback().isVideoPaused());
    EXPECT_EQ(controller->takeBigVideoURL(front), controller->library()->urlAt(front + 1));

    controller->ui().playPauseButton->click();
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_FALSE(playback().isPlayTimerRunning());
    EXPECT_EQ(controller->ui().playPauseButton->imageName(), u"play_1"_s);
}

TEST_F(PlaybackControllerTest, NextRecordingAndTheEndOfAMovieMoveDownTheList)
{
    const int front = rowNamed(u"F.mp4"_s);
    controller->ui().fileListTableView->selectRow(front);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    playback().playNextFileButtonTouched();
    EXPECT_EQ(controller->selectedRow(), controller->library()->nextRow(front));
    ASSERT_TRUE(waitUntilPlaying());
    const int afterNext = controller->selectedRow();
    playback().playPrevFileButtonTouched();
    EXPECT_EQ(controller->selectedRow(), front) << "back to the front file of the pair";
    ASSERT_TRUE(waitUntilPlaying());
    playback().playNextFileButtonTouched();
    ASSERT_TRUE(waitUntilPlaying());

    // The end of the large player's movie plays the next recording.
    playback().vexoAVViewDidPlayToEndTime(controller->bigMovieView());
    EXPECT_EQ(controller->selectedRow(), controller->library()->nextRow(afterNext));
    ASSERT_TRUE(waitUntilPlaying());
    // The small player's end is not the recording's end.
    const int row = controller->selectedRow();
    playback().vexoAVViewDidPlayToEndTime(controller->smallMovieView());
    EXPECT_EQ(controller->selectedRow(), row);
}

TEST_F(PlaybackControllerTest, AFrameStepPausesAndRefreshesTheTimeAtOnce)
{
    const int avi = rowNamed(u".avi"_s);
    ASSERT_GE(avi, 0);
    controller->ui().fileListTableView->selectRow(avi);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    QSignalSpy ticks(&playback(), &PlaybackController::ticked);
    controller->performKeyCommand(KeyCommandTable::Command::FastForward);
    EXPECT_TRUE(playback().isVideoPaused());
    EXPECT_FALSE(playback().isPlayTimerRunning());
    EXPECT_EQ(ticks.count(), 1) << "one tick right after the step";
}

TEST_F(PlaybackControllerTest, SpeedKeysAndJumpsKeepTheRearOnTheFrontFrame)
{
    const int front = rowNamed(u"F.mp4"_s);
    ASSERT_GE(front, 0);
    controller->ui().fileListTableView->selectRow(front);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    VexoAVView *big = controller->bigMovieView();
    VexoAVView *small = controller->smallMovieView();
    const auto inStep = [&] {
        return std::abs(big->currentTime() - small->currentTime()) < 0.04;
    };
    controller->performKeyCommand(KeyCommandTable::Command::SpeedUp);
    controller->performKeyCommand(KeyCommandTable::Command::SpeedUp);
    EXPECT_EQ(playback().playSpeed(), 4.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return big->playerRate() == 4.0 && small->playerRate() == 4.0; }, 10000));
    controller->performKeyCommand(KeyCommandTable::Command::NormalSpeed);
    playback().pauseVideo();
    EXPECT_TRUE(QTest::qWaitFor(inStep, 10000)) << big->currentTime() << " " << small->currentTime();

    const double before = big->currentTime();
    controller->performKeyCommand(KeyCommandTable::Command::JumpForward);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return std::abs(big->currentTime() - (before + 5.0)) < 0.04 && inStep(); }, 10000))
        << big->currentTime() << " " << small->currentTime();
    EXPECT_TRUE(playback().isVideoPaused()) << "a jump leaves play as it was";
    playback().playVideo();
    EXPECT_TRUE(QTest::qWaitFor([&] { return big->playerRate() == 1.0; }, 10000)) << "back to real time";
}

TEST_F(PlaybackControllerTest, MutingCarriesOverToTheNextRecording)
{
    const int avi = rowNamed(u".avi"_s);
    controller->ui().fileListTableView->selectRow(avi);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    controller->ui().muteButton->click();
    EXPECT_TRUE(controller->ui().volumeSliderView->isMuted());
    EXPECT_EQ(controller->ui().muteButton->imageName(), u"volume2"_s);
    EXPECT_EQ(controller->bigMovieView()->volume(), 0.0f);

    playback().playNextFileButtonTouched();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_EQ(controller->bigMovieView()->volume(), 0.0f) << "the new recording starts silent";
    EXPECT_FALSE(controller->ui().volumeSliderView->isEnabled());
    controller->ui().muteButton->click();
    EXPECT_TRUE(controller->ui().volumeSliderView->isEnabled());
    EXPECT_GT(controller->bigMovieView()->volume(), 0.0f);

    const float before = controller->ui().volumeSliderView->volume();
    controller->performKeyCommand(KeyCommandTable::Command::VolumeDown);
    EXPECT_NEAR(controller->ui().volumeSliderView->volume(), before - 0.1f, 1e-5);
    EXPECT_NEAR(controller->bigMovieView()->volume(), controller->ui().volumeSliderView->volume(), 0.01);
}

TEST_F(PlaybackControllerTest, VolumeKeysWhileMutedChangeOnlyTheVolumeToRestore)
{
    const int avi = rowNamed(u"_MOT.avi"_s);
    ASSERT_GE(avi, 0);
    controller->ui().fileListTableView->selectRow(avi);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    VolumeSliderView *slider = controller->ui().volumeSliderView;
    slider->setVolume(0.5f);
    playback().volumeChanged(0.5f);
    controller->ui().muteButton->click();
    ASSERT_TRUE(slider->isMuted());

    controller->performKeyCommand(KeyCommandTable::Command::VolumeUp);
    controller->performKeyCommand(KeyCommandTable::Command::VolumeUp);
    // The sound, the button and the slider all still say muted.
    EXPECT_EQ(controller->bigMovieView()->volume(), 0.0f);
    EXPECT_TRUE(slider->isMuted());
    EXPECT_EQ(slider->volume(), 0.0f);
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(controller->ui().muteButton->imageName(), u"volume2"_s);

    controller->ui().muteButton->click();
    EXPECT_NEAR(slider->volume(), 0.7f, 1e-5) << "unmuting gives back the volume the keys chose";
    EXPECT_NEAR(controller->bigMovieView()->volume(), 0.7f, 0.01);
    EXPECT_TRUE(slider->isEnabled());
}

TEST_F(PlaybackControllerTest, EveryLoadStartsWithTheFrontCameraLarge)
{
    const int twoCameras = rowNamed(u"_EVT.avi"_s);
    const int oneCamera = rowNamed(u"_MOT.avi"_s);
    ASSERT_GE(twoCameras, 0);
    ASSERT_GE(oneCamera, 0);
    controller->ui().fileListTableView->selectRow(twoCameras);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    ASSERT_FALSE(playback().smallVideoFilePath().isEmpty()) << "a recording of both cameras";
    // One file, two pictures: the rear camera is its second video stream.
    const QString both = controller->library()->urlAt(twoCameras).toLocalFile();
    EXPECT_EQ(controller->bigMovieView()->fileName(), both);
    EXPECT_EQ(controller->smallMovieView()->fileName(), both);
    EXPECT_EQ(controller->bigMovieView()->videoTrack(), 1);
    EXPECT_EQ(controller->smallMovieView()->videoTrack(), 2);
    controller->ui().switchVideoButton->click();
    ASSERT_TRUE(playback().isVideoSwitched());
    EXPECT_EQ(controller->bigMovieView()->videoTrack(), 2) << "the rear picture large";

    // Another AVI: the flag must not say swapped while the front camera shows large.
    controller->ui().fileListTableView->selectRow(oneCamera);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(playback().isVideoSwitched());
    EXPECT_EQ(controller->bigMovieView()->fileName(), controller->library()->urlAt(oneCamera).toLocalFile());
    EXPECT_TRUE(playback().smallVideoFilePath().isEmpty());
    EXPECT_EQ(controller->takeBigVideoURL(oneCamera), controller->library()->urlAt(oneCamera));

    controller->ui().fileListTableView->selectRow(twoCameras);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_FALSE(playback().isVideoSwitched());
    EXPECT_EQ(controller->bigMovieView()->videoTrack(), 1);
    EXPECT_EQ(controller->smallMovieView()->videoTrack(), 2);
}

TEST_F(PlaybackControllerTest, AnUnplayableRecordingShowsTheUnsupportedFileAlert)
{
    const QString junk = cardFolder().filePath(u"card/cont_rec/zz_junk.avi"_s);
    {
        QFile file(junk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a recording at all");
    }
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_junk.avi"_s);
    ASSERT_GE(row, 0);
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s);
            return alert != nullptr;
        },
        20000));
    EXPECT_FALSE(alert->informativeText().isEmpty());
    EXPECT_TRUE(playback().currentVideoUrl().isEmpty());
    alert->close();
    QFile::remove(junk);
}
// A file the camera reserved and never wrote into says it is empty, not of an unknown format; a
// full working folder's alert is titled after the working folder.
TEST_F(PlaybackControllerTest, AnEmptyReservedFileSaysItIsEmptyAndAWorkingFolderAlertIsTitledSo)
{
    const QString reserved = cardFolder().filePath(u"card/cont_rec/zz_reserved.avi"_s);
    {
        QFile file(reserved);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(2 * 1024 * 1024)); // all holes, or zeros
    }
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_reserved.avi"_s);
    ASSERT_GE(row, 0);
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    const auto waitForAlert = [&] {
        QMessageBox *alert = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s);
                return alert != nullptr;
            },
            20000));
        return alert;
    };
    VexoLanguages &texts = VexoLanguages::SharedVexoLanguages();
    QMessageBox *alert = waitForAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->informativeText(),
              texts.localized(u"녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다."_s));
    EXPECT_EQ(alert->windowTitle(), texts.localized(u"빈 녹화 파일"_s));
    delete alert;
    QFile::remove(reserved);

    playback().showPlaybackFailedAlert(u"작업 폴더에 남은 공간이 없습니다."_s);
    alert = waitForAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->windowTitle(), texts.localized(u"작업 폴더 오류"_s));
    EXPECT_NE(alert->windowTitle(), texts.localized(u"메모리카드 오류"_s));
    delete alert;
}
// A volume mounted or unmounted (even an unrelated one) rebuilds the list: the recording that
// plays stays selected, so "next" and the advance at its end go on from it.
TEST_F(PlaybackControllerTest, AVolumeComingOrGoingKeepsThePlayingRecordingSelected)
{
    int row = controller->library()->rowCount() - 1;
    while (row > 0 && !controller->library()->urlAt(row).fileName().endsWith(u"F.mp4"_s)) {
        --row;
    }
    ASSERT_GT(row, 0) << "a recording below the first row";
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    const QUrl playing = playback().currentVideoUrl();
    ASSERT_EQ(playing, controller->library()->urlAt(row));

    controller->cardFollower()->volumeMountHandler();
    EXPECT_EQ(controller->selectedRow(), row);
    controller->cardFollower()->volumeUnmountHandler();
    EXPECT_EQ(controller->library()->urlAt(controller->selectedRow()), playing);
    EXPECT_FALSE(playback().isVideoPaused()) << "playback goes on";
}

// A recording deleted after it was listed says so, not "unsupported format".
TEST_F(PlaybackControllerTest, ARecordingGoneSinceItWasListedSaysSo)
{
    const QString copy = cardFolder().filePath(u"card/cont_rec/zz_gone.avi"_s);
    ASSERT_TRUE(QFile::copy(controller->library()->urlAt(0).toLocalFile(), copy));
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_gone.avi"_s);
    ASSERT_GE(row, 0);
    ASSERT_TRUE(QFile::remove(copy));
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s);
            return alert != nullptr;
        },
        20000));
    EXPECT_EQ(alert->informativeText(),
              VexoLanguages::SharedVexoLanguages().localized(u"녹화 파일이 더 이상 메모리카드에 없습니다."_s));
    alert->close();
}
// A file the player cannot load (a ".mov" is played as it is) says so instead of sitting silent.
TEST_F(PlaybackControllerTest, AFileThePlayerCannotLoadSaysItIsDamaged)
{
    const QString broken = cardFolder().filePath(u"card/cont_rec/zz_broken.mov"_s);
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x42'));
    }
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_broken.mov"_s);
    ASSERT_GE(row, 0);
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s);
            return alert != nullptr;
        },
        20000));
    EXPECT_EQ(alert->informativeText(),
              VexoLanguages::SharedVexoLanguages().localized(u"녹화 파일이 손상되어 재생할 수 없습니다."_s));
    alert->close();
    QFile::remove(broken);
}
// A two-camera AVI cut short by a power loss has no index to seek by: it goes the conversion
// route, whose copies are indexed, and plays; a seek in it lands while the window goes on.
TEST_F(PlaybackControllerTest, AnAviCutShortBeforeItsIndexPlaysFromItsConversion)
{
    const QString whole = cardFolder().filePath(u"card/evt_rec/20261207_081600_EVT.avi"_s);
    const QString cut =
        cutCopy(u"evt_rec/20261207_081600_EVT.avi"_s, u"zz_cut_EVT.avi"_s, QFileInfo(whole).size() * 2 / 3);
    ASSERT_FALSE(cut.isEmpty());
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_cut_EVT.avi"_s);
    ASSERT_GE(row, 0);
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    ASSERT_TRUE(waitUntilPlaying());
    EXPECT_TRUE(playback().bigVideoFilePath().endsWith(u"zz_cut_EVT_f.mov"_s)) << "converted";
    EXPECT_TRUE(playback().smallVideoFilePath().endsWith(u"zz_cut_EVT_r.mov"_s));
    const double duration = controller->bigMovieView()->duration();
    ASSERT_GT(duration, 4.0);
    playback().pauseVideo();
    playback().seekTimeSliderTouchedUp(std::floor(duration) - 2.0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(controller->bigMovieView()->currentTime() - (std::floor(duration) - 2.0)) < 0.1; },
        10000))
        << controller->bigMovieView()->currentTime();
    QFile::remove(cut);
}

// An MP4 whose moov comes last (as ffmpeg and the cameras write it) plays as it is; one without a
// moov goes the conversion route, which cannot read it either, and says so.
TEST_F(PlaybackControllerTest, AnMp4WithoutItsMoovSaysItCannotPlayAndNothingIsLeft)
{
    QFile front(cardFolder().filePath(u"card/cont_rec/20261207_081500_F.mp4"_s));
    ASSERT_TRUE(front.open(QIODevice::ReadOnly));
    const QByteArray bytes = front.readAll();
    ASSERT_GT(bytes.indexOf("moov"), bytes.indexOf("mdat")) << "the card's MP4s keep their moov last";
    const QString cut = cutCopy(u"cont_rec/20261207_081500_F.mp4"_s, u"zz_nomoov.mp4"_s, bytes.indexOf("moov") - 4);
    ASSERT_FALSE(cut.isEmpty());
    controller->cardFollower()->refreshVideoFileList();
    const int row = rowNamed(u"zz_nomoov.mp4"_s);
    ASSERT_GE(row, 0);
    controller->ui().fileListTableView->selectRow(row);
    controller->videoFileListDoubleClicked();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            alert = controller->mainWindow()->findChild<QMessageBox *>(u"unsupportedFileAlert"_s);
            return alert != nullptr;
        },
        20000));
    EXPECT_FALSE(alert->informativeText().isEmpty());
    EXPECT_TRUE(playback().currentVideoUrl().isEmpty());
    alert->close();
    for (const QString &file : convertedFiles()) {
        EXPECT_FALSE(file.contains(u"zz_nomoov"_s)) << file.toStdString();
    }
    QFile::remove(cut);
}
} // namespace
