#include "IncidentFolderName.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

QString IncidentFolderName::proposed(const QString &parent, const QString &recording, double seconds)
{
    const qint64 milliseconds = std::isfinite(seconds) && seconds > 0.0 ? qint64(seconds * 1000.0) : 0;
    const QString base = QFileInfo(recording).completeBaseName() + u"_incident_"_s + QString::number(milliseconds);
    const QDir folder(parent);
    QString name = base;
    for (int n = 2; QFileInfo::exists(folder.filePath(name)) || QFileInfo(folder.filePath(name)).isSymLink(); ++n) {
        name = base + u" (%1)"_s.arg(n);
    }
    return folder.filePath(name);
}
