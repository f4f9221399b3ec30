#pragma once

#include "recording/DirectPlayRoute.h"

#include "app/PlaybackLoader.h"
#include "playback/VexoAVView.h"
#include "playback/clock/PlayGapWatch.h"
#include "playback/clock/PlaybackStopCause.h"
#include "playback/clock/PlaybackTicker.h"
#include "playback/clock/RearFollower.h"
#include "playback/clock/TickSchedule.h"
#include "sensor/SubtitleData.h"
#include "sensor/VexoClipData.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class MainWindowController;
class QTimer;
namespace Ui {
class MainWindow;
}

// Turns a recording that PlaybackLoader made ready into synchronised playback: its front and rear
// files in the two players, its sensor track beside them, both players started together once both
// are ready, and a 33-per-second timer that maps play time to sensor samples for the readouts, the
// meter and the map. Transport, previous/next, auto-advance, volume, the front/rear swap and the
// alerts live here too.
class PlaybackController : public QObject
{
    Q_OBJECT

public:
    static constexpr double PlayTimerInterval = 1.0 / 33.0;

    // LOADER brings the chosen recordings' files and tracks; it outlives the controller.
    PlaybackController(MainWindowController *window, const Ui::MainWindow &ui, VexoAVView *bigMovieView,
                       PlaybackLoader *loader, QObject *parent = nullptr);
    ~PlaybackController() override;

    // Loads a recording; playback starts when the players report that they are ready.
    void prepareVideoToPlay(const QUrl &url, double seekTime);
    void playVideo();
    void pauseVideo();
    void stopVideo();
    void setCurrentVideoTime(double seconds);

    void playPauseButtonTouched();
    void stopButtonTouched();
    void rewindButtonTouched();
    void fastForwardButtonTouched();
    void playPrevFileButtonTouched();
    void playNextFileButtonTouched();
    void toggleVideoSwithButtonTouched();
    void seekTimeSliderTouchedUp(double seconds);
    // Both players at SPEED times real time, landed on the same frame so that the rear starts
    // the new speed in step with the front.
    void setPlaySpeed(double speed);
    double playSpeed() const { return m_bigMovieView->playSpeed(); }
    void playFaster();
    void playSlower();
    void playAtNormalSpeed();
    // Both players SECONDS on or back from the frame shown, within the recording.
    void jumpBy(double seconds);
    void volumeUp();
    void volumeDown();
    void volumeChanged(float volume);
    void toggleMuteButtonTouched();
    void setVideoMute(bool muted);

    void startVideoPlayTimer();
    void stopVideoPlayTimer();
    void playVideoTimerCallback();
    void onMovieReady();
    void movieDidEnd();
    void showUnsupportedFileAlert();
    // The alert for a recording that gives nothing to play, saying why (MESSAGEKEY, a key of
    // ConversionFailure's messages), titled TITLEKEY or after what the message concerns.
    void showPlaybackFailedAlert(const QString &messageKey, const QString &titleKey = QString());

    void vexoAVViewDidUpdateStatus(VexoAVView *view, VexoAVViewStatus status);
    void vexoAVViewDidPlayToEndTime(VexoAVView *view);
    void vexoAVViewDidUpdateDuration(VexoAVView *view, double seconds);
    // Play stopped in a damaged part of the large player's movie: said, and the recording stays.
    void vexoAVViewDidStopAtDamage(VexoAVView *view, double seconds);
    // Whether the chosen recording's players are ready (its recording controls work only then).
    bool isRecordingReady() const { return m_loader->state().isReady(); }

