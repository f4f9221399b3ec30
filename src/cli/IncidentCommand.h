#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli incident RECORDING [--at SECONDS] [--before S] [--after S] -o DIR: an incident
// report of a recording's window written into the new folder DIR.
class IncidentCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
