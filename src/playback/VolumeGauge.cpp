#include "VolumeGauge.h"

#include <algorithm>
#include <cmath>

void VolumeGauge::setViewWidth(double width)
{
    m_viewWidth = std::max(0.0, width);
    // The level keeps its volume; only its bar follows the new width.
    m_levelWidth = static_cast<double>(m_volume) * m_viewWidth;
}

void VolumeGauge::setVolumeGaugeWithXPoint(double x)
{
    if (!(m_viewWidth > 0.0)) {
        // A view with no width yet has no pointer positions to read a volume from.
        m_levelWidth = 0.0;
        return;
    }
    const double limited = std::clamp(x, 0.0, m_viewWidth);
    m_levelWidth = limited;
    m_volume = static_cast<float>(limited / m_viewWidth);
}

void VolumeGauge::setVolumeGageWithVolume(float volume)
{
    if (!(m_viewWidth > 0.0)) {
        // Without a width the division would give NaN; keep the volume for when the view is laid out.
        m_volume = volume;
        m_levelWidth = 0.0;
        return;
    }
    setVolumeGaugeWithXPoint(static_cast<double>(volume) * m_viewWidth);
}

void VolumeGauge::setVolume(float volume)
{
    // NaN is no volume at all: silence rather than handing it to the player.
    const float limited = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f);
    setVolumeGageWithVolume(limited);
}

void VolumeGauge::setIsMuted(bool muted)
{
    const bool wasMuted = m_isMuted;
    m_isMuted = muted;
    if (muted) {
        if (!wasMuted) {
            m_backupVolume = m_volume;
        }
        setVolume(0.0f);
    } else {
        setVolume(m_backupVolume);
    }
}

void VolumeGauge::setBackupVolume(float volume)
{
    m_backupVolume = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f);
}
