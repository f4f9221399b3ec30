#include "core/VexoLanguages.h"

#include "core/Preferences.h"

#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class VexoLanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
};

TEST_F(VexoLanguagesTest, LooksUpTheLanguageMenuTitleInEachTable)
{
    const QString key = u"언어"_s;
    EXPECT_EQ(languages.localized(key, u"en"_s), u"Language"_s);
    EXPECT_EQ(languages.localized(key, u"fr"_s), u"Langue"_s);
    EXPECT_EQ(languages.localized(key, u"ja"_s), u"言語"_s);
    EXPECT_EQ(languages.localized(key, u"pt"_s), u"Idioma"_s);
}

TEST_F(VexoLanguagesTest, FollowsTheStoredLanguageAtTheNextLookup)
{
    Preferences::initializeLanguageSetting();
    EXPECT_EQ(languages.localized(u"예"_s), u"Yes"_s);
    Preferences::changeLanguage(u"fr"_s);
    EXPECT_EQ(languages.localized(u"예"_s), u"Oui"_s);
}

TEST_F(VexoLanguagesTest, UntranslatedTextShowsTheKey)
{
    Preferences::initializeLanguageSetting();
    EXPECT_EQ(languages.localized(u"없는 키"_s), u"없는 키"_s);
    EXPECT_EQ(languages.localized(QString()), QString());
    // A language without a table still shows the Korean text.
    EXPECT_EQ(languages.localized(u"언어"_s, u"de"_s), u"언어"_s);
    EXPECT_EQ(languages.localized(u"언어"_s, u"../en"_s), u"언어"_s);
}

TEST_F(VexoLanguagesTest, WithNoLanguageEverChosenLookupsUseTheStartUpDefaultWithoutWritingIt)
{
    // The command-line tool never runs the start-up normalisation: its messages must still come
    // out in the language the viewer would show, not as Korean keys.
    TestSettings::reset();
    EXPECT_EQ(languages.localized(u"예"_s), u"Yes"_s);
    EXPECT_FALSE(QSettings().contains(QString(Preferences::AppleLanguagesKey)));
    {
        QSettings settings;
        settings.setValue(QString(Preferences::LanguageKey), u"ja"_s);
        settings.setValue(QString(Preferences::AppleLanguagesKey), QStringList{u"ko"_s});
    }
    EXPECT_EQ(languages.localized(u"예"_s), u"はい"_s);
}

TEST_F(VexoLanguagesTest, KeysWithLineBreaksKeepThemInTranslation)
{
    const QString key = u"포맷 중 입니다.\r\n잠시만 기다려 주십시오."_s;
    const QString text = languages.localized(key, u"en"_s);
    EXPECT_NE(text, key);
    EXPECT_TRUE(text.contains(u"\r\n"_s)) << text.toStdString();
}
} // namespace
