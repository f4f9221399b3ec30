#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli editor show|save: the record editor without its window. It opens a card as the
// settings button does, builds the editor's controls, and prints them, or applies positions through
// the controls' own actions and runs the OK path.
class EditorCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
