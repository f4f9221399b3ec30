#include "PlaybackController.h"

#include "ConversionProgressView.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "ViewingModesController.h"
#include "core/VexoLanguages.h"
#include "library/RecordingLibrary.h"
#include "recording/DirectPlayRoute.h"
#include "recording/RecordingTrack.h"
#include "ui_MainWindow.h"

#include "app/RecordingMoments.h"
#include "export/ConversionFailure.h"
#include "playback/Dashboard.h"
#include "playback/GravityGraphView.h"
#include "playback/SeekTimeSliderView.h"
#include "playback/SpeedMeterView.h"
#include "playback/VolumeSliderView.h"
#include "playback/clock/PlaySpeedSteps.h"
#include "ui/ImageButton.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

QString minutesAndSeconds(double seconds)
{
    const int whole = int(std::clamp(std::floor(seconds), 0.0, double(INT_MAX)));
    return u"%1:%2"_s.arg(whole / 60, 2, 10, QChar(u'0')).arg(whole % 60, 2, 10, QChar(u'0'));
}
} // namespace

PlaybackController::PlaybackController(MainWindowController *window, const Ui::MainWindow &ui, VexoAVView *bigMovieView,
                                       PlaybackLoader *loader, QObject *parent)
    : QObject(parent), m_window(window), m_ui(ui), m_bigMovieView(bigMovieView), m_smallMovieView(ui.smallMovieView),
      m_loader(loader)
{
    // The loader's answers are for this controller only: it goes with it.
    m_loader->setParent(this);
    // Qt timers count whole milliseconds: each tick is armed for its own due time (TickSchedule),
    // so the timer runs 33 times a second, not 33.3.
    m_videoPlayTimer = new QTimer(this);
    m_videoPlayTimer->setTimerType(Qt::PreciseTimer);
    m_videoPlayTimer->setSingleShot(true);
    connect(m_videoPlayTimer, &QTimer::timeout, this, &PlaybackController::tickOnSchedule);
    for (VexoAVView *player : {bigMovieView, m_smallMovieView.data()}) {
        connect(player, &VexoAVView::vexoAVViewDidUpdateStatus, this, &PlaybackController::vexoAVViewDidUpdateStatus);
        connect(player, &VexoAVView::vexoAVViewDidPlayToEndTime, this, &PlaybackController::vexoAVViewDidPlayToEndTime);
        connect(player, &VexoAVView::vexoAVViewDidUpdateDuration, this,
                &PlaybackController::vexoAVViewDidUpdateDuration);
        connect(player, &VexoAVView::vexoAVViewDidStopAtDamage, this, &PlaybackController::vexoAVViewDidStopAtDamage);
    }
    m_ticker.setTrack(&m_clipData, nullptr);
    connect(this, &PlaybackController::ticked, this, &PlaybackController::applyTick);
    connect(m_ui.seekTimeSldierView, &SeekTimeSliderView::seekTimeSliderTouchedUp, this,
            &PlaybackController::seekTimeSliderTouchedUp);
    connect(m_ui.volumeSliderView, &VolumeSliderView::volumeChanged, this, &PlaybackController::volumeChanged);
    connect(m_ui.muteButton, &ImageButton::clicked, this, &PlaybackController::toggleMuteButtonTouched);
    connectLoader();
    new ConversionProgressView(m_loader->progress(), m_ui.bigMovieViewScrollView); // owned by the main view
    m_waitingLabel = new QLabel(m_ui.bigMovieViewScrollView);
    m_waitingLabel->setObjectName(u"waitingForCardLabel"_s);
    m_waitingLabel->setStyleSheet(u"QLabel { background: rgba(0, 0, 0, 160); color: white; padding: 6px; }"_s);
    m_waitingLabel->hide();
}

PlaybackController::~PlaybackController() = default;

