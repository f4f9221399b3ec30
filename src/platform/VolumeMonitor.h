#pragma once

#include "platform/MountedVolume.h"
#include "platform/SystemVolumes.h"
#include "platform/VolumeSource.h"

#include <QFile>
#include <QList>
#include <QObject>

#include <memory>

class QSocketNotifier;
class QTimer;

// Signals volumes mounted and unmounted. It compares each new listing of its volume source with
// the last one; watchMountTable() makes the kernel's mount table trigger that comparison.
class VolumeMonitor : public QObject
{
    Q_OBJECT

public:
    explicit VolumeMonitor(std::shared_ptr<const VolumeSource> volumes, QObject *parent = nullptr);
    ~VolumeMonitor() override;

    // Watches the mount table file for changes: the kernel flags it as exceptional whenever a file
    // system is mounted or unmounted. When the file cannot be watched, it is looked at every
    // PollIntervalMs instead. Returns false when it had to fall back to looking.
    bool watchMountTable(const QString &mountInfoPath = SystemVolumes::DefaultMountInfoPath);

    // The listing as of the last comparison.
    QList<MountedVolume> volumes() const { return m_volumes; }

    static constexpr int PollIntervalMs = 2000;

public Q_SLOTS:
    // Lists the volumes again and signals every difference: unmounts first, then mounts, each in
    // listing order.
    void refresh();

Q_SIGNALS:
    void volumeMounted(const MountedVolume &volume);
    void volumeUnmounted(const MountedVolume &volume);

private:
    std::shared_ptr<const VolumeSource> m_source;
    QList<MountedVolume> m_volumes;
    QFile m_mountTable;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_pollTimer = nullptr;
};
