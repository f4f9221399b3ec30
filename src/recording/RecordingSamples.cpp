#include "RecordingSamples.h"

RecordingSamples RecordingSamples::fromTrack(const GrowingTrack &track)
{
    RecordingSamples result;
    result.samples = track.samples();
    result.gpsCount = track.gpsDataCount();
    return result;
}
