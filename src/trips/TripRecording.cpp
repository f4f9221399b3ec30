#include "TripRecording.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
bool inFolder(const QString &path, std::initializer_list<QStringView> folders)
{
    for (const QStringView folder : folders) {
        if (path.contains(u'/' + folder.toString() + u'/')) {
            return true;
        }
    }
    return false;
}

bool nameHas(const QString &name, std::initializer_list<QStringView> prefixes, std::initializer_list<QStringView> tags)
{
    for (const QStringView prefix : prefixes) {
        if (name.startsWith(prefix)) {
            return true;
        }
    }
    for (const QStringView tag : tags) {
        if (name.contains(tag)) {
            return true;
        }
    }
    return false;
}
} // namespace

TripRecording::Kind TripRecording::kindOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (inFolder(path, {u"motion_rec", u"motion_timelapse_rec", u"parking_rec"}) ||
        nameHas(name, {u"Park_"}, {u"_MOT.", u"_PARK."})) {
        return Kind::Parking;
    }
    if (inFolder(path, {u"evt_rec", u"sos_rec"}) || nameHas(name, {u"Event_"}, {u"_EVT.", u"_SOS."})) {
        return Kind::Event;
    }
    if (inFolder(path, {u"manual_rec", u"option_rec"}) || nameHas(name, {u"Manual_"}, {u"_MAN."})) {
        return Kind::Manual;
    }
    return Kind::Normal;
}

QString TripRecording::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Normal:
        return u"normal"_s;
    case Kind::Event:
        return u"event"_s;
    case Kind::Manual:
        return u"manual"_s;
    case Kind::Parking:
        return u"parking"_s;
    }
    return {};
}

qint64 TripRecording::lengthMs(const RecordingSamples &track)
{
    if (track.durationMs > 0) {
        return track.durationMs;
    }
    return qint64(track.samples.size()) * 100;
}
