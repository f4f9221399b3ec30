#pragma once

#include "platform/CardReformatPlanner.h"

#include <QStringList>
#include <QTextStream>

// One run of the reformat helper, velmora-format-card:
//   plan MOUNTPATH      prints what a reformat would do as JSON and changes nothing
//   reformat MOUNTPATH  formats the volume mounted at MOUNTPATH in place, keeping its label and
//                       file system type
// Exit status 0 on success (for plan: the volume may be formatted), 1 when the volume is refused
// or formatting fails (a sentence on standard error), 2 for bad usage.
class FormatCardTool
{
public:
    // Test builds of the helper take two more options before the verb, to run the root route on
    // a disk image: "--accept-loop-device DEVICE" and "--route mkfs". The installed program does not.
    enum class TestOptions
    {
        Refused,
        Accepted
    };

    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err,
                   TestOptions testOptions = TestOptions::Refused);
    static QString usage(TestOptions testOptions);

    // The machine as the helper sees it: the kernel's mount table, sysfs, the folders whose disks
    // are never formatted (the system's and the user's, also the user's who asked for root), the
    // disk service and whether the helper runs as root.
    static CardReformatPlanner::Machine currentMachine();
};
