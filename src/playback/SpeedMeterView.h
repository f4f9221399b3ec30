#pragma once

#include <QList>
#include <QWidget>

class QLabel;
struct SpeedMeterReading;

// The speed meter: three digit pictures over a bar of 24 segments, in the unit the user chose
// (the "VexoViewerSpeedUnit" preference). It keeps the last km/h value so a change of unit can
// redraw it.
class SpeedMeterView : public QWidget
{
    Q_OBJECT

public:
    explicit SpeedMeterView(QWidget *parent = nullptr);

    // Stores SPEED (km/h) and shows it in the current unit.
    void setSpeed(int speed);
    int speed() const { return m_speed; }
    // Lights a whole segment for every full ten of VALUE (display unit).
    void setSpeedGauge(int value);

    QLabel *bgImageView() const { return m_bgImageView; }
    QLabel *number1() const { return m_number1; }
    QLabel *number10() const { return m_number10; }
    QLabel *number100() const { return m_number100; }
    QLabel *speedUnitImageView() const { return m_speedUnitImageView; }
    const QList<QLabel *> &gaugeList() const { return m_gaugeList; }

private:
    void showReading(const SpeedMeterReading &reading);

    QLabel *m_bgImageView = nullptr;
    QLabel *m_number1 = nullptr;
    QLabel *m_number10 = nullptr;
    QLabel *m_number100 = nullptr;
    QLabel *m_speedUnitImageView = nullptr;
    QList<QLabel *> m_gaugeList;
    int m_speed = 0;
};
