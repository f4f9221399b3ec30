#pragma once

#include <optional>

// The seek slider's arithmetic: the knob's travel along the view, the value under a pointer
// position and the knob's place for a value. Positions are in the view's own coordinates; the
// knob's centre follows the pointer and stays inside the view.
class SeekSliderGeometry
{
public:
    // The knob's own width; the travel runs from half of it to the view width less half of it.
    void setSliderWidth(double width);
    // Recomputed whenever the view changes size, so a resized slider stays correct.
    void setViewWidth(double width);

    double sliderHalfWidth() const { return m_sliderHalfWidth; }
    double minSliderXPt() const { return m_sliderHalfWidth; }
    double maxSliderXPt() const { return m_viewWidth - m_sliderHalfWidth; }
    double sliderLength() const { return maxSliderXPt() - minSliderXPt(); }

    // The value at the right end: the recording's duration in seconds.
    double maxSliderValue() const { return m_maxSliderValue; }
    void setMaxSliderValue(double value) { m_maxSliderValue = value; }

    // The value under the pointer at X: 0 left of the travel, maxSliderValue right of it, and 0
    // everywhere while the travel has no length.
    double calculateSliderValueFromSliderXPosition(double x) const;
    // The knob's left edge for a pointer at X.
    double sliderXForPoint(double x) const;
    // The knob's left edge for VALUE; none while there is no maximum to place it against.
    std::optional<double> sliderXForValue(double value) const;
    // A value set by the program is kept, but never above the maximum.
    double limitedValue(double value) const;

private:
    double m_sliderHalfWidth = 0.0;
    double m_viewWidth = 0.0;
    double m_maxSliderValue = 0.0;
};
