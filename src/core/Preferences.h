#pragma once

#include <QString>
#include <QStringList>

// The two user preferences, kept in QSettings under the keys the camera tools have always used:
// the interface language ("VexoViewerLanguage", mirrored into "AppleLanguages", whose first entry
// is what lookups use) and the speed unit ("VexoViewerSpeedUnit": 0 km/h, 1 mph).
class Preferences
{
public:
    static constexpr QLatin1StringView LanguageKey{"VexoViewerLanguage"};
    static constexpr QLatin1StringView AppleLanguagesKey{"AppleLanguages"};
    static constexpr QLatin1StringView SpeedUnitKey{"VexoViewerSpeedUnit"};

    enum SpeedUnit
    {
        KilometresPerHour = 0,
        MilesPerHour = 1
    };

    // The languages that have translation tables; the first is the fallback.
    static QStringList supportedLanguages();
    static bool isSupportedLanguage(const QString &code);

    // Start-up normalisation: an absent or unsupported stored language becomes "en", and both
    // language keys are written so they agree.
    static void initializeLanguageSetting();

    // The stored language as start-up would normalise it, without writing anything.
    static QString language();
    // The language lookups use: the first entry of "AppleLanguages", or language() when that is
    // absent or has no table. Writes nothing.
    static QString lookupLanguage();

    // The language menu's change: nothing when CODE is already stored; otherwise both keys are
    // written and "RefreshLanguageNotification" is posted. Returns whether anything changed.
    static bool changeLanguage(const QString &code);
    // The settings window's choice: always writes both keys and posts the notification.
    static void storeLanguage(const QString &code);

    // 0 (km/h) when never chosen.
    static int speedUnit();
    // Called when the speed-unit menu is built: an absent unit is stored as km/h.
    static void initializeSpeedUnit();
    // Writes the unit and posts "RefreshSpeedUnitNotification" only when it differs from the
    // stored one. Values other than 0 and 1 are refused. Returns whether anything changed.
    static bool setSpeedUnit(int unit);
};
