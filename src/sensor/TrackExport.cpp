#include "TrackExport.h"

#include "FloatText.h"
#include "VexoClipData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// The samples of RANGE that the track holds.
struct Bounds
{
    int first;
    int end;
};

Bounds bounds(const VexoClipData &track, TrackExport::Range range)
{
    const int count = int(track.clipDataCount());
    const int first = std::clamp(range.first, 0, count);
    return {first, std::clamp(range.end, first, count)};
}

QString offsetSeconds(int index)
{
    return QString::number(index / 10) + u'.' + QString::number(index % 10);
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}
} // namespace

bool TrackExport::hasFix(const VexoClipData &track, int i)
{
    return track.getGpsLat(i) != 0.0f || track.getGpsLng(i) != 0.0f;
}

int TrackExport::fixCount(const VexoClipData &track, Range range)
{
    const Bounds b = bounds(track, range);
    int count = 0;
    for (int i = b.first; i < b.end; ++i) {
        count += hasFix(track, i) ? 1 : 0;
    }
    return count;
}

QByteArray TrackExport::csv(const VexoClipData &track, Range range, const TrackTimes &times)
{
    const Bounds b = bounds(track, range);
    const QString note = csvField(times.note());
    QString text = u"index,time_s,gx,gy,gz,lat,lng,speed_kmh,time,time_note\n"_s;
    for (int i = b.first; i < b.end; ++i) {
        text += QString::number(i) + u',' + offsetSeconds(i) + u',' + QString::number(track.getGx(i)) + u',' +
                QString::number(track.getGy(i)) + u',' + QString::number(track.getGz(i)) + u',' +
                FloatText::text(track.getGpsLat(i)) + u',' + FloatText::text(track.getGpsLng(i)) + u',' +
                QString::number(track.getGpsSpeed(i)) + u',' + times.sampleText(i) + u',' + note + u'\n';
    }
    return text.toUtf8();
}

QByteArray TrackExport::gpx(const VexoClipData &track, const QString &name, Range range, const TrackTimes &times)
{
    const Bounds b = bounds(track, range);
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"gpx"_s);
    xml.writeDefaultNamespace(u"http://www.topografix.com/GPX/1/1"_s);
    xml.writeAttribute(u"version"_s, u"1.1"_s);
    xml.writeAttribute(u"creator"_s, u"Velmora"_s);
    xml.writeStartElement(u"trk"_s);
    xml.writeTextElement(u"name"_s, name);
    if (!times.note().isEmpty()) {
        xml.writeTextElement(u"desc"_s, times.note());
    }
    xml.writeStartElement(u"trkseg"_s);
    for (int i = b.first; i < b.end; ++i) {
        if (!hasFix(track, i)) {
            continue;
        }
        xml.writeStartElement(u"trkpt"_s);
        xml.writeAttribute(u"lat"_s, FloatText::text(track.getGpsLat(i)));
        xml.writeAttribute(u"lon"_s, FloatText::text(track.getGpsLng(i)));
        if (times.isUtc() && times.msecs(i) != NmeaTime::kNoTime) {
            xml.writeTextElement(u"time"_s, times.sampleText(i));
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray TrackExport::geoJson(const VexoClipData &track, const QString &name, const TrackTimes &times)
{
    QJsonArray coordinates;
    QJsonArray playTimes;
    QJsonArray clockTimes;
    QJsonArray speeds;
    QJsonValue start = QJsonValue::Null;
    QJsonValue end = QJsonValue::Null;
    for (int i = 0; i < int(track.clipDataCount()); ++i) {
        if (!hasFix(track, i)) {
            continue;
        }
        coordinates.append(QJsonArray{FloatText::json(track.getGpsLng(i)), FloatText::json(track.getGpsLat(i))});
        playTimes.append(double(i) / 10.0);
        const QString time = times.sampleText(i);
        clockTimes.append(time.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(time));
        if (start.isNull()) {
            start = clockTimes.last();
        }
        end = clockTimes.last();
        speeds.append(qint64(track.getGpsSpeed(i)));
    }
    QJsonValue geometry = QJsonValue::Null;
    if (coordinates.size() >= 2) {
        geometry = QJsonObject{{u"type"_s, u"LineString"_s}, {u"coordinates"_s, coordinates}};
    } else if (coordinates.size() == 1) {
        geometry = QJsonObject{{u"type"_s, u"Point"_s}, {u"coordinates"_s, coordinates.first()}};
    }
    QJsonObject properties{{u"name"_s, name},
                           {u"samples"_s, qint64(track.clipDataCount())},
                           {u"time_s"_s, playTimes},
                           {u"speed_kmh"_s, speeds},
                           {u"clock"_s, times.clockName()},
                           {u"time_note"_s, times.note()},
                           {u"start"_s, start},
                           {u"end"_s, end}};
    if (times.clock() != TrackTimes::Clock::None) {
        properties.insert(u"times"_s, clockTimes);
    }
    const QJsonObject feature{{u"type"_s, u"Feature"_s}, {u"geometry"_s, geometry}, {u"properties"_s, properties}};
    const QJsonObject collection{{u"type"_s, u"FeatureCollection"_s}, {u"features"_s, QJsonArray{feature}}};
    return QJsonDocument(collection).toJson(QJsonDocument::Compact);
}
