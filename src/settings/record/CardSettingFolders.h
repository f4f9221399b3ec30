#pragma once

#include <QString>

// The settings folders of a card (SETTING or setting, and the html and lang folders inside them)
// must be the card's own: a folder that is a symbolic link, or that resolves to a place outside the
// card's root, would let a card read, write or delete files elsewhere on this computer through
// every settings route. Each route asks before it opens a screen, and again before it touches a
// file (the card may change in between).
class CardSettingFolders
{
public:
    // Why the settings folders of the card at ROOT cannot be used, or an empty string when they
    // can (also when the card has none yet, or ROOT does not exist: the routes say so themselves).
    static QString problem(const QString &root);
    // Whether FILE (which need not exist) lies in a folder of the card at ROOT, every link
    // resolved, and no settings folder of the card is a link or outside it.
    static bool isCardFile(const QString &file, const QString &root);
};
