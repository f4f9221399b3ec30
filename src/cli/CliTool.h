#pragma once

#include <QStringList>
#include <QTextStream>

// Runs one velmora-cli invocation: ARGUMENTS are everything after the program name.
class CliTool
{
public:
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
    static QString usage();
    // Whether the command drawing needs (a report's page) is in ARGUMENTS: the program then starts
    // with graphics support, on the window-less platform, so it runs without a display too.
    static bool needsGraphics(const QStringList &arguments);
};
