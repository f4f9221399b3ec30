#pragma once

#include "sensor/VexoClipData.h"

// Tracks for the map tests, sample by sample. A track's fix count is what the readers would
// report: the samples whose position is not (0, 0).
namespace TestTracks {

inline void finish(VexoClipData &track, int count)
{
    track.setClipDataCount(quint32(count));
    quint32 fixes = 0;
    for (int i = 0; i < count; ++i) {
        fixes += (track.getGpsLat(i) != 0.0f || track.getGpsLng(i) != 0.0f) ? 1 : 0;
    }
    track.setGpsDataCount(fixes);
}

// COUNT samples, all at (LAT, LNG).
inline void constant(VexoClipData &track, int count, float lat, float lng)
{
    track.clear();
    for (int i = 0; i < count; ++i) {
        track.setSample(i, 0, 0, 128, lat, lng, 30);
    }
    finish(track, count);
}

// 600 samples: the first NOFIX without a fix, then a drive north-east, each sample a new place.
// Sample i (from NOFIX on) is at (37.5 + i / 10000, 127 + i / 10000).
inline void driveAfterNoFix(VexoClipData &track, int noFix = 20, int count = 600)
{
    track.clear();
    for (int i = 0; i < count; ++i) {
        const bool fix = i >= noFix;
        const float step = float(i) / 10000.0f;
        track.setSample(i, 0, 0, 128, fix ? 37.5f + step : 0.0f, fix ? 127.0f + step : 0.0f, fix ? 40 : 0);
    }
    finish(track, count);
}

} // namespace TestTracks
