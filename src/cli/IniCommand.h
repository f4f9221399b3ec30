#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli ini show ROOT
//   Loads the QF27 settings file of the card in ROOT (or the factory settings when it has none) as
//   the editor does when it opens, and prints every control of the editor by its outlet name with
//   the file's lines: {"controls": {NAME: {"shown", "enabled", "value", "titles"}}, "lines": [...]}.
// velmora-cli ini save ROOT NAME=VALUE...
//   Opens the editor the same way, applies each position through the control's action in the order
//   given, then does exactly what OK does (clock lines included when dateTimeCheckBox is 1), and
//   prints {"lines": [...]}, the lines written to ROOT/SETTING/blackbox.cfg.
class IniCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
