#include "Utils.h"

#include "platform/SystemVolumes.h"
#include "platform/VolumeSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString Utils::GetFFMPEGPath()
{
    const QString fromEnvironment = qEnvironmentVariable(FFMPEGEnvironmentVariable);
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    if (QCoreApplication::instance() != nullptr) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(u"ffmpeg"_s));
        if (beside.isFile() && beside.isExecutable()) {
            return beside.absoluteFilePath();
        }
    }
    return QStandardPaths::findExecutable(u"ffmpeg"_s);
}

bool Utils::isEXteranlMemoryWithURL(const QUrl &url)
{
    return isEXteranlMemoryWithURL(url, *SystemVolumes::system());
}

bool Utils::isEXteranlMemoryWithURL(const QUrl &url, const VolumeSource &volumes)
{
    if (url.isEmpty() || !url.isLocalFile()) {
        return false;
    }
    return volumes.isExternalMemory(url.toLocalFile());
}