void PlaybackController::connectLoader()
{
    connect(m_loader, &PlaybackLoader::loaded, this, &PlaybackController::playLoaded);
    // Stop gives the conversion up, even before any recording has played.
    connect(m_loader, &PlaybackLoader::conversionStarted, this, [this] { m_ui.stopButton->setEnabled(true); });
    connect(m_loader, &PlaybackLoader::nothingToPlay, this, [this] { m_currentVideoUrl = QUrl(); });
    connect(m_loader, &PlaybackLoader::failed, this, &PlaybackController::showPlaybackFailedAlert);
    connect(m_loader, &PlaybackLoader::gone, this, &PlaybackController::leaveRecording);
    connect(m_loader, &PlaybackLoader::cutShort, this, [this](const QString &key) { showPlaybackFailedAlert(key); });
}

void PlaybackController::prepareVideoToPlay(const QUrl &url, double seekTime)
{
    Q_UNUSED(seekTime) // every recording plays from its start
    m_window->resetVideoInformation();
    if (ViewingModesController *modes = m_window->viewingModes()) {
        modes->prepareForRecording();
    }
    m_bigMovieView->reset();
    m_smallMovieView->reset();
    // Each recording starts with its front camera large, whatever its kind: a flag left from the
    // last one would make saving and snapshots take the wrong camera.
    m_isVideoSwitched = false;
    setRecordingControlsEnabled(false);
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    // The chosen recording is the current one from now on, though a conversion may keep it from
    // playing for a while: a refreshed list selects its row, and next, auto-advance and Save go
    // on from it, not from the recording before.
    m_currentVideoUrl = url;
    m_subtitleData.reset();
    m_ticker.setTrack(&m_clipData, nullptr);
    m_ticker.resetThrottles();
    m_frameTimes = TrackTimes();
    m_ui.seekTimeSldierView->setEventMarks({});
    m_window->resetMapPosition();
    showWaitingForCard(false);
    // The recording before it is no longer wanted: its conversion and track read stop, and
    // nothing acts on players that hold no movie yet.
    m_loader->load(url);
}

void PlaybackController::abandonLoad()
{
    m_loader->abandon();
    // A recording still on its way is not loaded now: nothing is current.
    if (!m_loader->state().isReady()) {
        m_currentVideoUrl = QUrl();
    }
}

bool PlaybackController::giveUpConversion()
{
    if (!m_loader->giveUpConversion()) {
        return false;
    }
    abandonLoad();
    return true;
}

void PlaybackController::playLoaded(const QUrl &url, const QList<DirectPlayRoute::Source> &files,
                                    const std::shared_ptr<PlaybackLoader::Track> &track)
{
    m_currentVideoUrl = url;
    m_awaitingPlayers = true;
    m_window->enableVideoControls(true);
    setRecordingControlsEnabled(false);
    // The players are put in place now: a swap pressed meanwhile did nothing to them.
    m_isVideoSwitched = false;
    m_bigVideoFilePath = files.at(0).path;
    m_bigMovieView->setFileName(m_bigVideoFilePath, files.at(0).videoTrack);
    if (files.size() > 1) {
        m_smallVideoFilePath = files.at(1).path;
        m_smallMovieView->setFileName(m_smallVideoFilePath, files.at(1).videoTrack);
        m_smallMovieView->setVolume(0.0f); // the small player is always silent
    }
    m_clipData = track->clipData;
    m_subtitleData = track->subtitleData;
    m_ticker.setTrack(&m_clipData, subtitleData());
    m_ui.gravityGraphView->setClipData(&m_clipData);
    m_ui.seekTimeSldierView->setEventMarks(track->hardEventSeconds);
    m_frameTimes = track->times;
    m_frameZone = track->zone;
    if (Dashboard *dashboard = m_window->dashboard()) {
        dashboard->updateGpsIndicator(&m_clipData);
    }
    m_window->prepareMapForTrack(m_clipData);
    Q_EMIT recordingPrepared();
    m_window->updateMovieViewCoverScrren();
}

