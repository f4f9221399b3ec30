#pragma once

#include <QObject>

class GravityGraphView;
class QLabel;
class QLineEdit;
class QTimer;
class SpeedMeterView;
class VexoClipData;

// The main window's instruments beside the picture: the read-outs of acceleration and position,
// the speed meter, the graph, the GPS indicator and the two pictures that move while a recording
// plays. The playback controller decides when and with which sample; this only shows it.
class Dashboard : public QObject
{
    Q_OBJECT

public:
    // The main window's views this works on; all owned by the window.
    struct Outlets
    {
        SpeedMeterView *speedMeterView = nullptr;
        GravityGraphView *gravityGraphView = nullptr;
        QLabel *shockCarImageView = nullptr;
        QLabel *earthImageView = nullptr;
        QLabel *gpsImageView = nullptr;
        QLineEdit *gxTextField = nullptr;
        QLineEdit *gyTextField = nullptr;
        QLineEdit *gzTextField = nullptr;
        QLineEdit *latTextField = nullptr;
        QLineEdit *lngTextField = nullptr;
    };

    // How often the two pictures change while a recording plays.
    static constexpr int kPlayAnimationIntervalMs = 1000;

    explicit Dashboard(const Outlets &outlets, QObject *parent = nullptr);

    // Acceleration in g with three decimals, position in degrees with four. SPEED is not shown
    // here: the caller gives it to the speed meter.
    void updateSensorInfo(float gx, float gy, float gz, float lat, float lng, quint32 speed);
    // Only the three acceleration read-outs, or only the two position read-outs.
    void updateAcceleration(float gx, float gy, float gz);
    void updatePosition(float lat, float lng);
    // No recording: zero read-outs and speed.
    void resetVideoInformation();
    // The GPS indicator is shown for a track with positions, hidden for one without.
    void updateGpsIndicator(const VexoClipData *track);

    void startPlayAnimation();
    void stopPlayAnimation();
    void playAnimationTimerCallback();
    bool isPlayAnimationRunning() const;
    quint32 playAnimationIdx() const { return m_playAnimationIdx; }

    // The speed unit changed: the meter shows its last speed again in the new unit.
    void refreshSpeedUnitHandler();

    const Outlets &outlets() const { return m_outlets; }

private:
    Outlets m_outlets;
    QTimer *m_playAnimationTimer = nullptr;
    quint32 m_playAnimationIdx = 0;
};
