#pragma once

#include "cli/CliTool.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

// One velmora-cli invocation run in-process, with what it printed.
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    QJsonArray array() const { return QJsonDocument::fromJson(out.toUtf8()).array(); }
};

inline CliRun run(const QStringList &arguments)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = CliTool::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}