void PlaybackController::vexoAVViewDidUpdateStatus(VexoAVView *view, VexoAVViewStatus status)
{
    if (status == VexoAVViewStatusError) {
        // That recording will not start: nothing is on its way any more.
        m_loader->progress()->end();
        // A file with sound only reports an error and then readiness at once: only an error that
        // stays means the file does not play.
        const quint64 generation = m_loader->state().current();
        QTimer::singleShot(0, this, [this, view, generation] {
            if (m_loader->state().isCurrent(generation) && view->status() == VexoAVViewStatusError &&
                std::exchange(m_awaitingPlayers, false)) {
                m_loader->explainPlayerFailure(view->fileName(), m_currentVideoUrl.toLocalFile());
            }
        });
        return;
    }
    if (status != VexoAVViewStatusPrepared) {
        return;
    }
    // Both players start together, whichever reports last.
    if (view == m_bigMovieView) {
        // The length known now; a later report of it follows (vexoAVViewDidUpdateDuration).
        m_ui.seekTimeSldierView->setMaxSliderValue(m_bigMovieView->duration());
        m_bigMovieView->setVolume(m_ui.volumeSliderView->volume());
        if (m_ui.volumeSliderView->isMuted()) {
            m_ui.volumeSliderView->setEnabled(false);
        }
        // Without a rear camera the front starts alone; a rear that failed keeps the pair from
        // starting (its status is Error, never Prepared).
        if (m_smallVideoFilePath.isEmpty() || m_smallMovieView->status() == VexoAVViewStatusPrepared) {
            onMovieReady();
        }
    } else if (view == m_smallMovieView) {
        m_smallMovieView->setVolume(0.0f);
        if (m_bigMovieView->status() == VexoAVViewStatusPrepared) {
            onMovieReady();
        }
    }
}

void PlaybackController::vexoAVViewDidUpdateDuration(VexoAVView *view, double seconds)
{
    if (view == m_bigMovieView && std::isfinite(seconds) && seconds > 0.0) {
        m_ui.seekTimeSldierView->setMaxSliderValue(seconds);
    }
}

void PlaybackController::onMovieReady()
{
    m_awaitingPlayers = false;
    m_loader->progress()->end();
    setRecordingControlsEnabled(true);
    // Stop pressed while the recording loaded holds: it waits at its start.
    if (!m_loader->state().becomeReady()) {
        return;
    }
    playVideo();
    m_window->startPlayAnimation();
}

void PlaybackController::setRecordingControlsEnabled(bool enabled)
{
    for (QWidget *control : {static_cast<QWidget *>(m_ui.rewindButton), static_cast<QWidget *>(m_ui.fastForwardButton),
                             static_cast<QWidget *>(m_ui.seekTimeSldierView),
                             static_cast<QWidget *>(m_ui.snapShotButton), static_cast<QWidget *>(m_ui.printButton)}) {
        control->setEnabled(enabled);
    }
    m_ui.switchVideoButton->setEnabled(enabled && !m_smallVideoFilePath.isEmpty());
}

void PlaybackController::setPlayPauseImages(const QString &name)
{
    m_ui.playPauseButton->setImage(name);
    m_ui.fullScreenPlayPauseButton->setImage(name);
}

void PlaybackController::playVideo()
{
    if (!m_bigMovieView->hasMovie()) {
        return;
    }
    m_isVideoPaused = false;
    setPlayPauseImages(u"pause1"_s);
    startVideoPlayTimer();
    m_window->startPlayAnimation();
    Q_EMIT playbackStarted();
    m_bigMovieView->play();
    m_smallMovieView->play();
    // Both players start together (a listener above may have moved them): only the play from here
    // on is watched.
    m_rearFollower.reset();
    m_gapWatch.restart();
}

