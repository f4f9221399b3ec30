#pragma once

#include "playback/VolumeGauge.h"

#include <QWidget>

class QLabel;

// The volume gauge: a bar picture with a level picture whose width follows the volume. A press or
// drag sets the volume under the pointer and reports it through volumeChanged, as muting and
// unmuting do.
class VolumeSliderView : public QWidget
{
    Q_OBJECT

public:
    explicit VolumeSliderView(QWidget *parent = nullptr);

    float volume() const { return m_gauge.volume(); }
    // Limited to 0 to 1. Not reported: the caller already knows what it set.
    void setVolume(float volume);
    bool isMuted() const { return m_gauge.isMuted(); }
    // Zeroes or restores the volume and reports it.
    void setIsMuted(bool muted);
    // The volume unmuting gives back (limited to 0 to 1); changing it neither shows nor reports
    // anything while muted.
    float backupVolume() const { return m_gauge.backupVolume(); }
    void setBackupVolume(float volume) { m_gauge.setBackupVolume(volume); }

    QLabel *bgImageView() const { return m_bgImageView; }
    QLabel *gaugeImageView() const { return m_gaugeImageView; }

Q_SIGNALS:
    void volumeChanged(float volume);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setVolumeGaugeWithXPoint(double x);
    // Follows the view's current size (a hidden view gets no resize events).
    void fitToWidth();
    void showLevel();
    void sendVolumeChangedEvent();

    QLabel *m_bgImageView = nullptr;
    QLabel *m_gaugeImageView = nullptr;
    VolumeGauge m_gauge;
};
