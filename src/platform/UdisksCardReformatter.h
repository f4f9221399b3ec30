#pragma once

#include "platform/CardReformatPlan.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariant>

// Formats a volume through the desktop's disk service (UDisks2 on the system bus), which asks the
// user for permission where the desktop wants it and needs no root: unmount, format with the same
// type and label, mount again.
class UdisksCardReformatter
{
public:
    // Talks to the disk service on BUS; tests hand in a private bus with a stand-in service.
    explicit UdisksCardReformatter(const QDBusConnection &bus = QDBusConnection::systemBus());

    // Whether the disk service is on the bus or can be started there.
    bool isAvailable() const;
    // The label the disk service reports for DEVICE; empty when it has none or is not reachable.
    QString labelOf(const QString &device) const;

    // False with ERROR set on the first step that fails. A volume no longer mounted at the plan's
    // path is not touched; when formatting fails the volume is mounted again.
    bool reformat(const CardReformatPlan &plan, QString *error) const;

private:
    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments, int timeoutMs) const;
    QVariant property(const QString &path, const QString &interface, const QString &name) const;
    QString blockObject(const QString &device) const;
    QStringList mountPointsOf(const QString &object) const;

    QDBusConnection m_bus;
};