void PlaybackController::pauseVideo()
{
    if (m_isVideoPaused) {
        return;
    }
    m_isVideoPaused = true;
    setPlayPauseImages(u"play_1"_s);
    m_bigMovieView->pause();
    m_smallMovieView->pause();
    stopVideoPlayTimer();
    m_rearFollower.reset();
    m_gapWatch.restart();
    showWaitingForCard(false);
    m_window->stopPlayAnimation();
    Q_EMIT playbackPaused();
}

void PlaybackController::stopVideo()
{
    pauseVideo();
    m_isVideoPaused = true;
    setCurrentVideoTime(0.0);
    stopVideoPlayTimer();
    m_ui.seekTimeSldierView->setCurrentSliderValue(0.0);
    m_ticker.resetThrottles();
    m_window->resetMapPosition();
    m_window->stopPlayAnimation();
    Q_EMIT playbackStopped();
}

void PlaybackController::setCurrentVideoTime(double seconds)
{
    m_bigMovieView->setCurrentTime(seconds);
    m_smallMovieView->setCurrentTime(seconds);
}

void PlaybackController::playPauseButtonTouched()
{
    m_loader->state().playPressed();
    if (m_isVideoPaused) {
        playVideo();
    } else {
        pauseVideo();
    }
}

void PlaybackController::stopButtonTouched()
{
    giveUpConversion();
    m_loader->state().stopPressed();
    stopVideo();
}

void PlaybackController::rewindButtonTouched()
{
    // The keys step frames too: nothing to step until the chosen recording's players are ready.
    if (!m_loader->state().isReady()) {
        return;
    }
    pauseVideo();
    m_bigMovieView->stepBackward();
    m_smallMovieView->stepBackward();
    playVideoTimerCallback();
}

void PlaybackController::fastForwardButtonTouched()
{
    if (!m_loader->state().isReady()) {
        return;
    }
    pauseVideo();
    m_bigMovieView->stepForward();
    m_smallMovieView->stepForward();
    playVideoTimerCallback();
}

void PlaybackController::selectAndPlay(int row)
{
    if (row < 0) {
        return;
    }
    m_ui.fileListTableView->selectRow(row);
    m_ui.fileListTableView->scrollTo(m_window->library()->index(row));
    m_window->playVideoWithIdx(row);
}

void PlaybackController::playPrevFileButtonTouched()
{
    selectAndPlay(m_window->library()->previousRow(m_window->selectedRow()));
}

void PlaybackController::playNextFileButtonTouched()
{
    selectAndPlay(m_window->library()->nextRow(m_window->selectedRow()));
}

void PlaybackController::toggleVideoSwithButtonTouched()
{
    // Nothing to swap until both players hold the recording's movies.
    if (!m_loader->state().isReady() || !m_smallMovieView->hasMovie()) {
        return;
    }
    pauseVideo();
    m_isVideoSwitched = !m_isVideoSwitched;
    m_bigMovieView->swapPlayerItemWith(m_smallMovieView);
    playVideo();
}

void PlaybackController::seekTimeSliderTouchedUp(double seconds)
{
    if (!m_loader->state().isReady()) {
        return;
    }
    m_ticker.resetThrottles();
    m_bigMovieView->setCurrentTime(seconds);
    m_smallMovieView->setCurrentTime(seconds);
    // Paused, no tick follows: the time, speed, g values and map go to the new place at once.
    playVideoTimerCallback();
}

void PlaybackController::setPlaySpeed(double speed)
{
    if (speed == playSpeed()) {
        return;
    }
    m_bigMovieView->setPlaySpeed(speed);
    m_smallMovieView->setPlaySpeed(speed);
    m_rearFollower.setSpeed(speed);
    if (m_loader->state().isReady() && !m_smallVideoFilePath.isEmpty()) {
        const double front = m_bigMovieView->currentTime();
        m_bigMovieView->seekExactly(front);
        m_smallMovieView->seekExactly(front);
    }
    m_rearFollower.reset();
    m_gapWatch.restart();
    Q_EMIT playSpeedChanged(playSpeed());
}

