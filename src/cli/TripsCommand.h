#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli trips ROOT [--gap SECONDS] [--no-cache]
// Prints {"trips": [{"index", "start", "end", "seconds", "meters", "topSpeed", "recordings",
// "events", "bbox"}]}: the drives on the card in ROOT as the trips model joins them.
class TripsCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
