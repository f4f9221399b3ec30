#include "RecordingTrack.h"

#include "core/LocalPath.h"
#include "library/RecordingLibrary.h"

#include "sensor/VexoClipData.h"

#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

QString RecordingTrack::subtitlePath(const QString &front)
{
    const QFileInfo info(front);
    return info.path() + u'/' + info.completeBaseName() + u".srt"_s;
}

void RecordingTrack::load(const QString &recording, const QString &front, VexoClipData &track,
                          const std::atomic_bool *cancelled)
{
    if (QFileInfo(recording).suffix().toLower() == u"mp4") {
        if (front.isEmpty()) {
            track.clear();
            return;
        }
        track.loadVideoFileCilpDataFromFilePath(subtitlePath(front));
    } else if (RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(recording))) {
        track.loadVideoFileCilpDataFromFilePath_KRV(LocalPath::openable(recording), cancelled);
    } else {
        track.loadVideoFileCilpDataFromFilePath(LocalPath::openable(recording), cancelled);
    }
}
