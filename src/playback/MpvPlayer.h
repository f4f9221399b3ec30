#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <map>
#include <optional>

struct mpv_handle;
struct mpv_render_context;

// One libmpv player: the only place that talks to the mpv C API. Events are drained on the GUI
// thread (mpv's wakeup callback only queues a call), property changes become typed signals after
// their format is checked, and frames are rendered in software into an image the view paints, so
// it works with or without OpenGL. A listener may destroy the player from any of its signals.
class MpvPlayer : public QObject
{
    Q_OBJECT

public:
    explicit MpvPlayer(QObject *parent = nullptr);
    ~MpvPlayer() override;

    // False when libmpv could not be started; every call is then harmless and returns nothing.
    bool isValid() const { return m_handle != nullptr; }

    void loadFile(const QString &path);
    void stop();

    bool isPaused() const;
    void setPaused(bool paused);
    double speed() const;
    bool isPlayingBackward() const;
    // Signed play rate: 0 when paused, negative when playing backwards.
    double rate() const;
    void setRate(double rate);

    double timePos() const;
    double duration() const;
    bool eofReached() const;
    bool hasVideo() const;
    // 0 to 100.
    double volume() const;
    void setVolume(double volume);
    void setMute(bool mute);

    // Lands exactly on SECONDS.
    void seekAbsoluteExact(double seconds);
    void frameStep();
    void frameBackStep();

    // The video frame now shown, at the video's own size, unmirrored; null without a picture.
    QImage screenshot() const;

    // The last frame rendered for a surface of SIZE device pixels: rendered anew when mpv has a
    // new frame or the size changed.
    const QImage &frame(const QSize &size);

Q_SIGNALS:
    void fileLoaded();
    void loadFailed(const QString &reason);
    void timePosChanged(double seconds);
    void durationChanged(double seconds);
    void rateChanged(double rate);
    void endReached();
    // A seek (or the start of the file) has finished and its frame is on its way to the screen.
    void playbackRestarted();
    void frameReady();

private:
    void drainEvents();
    void handlePropertyChange(const char *name, int format, void *data);
    void renderUpdate();
    double doubleProperty(const char *name, double fallback = 0.0) const;
    bool flagProperty(const char *name) const;
    void setFlagProperty(const char *name, bool value);
    void setDoubleProperty(const char *name, double value);
    bool hasVideoNow() const;
    void command(std::initializer_list<const char *> arguments);
    // The same without waiting for mpv's playback thread to take it (see setFlagProperty).
    void queueCommand(std::initializer_list<const char *> arguments);
    // Seconds per frame from the stream's rate; 0 when unknown.
    double frameDuration() const;
    void stepBy(double frames, const char *fallback);

    mpv_handle *m_handle = nullptr;
    mpv_render_context *m_render = nullptr;
    QImage m_frame;
    bool m_frameDirty = true;
    bool m_wasAtEnd = false;
    // What mpv last reported of the observed properties that change only now and then (not the
    // play position): asking mpv instead waits for its playback thread, hundreds of milliseconds
    // while it opens or decodes a large picture. Absent before mpv's first report, empty while the
    // property is unavailable.
    std::map<QByteArray, std::optional<double>> m_heard;
    std::optional<bool> m_heardBackward;
    // Whether the loaded file has a picture, once mpv has answered.
    std::optional<bool> m_hasVideo;
    // The play position of mpv's last report, whether a seek or a frame step is still under way
    // (the position is asked of mpv then, and until its next report), and whether the file was
    // just loaded (at its start until the first report).
    std::optional<double> m_heardTime;
    bool m_exactTimeUntilRestart = false;
    bool m_freshlyLoaded = false;
};
