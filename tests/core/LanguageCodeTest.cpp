#include "core/LanguageCode.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(LanguageCodeTest, NamesEveryCodeOfTheCamerasLanguageLists)
{
    EXPECT_EQ(LanguageCode::knownCodeCount(), 163);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"iw"_s), u"Hebrew"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"he"_s), u"Hebrew"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"in"_s), u"Indonesian"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"zh-Hant-HK"_s), u"Chinese(Traditional/Contonese)"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"vo"_s), u"Volap?k"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"li"_s), u"Limburgish ( Limburger)"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"dz"_s), u"Bhutani"_s);
    EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(u"zu"_s), u"Zulu"_s);
}

TEST(LanguageCodeTest, UnknownCodesComeBackUnchanged)
{
    for (const QString &code : {u"xx"_s, u""_s, u"EN"_s, u"zh-hant-hk"_s, u"en "_s}) {
        EXPECT_EQ(LanguageCode::languageTitleByExpandingCode(code), code);
    }
}

TEST(LanguageCodeTest, DecodesHexPairs)
{
    EXPECT_EQ(LanguageCode::dataFromHexString(u"0A1b"_s), QByteArray::fromHex("0a1b"));
    // An odd last digit stands alone.
    EXPECT_EQ(LanguageCode::dataFromHexString(u"ABC"_s), QByteArray::fromHex("ab0c"));
    EXPECT_EQ(LanguageCode::dataFromHexString(QString()), QByteArray());
    EXPECT_EQ(LanguageCode::dataFromHexString(u"ff00"_s), QByteArray::fromHex("ff00"));
}

TEST(LanguageCodeTest, NonDigitsEndTheirPairWithoutShiftingTheRest)
{
    // "zz" gives 0, "1z" keeps the 1, "z1" stops at once; later pairs are read as usual.
    EXPECT_EQ(LanguageCode::dataFromHexString(u"zz1zz1Ab"_s), QByteArray::fromHex("000100ab"));
    EXPECT_EQ(LanguageCode::dataFromHexString(u"가나"_s), QByteArray(1, '\0'));
}
} // namespace
