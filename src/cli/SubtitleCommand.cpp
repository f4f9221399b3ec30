#include "SubtitleCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"

#include "sensor/SubtitleData.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {
bool parseIndexes(const QStringList &values, QList<int> &indexes, QString &bad)
{
    for (const QString &value : values) {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (!ok) {
            bad = value;
            return false;
        }
        indexes.append(index);
    }
    return true;
}
} // namespace

int SubtitleCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption sensorOption(u"sensor"_s, u"acceleration lookup at sample index I"_s, u"I"_s);
    const QCommandLineOption gpsOption(u"gps"_s, u"position lookup at sample index I"_s, u"I"_s);
    parser.addOptions({sensorOption, gpsOption});
    parser.addPositionalArgument(u"PATH"_s, u"subtitle file"_s);
    if (!parser.parse(QStringList{u"subtitle"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"subtitle takes exactly one PATH"_s);
    }
    QList<int> sensorIndexes;
    QList<int> gpsIndexes;
    QString bad;
    if (!parseIndexes(parser.values(sensorOption), sensorIndexes, bad) ||
        !parseIndexes(parser.values(gpsOption), gpsIndexes, bad)) {
        return io.usageError(u"not a sample index: \""_s + bad + u'"');
    }
    const QString path = parser.positionalArguments().constFirst();
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const SubtitleData data = SubtitleData::fromPath(path);

    QJsonArray entries;
    for (const SubtitleEntry &entry : data.entries()) {
        entries.append(QJsonObject{{u"cts"_s, entry.cts()},
                                   {u"gx"_s, entry.gx()},
                                   {u"gy"_s, entry.gy()},
                                   {u"gz"_s, entry.gz()},
                                   {u"lat"_s, SensorOutput::floatJson(entry.lat())},
                                   {u"lng"_s, SensorOutput::floatJson(entry.lng())},
                                   {u"speed"_s, qint64(entry.speed())}});
    }
    QJsonArray sensor;
    for (const int index : sensorIndexes) {
        qint32 x = 0, y = 0, z = 0;
        QJsonObject lookup{{u"index"_s, index}};
        const bool found = data.getSensorAt(index, &x, &y, &z);
        lookup.insert(u"found"_s, found);
        if (found) {
            lookup.insert(u"x"_s, x);
            lookup.insert(u"y"_s, y);
            lookup.insert(u"z"_s, z);
        }
        sensor.append(lookup);
    }
    QJsonArray gps;
    for (const int index : gpsIndexes) {
        float lat = 0, lng = 0;
        quint32 speed = 0;
        QJsonObject lookup{{u"index"_s, index}};
        const int result = data.getGpsAt(index, &lat, &lng, &speed);
        lookup.insert(u"result"_s, result);
        if (result != SubtitleData::GpsNone) {
            lookup.insert(u"lat"_s, SensorOutput::floatJson(lat));
            lookup.insert(u"lng"_s, SensorOutput::floatJson(lng));
            lookup.insert(u"speed"_s, qint64(speed));
        }
        gps.append(lookup);
    }
    return io.printJson(QJsonObject{{u"entries"_s, entries}, {u"sensor"_s, sensor}, {u"gps"_s, gps}});
}
