#include "PlayerVolume.h"

#include <QtGlobal>

#include <cmath>

double PlayerVolume::mpvFromAmplitude(double amplitude)
{
    return 100.0 * std::cbrt(qBound(0.0, amplitude, 100.0) / 100.0);
}

double PlayerVolume::amplitudeFromMpv(double volume)
{
    const double share = qBound(0.0, volume, 100.0) / 100.0;
    return 100.0 * share * share * share;
}
