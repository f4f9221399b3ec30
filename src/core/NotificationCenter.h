#pragma once

#include <QObject>
#include <QString>

// The process-wide notifier through which screens learn that a preference changed. Each named
// notification is a signal; the names stay available as constants for code that posts by name.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView RefreshLanguageNotification{"RefreshLanguageNotification"};
    static constexpr QLatin1StringView RefreshSpeedUnitNotification{"RefreshSpeedUnitNotification"};

    static NotificationCenter &defaultCenter();

    // Emits the signal of the named notification; returns false for a name nobody knows.
    bool postNotificationName(const QString &name);

Q_SIGNALS:
    void refreshLanguage();
    void refreshSpeedUnit();

private:
    NotificationCenter() = default;
};
