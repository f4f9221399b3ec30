#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli card info ROOT
// Recognises the camera card in the folder ROOT (which need not be a mounted volume) and prints
// {"modelType", "modelName", "localID", "version", "firmwareVersionInt", "languages"}, the
// languages as [index, code] pairs. Reads the card only.
class CardCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
