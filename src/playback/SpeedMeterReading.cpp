#include "SpeedMeterReading.h"

#include <algorithm>
#include <cmath>

int SpeedMeterReading::milesPerHour(int speedKmh)
{
    // Single precision throughout: the meter has always rounded the float product, and a double
    // product can round the other way at a half.
    return static_cast<int>(std::roundf(static_cast<float>(speedKmh) * 0.621371f));
}

int SpeedMeterReading::segmentsFor(int displayValue)
{
    const double tens = std::trunc(displayValue / 10.0);
    return static_cast<int>(std::clamp(tens, 0.0, double(kSegmentCount)));
}

SpeedMeterReading SpeedMeterReading::forSpeed(int speedKmh, bool milesPerHour)
{
    SpeedMeterReading reading;
    reading.showsMph = milesPerHour;
    reading.displayValue = milesPerHour ? SpeedMeterReading::milesPerHour(speedKmh) : speedKmh;
    reading.litSegments = segmentsFor(reading.displayValue);
    // The threshold is on the km/h value, so 8 km/h stays dark in mph too (where it would be 5).
    if (speedKmh < kLowestShownSpeed) {
        return reading;
    }
    const int value = reading.displayValue;
    const int tensValue = static_cast<int>(std::trunc(static_cast<float>(value) / 10.0f));
    const int hundredsValue = static_cast<int>(std::trunc(static_cast<float>(tensValue) / 10.0f));
    const int ones = value % 10;
    const int tens = tensValue % 10;
    const int hundreds = hundredsValue % 10;
    reading.digits[0] = ones;
    if (hundreds != 0) {
        reading.digits[1] = tens;
        reading.digits[2] = hundreds;
    } else if (tens != 0) {
        reading.digits[1] = tens;
    }
    return reading;
}
