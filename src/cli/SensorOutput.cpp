#include "SensorOutput.h"

#include "core/LocalPath.h"

#include "sensor/FloatText.h"
#include "sensor/VexoClipData.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString SensorOutput::floatText(float value)
{
    return FloatText::text(value);
}

QJsonValue SensorOutput::floatJson(float value)
{
    return FloatText::json(value);
}

QString SensorOutput::inputProblem(const QString &path)
{
    // A name that is not UTF-8 is looked at through its stand-in.
    const QFileInfo info(LocalPath::openable(path));
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
        track.loadVideoFileCilpDataFromFilePath_KRV(LocalPath::openable(path));
    } else {
        track.loadVideoFileCilpDataFromFilePath(LocalPath::openable(path));
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
