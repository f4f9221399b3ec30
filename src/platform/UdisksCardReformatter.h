#pragma once

#include "platform/CardReformatPlan.h"

#include <QString>

// Formats a volume through the desktop's disk service (UDisks2 on the system bus), which asks the
// user for permission where the desktop wants it and needs no root: unmount, format with the same
// type and label, mount again.
class UdisksCardReformatter
{
public:
    // Whether the disk service is on the system bus or can be started there.
    static bool isAvailable();
    // The label the disk service reports for DEVICE; empty when it has none or is not reachable.
    static QString labelOf(const QString &device);

    // False with ERROR set on the first step that fails. A volume no longer mounted at the plan's
    // path is not touched; when formatting fails the volume is mounted again.
    bool reformat(const CardReformatPlan &plan, QString *error) const;
};