void PlaybackController::playFaster()
{
    setPlaySpeed(PlaySpeedSteps::faster(playSpeed()));
}

void PlaybackController::playSlower()
{
    setPlaySpeed(PlaySpeedSteps::slower(playSpeed()));
}

void PlaybackController::playAtNormalSpeed()
{
    setPlaySpeed(PlaySpeedSteps::Normal);
}

void PlaybackController::jumpBy(double seconds)
{
    if (!m_loader->state().isReady()) {
        return;
    }
    const double length = m_bigMovieView->duration();
    double to = qMax(0.0, m_bigMovieView->currentTime() + seconds);
    if (length > 0.0) {
        to = qMin(to, length);
    }
    m_ticker.resetThrottles();
    m_bigMovieView->seekExactly(to);
    m_smallMovieView->seekExactly(to);
    m_rearFollower.reset();
    m_gapWatch.restart();
    playVideoTimerCallback();
}

void PlaybackController::startVideoPlayTimer()
{
    m_videoPlayTimer->stop();
    m_tickClock.start();
    m_videoPlayTimer->start(m_tickSchedule.start(0));
}

void PlaybackController::tickOnSchedule()
{
    // Armed again before the tick runs: a listener may stop the timer from it.
    m_videoPlayTimer->start(m_tickSchedule.next(m_tickClock.elapsed()));
    watchWhilePlaying();
    playVideoTimerCallback();
}

void PlaybackController::watchWhilePlaying()
{
    const double front = m_bigMovieView->currentTime();
    showWaitingForCard(m_bigMovieView->isWaitingForData());
    followWithTheSmallPlayer(front);
    if (const std::optional<PlayGapWatch::Gap> gap =
            m_gapWatch.tick(front, m_tickClock.elapsed(), m_bigMovieView->playerRate(), m_bigMovieView->jumpCount())) {
        // Skipping on would hide the damage: say where it is, from where play now stands.
        pauseVideo();
        showSkippedPartAlert(gap->from, gap->to);
    }
}

void PlaybackController::followWithTheSmallPlayer(double front)
{
    if (m_smallVideoFilePath.isEmpty() || !m_smallMovieView->hasMovie()) {
        return;
    }
    // One of them full screen stops the other on purpose: nothing is followed then, and a small
    // player held here plays on.
    if (m_bigMovieView->playerRate() <= 0.0) {
        if (m_rearFollower.isHolding()) {
            m_smallMovieView->play();
        }
        m_rearFollower.reset();
        return;
    }
    if (m_smallMovieView->playerRate() <= 0.0 && !m_rearFollower.isHolding()) {
        return;
    }
    const double rear = m_smallMovieView->currentTime();
    const double rearLength = m_smallMovieView->duration();
    switch (m_rearFollower.tick(front, rear, rearLength)) {
    case RearFollower::Action::Hold:
        m_smallMovieView->pause();
        break;
    case RearFollower::Action::Release:
        // A small movie that has ended stays at its end (playing it again would restart it).
        if (rearLength <= 0.0 || rear < rearLength) {
            m_smallMovieView->play();
        }
        break;
    case RearFollower::Action::Seek:
        m_smallMovieView->seekExactly(front);
        break;
    case RearFollower::Action::None:
        break;
    }
}

void PlaybackController::showWaitingForCard(bool waiting)
{
    if (waiting == m_waitingLabel->isVisible()) {
        return;
    }
    if (waiting) {
        m_waitingLabel->setText(localized(u"메모리카드를 기다리는 중…"_s));
        m_waitingLabel->adjustSize();
        m_waitingLabel->move(12, 12);
        m_waitingLabel->raise();
    }
    m_waitingLabel->setVisible(waiting);
}

void PlaybackController::stopVideoPlayTimer()
{
    m_videoPlayTimer->stop();
}

