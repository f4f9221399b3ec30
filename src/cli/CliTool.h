#pragma once

#include <QStringList>
#include <QTextStream>

// Runs one velmora-cli invocation: ARGUMENTS are everything after the program name.
class CliTool
{
public:
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
    static QString usage();
};
