#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli snapshot RECORDING SECONDS [--rear] [-o FILE] [--working-folder DIR]
// Converts the recording as the viewer does, loads the front (or, with --rear, the rear) camera's
// file into a player without a window, seeks exactly to SECONDS and writes the frame as the
// snapshot button does: a PNG at the video's own size, named by default after the recording and
// the play time in milliseconds, in the current folder. Prints
// {"file", "width", "height", "milliseconds"}.
class SnapshotCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
