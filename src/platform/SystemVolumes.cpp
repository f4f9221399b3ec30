#include "SystemVolumes.h"

#include "platform/BlockDevices.h"

#include <QFile>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {
// File systems reached over a network, including the FUSE ones; none of them is a local volume
// even when the kernel lends it a device number.
bool isNetworkFileSystem(const QString &type)
{
    static const QSet<QString> network = {
        u"nfs"_s,
        u"nfs4"_s,
        u"cifs"_s,
        u"smb3"_s,
        u"smbfs"_s,
        u"ncpfs"_s,
        u"afs"_s,
        u"ceph"_s,
        u"glusterfs"_s,
        u"9p"_s,
        u"davfs"_s,
        u"coda"_s,
        u"lustre"_s,
        u"gfs2"_s,
        u"ocfs2"_s,
        u"orangefs"_s,
        u"fuse.sshfs"_s,
        u"fuse.rclone"_s,
        u"fuse.s3fs"_s,
        u"fuse.gcsfuse"_s,
        u"fuse.glusterfs"_s,
        u"fuse.cephfs"_s,
        u"fuse.davfs"_s,
        u"fuse.curlftpfs"_s,
        u"fuse.gvfsd-fuse"_s,
        u"fuse.smbnetfs"_s,
        u"fuse.afpfs"_s,
    };
    return network.contains(type);
}

// Mount points spell space, tab, newline and backslash as three octal digits after a backslash.
QString unescapeMountField(QByteArrayView field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const char a = field.at(i + 1);
            const char b = field.at(i + 2);
            const char d = field.at(i + 3);
            const auto octal = [](char x) {
                return x >= '0' && x <= '7';
            };
            if (octal(a) && octal(b) && octal(d)) {
                bytes.append(static_cast<char>(((a - '0') << 6) | ((b - '0') << 3) | (d - '0')));
                i += 3;
                continue;
            }
        }
        bytes.append(c);
    }
    return QString::fromUtf8(bytes);
}

} // namespace

SystemVolumes::SystemVolumes(const QString &mountInfoPath, const QString &sysfsRoot)
    : m_mountInfoPath(mountInfoPath), m_sysfsRoot(sysfsRoot)
{
}

std::shared_ptr<const VolumeSource> SystemVolumes::system()
{
    static const std::shared_ptr<const VolumeSource> volumes = std::make_shared<const SystemVolumes>();
    return volumes;
}

QList<MountedVolume> SystemVolumes::mountedVolumes() const
{
    QFile file(m_mountInfoPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // The kernel's tables report no size: read until the end, within a bound.
    const QByteArray text = file.read(MaxMountInfoSize);
    return volumesFromMountInfo(text, m_sysfsRoot);
}

QList<MountedVolume> SystemVolumes::volumesFromMountInfo(QByteArrayView text, const QString &sysfsRoot)
{
    QList<MountedVolume> volumes;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;

        // ID PARENT MAJOR:MINOR ROOT MOUNTPOINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPEROPTIONS
        QList<QByteArrayView> fields;
        for (qsizetype at = 0; at < line.size();) {
            qsizetype next = line.indexOf(' ', at);
            if (next < 0) {
                next = line.size();
            }
            if (next > at) {
                fields.append(line.sliced(at, next - at));
            }
            at = next + 1;
        }
        qsizetype separator = -1;
        for (qsizetype i = 6; i < fields.size(); ++i) {
            if (fields.at(i) == "-") {
                separator = i;
                break;
            }
        }
        if (separator < 0 || separator + 2 >= fields.size()) {
            continue;
        }
        MountedVolume volume;
        volume.path = unescapeMountField(fields.at(4));
        volume.fileSystemType = unescapeMountField(fields.at(separator + 1));
        volume.device = unescapeMountField(fields.at(separator + 2));
        volume.fileSystemRoot = unescapeMountField(fields.at(3));
        volume.deviceNumber = QString::fromLatin1(fields.at(2));
        volume.mountOptions = unescapeMountField(fields.at(5));
        if (separator + 3 < fields.size()) {
            volume.superOptions = unescapeMountField(fields.at(separator + 3));
        }
        if (!isNetworkFileSystem(volume.fileSystemType)) {
            const QString folder = BlockDevices::deviceFolder(sysfsRoot, volume.deviceNumber, volume.device);
            volume.isLocal = !folder.isEmpty();
            volume.isRemovable = volume.isLocal && BlockDevices::isRemovable(folder);
        }
        volumes.append(volume);
    }
    return volumes;
}
