#pragma once

#include <QJsonObject>
#include <QString>

// What the reformat helper would do with one mount path: the volume found there and how it would
// be re-created, or why it will not touch it.
struct CardReformatPlan
{
    enum class Route
    {
        Udisks, // through the desktop's disk service, no root needed
        Mkfs    // as root: unmount, the file system's own mkfs tool, mount again
    };

    // The mount point, as found in the mount table.
    QString mountPath;
    QString device;
    QString fileSystemType;
    QString label;
    Route route = Route::Udisks;
    // Why the volume is refused, in a sentence for the user; empty when it may be formatted.
    QString refused;
    // The options the volume was mounted with, for mounting it again the same way.
    QString mountOptions;
    QString superOptions;

    bool isRefused() const { return !refused.isEmpty(); }
    static QString routeName(Route route)
    {
        return route == Route::Mkfs ? QStringLiteral("mkfs") : QStringLiteral("udisks");
    }

    // {"device", "fstype", "label", "route", "refused"}: what `plan` prints. Fields not known
    // (a path that is no mount point has no device) and an absent refusal are null.
    QJsonObject toJson() const
    {
        const auto textOrNull = [](const QString &text) {
            return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
        };
        QJsonObject object;
        object.insert(QStringLiteral("device"), textOrNull(device));
        object.insert(QStringLiteral("fstype"), textOrNull(fileSystemType));
        object.insert(QStringLiteral("label"), label);
        object.insert(QStringLiteral("route"), routeName(route));
        object.insert(QStringLiteral("refused"), textOrNull(refused));
        return object;
    }
};
