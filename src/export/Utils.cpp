#include "Utils.h"

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
