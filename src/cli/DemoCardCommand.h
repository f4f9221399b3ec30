#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli democard DIR
// Writes the demo card (DemoCard) into DIR, which must not exist or be empty, and prints
// {"card", "modelName", "version", "recordings": [{"path", "kind", "samples", "positions"}]}: what each
// recording holds, its path relative to the card.
class DemoCardCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
