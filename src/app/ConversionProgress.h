#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTimer;

// What the indicator over the large player shows while a chosen recording is being converted:
// the recording's name and the share done. It appears only for a conversion that takes a moment
// (the show delay has passed, whether or not ffmpeg has reported a share yet), so a quick re-mux
// never flashes it; it goes when playback starts, when another recording is chosen (which begins
// anew), when the conversion is given up and when the recording cannot be played.
class ConversionProgress : public QObject
{
    Q_OBJECT

public:
    // Long enough that a conversion of a short recording does not flash the indicator.
    static constexpr int DefaultShowDelayMs = 300;

    explicit ConversionProgress(QObject *parent = nullptr);

    void setShowDelayMs(int milliseconds) { m_showDelayMs = milliseconds; }

    // The recording named RECORDINGNAME is being prepared: share 0, hidden for now.
    void begin(const QString &recordingName);
    // ffmpeg reported SHARE (0 to 1) of the recording done. Ignored when nothing was begun; a share
    // below the one shown keeps the one shown.
    void setShare(double share);
    // The conversion finished: a shown indicator stays, full, until playback starts; one not yet
    // shown never shows for this recording (what remains is the players' short load).
    void complete();
    // Playback started, the recording failed, or the conversion was cancelled: hidden.
    void end();

    bool isVisible() const { return m_visible; }
    bool isActive() const { return m_active; }
    QString recordingName() const { return m_recordingName; }
    double share() const { return m_share; }
    // The share in whole percent, rounded down, so 100 means really finished.
    int percent() const;

Q_SIGNALS:
    // Any of visible, name and share changed.
    void changed();

private:
    void showDelayEnded();
    void updateVisibility();

    QTimer *m_showTimer = nullptr;
    int m_showDelayMs = DefaultShowDelayMs;
    QElapsedTimer m_sinceBegin;
    QString m_recordingName;
    double m_share = 0.0;
    bool m_active = false;
    bool m_visible = false;
};
