#include "core/Preferences.h"

#include "core/NotificationCenter.h"

#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QSettings>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class PreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }

    static QVariant stored(QLatin1StringView key) { return QSettings().value(QString(key)); }
    static void store(QLatin1StringView key, const QVariant &value)
    {
        QSettings settings;
        settings.setValue(QString(key), value);
        settings.sync();
    }
};

TEST_F(PreferencesTest, StartUpTurnsAnyUnsupportedLanguageIntoEnglishAndMirrorsIt)
{
    for (const QString &bad : {u"de"_s, u""_s, u"EN"_s, u"fr_FR"_s}) {
        store(Preferences::LanguageKey, bad);
        store(Preferences::AppleLanguagesKey, QStringList{u"de"_s, u"fr"_s});
        Preferences::initializeLanguageSetting();
        EXPECT_EQ(stored(Preferences::LanguageKey).toString(), u"en"_s) << bad.toStdString();
        EXPECT_EQ(stored(Preferences::AppleLanguagesKey).toStringList(), QStringList{u"en"_s});
    }
}

TEST_F(PreferencesTest, StartUpKeepsASupportedLanguageAndWritesBothKeysWhenAbsent)
{
    store(Preferences::LanguageKey, u"pt"_s);
    Preferences::initializeLanguageSetting();
    EXPECT_EQ(stored(Preferences::LanguageKey).toString(), u"pt"_s);
    EXPECT_EQ(stored(Preferences::AppleLanguagesKey).toStringList(), QStringList{u"pt"_s});
    EXPECT_EQ(Preferences::lookupLanguage(), u"pt"_s);

    TestSettings::reset();
    Preferences::initializeLanguageSetting();
    EXPECT_EQ(stored(Preferences::LanguageKey).toString(), u"en"_s);
    EXPECT_EQ(stored(Preferences::AppleLanguagesKey).toStringList(), QStringList{u"en"_s});
}

TEST_F(PreferencesTest, ChangingToTheStoredLanguageDoesNothing)
{
    Preferences::initializeLanguageSetting();
    QSignalSpy spy(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage);
    EXPECT_FALSE(Preferences::changeLanguage(u"en"_s));
    EXPECT_EQ(spy.count(), 0);

    EXPECT_TRUE(Preferences::changeLanguage(u"ja"_s));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(stored(Preferences::LanguageKey).toString(), u"ja"_s);
    EXPECT_EQ(stored(Preferences::AppleLanguagesKey).toStringList(), QStringList{u"ja"_s});
}

TEST_F(PreferencesTest, SettingsWindowChoiceAlwaysAnnouncesTheLanguage)
{
    Preferences::initializeLanguageSetting();
    QSignalSpy spy(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage);
    Preferences::storeLanguage(u"en"_s);
    Preferences::storeLanguage(u"fr"_s);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(Preferences::lookupLanguage(), u"fr"_s);
}

TEST_F(PreferencesTest, FreshInstallationUsesKilometresPerHour)
{
    EXPECT_EQ(Preferences::speedUnit(), Preferences::KilometresPerHour);
    EXPECT_FALSE(QSettings().contains(QString(Preferences::SpeedUnitKey)));
    Preferences::initializeSpeedUnit();
    EXPECT_EQ(stored(Preferences::SpeedUnitKey).toInt(), 0);
    EXPECT_TRUE(QSettings().contains(QString(Preferences::SpeedUnitKey)));

    // A stored choice survives the menu being built again.
    store(Preferences::SpeedUnitKey, 1);
    Preferences::initializeSpeedUnit();
    EXPECT_EQ(Preferences::speedUnit(), Preferences::MilesPerHour);
}

TEST_F(PreferencesTest, SpeedUnitIsAnnouncedOnlyWhenItChanges)
{
    Preferences::initializeSpeedUnit();
    QSignalSpy spy(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshSpeedUnit);
    EXPECT_FALSE(Preferences::setSpeedUnit(Preferences::KilometresPerHour));
    EXPECT_TRUE(Preferences::setSpeedUnit(Preferences::MilesPerHour));
    EXPECT_FALSE(Preferences::setSpeedUnit(Preferences::MilesPerHour));
    EXPECT_FALSE(Preferences::setSpeedUnit(7));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(Preferences::speedUnit(), Preferences::MilesPerHour);
}

TEST_F(PreferencesTest, NotificationsCanBePostedByName)
{
    QSignalSpy language(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage);
    QSignalSpy speed(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshSpeedUnit);
    EXPECT_TRUE(NotificationCenter::defaultCenter().postNotificationName(u"RefreshLanguageNotification"_s));
    EXPECT_TRUE(NotificationCenter::defaultCenter().postNotificationName(u"RefreshSpeedUnitNotification"_s));
    EXPECT_FALSE(NotificationCenter::defaultCenter().postNotificationName(u"SomethingElse"_s));
    EXPECT_EQ(language.count(), 1);
    EXPECT_EQ(speed.count(), 1);
}
} // namespace
