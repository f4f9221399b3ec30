#include "PlaybackController.h"

#include "ConversionProgressView.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "ViewingModesController.h"
#include "core/VexoLanguages.h"
#include "incident/RecordingTrack.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/ConversionProgress.h"
#include "export/ConversionFailure.h"
#include "playback/Dashboard.h"
#include "playback/GravityGraphView.h"
#include "playback/SeekTimeSliderView.h"
#include "playback/SpeedMeterView.h"
#include "playback/VolumeSliderView.h"
#include "ui/ImageButton.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

bool isMp4(const QUrl &url)
{
    return QFileInfo(url.path()).suffix().toLower() == u"mp4";
}
} // namespace

PlaybackController::PlaybackController(MainWindowController *window, const Ui::MainWindow &ui, VexoAVView *bigMovieView,
                                       QObject *parent)
    : QObject(parent), m_window(window), m_ui(ui), m_bigMovieView(bigMovieView), m_smallMovieView(ui.smallMovieView)
{
    m_videoPlayTimer = new QTimer(this);
    m_videoPlayTimer->setTimerType(Qt::PreciseTimer);
    // Qt timers count whole milliseconds: 30 ms is the nearest to a 33rd of a second.
    m_videoPlayTimer->setInterval(int(PlayTimerInterval * 1000.0));
    connect(m_videoPlayTimer, &QTimer::timeout, this, &PlaybackController::playVideoTimerCallback);
    for (VexoAVView *player : {bigMovieView, m_smallMovieView.data()}) {
        connect(player, &VexoAVView::vexoAVViewDidUpdateStatus, this, &PlaybackController::vexoAVViewDidUpdateStatus);
        connect(player, &VexoAVView::vexoAVViewDidPlayToEndTime, this, &PlaybackController::vexoAVViewDidPlayToEndTime);
    }
    m_ticker.setTrack(&m_clipData, nullptr);
    connect(this, &PlaybackController::ticked, this, &PlaybackController::applyTick);
    connect(m_ui.seekTimeSldierView, &SeekTimeSliderView::seekTimeSliderTouchedUp, this,
            &PlaybackController::seekTimeSliderTouchedUp);
    connect(m_ui.volumeSliderView, &VolumeSliderView::volumeChanged, this, &PlaybackController::volumeChanged);
    connect(m_ui.muteButton, &ImageButton::clicked, this, &PlaybackController::toggleMuteButtonTouched);
    m_trackReader.setMaxThreadCount(1);
    m_conversionProgress = new ConversionProgress(this);
    new ConversionProgressView(m_conversionProgress, m_ui.bigMovieViewScrollView); // owned by the main view
}

PlaybackController::~PlaybackController() = default;

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
    m_bigVideoFilePath.clear();
    m_smallVideoFilePath.clear();
    m_subtitleData.reset();
    m_ticker.setTrack(&m_clipData, nullptr);
    m_ticker.resetThrottles();
    m_window->resetMapPosition();

    // Converting can take a while on a long recording: it runs off the GUI thread, and only the
    // newest request is acted on when it returns.
    // The indicator starts anew for this recording; the one before it was cancelled with its
    // conversion.
    const quint64 generation = ++m_loadGeneration;
    m_conversionProgress->begin(url.fileName());
    m_window->checkAndConvertVideo(
        url,
        [this, url, generation](const std::optional<QList<QUrl>> &files, const QString &messageKey) {
            conversionDone(url, files, messageKey, generation);
        },
        [this, generation](double share) {
            if (generation == m_loadGeneration) {
                m_conversionProgress->setShare(share);
            }
        });
}

void PlaybackController::conversionDone(const QUrl &url, const std::optional<QList<QUrl>> &files,
                                        const QString &messageKey, quint64 generation)
{
    if (generation != m_loadGeneration) {
        return;
    }
    if (!files || files->isEmpty()) {
        m_conversionProgress->end();
        m_currentVideoUrl = QUrl();
        showPlaybackFailedAlert(messageKey);
        return;
    }
    m_conversionProgress->complete();
    // The track is read before anything of the recording is shown, as the players, the track and
    // the instruments change together; only the reading leaves the GUI thread, whose window would
    // otherwise stand still while a long recording is scanned.
    const QList<QUrl> playable = *files;
    const QString front = playable.constFirst().toLocalFile();
    m_trackReader.start([this, url, playable, front, generation] {
        std::shared_ptr<SensorTrack> track = readSensorTrack(url, front);
        QMetaObject::invokeMethod(
            this,
            [this, url, playable, track, generation] {
                if (generation == m_loadGeneration) {
                    continuePrepare(url, playable, *track);
                }
            },
            Qt::QueuedConnection);
    });
}

