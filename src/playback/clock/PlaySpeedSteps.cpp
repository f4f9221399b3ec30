#include "PlaySpeedSteps.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace {
constexpr std::array<double, 7> kSteps = {0.25, 0.5, 1.0, 2.0, 4.0, 8.0, 16.0};
// Speeds that come back from the player through a double differ from a step by rounding only.
constexpr double kSame = 1e-6;
} // namespace

double PlaySpeedSteps::faster(double speed)
{
    if (!std::isfinite(speed)) {
        return Normal;
    }
    for (const double step : kSteps) {
        if (step > speed + kSame) {
            return step;
        }
    }
    return kSteps.back();
}

double PlaySpeedSteps::slower(double speed)
{
    if (!std::isfinite(speed)) {
        return Normal;
    }
    for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (*step < speed - kSame) {
            return *step;
        }
    }
    return kSteps.front();
}

QString PlaySpeedSteps::label(double speed)
{
    return QLocale().toString(speed, 'g', 3) + QChar(0x00D7);
}
