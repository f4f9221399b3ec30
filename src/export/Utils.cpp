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

namespace {
QString workingDirectoryLocation()
{
    QString name = QCoreApplication::applicationName();
    name.remove(u' ');
    if (name.isEmpty()) {
        name = u"Velmora"_s;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' + name;
}
} // namespace

QString Utils::GetWorkingDirectoryPath()
{
    const QString path = workingDirectoryLocation();
    return QDir().mkpath(path) ? path : QString();
}

void Utils::RemoveWorkingDirectory()
{
    const QString path = workingDirectoryLocation();
    QDir(path + u"/temp_video"_s).removeRecursively();
    QDir().rmdir(path); // only succeeds when nothing else is in it
}
