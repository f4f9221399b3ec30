#include "SensorOutput.h"

#include "core/TextNumbers.h"

#include "sensor/VexoClipData.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

QString SensorOutput::floatText(float value)
{
    char text[64];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, qsizetype(result.ptr - text));
}

QJsonValue SensorOutput::floatJson(float value)
{
    if (!std::isfinite(value)) {
        return QJsonValue(QJsonValue::Null);
    }
    // JSON numbers are written as the shortest text of a double; start from the shortest text of
    // the float, so "37.390945" rather than "37.39094543457031", and keep it only if that text
    // still reads back as the same float.
    const double shortest = floatText(value).toDouble();
    const QString written = QString::number(shortest, 'g', QLocale::FloatingPointShortest);
    if (TextNumbers::leadingFloat(written) == value) {
        return shortest;
    }
    return double(value);
}

QString SensorOutput::inputProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return u"no such file: "_s + path;
    }
    if (info.isDir()) {
        return u"is a folder, not a recording: "_s + path;
    }
    if (!info.isFile() || !info.isReadable()) {
        return u"cannot read "_s + path;
    }
    return {};
}

void SensorOutput::loadTrack(const QString &path, bool krv, VexoClipData &track)
{
    if (krv) {
        track.loadVideoFileCilpDataFromFilePath_KRV(path);
    } else {
        track.loadVideoFileCilpDataFromFilePath(path);
    }
}

QJsonObject SensorOutput::sampleJson(const VexoClipData &track, int index)
{
    return QJsonObject{{u"gx"_s, track.getGx(index)},
                       {u"gy"_s, track.getGy(index)},
                       {u"gz"_s, track.getGz(index)},
                       {u"lat"_s, floatJson(track.getGpsLat(index))},
                       {u"lng"_s, floatJson(track.getGpsLng(index))},
                       {u"speed"_s, qint64(track.getGpsSpeed(index))}};
}
