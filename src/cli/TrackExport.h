#pragma once

#include <QByteArray>
#include <QString>

class VexoClipData;

// A sensor track in formats other tools read: a CSV table of every sample, and the route as a
// GPX track or a GeoJSON feature. Route formats hold only the samples with a fix. Sample i lies
// i/10 s after the start of the recording; the recording's clock time is not in the sensor data,
// so GPX times count from 1970-01-01T00:00:00Z as the start of the recording.
class TrackExport
{
public:
    // "index,time_s,gx,gy,gz,lat,lng,speed_kmh", one row per sample.
    static QByteArray csv(const VexoClipData &track);
    // A GPX 1.1 document with one track segment, one point per sample with a fix; NAME names it.
    static QByteArray gpx(const VexoClipData &track, const QString &name);
    // A GeoJSON FeatureCollection with one Feature: a LineString of the fixes (a Point for one fix,
    // no geometry for none), with their times and speeds as properties.
    static QByteArray geoJson(const VexoClipData &track, const QString &name);

    // How many samples have a fix, that is, how many points the route formats hold.
    static int fixCount(const VexoClipData &track);
};