    QUrl currentVideoUrl() const { return m_currentVideoUrl; }
    QString bigVideoFilePath() const { return m_bigVideoFilePath; }
    QString smallVideoFilePath() const { return m_smallVideoFilePath; }
    const VexoClipData &clipData() const { return m_clipData; }
    const SubtitleData *subtitleData() const { return m_subtitleData ? &*m_subtitleData : nullptr; }
    bool isVideoPaused() const { return m_isVideoPaused; }
    bool isVideoSwitched() const { return m_isVideoSwitched; }
    bool isPlayTimerRunning() const;
    const PlaybackTicker &ticker() const { return m_ticker; }
    // Nothing of the recording being loaded is wanted any more (quitting): its probe and track read
    // stop, no conversion starts for it, and the conversion indicator goes.
    void abandonLoad();
    // Gives up the conversion of the chosen recording, if one is under way (an ffmpeg that hangs
    // included): its ffmpeg is stopped, the indicator goes and nothing loads. Whether there was one.
    bool giveUpConversion();
    // The indicator of the chosen recording's conversion, shown over the large player.
    ConversionProgress *conversionProgress() const { return m_loader->progress(); }

Q_SIGNALS:
    // A recording was loaded into the players (after conversion); for the instruments and the map.
    void recordingPrepared();
    // A tick's decisions, applied by whoever shows readouts, meter and map.
    void ticked(const PlaybackTicker::Tick &tick);
    void playbackStarted();
    void playSpeedChanged(double speed);
    void playbackPaused();
    // Stopped or ended: the map goes back under its cover.
    void playbackStopped();

private:
    void connectLoader();
    // The loaded recording URL goes into the players from FILES, front first, with TRACK.
    void playLoaded(const QUrl &url, const QList<DirectPlayRoute::Source> &files,
                    const std::shared_ptr<PlaybackLoader::Track> &track);
    void selectAndPlay(int row);
    void setPlayPauseImages(const QString &name);
    void applyTick(const PlaybackTicker::Tick &tick);
    void setVolumeByStep(double step);
    // The controls that act on the loaded players (swap, frame steps, seeking, snapshot, print):
    // off from the choice of a recording until its players are ready.
    void setRecordingControlsEnabled(bool enabled);
    void showDamagedRecordingAlert(double seconds);
    // A stretch from FROM to TO seconds the player skipped: damaged there, said as a stop is.
    void showSkippedPartAlert(double from, double to);
    void showStoppedAlert(PlaybackStopCause::Cause cause, double seconds);
    void showAlert(const QString &objectName, const QString &titleKey, const QString &text);
    // A recording whose file has gone: its players are emptied, so nothing of it plays from what
    // they still hold.
    void leaveRecording();
    void tickOnSchedule();
    // On each tick while playing: the small player kept on the large one's clock, a skipped part
    // of the movie noticed, and the wait for the card shown.
    void watchWhilePlaying();
    // The small player kept on the large one's clock (FRONT seconds), while both play.
    void followWithTheSmallPlayer(double front);
    void showWaitingForCard(bool waiting);

    MainWindowController *m_window;
    const Ui::MainWindow &m_ui;
    QPointer<VexoAVView> m_bigMovieView;
    QPointer<VexoAVView> m_smallMovieView;
    QTimer *m_videoPlayTimer = nullptr;
    PlaybackTicker m_ticker;
    VexoClipData m_clipData;
    // The camera's clock of the recording loaded, for the frame time beside the play time.
    TrackTimes m_frameTimes;
    std::optional<CardTimeZone> m_frameZone;
    std::optional<SubtitleData> m_subtitleData;
    QUrl m_currentVideoUrl;
    QString m_bigVideoFilePath;
    QString m_smallVideoFilePath;
    bool m_isVideoPaused = true;
    bool m_isVideoSwitched = false;
    // Brings the chosen recording's files and track, and knows which answers are still wanted.
    PlaybackLoader *m_loader;
    // The play timer's rhythm: 33 ticks a second on a millisecond timer.
    TickSchedule m_tickSchedule{33};
    PlayGapWatch m_gapWatch;
    RearFollower m_rearFollower;
    // Over the large player while it waits for the card to deliver more of its movie.
    QLabel *m_waitingLabel = nullptr;
    QElapsedTimer m_tickClock;
    // Between handing files to the players and their readiness: a player error then means the
    // converted file does not play, which is said, not ignored.
    bool m_awaitingPlayers = false;
};
