#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QTextStream>

// What a command prints: one JSON document on standard output, human-readable errors on standard
// error, and the tool's exit statuses.
class CliOutput
{
public:
    enum Status
    {
        Success = 0,
        UnreadableInput = 1,
        BadUsage = 2
    };

    CliOutput(QTextStream &out, QTextStream &err);

    int printJson(const QJsonObject &object);
    int printJson(const QJsonArray &array);
    // Prints "velmora-cli: MESSAGE" on standard error and returns the matching status.
    int usageError(const QString &message);
    int inputError(const QString &message);

    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }

private:
    QTextStream &m_out;
    QTextStream &m_err;
};
