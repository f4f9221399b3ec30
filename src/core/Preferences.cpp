#include "Preferences.h"

#include "NotificationCenter.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
void writeLanguage(QSettings &settings, const QString &code)
{
    settings.setValue(QString(Preferences::LanguageKey), code);
    settings.setValue(QString(Preferences::AppleLanguagesKey), QStringList{code});
}
} // namespace

QStringList Preferences::supportedLanguages()
{
    return {u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s};
}

bool Preferences::isSupportedLanguage(const QString &code)
{
    return supportedLanguages().contains(code);
}

void Preferences::initializeLanguageSetting()
{
    QSettings settings;
    writeLanguage(settings, language());
    settings.sync();
}

QString Preferences::language()
{
    const QString stored = QSettings().value(QString(LanguageKey), u"en"_s).toString();
    return isSupportedLanguage(stored) ? stored : supportedLanguages().constFirst();
}

QString Preferences::lookupLanguage()
{
    // Before start-up has settled the language (the command-line tool never does), or when the
    // entry has no table, lookups use the language start-up would settle on, never the Korean keys.
    const QString first = QSettings().value(QString(AppleLanguagesKey)).toStringList().value(0);
    return isSupportedLanguage(first) ? first : language();
}

bool Preferences::changeLanguage(const QString &code)
{
    QSettings settings;
    if (settings.value(QString(LanguageKey)).toString() == code) {
        return false;
    }
    writeLanguage(settings, code);
    settings.sync();
    NotificationCenter::defaultCenter().postNotificationName(QString(NotificationCenter::RefreshLanguageNotification));
    return true;
}

void Preferences::storeLanguage(const QString &code)
{
    QSettings settings;
    writeLanguage(settings, code);
    settings.sync();
    NotificationCenter::defaultCenter().postNotificationName(QString(NotificationCenter::RefreshLanguageNotification));
}

int Preferences::speedUnit()
{
    return QSettings().value(QString(SpeedUnitKey), KilometresPerHour).toInt();
}

void Preferences::initializeSpeedUnit()
{
    QSettings settings;
    if (!settings.contains(QString(SpeedUnitKey))) {
        settings.setValue(QString(SpeedUnitKey), int(KilometresPerHour));
        settings.sync();
    }
}

bool Preferences::setSpeedUnit(int unit)
{
    if (unit != KilometresPerHour && unit != MilesPerHour) {
        return false;
    }
    if (speedUnit() == unit) {
        return false;
    }
    QSettings settings;
    settings.setValue(QString(SpeedUnitKey), unit);
    settings.sync();
    NotificationCenter::defaultCenter().postNotificationName(QString(NotificationCenter::RefreshSpeedUnitNotification));
    return true;
}
