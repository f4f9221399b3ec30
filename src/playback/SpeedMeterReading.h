#pragma once

#include <array>

// What the speed meter shows for one speed: the number in the display unit, its digits and how many
// bar segments are lit. Kept apart from the widget so the rounding and digit rules are tested alone.
struct SpeedMeterReading
{
    static constexpr int kSegmentCount = 24;
    // Each segment stands for this many display units; 24 of them reach 240.
    static constexpr int kUnitsPerSegment = 10;
    // Below this km/h value the digits stay dark, in either unit.
    static constexpr int kLowestShownSpeed = 9;
    // A digit place that shows nothing.
    static constexpr int kNoDigit = -1;

    // The number in the display unit: the km/h value itself, or miles per hour rounded in single
    // precision (100 km/h is 62 mph, 14 km/h is 9).
    int displayValue = 0;
    bool showsMph = false;
    // Ones, tens and hundreds digit, kNoDigit where the place is dark.
    std::array<int, 3> digits{kNoDigit, kNoDigit, kNoDigit};
    int litSegments = 0;

    // SPEED in km/h; MILES_PER_HOUR says which unit the user chose.
    static SpeedMeterReading forSpeed(int speedKmh, bool milesPerHour);
    // How many segments a value in the display unit lights: a whole segment per full ten.
    static int segmentsFor(int displayValue);
    static int milesPerHour(int speedKmh);
};
