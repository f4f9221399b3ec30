#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A small sysfs for tests: block devices where the kernel puts them, and /sys/dev/block and
// /sys/class/block pointing at them.
class FakeSysfs
{
public:
    QString root() const { return m_folder.path(); }

    // A disk at DEVICEPATH (under devices/) with REMOVABLE, and a partition PART under it when
    // given; NUMBER ("8:17") names the partition, or the disk when there is none.
    void addDisk(const QString &devicePath, const QString &number, bool removable, const QString &part = {})
    {
        const QString disk = root() + QStringLiteral("/devices/") + devicePath;
        QDir().mkpath(disk);
        writeFile(disk + QStringLiteral("/removable"), removable ? "1\n" : "0\n");
        QString device = disk;
        if (!part.isEmpty()) {
            device = disk + u'/' + part;
            QDir().mkpath(device);
            writeFile(device + QStringLiteral("/partition"), "1\n");
        }
        link(device, QStringLiteral("/dev/block/") + number);
        link(device, QStringLiteral("/class/block/") + QFileInfo(device).fileName());
    }
    // Makes the device called NAME sit on top of SLAVE (a device folder made earlier).
    void addSlave(const QString &name, const QString &slaveDevicePath)
    {
        const QString folder = QFileInfo(root() + QStringLiteral("/class/block/") + name).canonicalFilePath();
        QDir().mkpath(folder + QStringLiteral("/slaves"));
        QFile::link(root() + QStringLiteral("/devices/") + slaveDevicePath,
                    folder + QStringLiteral("/slaves/") + QFileInfo(slaveDevicePath).fileName());
    }

private:
    void link(const QString &target, const QString &relative)
    {
        const QString at = root() + relative;
        QDir().mkpath(QFileInfo(at).absolutePath());
        QFile::link(target, at);
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    QTemporaryDir m_folder;
};