bool PlaybackController::isPlayTimerRunning() const
{
    return m_videoPlayTimer->isActive();
}

void PlaybackController::playVideoTimerCallback()
{
    const double duration = m_bigMovieView->duration();
    const double time = m_bigMovieView->currentTime();
    m_ui.seekTimeSldierView->setCurrentSliderValue(time);
    m_window->updatePlayTime(time, duration);
    const QString clock = RecordingMoments::cameraTimeText(m_frameTimes, m_frameZone, time);
    if (m_ui.frameTimeLabel->text() != clock) {
        m_ui.frameTimeLabel->setText(clock);
    }
    Q_EMIT ticked(m_ticker.tick(time, !m_window->isMapCovered()));
}

void PlaybackController::applyTick(const PlaybackTicker::Tick &tick)
{
    Dashboard *dashboard = m_window->dashboard();
    if (dashboard == nullptr) {
        return;
    }
    if (tick.updateSensorInfo) {
        dashboard->updateSensorInfo(tick.gx, tick.gy, tick.gz, tick.lat, tick.lng, tick.speed);
    }
    if (tick.updateAcceleration) {
        dashboard->updateAcceleration(tick.gx, tick.gy, tick.gz);
    }
    if (tick.updatePosition) {
        dashboard->updatePosition(tick.lat, tick.lng);
    }
    if (tick.updateSpeed) {
        m_ui.speedMeterView->setSpeed(int(qMin<quint32>(tick.speed, quint32(INT_MAX))));
    }
    switch (tick.map) {
    case PlaybackTicker::MapAction::Move:
        m_window->updateMapWithLat(tick.lat, tick.lng);
        break;
    case PlaybackTicker::MapAction::ShowAndMove:
        m_window->setMapCovered(false);
        m_window->updateMapWithLat(tick.lat, tick.lng);
        break;
    case PlaybackTicker::MapAction::Cover:
        m_window->setMapCovered(true);
        break;
    case PlaybackTicker::MapAction::None:
        break;
    }
}

void PlaybackController::setVolumeByStep(double step)
{
    VolumeSliderView *slider = m_ui.volumeSliderView;
    if (slider->isMuted()) {
        // Muted stays muted: the keys change the volume that unmuting gives back, while the
        // sound, the mute button and the disabled slider all keep saying silence.
        slider->setBackupVolume(float(double(slider->backupVolume()) + step));
        return;
    }
    // The slider keeps the volume within 0 to 1; the large player follows what it settled on.
    m_ui.volumeSliderView->setVolume(float(double(m_ui.volumeSliderView->volume()) + step));
    m_bigMovieView->setVolume(m_ui.volumeSliderView->volume());
}

void PlaybackController::volumeUp()
{
    setVolumeByStep(0.1);
}

void PlaybackController::volumeDown()
{
    setVolumeByStep(-0.1);
}

void PlaybackController::volumeChanged(float volume)
{
    m_bigMovieView->setVolume(volume);
}

void PlaybackController::toggleMuteButtonTouched()
{
    const bool muted = !m_ui.volumeSliderView->isMuted();
    m_ui.volumeSliderView->setIsMuted(muted);
    setVideoMute(muted);
}

void PlaybackController::setVideoMute(bool muted)
{
    m_ui.muteButton->setImage(muted ? u"volume2"_s : u"volume1"_s);
    m_ui.volumeSliderView->setEnabled(!muted);
}

void PlaybackController::vexoAVViewDidPlayToEndTime(VexoAVView *view)
{
    if (view == m_bigMovieView) {
        movieDidEnd();
    }
}

