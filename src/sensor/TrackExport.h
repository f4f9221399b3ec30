#pragma once

#include "GrowingTrack.h"
#include "TrackTimes.h"
#include "VexoClipData.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <limits>

// A sensor track in formats other tools read: a CSV table of every sample, and the route as a
// GPX track or a GeoJSON feature. Route formats hold only the samples with a fix. Sample i lies
// i/10 s after the start of the recording (the "time_s" the viewer shows); the time of day of
// each sample comes from TIMES (SampleClock decides it):
// - CSV: a "time" column (ISO 8601, "Z" for UTC, no offset for the camera's local time, empty
//   when unknown) and a "time_note" column saying where the times come from;
// - GPX: a <time> for each point only when the time is UTC, since GPX times are UTC by definition
//   and a local time written there would be a false statement; the track's <desc> holds the note;
// - GeoJSON: the properties "times" (one per coordinate, as "time_s"), "start" and "end" (the
//   first and last point's time), "clock" ("utc", "local" or "none") and "time_note";
// - KML 2.2: a Placemark per recording in one Folder, its route a gx:Track (a <when> for each
//   coordinate) when the times are UTC (KML times are UTC or carry an offset, so a local time is
//   never written as one), else a LineString (a Point for one fix); the note in its description.
//
// A whole trip is written as Segments, one per recording: one GPX track with a <trkseg> for
// each, one KML Folder with a Placemark for each, one GeoJSON FeatureCollection with the Feature
// the recording alone would get for each.
//
// A part of the track (the samples of a stretch of play time) is written with a Range: its rows
// and points keep their index and play time in the whole recording, so they match the times the
// viewer shows.
class TrackExport
{
public:
    // Samples FIRST up to END (exclusive); the track's own count bounds it.
    struct Range
    {
        int first;
        int end;
    };
    static constexpr Range WholeTrack{0, std::numeric_limits<int>::max()};

    // A fix of a recording's track: INDEX is its sample's place in the whole track (play time
    // INDEX/10 s), the time of day is the segment's times.msecs(index).
    struct Point
    {
        int index = 0;
        float lat = 0.0f;
        float lng = 0.0f;
        quint32 speed = 0;
    };
    // One recording's route as the route formats write it.
    struct Segment
    {
        QString name;
        // How many samples the recording's track has (with a fix or not).
        qsizetype samples = 0;
        QList<Point> points;
        TrackTimes times;
    };
    // The fixes of TRACK within RANGE.
    static Segment segment(const VexoClipData &track, const QString &name, Range range = WholeTrack,
                           const TrackTimes &times = {});
    // The same of a whole track, however long the recording runs.
    static Segment segment(const GrowingTrack &track, const QString &name, Range range = WholeTrack,
                           const TrackTimes &times = {});

    // "index,time_s,gx,gy,gz,lat,lng,speed_kmh,time,time_note", one row per sample.
    static QByteArray csv(const VexoClipData &track, Range range = WholeTrack, const TrackTimes &times = {});
    static QByteArray csv(const GrowingTrack &track, Range range = WholeTrack, const TrackTimes &times = {});
    // A GPX 1.1 document with one track segment, one point per sample with a fix; NAME names it.
    static QByteArray gpx(const VexoClipData &track, const QString &name, Range range = WholeTrack,
                          const TrackTimes &times = {});
    // A GeoJSON FeatureCollection with one Feature: a LineString of the fixes (a Point for one fix,
    // no geometry for none), with their times and speeds as properties.
    static QByteArray geoJson(const VexoClipData &track, const QString &name, const TrackTimes &times = {});
    // A KML 2.2 document with one Placemark (the route of the fixes), NAME naming it.
    static QByteArray kml(const VexoClipData &track, const QString &name, const TrackTimes &times = {});

    // The same formats for several recordings (a trip), NAME naming the whole.
    static QByteArray gpx(const QString &name, const QList<Segment> &segments);
    static QByteArray kml(const QString &name, const QList<Segment> &segments);
    static QByteArray geoJson(const QList<Segment> &segments);

    // How many samples have a fix, that is, how many points the route formats hold.
    static int fixCount(const VexoClipData &track, Range range = WholeTrack);
    static int fixCount(const GrowingTrack &track, Range range = WholeTrack);
    // Whether sample I has a position: (0, 0) is the cameras' "no fix".
    static bool hasFix(const VexoClipData &track, int i);
};
