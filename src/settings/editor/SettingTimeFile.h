#pragma once

#include <QDateTime>
#include <QString>

// SETTING/time.dat: the clock the camera takes over at its next start, one line
// "yyyy,MM,dd,HH,mm,ss,Z" (Z the offset as +HHMM), for example "2024,05,01,13,45,10,+0900".
// The file is untrusted input: it is read with a size bound and parsed strictly.
class SettingTimeFile
{
public:
    enum class State
    {
        Missing,     // no file: the clock is not being set
        Unreadable,  // a file that cannot be read, is too large or is not UTF-8 text
        Unparseable, // text that is not a date in the file's form
        Read         // moment holds the date
    };

    struct Reading
    {
        State state = State::Missing;
        QDateTime moment;
    };

    static constexpr qint64 MaxFileSize = 4096;

    // The clock file of the card at SETTINGDIRPATH; empty when there is no card folder.
    static QString pathForCard(const QString &settingDirPath);

    static Reading read(const QString &path);
    // The moment of TEXT in the file's form, or an invalid date.
    static QDateTime parse(const QString &text);
    // MOMENT in the file's form, in the machine's local time with its offset.
    static QString format(const QDateTime &moment);

    // Replaces the file atomically with MOMENT, creating the SETTING folder when needed.
    static bool write(const QString &path, const QDateTime &moment, QString *error = nullptr);
    // Removes the file; true when it is gone (or was never there).
    static bool remove(const QString &path, QString *error = nullptr);
};
