#include "DirectPlayRoute.h"

#include "DirectPlayProbe.h"
#include "core/LocalPath.h"
#include "core/PartnerName.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString localPath(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : QString();
}
} // namespace

std::optional<QList<DirectPlayRoute::Source>> DirectPlayRoute::sources(const QUrl &url)
{
    const QString path = localPath(url);
    const QString extension = QFileInfo(path).suffix().toLower();
    if (path.isEmpty() || (extension != u"avi" && extension != u"mp4")) {
        return std::nullopt;
    }
    const QString front = LocalPath::openable(path);
    if (front.isEmpty()) {
        return std::nullopt;
    }
    const DirectPlayProbe::Result probe = DirectPlayProbe::probeFile(front);
    if (!probe.playable) {
        return std::nullopt;
    }
    if (extension == u"avi") {
        // Both cameras in one file: the rear is its second video stream, as the conversion takes it.
        if (probe.videoStreams >= 2) {
            return QList<Source>{{front, 1}, {front, 2}};
        }
        return QList<Source>{{front, 1}};
    }
    QList<Source> files{{front, 1}};
    const QString other = localPath(PartnerName::otherCamera(url));
    const QString rear = other.isEmpty() ? QString() : LocalPath::openable(other);
    if (!rear.isEmpty() && QFileInfo(rear).isFile()) {
        // A partner the player cannot take as it is sends the pair to the conversion, which keeps
        // what it can of it, as before.
        if (!DirectPlayProbe::probeFile(rear).playable) {
            return std::nullopt;
        }
        files.append({rear, 1});
    }
    return files;
}
