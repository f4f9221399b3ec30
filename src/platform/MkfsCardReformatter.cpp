#include "MkfsCardReformatter.h"

#include "platform/SystemVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
// Making a file system on a large card takes a while, but never this long.
constexpr int CommandTimeoutMs = 30 * 60 * 1000;

// Where system tools live when PATH (a user's, say) does not list them.
QString findTool(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        path = QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/sbin"_s, u"/usr/bin"_s, u"/bin"_s});
    }
    return path;
}

// Runs PROGRAM with ARGUMENTS to its end; false with ERROR holding the tool's last words when it
// cannot be found or started, or ends other than with status 0.
bool runTool(const QString &program, const QStringList &arguments, QString *error)
{
    const QString path = findTool(program);
    if (path.isEmpty()) {
        *error = program + u" is not installed"_s;
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (!process.waitForStarted()) {
        *error = program + u" cannot be started: "_s + process.errorString();
        return false;
    }
    if (!process.waitForFinished(CommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = program + u" did not finish"_s;
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromUtf8(process.readAll().right(2000)).trimmed();
        *error = program + u" failed"_s + (said.isEmpty() ? QString() : u": "_s + said);
        return false;
    }
    return true;
}

QByteArray readKernelMountTable()
{
    QFile file(SystemVolumes::DefaultMountInfoPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(SystemVolumes::MaxMountInfoSize);
}
} // namespace

MkfsCardReformatter::MkfsCardReformatter(MountTableReader mountTable)
    : m_mountTable(mountTable ? std::move(mountTable) : MountTableReader(readKernelMountTable))
{
}

std::optional<QStringList> MkfsCardReformatter::mkfsCommand(const QString &type, const QString &label,
                                                            const QString &device, const std::optional<Owner> &owner)
{
    QStringList command;
    if (type == u"vfat"_s) {
        command = {u"mkfs.vfat"_s, u"-I"_s};
        if (!label.isEmpty()) {
            command << u"-n"_s << label;
        }
    } else if (type == u"exfat"_s) {
        command = {u"mkfs.exfat"_s};
        if (!label.isEmpty()) {
            command << u"-L"_s << label;
        }
    } else if (type == u"ext4"_s || type == u"ext3"_s || type == u"ext2"_s) {
        command = {u"mkfs."_s + type, u"-F"_s, u"-q"_s};
        if (!label.isEmpty()) {
            command << u"-L"_s << label;
        }
        if (owner) {
            command << u"-E"_s << u"root_owner=%1:%2"_s.arg(owner->user).arg(owner->group);
        }
    } else {
        return std::nullopt;
    }
    command << device;
    return command;
}

QString MkfsCardReformatter::remountOptions(const CardReformatPlan &plan)
{
    static const QStringList mountFlags = {u"ro"_s,         u"nosuid"_s,   u"nodev"_s,      u"noexec"_s,
                                           u"noatime"_s,    u"relatime"_s, u"sync"_s,       u"dirsync"_s,
                                           u"nodiratime"_s, u"lazytime"_s, u"strictatime"_s};
    static const QStringList fileSystemKeys = {u"uid"_s,   u"gid"_s,       u"fmask"_s,    u"dmask"_s,
                                               u"umask"_s, u"iocharset"_s, u"codepage"_s, u"shortname"_s,
                                               u"utf8"_s,  u"flush"_s,     u"showexec"_s, u"allow_utime"_s};
    QStringList kept;
    for (const QString &option : plan.mountOptions.split(u',', Qt::SkipEmptyParts)) {
        if (mountFlags.contains(option)) {
            kept.append(option);
        }
    }
    // Ownership of an ext file system is in the file system itself, not in mount options.
    if (plan.fileSystemType == u"vfat"_s || plan.fileSystemType == u"exfat"_s) {
        for (const QString &option : plan.superOptions.split(u',', Qt::SkipEmptyParts)) {
            if (fileSystemKeys.contains(option.section(u'=', 0, 0))) {
                kept.append(option);
            }
        }
    }
    return kept.join(u',');
}

bool MkfsCardReformatter::makeFileSystem(const QString &device, const QString &type, const QString &label,
                                         const std::optional<Owner> &owner, QString *error) const
{
    const std::optional<QStringList> command = mkfsCommand(type, label, device, owner);
    if (!command) {
        *error = u"the file system type "_s + type + u" is not supported"_s;
        return false;
    }
    return runTool(command->first(), command->mid(1), error);
}

bool MkfsCardReformatter::isStillMounted(const QString &device) const
{
    const QList<MountedVolume> volumes = SystemVolumes::volumesFromMountInfo(m_mountTable(), QString());
    const QString node = QFileInfo(device).canonicalFilePath();
    for (const MountedVolume &volume : volumes) {
        if (volume.device == device || (!node.isEmpty() && QFileInfo(volume.device).canonicalFilePath() == node)) {
            return true;
        }
    }
    return false;
}

bool MkfsCardReformatter::reformat(const CardReformatPlan &plan, QString *error) const
{
    if (plan.isRefused()) {
        *error = plan.refused;
        return false;
    }
    const QFileInfo top(plan.mountPath);
    const Owner owner{top.ownerId(), top.groupId()};
    const QString options = remountOptions(plan);
    QStringList mountArguments = {u"-t"_s, plan.fileSystemType};
    if (!options.isEmpty()) {
        mountArguments << u"-o"_s << options;
    }
    mountArguments << plan.device << plan.mountPath;

    if (!runTool(u"umount"_s, {plan.mountPath}, error)) {
        return false;
    }
    const auto mountAgain = [&](QString *mountError) {
        QDir().mkpath(plan.mountPath);
        return runTool(u"mount"_s, mountArguments, mountError);
    };
    // Mounted somewhere else as well: overwriting it would pull the file system from under that
    // mount, so leave it be.
    if (isStillMounted(plan.device)) {
        *error = u"the volume is mounted at another place as well"_s;
        QString ignored;
        mountAgain(&ignored);
        return false;
    }
    if (!makeFileSystem(plan.device, plan.fileSystemType, plan.label, owner, error)) {
        QString ignored;
        mountAgain(&ignored);
        return false;
    }
    QString mountError;
    if (!mountAgain(&mountError)) {
        *error = u"the volume was formatted but cannot be mounted again: "_s + mountError;
        return false;
    }
    return true;
}
