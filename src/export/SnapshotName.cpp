#include "SnapshotName.h"

#include <QFileInfo>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

qint64 SnapshotName::milliseconds(double seconds)
{
    const double value = std::trunc(seconds * 1000.0);
    if (std::isnan(value)) {
        return 0;
    }
    // Converting a double outside the range of the integer is undefined; clamp first.
    if (value >= 9.2233720368547758e18) {
        return std::numeric_limits<qint64>::max();
    }
    if (value <= -9.2233720368547758e18) {
        return std::numeric_limits<qint64>::min();
    }
    return qint64(value);
}

QString SnapshotName::proposedFileName(const QUrl &recording, double seconds)
{
    return proposedFileName(recording.isLocalFile() ? recording.toLocalFile() : recording.path(), seconds);
}

QString SnapshotName::proposedFileName(const QString &recordingPath, double seconds)
{
    // Only the last extension goes: "2024.01.01_F.mp4" keeps its dots.
    const QString name = QFileInfo(recordingPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return u"%1_%2.png"_s.arg(base).arg(milliseconds(seconds));
}
