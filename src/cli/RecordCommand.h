#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli record load ROOT [--model T] [--firmware N]
//   Reads the settings record of the card in ROOT for model type T (the recognised one when not
//   given) exactly as the editor does, which rewrites the card's SETTING/setup.cfg in that model's
//   layout, and prints every field by name.
// velmora-cli record defaults --model T [--local-id L]
//   Prints every field of a fresh settings object after the factory settings of model type T.
// T is a model type number (-1 to 28) or a name from the model table. Integers print as numbers,
// texts as strings or null.
class RecordCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
