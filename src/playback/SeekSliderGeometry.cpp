#include "SeekSliderGeometry.h"

#include <algorithm>
#include <cmath>

void SeekSliderGeometry::setSliderWidth(double width)
{
    m_sliderHalfWidth = width / 2.0;
}

void SeekSliderGeometry::setViewWidth(double width)
{
    m_viewWidth = width;
}

double SeekSliderGeometry::calculateSliderValueFromSliderXPosition(double x) const
{
    const double length = sliderLength();
    // A view no wider than the knob has no travel: dividing by it would give NaN or infinity,
    // which the players would be asked to seek to.
    if (!(length > 0.0)) {
        return 0.0;
    }
    const double position = std::clamp(x - m_sliderHalfWidth, 0.0, length);
    return position * m_maxSliderValue / length;
}

double SeekSliderGeometry::sliderXForPoint(double x) const
{
    const double right = std::max(0.0, maxSliderXPt() - m_sliderHalfWidth);
    return std::clamp(x - m_sliderHalfWidth, 0.0, right);
}

std::optional<double> SeekSliderGeometry::sliderXForValue(double value) const
{
    if (m_maxSliderValue == 0.0) {
        return std::nullopt;
    }
    const double x = value * sliderLength() / m_maxSliderValue + m_sliderHalfWidth;
    // A duration the player could not tell (NaN, infinite) gives no place to put the knob.
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    return sliderXForPoint(x);
}

double SeekSliderGeometry::limitedValue(double value) const
{
    return std::min(value, m_maxSliderValue);
}
