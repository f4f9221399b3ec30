#include "MapScript.h"

#include "sensor/VexoClipData.h"

using namespace Qt::StringLiterals;

namespace {
// "%f" of the value widened to double: six decimals and a "." (QString::asprintf ignores the locale).
QString lngLat(float lng, float lat)
{
    return QString::asprintf("%f,%f", double(lng), double(lat));
}
} // namespace

QString MapScript::initialize()
{
    return u"initialize()"_s;
}

QString MapScript::moveTo(float lat, float lng)
{
    return u"MapMoveToAuto("_s + lngLat(lng, lat) + u",-1)"_s;
}

QString MapScript::removePolyLine()
{
    return u"removePolyLine()"_s;
}

QString MapScript::addPolyLine(const VexoClipData &track)
{
    return u"addPolyLine('"_s + routePoints(track) + u"', 'red', 4, 0.5)"_s;
}

QString MapScript::routePoints(const VexoClipData &track)
{
    // Every sample of the track is walked, not just as many as there are fixes: a recording that
    // starts without a fix (in a car park, a tunnel) must still show where it ended. A sample
    // without a fix in the middle of the route is left out rather than drawn as a jump to (0, 0).
    QString points;
    float previousLat = 0.0f;
    float previousLng = 0.0f;
    const int count = int(qMin(track.clipDataCount(), quint32(VexoClipData::kCapacity)));
    for (int i = 0; i < count; ++i) {
        const float lat = track.getGpsLat(i);
        const float lng = track.getGpsLng(i);
        const bool noFix = lat == 0.0f && lng == 0.0f;
        const bool samePlace = lat == previousLat && lng == previousLng;
        if (noFix || samePlace) {
            continue;
        }
        if (!points.isEmpty()) {
            points += u'|';
        }
        points += lngLat(lng, lat);
        previousLat = lat;
        previousLng = lng;
    }
    return points;
}
