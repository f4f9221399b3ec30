#include "GravityGraphPoints.h"

#include "sensor/VexoClipData.h"

#include <algorithm>
#include <cmath>

float GravityGraphPoints::baseYPointForHeight(double height)
{
    return static_cast<float>(height / 2.0);
}

float GravityGraphPoints::yForAcceleration(float baseYPoint, int acceleration)
{
    const float distance = std::fabs(static_cast<float>(acceleration) * 20.0f / 200.0f);
    return std::max(0.0f, baseYPoint - distance);
}

void GravityGraphPoints::clear()
{
    m_gxPointList.clear();
    m_gyPointList.clear();
    m_gzPointList.clear();
}

void GravityGraphPoints::generatePoints(const VexoClipData *track, float baseYPoint)
{
    m_baseYPoint = baseYPoint;
    clear();
    if (track == nullptr) {
        return;
    }
    // The track never holds more than its capacity; a count beyond it would only repeat the
    // out-of-range values.
    const int count = static_cast<int>(std::min<quint32>(track->clipDataCount(), VexoClipData::kCapacity));
    if (count == 0) {
        return;
    }
    m_gxPointList.reserve(count);
    m_gyPointList.reserve(count);
    m_gzPointList.reserve(count);
    const float n = static_cast<float>(count);
    for (int i = 0; i < count; ++i) {
        const float x = (static_cast<float>(i) + 1.0f) / n;
        m_gxPointList.append({x, yForAcceleration(baseYPoint, track->getGx(i))});
        m_gyPointList.append({x, yForAcceleration(baseYPoint, track->getGy(i))});
        m_gzPointList.append({x, yForAcceleration(baseYPoint, track->getGz(i))});
    }
}
