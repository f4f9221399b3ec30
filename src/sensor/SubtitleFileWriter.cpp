#include "SubtitleFileWriter.h"

using namespace Qt::StringLiterals;

QString SubtitleFileWriter::timestamp(qint64 milliseconds)
{
    const qint64 ms = milliseconds % 1000;
    const qint64 totalSeconds = milliseconds / 1000;
    return u"%1:%2:%3,%4"_s.arg(totalSeconds / 3600, 2, 10, QChar(u'0'))
        .arg(totalSeconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(totalSeconds % 60, 2, 10, QChar(u'0'))
        .arg(ms, 3, 10, QChar(u'0'));
}

QByteArray SubtitleFileWriter::file(const QList<Entry> &entries, const QString &lineEnd, bool finalBreak)
{
    QString text;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        text += QString::number(i + 1) + lineEnd + timestamp(entry.startMs) + u" --> "_s + timestamp(entry.endMs) +
                lineEnd + entry.text;
        const bool last = i == entries.size() - 1;
        if (!last || finalBreak) {
            text += lineEnd + lineEnd;
        }
    }
    return text.toUtf8();
}
