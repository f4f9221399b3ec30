#include "platform/VolumeMonitor.h"

#include "platform/FolderVolumes.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(VolumeMonitorTest, SignalsEachMountAndUnmountOnce)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(u"A"_s);
    VolumeMonitor monitor(std::make_shared<FolderVolumes>(root.path()));
    QStringList events;
    QObject::connect(&monitor, &VolumeMonitor::volumeMounted,
                     [&events](const MountedVolume &volume) { events.append(u"+"_s + volume.device); });
    QObject::connect(&monitor, &VolumeMonitor::volumeUnmounted,
                     [&events](const MountedVolume &volume) { events.append(u"-"_s + volume.device); });

    monitor.refresh();
    EXPECT_TRUE(events.isEmpty());

    QDir(root.path()).mkpath(u"B"_s);
    QDir(root.path()).mkpath(u"C"_s);
    monitor.refresh();
    EXPECT_EQ(events, (QStringList{u"+B"_s, u"+C"_s}));

    events.clear();
    QDir(root.path()).rmdir(u"A"_s);
    QDir(root.path()).rmdir(u"C"_s);
    QDir(root.path()).mkpath(u"D"_s);
    monitor.refresh();
    EXPECT_EQ(events, (QStringList{u"-A"_s, u"-C"_s, u"+D"_s}));
    EXPECT_EQ(monitor.volumes().size(), 2);
}

TEST(VolumeMonitorTest, WatchesTheMountTableOrFallsBackToLooking)
{
    QTemporaryDir root;
    VolumeMonitor monitor(std::make_shared<FolderVolumes>(root.path()));
    EXPECT_TRUE(monitor.watchMountTable());
    EXPECT_FALSE(monitor.watchMountTable(root.filePath(u"no-such-table"_s)));
}
} // namespace
