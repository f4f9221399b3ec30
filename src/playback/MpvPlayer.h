#pragma once

#include "MoviePlayer.h"
#include "SeekTracker.h"

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
// it works with or without OpenGL. The GUI thread never waits for mpv here apart from loading
// (which queues) and the snapshot: properties are read from mpv's own reports, requests are
// queued, and seeks and frame steps go through a SeekTracker (one under way at a time, the rest
// coalesced). A listener may destroy the player from any of its signals.
class MpvPlayer : public MoviePlayer
{
    Q_OBJECT

public:
    explicit MpvPlayer(QObject *parent = nullptr);
    ~MpvPlayer() override;

    bool isValid() const override { return m_handle != nullptr; }

    void loadFile(const QString &path, int videoTrack = 0) override;
    // The demuxer a file of PATH's name is read with: "mov" for ".mp4" and ".mov", "avi" for
    // ".avi"; empty for any other name (mpv chooses).
    static QByteArray containerOf(const QString &path);
    void stop();

    bool isPaused() const override;
    void setPaused(bool paused) override;
    double speed() const;
    bool isPlayingBackward() const;
    double rate() const override;
    void setRate(double rate) override;

    double timePos() const override;
    double duration() const override;
    bool eofReached() const override;
    bool isWaitingForData() const override;
    bool hasVideo() const override;
    double volume() const override;
    void setVolume(double volume) override;
    void setMute(bool mute) override;

    void seekAbsoluteExact(double seconds) override;
    // Whether a seek or frame step is on its way (its frame not shown yet).
    bool isSeeking() const { return m_seeks.isSeeking(); }
    void frameStep() override;
    void frameBackStep() override;

    QImage screenshot() const override;
    const QImage &frame(const QSize &size) override;

private:
    void drainEvents();
    void handlePropertyChange(const char *name, int format, void *data);
    void renderUpdate();
    double doubleProperty(const char *name, double fallback = 0.0) const;
    bool flagProperty(const char *name) const;
    void setFlagProperty(const char *name, bool value);
    void setDoubleProperty(const char *name, double value);
    bool hasVideoNow() const;
    // Queues a command without waiting for mpv's playback thread to take it; REPLY, when not 0,
    // comes back with mpv's answer.
    void queueCommand(std::initializer_list<const char *> arguments, quint64 reply = 0);
    // Sends a seek the tracker decided on, if any.
    void sendSeek(const std::optional<SeekTracker::Seek> &seek);
    // Seconds per frame from the stream's rate as mpv reported it; 0 when unknown.
    double frameDuration() const;
    void stepBy(int frames, const char *fallback);
    void leaveEnd();

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
    bool m_heardBackward = false;
    // Whether the loaded file has a picture, once mpv has answered.
    std::optional<bool> m_hasVideo;
    // The file failed to load: nothing may report it loaded afterwards.
    bool m_failed = false;
    SeekTracker m_seeks;
};
