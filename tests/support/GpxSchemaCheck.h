#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// What the GPX 1.1 schema requires of the parts of a document the exports write, checked by
// reading the document back: the root "gpx" in the GPX 1.1 namespace with "version" 1.1 and a
// "creator"; its children in the schema's order (metadata, wpt, rte, trk, extensions); a track's
// children in order (name, cmt, desc, src, link, number, type, extensions, then trkseg); only
// trkpt in a segment; a point's "lat" a decimal in -90..90 and "lon" in -180..180 (excluding 180),
// its children in order (ele, time, ...) and a time an xsd:dateTime. The schema file itself judges
// the CLI's exports (TripExportCommandTest); this in-process check serves the tests that write GPX
// without the CLI, and names each problem. Gives the problems found, empty when none.
inline QStringList gpxSchemaProblems(const QByteArray &document)
{
    static const QString gpxNamespace = QStringLiteral("http://www.topografix.com/GPX/1/1");
    static const QStringList gpxOrder = {QStringLiteral("metadata"), QStringLiteral("wpt"), QStringLiteral("rte"),
                                         QStringLiteral("trk"), QStringLiteral("extensions")};
    static const QStringList trkOrder = {
        QStringLiteral("name"), QStringLiteral("cmt"),        QStringLiteral("desc"),
        QStringLiteral("src"),  QStringLiteral("link"),       QStringLiteral("number"),
        QStringLiteral("type"), QStringLiteral("extensions"), QStringLiteral("trkseg")};
    static const QStringList repeatable = {QStringLiteral("wpt"), QStringLiteral("rte"), QStringLiteral("trk"),
                                           QStringLiteral("link"), QStringLiteral("trkseg")};
    static const QStringList trkptOrder = {
        QStringLiteral("ele"),         QStringLiteral("time"),          QStringLiteral("magvar"),
        QStringLiteral("geoidheight"), QStringLiteral("name"),          QStringLiteral("cmt"),
        QStringLiteral("desc"),        QStringLiteral("src"),           QStringLiteral("link"),
        QStringLiteral("sym"),         QStringLiteral("type"),          QStringLiteral("fix"),
        QStringLiteral("sat"),         QStringLiteral("hdop"),          QStringLiteral("vdop"),
        QStringLiteral("pdop"),        QStringLiteral("ageofdgpsdata"), QStringLiteral("dgpsid"),
        QStringLiteral("extensions")};
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    static const QRegularExpression dateTime(
        QStringLiteral("^-?\\d{4,}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}(\\.\\d+)?(Z|[+-]\\d{2}:\\d{2})?$"));

    QStringList problems;
    QXmlStreamReader xml(document);
    // The element names open above the current one, and the place in its order each parent reached.
    QStringList path;
    QList<qsizetype> reached;
    auto orderOf = [](const QString &parent) -> const QStringList * {
        if (parent == QStringLiteral("gpx")) {
            return &gpxOrder;
        }
        if (parent == QStringLiteral("trk")) {
            return &trkOrder;
        }
        if (parent == QStringLiteral("trkpt")) {
            return &trkptOrder;
        }
        return nullptr;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            path.removeLast();
            reached.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString name = xml.name().toString();
        const QString where = path.join(u'/') + u'/' + name;
        if (xml.namespaceUri() != gpxNamespace) {
            problems.append(where + QStringLiteral(": not in the GPX 1.1 namespace"));
        }
        if (path.isEmpty()) {
            if (name != QStringLiteral("gpx")) {
                problems.append(where + QStringLiteral(": the root is not gpx"));
            }
            if (xml.attributes().value(QStringLiteral("version")) != QStringLiteral("1.1")) {
                problems.append(QStringLiteral("gpx: version is not 1.1"));
            }
            if (!xml.attributes().hasAttribute(QStringLiteral("creator"))) {
                problems.append(QStringLiteral("gpx: no creator"));
            }
        } else if (const QStringList *order = orderOf(path.last())) {
            const qsizetype place = order->indexOf(name);
            if (place < 0) {
                problems.append(where + QStringLiteral(": not allowed here"));
            } else if (place < reached.last() || (place == reached.last() && !repeatable.contains(name))) {
                problems.append(where + QStringLiteral(": out of order or repeated"));
            } else {
                reached.last() = place;
            }
        } else if (path.last() == QStringLiteral("trkseg") && name != QStringLiteral("trkpt")) {
            problems.append(where + QStringLiteral(": a segment holds only trkpt"));
        }
        if (name == QStringLiteral("trkpt")) {
            const QString lat = xml.attributes().value(QStringLiteral("lat")).toString();
            const QString lon = xml.attributes().value(QStringLiteral("lon")).toString();
            if (!decimal.match(lat).hasMatch() || lat.toDouble() < -90 || lat.toDouble() > 90) {
                problems.append(where + QStringLiteral(": lat \"") + lat + QStringLiteral("\""));
            }
            if (!decimal.match(lon).hasMatch() || lon.toDouble() < -180 || lon.toDouble() >= 180) {
                problems.append(where + QStringLiteral(": lon \"") + lon + QStringLiteral("\""));
            }
        }
        path.append(name);
        reached.append(-1);
        if (name == QStringLiteral("time") && path.value(path.size() - 2) == QStringLiteral("trkpt")) {
            const QString text = xml.readElementText();
            path.removeLast();
            reached.removeLast();
            if (!dateTime.match(text).hasMatch()) {
                problems.append(where + QStringLiteral(": not a dateTime: ") + text);
            }
        }
    }
    if (xml.hasError()) {
        problems.append(QStringLiteral("not well-formed: ") + xml.errorString());
    }
    return problems;
}
