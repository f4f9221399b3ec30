#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli convert RECORDING [--print-commands] [--working-folder DIR]
// Converts a recording as the viewer does before playing it and prints
// {"files": [front, rear?], "ffmpegRuns": [[argument, ...], ...]}. With --print-commands ffmpeg
// only reads the recording's stream list and nothing is written: the runs listed are those a
// conversion would make, and the files those it would produce. The working folder is the viewer's
// unless DIR is given.
class ConvertCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
