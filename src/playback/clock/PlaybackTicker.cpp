#include "PlaybackTicker.h"

#include "sensor/SubtitleData.h"
#include "sensor/VexoClipData.h"

#include <cmath>
#include <limits>

qint32 PlaybackTicker::sampleIndex(double seconds)
{
    const double scaled = seconds * 10.0;
    if (!std::isfinite(scaled) || scaled <= double(std::numeric_limits<qint32>::min()) ||
        scaled >= double(std::numeric_limits<qint32>::max())) {
        // No player time, or nonsense: sample 0 rather than undefined behaviour.
        return 0;
    }
    return qint32(scaled);
}

float PlaybackTicker::accelerationDisplayValue(qint32 raw)
{
    return float(raw * 4) * 0.001953125f;
}

void PlaybackTicker::setTrack(const VexoClipData *clipData, const SubtitleData *subtitleData)
{
    m_clipData = clipData;
    m_subtitleData = subtitleData;
}

void PlaybackTicker::resetThrottles()
{
    m_lastUpdatedSensorInfoTime = 0.0;
    m_lastUpdatedMapTime = 0.0;
}

PlaybackTicker::Tick PlaybackTicker::tick(double seconds, bool mapVisible)
{
    Tick result;
    result.sampleIndex = sampleIndex(seconds);
    if (m_subtitleData != nullptr) {
        return tickFromSubtitles(seconds, mapVisible, result);
    }
    return tickFromTrack(seconds, result);
}

PlaybackTicker::Tick PlaybackTicker::tickFromTrack(double seconds, Tick result)
{
    const qint32 index = result.sampleIndex;
    // Past the last sample every readout keeps its last value.
    if (m_clipData == nullptr || index < 0 || quint32(index) >= m_clipData->clipDataCount()) {
        return result;
    }
    int x = 0;
    int y = 0;
    int z = 0;
    m_clipData->getClipDataWithIndex(index, &x, &y, &z, &result.lat, &result.lng, &result.speed);
    if (seconds - m_lastUpdatedSensorInfoTime > SensorInterval) {
        m_lastUpdatedSensorInfoTime = seconds;
        result.updateSensorInfo = true;
        result.updateSpeed = true;
        result.gx = accelerationDisplayValue(x);
        result.gy = accelerationDisplayValue(y);
        result.gz = accelerationDisplayValue(z);
    }
    if (seconds - m_lastUpdatedMapTime > MapInterval) {
        m_lastUpdatedMapTime = seconds;
        result.map = MapAction::Move;
    }
    return result;
}

PlaybackTicker::Tick PlaybackTicker::tickFromSubtitles(double seconds, bool mapVisible, Tick result)
{
    const qint32 index = result.sampleIndex;
    qint32 x = 0;
    qint32 y = 0;
    qint32 z = 0;
    if (seconds - m_lastUpdatedSensorInfoTime >= SensorInterval && m_subtitleData->getSensorAt(index, &x, &y, &z)) {
        m_lastUpdatedSensorInfoTime = seconds;
        result.updateAcceleration = true;
        result.gx = accelerationDisplayValue(x);
        result.gy = accelerationDisplayValue(y);
        result.gz = accelerationDisplayValue(z);
    }
    switch (m_subtitleData->getGpsAt(index, &result.lat, &result.lng, &result.speed)) {
    case 0: {
        const double sinceMap = seconds - m_lastUpdatedMapTime;
        if (sinceMap >= MapInterval) {
            // A steady one-second rhythm, picked up afresh after a jump.
            m_lastUpdatedMapTime = sinceMap < 2.0 ? m_lastUpdatedMapTime + 1.0 : seconds;
            result.updatePosition = true;
            result.updateSpeed = true;
            result.map = MapAction::Move;
        }
        break;
    }
    case 1:
        if (!mapVisible) {
            result.map = MapAction::ShowAndMove;
            result.updatePosition = true;
        }
        result.updateSpeed = true;
        break;
    default:
        result.map = MapAction::Cover;
        result.updateSpeed = true;
        result.speed = 0;
        break;
    }
    return result;
}
