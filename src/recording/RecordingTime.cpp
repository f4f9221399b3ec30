#include "RecordingTime.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

std::optional<QDateTime> RecordingTime::fromFileName(const QString &path)
{
    static const QRegularExpression stamp(u"(?<!\\d)(\\d{4})(\\d{2})(\\d{2})[_-]?(\\d{2})(\\d{2})(\\d{2})(?!\\d)"_s);
    const QString name = QFileInfo(path).fileName();
    for (auto it = stamp.globalMatch(name); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
        if (date.isValid() && time.isValid()) {
            // Held as UTC only so that adding seconds never meets a daylight-saving gap; the text
            // shows the camera's clock as written.
            return QDateTime(date, time, Qt::UTC);
        }
    }
    return std::nullopt;
}

QString RecordingTime::text(const QDateTime &time)
{
    return time.toString(u"yyyy-MM-dd HH:mm:ss"_s);
}