void PlaybackController::continuePrepare(const QUrl &url, const QList<QUrl> &files, SensorTrack &track)
{
    m_currentVideoUrl = url;
    m_awaitingPlayers = true;
    m_window->enableVideoControls(true);
    m_bigVideoFilePath = files.at(0).toLocalFile();
    m_bigMovieView->setFileName(m_bigVideoFilePath);
    if (files.size() > 1) {
        m_smallVideoFilePath = files.at(1).toLocalFile();
        m_smallMovieView->setFileName(m_smallVideoFilePath);
        m_smallMovieView->setVolume(0.0f); // the small player is always silent
        m_ui.switchVideoButton->setEnabled(true);
    } else {
        m_ui.switchVideoButton->setEnabled(false);
    }
    m_clipData = track.clipData;
    m_subtitleData = std::move(track.subtitleData);
    m_ticker.setTrack(&m_clipData, subtitleData());
    m_ui.gravityGraphView->setClipData(&m_clipData);
    if (Dashboard *dashboard = m_window->dashboard()) {
        dashboard->updateGpsIndicator(&m_clipData);
    }
    m_window->prepareMapForTrack(m_clipData);
    Q_EMIT recordingPrepared();
    m_window->updateMovieViewCoverScrren();
}

std::shared_ptr<PlaybackController::SensorTrack> PlaybackController::readSensorTrack(const QUrl &url,
                                                                                     const QString &frontFile)
{
    auto track = std::make_shared<SensorTrack>();
    RecordingTrack::load(url.toLocalFile(), frontFile, track->clipData);
    if (isMp4(url)) {
        track->subtitleData = SubtitleData::fromPath(RecordingTrack::subtitlePath(frontFile));
    }
    return track;
}

void PlaybackController::vexoAVViewDidUpdateStatus(VexoAVView *view, VexoAVViewStatus status)
{
    if (status == VexoAVViewStatusError) {
        // That recording will not start: nothing is on its way any more.
        m_conversionProgress->end();
        // A file with sound only reports an error and then readiness at once: only an error that
        // stays means the file does not play.
        const quint64 generation = m_loadGeneration;
        QTimer::singleShot(0, this, [this, view, generation] {
            if (generation == m_loadGeneration && view->status() == VexoAVViewStatusError &&
                std::exchange(m_awaitingPlayers, false)) {
                showPlaybackFailedAlert(ConversionFailure::messageKey(ConversionFailure::Reason::Damaged));
            }
        });
        return;
    }
    if (status != VexoAVViewStatusPrepared) {
        return;
    }
    // Both players start together, whichever reports last.
    if (view == m_bigMovieView) {
        m_ui.seekTimeSldierView->setMaxSliderValue(m_bigMovieView->duration());
        m_bigMovieView->setVolume(m_ui.volumeSliderView->volume());
        if (m_ui.volumeSliderView->isMuted()) {
            m_ui.volumeSliderView->setEnabled(false);
        }
        if (!m_smallMovieView->hasMovie() || m_smallMovieView->status() == VexoAVViewStatusPrepared) {
            onMovieReady();
        }
    } else if (view == m_smallMovieView) {
        m_smallMovieView->setVolume(0.0f);
        if (m_bigMovieView->status() == VexoAVViewStatusPrepared) {
            onMovieReady();
        }
    }
}

void PlaybackController::onMovieReady()
{
    m_awaitingPlayers = false;
    m_conversionProgress->end();
    playVideo();
    m_window->startPlayAnimation();
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
    if (m_isVideoPaused) {
        playVideo();
    } else {
        pauseVideo();
    }
}

void PlaybackController::stopButtonTouched()
{
    stopVideo();
}

void PlaybackController::rewindButtonTouched()
{
    pauseVideo();
    m_bigMovieView->stepBackward();
    m_smallMovieView->stepBackward();
    playVideoTimerCallback();
}

void PlaybackController::fastForwardButtonTouched()
{
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
    pauseVideo();
    m_isVideoSwitched = !m_isVideoSwitched;
    m_bigMovieView->swapPlayerItemWith(m_smallMovieView);
    playVideo();
}

void PlaybackController::seekTimeSliderTouchedUp(double seconds)
{
    m_ticker.resetThrottles();
    m_bigMovieView->setCurrentTime(seconds);
    m_smallMovieView->setCurrentTime(seconds);
}

void PlaybackController::startVideoPlayTimer()
{
    m_videoPlayTimer->stop();
    m_videoPlayTimer->start();
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

void PlaybackController::showPlaybackFailedAlert(const QString &messageKey)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, localized(u"메모리카드 오류"_s),
                                  localized(u"메모리카드 오류"_s), QMessageBox::Ok, m_window->mainWindow());
    alert->setObjectName(u"unsupportedFileAlert"_s);
    alert->setTextFormat(Qt::PlainText);
    alert->setInformativeText(localized(
        messageKey.isEmpty() ? ConversionFailure::messageKey(ConversionFailure::Reason::Unsupported) : messageKey));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
