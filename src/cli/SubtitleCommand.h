#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli subtitle PATH [--sensor I]... [--gps I]...
// Prints {"entries": [{"cts", "gx", "gy", "gz", "lat", "lng", "speed"}], "sensor": [{"index",
// "found", "x", "y", "z"}], "gps": [{"index", "result", "lat", "lng", "speed"}]}: the subtitle
// track of PATH and the lookups the instruments make at sample index I (play time I x 100 ms).
class SubtitleCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
