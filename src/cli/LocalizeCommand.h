#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli localize KEY [--lang CODE]
// Prints {"key", "language", "text"}: the text the viewer shows for KEY in CODE (default: the
// user's language), or the key itself when there is no translation.
class LocalizeCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
