#pragma once

#include "sensor/VexoClipData.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

// Tracks for the tests, sample by sample, and their comparison. A track's fix count is what the readers would
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

// Sample INDEX as one line ("gx gy gz | lat lng speed | fixTime"), so a difference shows whole.
inline std::string sampleText(const VexoClipData &track, int index)
{
    // Nine digits tell any two floats apart.
    const auto number = [](double value) {
        return QString::number(value, 'g', 9);
    };
    return QStringLiteral("%1 %2 %3 | %4 %5 %6 | %7")
        .arg(track.getGx(index))
        .arg(track.getGy(index))
        .arg(track.getGz(index))
        .arg(number(track.getGpsLat(index)), number(track.getGpsLng(index)))
        .arg(track.getGpsSpeed(index))
        .arg(track.getFixTime(index))
        .toStdString();
}

// The first COUNT samples of both tracks, every field of each.
inline void expectSameSamples(const VexoClipData &actual, const VexoClipData &expected, int count)
{
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(sampleText(actual, i), sampleText(expected, i)) << "sample " << i;
    }
}

// Both tracks whole: their counts and every sample.
inline void expectSameTrack(const VexoClipData &actual, const VexoClipData &expected)
{
    ASSERT_EQ(actual.clipDataCount(), expected.clipDataCount());
    EXPECT_EQ(actual.gpsDataCount(), expected.gpsDataCount());
    expectSameSamples(actual, expected, int(expected.clipDataCount()));
}

} // namespace TestTracks
