#include "SensorOutput.h"

#include "core/LocalPath.h"
#include "core/RegularFileReader.h"

#include "sensor/FloatText.h"
#include "sensor/SensorFile.h"
#include "sensor/VexoClipData.h"

#include <QFileInfo>

#include <memory>

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

QuickTrackReader::Result SensorOutput::readQuick(const QString &path, bool krv, SensorTrack &track)
{
    const QString openable = LocalPath::openable(path);
    return path.endsWith(u".mp4"_s, Qt::CaseInsensitive) ? QuickTrackReader::readMp4(openable, track)
                                                         : QuickTrackReader::readAvi(openable, track, krv);
}

QString SensorOutput::readProblem(const QString &path, const QuickTrackReader::Result &result)
{
    if (result.unreadable || (result.stoppedAt >= 0 && result.samples == 0)) {
        return u"cannot read "_s + path + u": "_s + result.note;
    }
    return {};
}

QString SensorOutput::loadProblem(const QString &path, bool krv, const VexoClipData &track)
{
    if (track.clipDataCount() > 0) {
        return {};
    }
    if (!krv && QFileInfo(path).suffix() == u"srt"_s) {
        QString error;
        if (!RegularFileReader::readWhole(LocalPath::openable(path), SensorFile::kMaxSubtitleFileBytes, &error)) {
            return error;
        }
        return {};
    }
    const auto scratch = std::make_unique<VexoClipData>();
    return readProblem(path, readQuick(path, krv, *scratch));
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
