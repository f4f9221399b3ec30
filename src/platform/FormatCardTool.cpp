#include "FormatCardTool.h"

#include "platform/MkfsCardReformatter.h"
#include "platform/SystemVolumes.h"
#include "platform/UdisksCardReformatter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QString homeOfUser(uid_t uid)
{
    const passwd *entry = getpwuid(uid);
    return entry != nullptr && entry->pw_dir != nullptr ? QString::fromLocal8Bit(entry->pw_dir) : QString();
}

// The label of DEVICE as the block-device probe reads it from the file system itself.
QString probedLabel(const QString &device)
{
    QString blkid = QStandardPaths::findExecutable(u"blkid"_s);
    if (blkid.isEmpty()) {
        blkid = QStandardPaths::findExecutable(u"blkid"_s, {u"/usr/sbin"_s, u"/sbin"_s});
    }
    if (blkid.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(blkid, {u"-p"_s, u"-s"_s, u"LABEL"_s, u"-o"_s, u"value"_s, device});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}
} // namespace

QString FormatCardTool::usage(TestOptions testOptions)
{
    QString text = u"usage: velmora-format-card plan MOUNTPATH\n"
                   u"       velmora-format-card reformat MOUNTPATH\n"_s;
    if (testOptions == TestOptions::Accepted) {
        text += u"test build: [--accept-loop-device DEVICE] [--route mkfs|udisks] before the command\n"_s;
    }
    return text;
}

CardReformatPlanner::Machine FormatCardTool::currentMachine()
{
    CardReformatPlanner::Machine machine;
    QFile table(SystemVolumes::DefaultMountInfoPath);
    if (table.open(QIODevice::ReadOnly)) {
        machine.mountInfo = table.read(SystemVolumes::MaxMountInfoSize);
    }
    machine.sysfsRoot = SystemVolumes::DefaultSysfsRoot;
    machine.protectedPaths = {u"/"_s, u"/boot"_s, u"/home"_s, QDir::homePath()};
    // Run through sudo or pkexec, the user who asked is the one whose files are at stake.
    for (const char *variable : {"SUDO_UID", "PKEXEC_UID"}) {
        bool ok = false;
        const uint uid = qEnvironmentVariable(variable).toUInt(&ok);
        const QString home = ok ? homeOfUser(uid) : QString();
        if (!home.isEmpty()) {
            machine.protectedPaths.append(home);
        }
    }
    const UdisksCardReformatter udisks;
    machine.udisksAvailable = udisks.isAvailable();
    machine.isRoot = geteuid() == 0;
    if (machine.udisksAvailable) {
        machine.labelOf = [udisks](const QString &device) {
            return udisks.labelOf(device);
        };
    } else {
        machine.labelOf = &probedLabel;
    }
    return machine;
}

int FormatCardTool::run(const QStringList &arguments, QTextStream &out, QTextStream &err, TestOptions testOptions)
{
    QStringList rest = arguments;
    QString acceptedLoop;
    QString route;
    while (testOptions == TestOptions::Accepted && rest.size() >= 2 && rest.first().startsWith(u"--"_s)) {
        const QString option = rest.takeFirst();
        const QString value = rest.takeFirst();
        if (option == u"--accept-loop-device"_s) {
            acceptedLoop = value;
        } else if (option == u"--route"_s && (value == u"mkfs"_s || value == u"udisks"_s)) {
            route = value;
        } else {
            err << usage(testOptions);
            return 2;
        }
    }
    if (rest.size() != 2 || (rest.first() != u"plan"_s && rest.first() != u"reformat"_s) || rest.at(1).isEmpty()) {
        err << usage(testOptions);
        return 2;
    }
    const QString verb = rest.first();
    const QString given = rest.at(1);

    CardReformatPlanner::Machine machine = currentMachine();
    machine.acceptedLoopDevice = acceptedLoop;
    if (route == u"mkfs"_s) {
        machine.udisksAvailable = false;
        machine.labelOf = &probedLabel;
    }

    CardReformatPlan plan;
    const QString mountPath = QFileInfo(given).canonicalFilePath();
    if (mountPath.isEmpty()) {
        plan.mountPath = given;
        plan.route = machine.udisksAvailable ? CardReformatPlan::Route::Udisks : CardReformatPlan::Route::Mkfs;
        plan.refused = u"the path does not exist"_s;
    } else {
        plan = CardReformatPlanner::plan(mountPath, machine);
    }

    if (verb == u"plan"_s) {
        out << QString::fromUtf8(QJsonDocument(plan.toJson()).toJson(QJsonDocument::Compact)) << '\n';
        return plan.isRefused() ? 1 : 0;
    }
    if (plan.isRefused()) {
        err << "velmora-format-card: " << given << ": " << plan.refused << '\n';
        return 1;
    }
    QString error;
    const bool done = plan.route == CardReformatPlan::Route::Udisks ? UdisksCardReformatter().reformat(plan, &error)
                                                                    : MkfsCardReformatter().reformat(plan, &error);
    if (!done) {
        err << "velmora-format-card: " << given << ": " << error << '\n';
        return 1;
    }
    return 0;
}
