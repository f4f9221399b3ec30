#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli library ROOT [--filter 0-4]
// The recordings the viewer's list would show for ROOT, in list order:
// [{"name", "path", "color": "magenta"|"yellow"|"default", "partner": row or null}, ...]
class LibraryCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
