#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes subtitle files in the layout ffmpeg extracts from the cameras' MP4 recordings: numbered
// entries, "HH:MM:SS,mmm --> HH:MM:SS,mmm", the entry's text, an empty line. For tests and the
// demo card; line ends and the final line break can be varied to reproduce other writers' files.
class SubtitleFileWriter
{
public:
    struct Entry
    {
        qint64 startMs = 0;
        qint64 endMs = 0;
        QString text;
    };

    // "HH:MM:SS,mmm".
    static QString timestamp(qint64 milliseconds);
    // The file: entries numbered from 1, each line ended by LINE_END; the empty line after the last
    // entry (and that entry's last line break) only when FINAL_BREAK is set.
    static QByteArray file(const QList<Entry> &entries, const QString &lineEnd = QStringLiteral("\n"),
                           bool finalBreak = true);
};