void PlaybackController::vexoAVViewDidStopAtDamage(VexoAVView *view, double seconds)
{
    if (view != m_bigMovieView) {
        return; // the large player's movie sets the recording's course
    }
    // Moving on to the next recording would hide the damage: say where it is and stay. The card
    // says whether the recording is damaged there, could not be read, or has gone.
    pauseVideo();
    playVideoTimerCallback();
    const double length = view->duration();
    const double from = length > 0.0 ? seconds / length : 0.0;
    // The player reads a little ahead of what it shows: the part that failed lies past the stop.
    const double to = length > 0.0 ? (seconds + 5.0) / length : 1.0;
    m_loader->inspect(view->fileName(), m_currentVideoUrl.toLocalFile(), from, to,
                      [this, seconds](PlaybackStopCause::Cause cause) { showStoppedAlert(cause, seconds); });
}

void PlaybackController::leaveRecording()
{
    pauseVideo();
    stopVideoPlayTimer();
    // A new number: answers still on their way for the recording are dropped with it.
    m_loader->forget();
    m_awaitingPlayers = false;
    m_bigMovieView->reset();
    m_smallMovieView->reset();
    m_currentVideoUrl = QUrl();
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    setRecordingControlsEnabled(false);
    m_window->enableVideoControls(false);
    m_window->updateMovieViewCoverScrren();
    Q_EMIT playbackStopped();
}

void PlaybackController::movieDidEnd()
{
    stopVideoPlayTimer();
    playNextFileButtonTouched();
    Q_EMIT playbackStopped();
}

void PlaybackController::showUnsupportedFileAlert()
{
    showPlaybackFailedAlert(ConversionFailure::messageKey(ConversionFailure::Reason::Unsupported));
}

void PlaybackController::showPlaybackFailedAlert(const QString &messageKey, const QString &titleKey)
{
    const bool workingFolder =
        messageKey == ConversionFailure::messageKey(ConversionFailure::Reason::WorkingFolderFull) ||
        messageKey == ConversionFailure::messageKey(ConversionFailure::Reason::WorkingFolderNotWritable);
    const QString title = workingFolder ? u"작업 폴더 오류"_s : titleKey.isEmpty() ? u"메모리카드 오류"_s : titleKey;
    showAlert(u"unsupportedFileAlert"_s, title,
              localized(messageKey.isEmpty() ? ConversionFailure::messageKey(ConversionFailure::Reason::Unsupported)
                                             : messageKey));
}

void PlaybackController::showStoppedAlert(PlaybackStopCause::Cause cause, double seconds)
{
    if (cause == PlaybackStopCause::Cause::Damaged) {
        showDamagedRecordingAlert(seconds);
        return;
    }
    if (PlaybackStopCause::leavesRecording(cause)) {
        leaveRecording();
    }
    QString text = localized(PlaybackStopCause::stoppedMessageKey(cause));
    if (cause == PlaybackStopCause::Cause::CardUnreadable) {
        text += u" ("_s + minutesAndSeconds(seconds) + u")"_s;
    }
    showAlert(u"cardTroubleAlert"_s, PlaybackStopCause::titleKey(cause), text);
}

void PlaybackController::showDamagedRecordingAlert(double seconds)
{
    showAlert(u"damagedRecordingAlert"_s, u"손상된 녹화 파일"_s,
              localized(u"녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다."_s) + u" ("_s +
                  minutesAndSeconds(seconds) + u")"_s);
}

void PlaybackController::showSkippedPartAlert(double from, double to)
{
    showAlert(u"damagedRecordingAlert"_s, u"손상된 녹화 파일"_s,
              localized(u"녹화 파일의 %1부터 %2까지는 손상되어 재생할 수 없어 건너뛰었습니다."_s)
                  .arg(minutesAndSeconds(from), minutesAndSeconds(to)));
}

void PlaybackController::showAlert(const QString &objectName, const QString &titleKey, const QString &text)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, localized(titleKey), localized(titleKey), QMessageBox::Ok,
                                  m_window->mainWindow());
    alert->setObjectName(objectName);
    alert->setTextFormat(Qt::PlainText);
    alert->setInformativeText(text);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
