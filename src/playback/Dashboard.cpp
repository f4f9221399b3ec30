#include "Dashboard.h"

#include "playback/GravityGraphView.h"
#include "playback/InstrumentImage.h"
#include "playback/SpeedMeterView.h"
#include "sensor/VexoClipData.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

Dashboard::Dashboard(const Outlets &outlets, QObject *parent) : QObject(parent), m_outlets(outlets)
{
    // The still pictures until something plays.
    InstrumentImage::show(m_outlets.shockCarImageView, u"shock_gage1"_s);
    InstrumentImage::show(m_outlets.earthImageView, u"earth1"_s);
    InstrumentImage::show(m_outlets.gpsImageView, u"gps"_s);

    m_playAnimationTimer = new QTimer(this);
    m_playAnimationTimer->setTimerType(Qt::PreciseTimer);
    m_playAnimationTimer->setInterval(kPlayAnimationIntervalMs);
    connect(m_playAnimationTimer, &QTimer::timeout, this, &Dashboard::playAnimationTimerCallback);
}

void Dashboard::updateSensorInfo(float gx, float gy, float gz, float lat, float lng, quint32 speed)
{
    Q_UNUSED(speed);
    updateAcceleration(gx, gy, gz);
    updatePosition(lat, lng);
}

namespace {
void write(QLineEdit *field, const QString &text)
{
    if (field != nullptr) {
        field->setText(text);
    }
}
} // namespace

void Dashboard::updateAcceleration(float gx, float gy, float gz)
{
    // QString::asprintf ignores the locale: the decimal point is always ".".
    write(m_outlets.gxTextField, QString::asprintf("%.3f", double(gx)));
    write(m_outlets.gyTextField, QString::asprintf("%.3f", double(gy)));
    write(m_outlets.gzTextField, QString::asprintf("%.3f", double(gz)));
}

void Dashboard::updatePosition(float lat, float lng)
{
    write(m_outlets.latTextField, QString::asprintf("%.4f", double(lat)));
    write(m_outlets.lngTextField, QString::asprintf("%.4f", double(lng)));
}

void Dashboard::resetVideoInformation()
{
    if (m_outlets.speedMeterView != nullptr) {
        m_outlets.speedMeterView->setSpeed(0);
    }
    updateSensorInfo(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0);
}

void Dashboard::updateGpsIndicator(const VexoClipData *track)
{
    if (m_outlets.gpsImageView != nullptr) {
        m_outlets.gpsImageView->setVisible(track != nullptr && track->gpsDataCount() != 0);
    }
}

void Dashboard::startPlayAnimation()
{
    // A start while running begins a fresh second rather than adding a second timer.
    stopPlayAnimation();
    m_playAnimationTimer->start();
}

void Dashboard::stopPlayAnimation()
{
    // The pictures keep the frame they show.
    m_playAnimationTimer->stop();
}

bool Dashboard::isPlayAnimationRunning() const
{
    return m_playAnimationTimer->isActive();
}

void Dashboard::playAnimationTimerCallback()
{
    const quint32 frame = (m_playAnimationIdx % 2) + 1;
    ++m_playAnimationIdx;
    InstrumentImage::show(m_outlets.shockCarImageView, u"shock_gage%1"_s.arg(frame));
    InstrumentImage::show(m_outlets.earthImageView, u"earth%1"_s.arg(frame));
    for (QLabel *picture : {m_outlets.shockCarImageView, m_outlets.earthImageView}) {
        if (picture != nullptr) {
            picture->show();
        }
    }
}

void Dashboard::refreshSpeedUnitHandler()
{
    if (m_outlets.speedMeterView != nullptr) {
        m_outlets.speedMeterView->setSpeed(m_outlets.speedMeterView->speed());
    }
}
