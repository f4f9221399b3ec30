#pragma once

#include <QString>

// A card that takes no writes at all: its lock switch is set (the system then mounts it
// read-only), or it is mounted read-only for another reason. A write to it can only fail, and
// "please check the memory card" would send the user looking for a fault the card does not have;
// the settings routes say what is wrong instead.
class CardWriteProtection
{
public:
    // Whether the file system holding PATH (or, when PATH does not exist, the nearest folder above
    // it that does) is mounted read-only.
    static bool isWriteProtected(const QString &path);

    // The title and message keys of the alert for a write to the card at ROOT that failed: the
    // write-protected message on a read-only card, the memory-card one otherwise.
    static QString alertTitleKey();
    static QString writeFailedMessageKey(const QString &root);
    // The memory-card message, for failures that are not writes (a missing or unreadable file).
    static QString checkCardMessageKey();
};
