#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli volumes
// Prints the mounted volumes in mount order: [{"path", "device", "type", "local", "removable"}, …].
// A camera card is looked for on those both local and removable.
class VolumesCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
