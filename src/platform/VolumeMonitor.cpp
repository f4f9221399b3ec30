#include "VolumeMonitor.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

VolumeMonitor::VolumeMonitor(std::shared_ptr<const VolumeSource> volumes, QObject *parent)
    : QObject(parent), m_source(std::move(volumes))
{
    if (m_source) {
        m_volumes = m_source->mountedVolumes();
    }
}

VolumeMonitor::~VolumeMonitor()
{
    // Stop watching before the mount table's file closes under the notifier.
    delete m_notifier;
}

bool VolumeMonitor::watchMountTable(const QString &mountInfoPath)
{
    delete m_notifier;
    m_notifier = nullptr;
    m_mountTable.close();
    m_mountTable.setFileName(mountInfoPath);
    if (m_mountTable.open(QIODevice::ReadOnly)) {
        m_notifier = new QSocketNotifier(m_mountTable.handle(), QSocketNotifier::Exception, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &VolumeMonitor::refresh);
        if (m_pollTimer != nullptr) {
            m_pollTimer->stop();
        }
        return true;
    }
    if (m_pollTimer == nullptr) {
        m_pollTimer = new QTimer(this);
        m_pollTimer->setInterval(PollIntervalMs);
        connect(m_pollTimer, &QTimer::timeout, this, &VolumeMonitor::refresh);
    }
    m_pollTimer->start();
    return false;
}

void VolumeMonitor::refresh()
{
    const QList<MountedVolume> now = m_source ? m_source->mountedVolumes() : QList<MountedVolume>();
    const QList<MountedVolume> before = m_volumes;
    m_volumes = now;
    const auto samePlace = [](const MountedVolume &a, const MountedVolume &b) {
        return a.path == b.path && a.device == b.device && a.fileSystemType == b.fileSystemType;
    };
    const auto listed = [&samePlace](const QList<MountedVolume> &list, const MountedVolume &volume) {
        return std::any_of(list.cbegin(), list.cend(),
                           [&](const MountedVolume &other) { return samePlace(other, volume); });
    };
    for (const MountedVolume &volume : before) {
        if (!listed(now, volume)) {
            Q_EMIT volumeUnmounted(volume);
        }
    }
    for (const MountedVolume &volume : now) {
        if (!listed(before, volume)) {
            Q_EMIT volumeMounted(volume);
        }
    }
}
