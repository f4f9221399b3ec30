#pragma once

#include <QString>

// The play speeds the viewer offers, from a quarter of real time to sixteen times it: one step
// faster or slower from any speed (one not on the list, too, goes to its neighbour in that
// direction), stopping at either end.
class PlaySpeedSteps
{
public:
    static constexpr double Normal = 1.0;

    static double faster(double speed);
    static double slower(double speed);
    // The speed as the control beside the time shows it: "0.25×", "2×".
    static QString label(double speed);
};
