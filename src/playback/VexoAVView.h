#pragma once

#include <QImage>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class MoviePlayer;
class QLabel;

enum VexoAVViewStatus : qint32
{
    VexoAVViewStatusInit = 0,
    VexoAVViewStatusLoading = 1,
    VexoAVViewStatusPrepared = 2,
    VexoAVViewStatusPlaying = 3,
    VexoAVViewStatusPaused = 4,
    VexoAVViewStatusEnded = 5,
    VexoAVViewStatusUnknown = 6,
    VexoAVViewStatusError = 7,
};

// The view that plays one video file: the large player, the small picture-in-picture player and
// the full-screen picture. It knows nothing of recordings; the playback controller drives it and
// hears back through its signals. Status changes are announced on the next turn of the event
// loop, in order, each with the value it changed to.
class VexoAVView : public QWidget
{
    Q_OBJECT

public:
    // Makes the player of each file loaded; the libmpv one unless a test puts a stand-in here.
    using PlayerFactory = std::function<std::unique_ptr<MoviePlayer>()>;

    explicit VexoAVView(QWidget *parent = nullptr);
    ~VexoAVView() override;

    void setPlayerFactory(PlayerFactory factory) { m_playerFactory = std::move(factory); }

    static QString statusName(qint32 status);

    QString fileName() const { return m_fileName; }
    // Loads PATH (an empty path just closes the movie), showing its VIDEOTRACK-th video stream
    // (from 1; 0 lets the player choose).
    void setFileName(const QString &path, int videoTrack = 0);
    // The video stream shown of fileName().
    int videoTrack() const { return m_videoTrack; }
    QUrl fileURL() const;
    VexoAVViewStatus status() const { return m_status; }
    // True while loading or loaded; false with no file or after an error.
    bool hasMovie() const;

    double duration() const;
    double currentTime() const;
    // Seeks to the nearest whole second, exactly.
    void setCurrentTime(double seconds);
    // Seeks to SECONDS itself (the first frame at or after it): to put two players in step.
    void seekExactly(double seconds);
    // 0 to 1.
    float volume() const;
    void setVolume(float volume);
    void setMute(bool mute);
    // Playing stands still until more of the file has been read from the card.
    bool isWaitingForData() const;
    // How many jumps (seeks, frame steps, movies loaded or swapped) were asked of this view: play
    // time that leaps without one is a part of the movie the player skipped.
    quint64 jumpCount() const { return m_jumps; }
    // The last play rate the player reported.
    double rate() const { return m_rate; }
    // The player's rate right now (0 paused, negative backwards).
    double playerRate() const;

    // The speed play() plays at (1: real time); taken at once while playing forward.
    double playSpeed() const { return m_playSpeed; }
    void setPlaySpeed(double speed);

    void play();
    void pause();
    void playPauseToggle();
    void fastForward();
    void rewind();
    void stepForward();
    void stepBackward();

    bool upsideDown() const { return m_upsideDown; }
    bool leftsideRight() const { return m_leftsideRight; }
    void setUpsideDown(bool mirrored);
    void setLeftsideRight(bool mirrored);

    // The frame now shown, at the video's own size; null without a picture.
    QImage snapshot() const;
    // Exchanges the loaded movies (picture, sound, position) of the two views without reloading.
    void swapPlayerItemWith(VexoAVView *other);

    void close();
    void reset() { close(); }

    QLabel *noVideoView() const { return m_noVideoView; }

Q_SIGNALS:
    void vexoAVViewDidUpdateStatus(VexoAVView *view, VexoAVViewStatus status);
    void vexoAVViewDidUpdateTime(VexoAVView *view, double seconds);
    void vexoAVViewDidUpdateRate(VexoAVView *view, double rate);
    void vexoAVViewDidPlayToEndTime(VexoAVView *view);
    // The movie's length as the player reports it, whenever it changes (it may come after Prepared).
    void vexoAVViewDidUpdateDuration(VexoAVView *view, double seconds);
    // Play stopped more than a second before the movie's end, at SECONDS: the file is damaged
    // there (the player found nothing it could read from that point on).
    void vexoAVViewDidStopAtDamage(VexoAVView *view, double seconds);
    void vexoAVViewDidRequestFullscreen(VexoAVView *view);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setStatus(VexoAVViewStatus status);
    void prepareAsset();
    void closePlayer();
    void removeObservers();
    void rebuildObservers();
    void onFileLoaded();
    void onTime(double seconds);
    void onRate(double rate);
    void onEnd();

    PlayerFactory m_playerFactory;
    std::unique_ptr<MoviePlayer> m_player;
    // Each file loaded (and each close) is a new load; a status still on its way from an earlier
    // one is dropped, so a listener never hears the last movie's Prepared while the next loads.
    quint64 m_load = 0;
    // The file failed to load: a late report that it loaded must not make it Prepared.
    bool m_loadFailed = false;
    QList<QMetaObject::Connection> m_observers;
    QString m_fileName;
    int m_videoTrack = 0;
    VexoAVViewStatus m_status = VexoAVViewStatusInit;
    double m_rate = 0.0;
    double m_playSpeed = 1.0;
    qint64 m_lastTimeTick = -1;
    quint64 m_jumps = 0;
    bool m_upsideDown = false;
    bool m_leftsideRight = false;
    QLabel *m_noVideoView = nullptr;
};

Q_DECLARE_METATYPE(VexoAVViewStatus)
