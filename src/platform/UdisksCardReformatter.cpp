#include "UdisksCardReformatter.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {
const QString Service = u"org.freedesktop.UDisks2"_s;
const QString ManagerPath = u"/org/freedesktop/UDisks2/Manager"_s;
const QString ManagerInterface = u"org.freedesktop.UDisks2.Manager"_s;
const QString BlockInterface = u"org.freedesktop.UDisks2.Block"_s;
const QString FilesystemInterface = u"org.freedesktop.UDisks2.Filesystem"_s;
const QString PropertiesInterface = u"org.freedesktop.DBus.Properties"_s;

// Formatting a large card, with the user answering a permission prompt on the way.
constexpr int FormatTimeoutMs = 30 * 60 * 1000;
constexpr int CallTimeoutMs = 2 * 60 * 1000;

bool succeeded(const QDBusMessage &reply, const QString &step, QString *error)
{
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return true;
    }
    *error = step + u": "_s + reply.errorMessage();
    return false;
}
} // namespace

UdisksCardReformatter::UdisksCardReformatter(const QDBusConnection &bus) : m_bus(bus)
{
}

QDBusMessage UdisksCardReformatter::call(const QString &path, const QString &interface, const QString &method,
                                         const QVariantList &arguments, int timeoutMs) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, timeoutMs);
}

QVariant UdisksCardReformatter::property(const QString &path, const QString &interface, const QString &name) const
{
    const QDBusMessage reply = call(path, PropertiesInterface, u"Get"_s, {interface, name}, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

// The disk service's object for a device node, or an empty path.
QString UdisksCardReformatter::blockObject(const QString &device) const
{
    const QVariantMap byPath{{u"path"_s, device}};
    const QDBusMessage reply =
        call(ManagerPath, ManagerInterface, u"ResolveDevice"_s, {byPath, QVariantMap()}, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        QList<QDBusObjectPath> paths;
        argument >> paths;
        if (!paths.isEmpty()) {
            return paths.constFirst().path();
        }
    }
    return {};
}

QStringList UdisksCardReformatter::mountPointsOf(const QString &object) const
{
    const QVariant value = property(object, FilesystemInterface, u"MountPoints"_s);
    QList<QByteArray> points;
    if (value.canConvert<QDBusArgument>()) {
        value.value<QDBusArgument>() >> points;
    }
    QStringList paths;
    for (QByteArray point : points) {
        // The service spells paths as NUL-terminated bytes.
        while (point.endsWith('\0')) {
            point.chop(1);
        }
        paths.append(QDir::cleanPath(QString::fromUtf8(point)));
    }
    return paths;
}

bool UdisksCardReformatter::isAvailable() const
{
    if (!m_bus.isConnected() || m_bus.interface() == nullptr) {
        return false;
    }
    if (m_bus.interface()->isServiceRegistered(Service).value()) {
        return true;
    }
    const QDBusReply<QStringList> activatable = m_bus.interface()->call(u"ListActivatableNames"_s);
    return activatable.isValid() && activatable.value().contains(Service);
}

QString UdisksCardReformatter::labelOf(const QString &device) const
{
    const QString object = blockObject(device);
    if (object.isEmpty()) {
        return {};
    }
    return property(object, BlockInterface, u"IdLabel"_s).toString();
}

bool UdisksCardReformatter::reformat(const CardReformatPlan &plan, QString *error) const
{
    if (plan.isRefused()) {
        *error = plan.refused;
        return false;
    }
    const QString object = blockObject(plan.device);
    if (object.isEmpty()) {
        *error = u"the disk service does not know "_s + plan.device;
        return false;
    }
    if (!mountPointsOf(object).contains(QDir::cleanPath(plan.mountPath))) {
        *error = u"the volume is no longer mounted at "_s + plan.mountPath;
        return false;
    }
    const QVariantMap none;
    if (!succeeded(call(object, FilesystemInterface, u"Unmount"_s, {none}, CallTimeoutMs), u"unmount"_s, error)) {
        return false;
    }
    QVariantMap options{{u"label"_s, plan.label}};
    if (plan.fileSystemType.startsWith(u"ext"_s)) {
        // The new top folder belongs to the user who asked, as the old one did.
        options.insert(u"take-ownership"_s, true);
    }
    const bool formatted = succeeded(
        call(object, BlockInterface, u"Format"_s, {plan.fileSystemType, options}, FormatTimeoutMs), u"format"_s, error);
    QString mountError;
    const bool mounted =
        succeeded(call(object, FilesystemInterface, u"Mount"_s, {none}, CallTimeoutMs), u"mount"_s, &mountError);
    if (formatted && !mounted) {
        *error = u"the volume was formatted but cannot be mounted again: "_s + mountError;
    }
    return formatted && mounted;
}
