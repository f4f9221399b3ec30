#include "NotificationCenter.h"

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

bool NotificationCenter::postNotificationName(const QString &name)
{
    if (name == RefreshLanguageNotification) {
        Q_EMIT refreshLanguage();
        return true;
    }
    if (name == RefreshSpeedUnitNotification) {
        Q_EMIT refreshSpeedUnit();
        return true;
    }
    return false;
}
