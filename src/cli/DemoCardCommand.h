#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli democard DIR [--camera QB62|QF27|QR28]
// Writes the demo card (DemoCard) into DIR; with --web, that of a camera that keeps its own
// settings page on the card, which must not exist or be empty, and prints
// {"card", "modelName", "version", "recordings": [{"path", "kind", "samples", "positions"}]}: what each
// recording holds, its path relative to the card.
class DemoCardCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
