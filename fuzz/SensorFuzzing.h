#pragma once

// Shared by the sensor readers' fuzz targets: the checks every reader must pass on any input.
#include "sensor/GrowingTrack.h"
#include "sensor/VexoClipData.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstring>

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A reader's result is a sample count within the track, and a count of fixes within that.
inline void checkTrack(const VexoClipData &track, int count)
{
    if (count < 0 || count > VexoClipData::kCapacity || (count == 0 && track.gpsDataCount() != 0) ||
        track.gpsDataCount() > quint32(count)) {
        __builtin_trap();
    }
}

inline bool sameTrack(const VexoClipData &a, const VexoClipData &b, int count)
{
    for (int i = 0; i < count; ++i) {
        int ax, ay, az, bx, by, bz;
        float alat, alng, blat, blng;
        quint32 as, bs;
        a.getClipDataWithIndex(i, &ax, &ay, &az, &alat, &alng, &as);
        b.getClipDataWithIndex(i, &bx, &by, &bz, &blat, &blng, &bs);
        // Bitwise for the floats: a NaN is the same NaN.
        if (ax != bx || ay != by || az != bz || as != bs || std::memcmp(&alat, &blat, sizeof alat) != 0 ||
            std::memcmp(&alng, &blng, sizeof alng) != 0) {
            return false;
        }
    }
    return a.gpsDataCount() == b.gpsDataCount();
}

// The player's track (its sample count set to PLAYER_COUNT) is the first samples of the whole
// track the same reader gives: a whole track only goes on where the player's stops. Its fix count
// never exceeds its samples.
inline void checkWholeTrack(const VexoClipData &player, int playerCount, const GrowingTrack &whole, int wholeCount)
{
    if (wholeCount < playerCount || whole.samples().size() != wholeCount ||
        whole.gpsDataCount() > quint32(wholeCount)) {
        __builtin_trap();
    }
    for (int i = 0; i < playerCount; ++i) {
        int x, y, z;
        float lat, lng;
        quint32 speed;
        player.getClipDataWithIndex(i, &x, &y, &z, &lat, &lng, &speed);
        const GrowingTrack::Sample &sample = whole.samples()[i];
        if (x != sample.gx || y != sample.gy || z != sample.gz || speed != sample.speed ||
            std::memcmp(&lat, &sample.lat, sizeof lat) != 0 || std::memcmp(&lng, &sample.lng, sizeof lng) != 0 ||
            player.getFixTime(i) != sample.fixTime) {
            __builtin_trap();
        }
    }
}
