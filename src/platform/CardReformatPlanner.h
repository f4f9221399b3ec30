#pragma once

#include "platform/CardReformatPlan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Decides whether the volume mounted at a path may be formatted in place, and how. It changes
// nothing and reads only what it is given: a mount table, a sysfs tree and a way to learn a
// device's label, so every rule is testable on made-up machines.
//
// A volume is formatted only when it is a local block device on a removable medium (a USB stick,
// a card reader, an SD slot), mounted whole at exactly that path, of a file system the helper can
// re-create (vfat, exfat, ext2/3/4), on no disk that also holds the system or the user's files,
// and not a freshly made, unnamed volume ("Untitled…").
class CardReformatPlanner
{
public:
    struct Machine
    {
        // The kernel's mount table ("mountinfo" format) and the sysfs root.
        QByteArray mountInfo;
        QString sysfsRoot = QStringLiteral("/sys");
        // Folders whose disks are never formatted: "/", "/boot", "/home" and the user's home.
        QStringList protectedPaths;
        // The label of a file system on a device node; empty when it has none.
        std::function<QString(const QString &device)> labelOf;
        bool udisksAvailable = false;
        bool isRoot = false;
        // Test builds only: a loop device that counts as removable (images attached for tests).
        QString acceptedLoopDevice;
    };

    // File system types the helper re-creates, each with the mkfs tool that makes it.
    static bool isSupportedFileSystem(const QString &type);
    // Whether a volume name marks a freshly made volume that is not taken for a camera card.
    static bool isUntitledName(const QString &name);

    // The plan for the volume mounted at MOUNTPATH (an absolute path, symbolic links resolved).
    static CardReformatPlan plan(const QString &mountPath, const Machine &machine);
};
