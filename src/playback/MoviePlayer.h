#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

// What a player view needs of the player of one movie file. MpvPlayer is the one the viewer uses;
// tests put a stand-in in its place to hear exactly the reports they want, in the order they want.
// Every call returns at once: reads answer from what the player last reported, requests are
// queued. A listener may destroy the player from any of its signals.
class MoviePlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // False when the player could not be started; every call is then harmless.
    virtual bool isValid() const = 0;
    // Loads PATH showing its VIDEOTRACK-th video stream (counted from 1; 0 leaves the choice to
    // the player): the rear camera of a recording of both cameras is the second.
    virtual void loadFile(const QString &path, int videoTrack) = 0;

    virtual bool isPaused() const = 0;
    virtual void setPaused(bool paused) = 0;
    // Signed play rate: 0 when paused, negative when playing backwards.
    virtual double rate() const = 0;
    virtual void setRate(double rate) = 0;

    // The time of the frame shown, or of the frame a seek or step under way will show.
    virtual double timePos() const = 0;
    virtual double duration() const = 0;
    virtual bool eofReached() const = 0;
    // Playing stands still until more of the file has been read (a slow or failing card).
    virtual bool isWaitingForData() const { return false; }
    virtual bool hasVideo() const = 0;
    // 0 to 100, a share of the sound's amplitude (50: half the amplitude, about -6 dB).
    virtual double volume() const = 0;
    virtual void setVolume(double volume) = 0;
    virtual void setMute(bool mute) = 0;

    // Lands exactly on SECONDS (the first frame at or after it).
    virtual void seekAbsoluteExact(double seconds) = 0;
    virtual void frameStep() = 0;
    virtual void frameBackStep() = 0;

    // The video frame now shown, at the video's own size, unmirrored; null without a picture.
    virtual QImage screenshot() const = 0;
    // The last frame rendered for a surface of SIZE device pixels.
    virtual const QImage &frame(const QSize &size) = 0;

Q_SIGNALS:
    void fileLoaded();
    void loadFailed(const QString &reason);
    // Only positions of the frame shown: none between a seek and its restart.
    void timePosChanged(double seconds);
    void durationChanged(double seconds);
    void rateChanged(double rate);
    void endReached();
    // The newest seek has finished and its frame is on its way to the screen.
    void playbackRestarted();
    void frameReady();
};
