#include "settings/ini/KRVSettingText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
KRVSettingText read(const QByteArray &bytes)
{
    std::optional<KRVSettingText> text = KRVSettingText::fromBytes(bytes);
    EXPECT_TRUE(text.has_value()) << bytes.toStdString();
    return text.value_or(KRVSettingText());
}

// A card's file as a camera and a user may have left it: a comment, a key we do not know, a
// second "model=" line, spaces inside lines, and no line break at the end.
const QByteArray Mixed = "[capacity]\r\n"
                         "; written by hand\r\n"
                         "const=60\r\n"
                         "park_mode=1\r\n"
                         "park=4\r\n"
                         "model=QF27\r\n"
                         "gps_sync = 1 \r\n"
                         "model=OTHER\r\n"
                         "\r\n"
                         "language=us";
} // namespace

TEST(KRVSettingTextTest, UnchangedLinesComeBackByteForByte)
{
    for (const QByteArray &bytes :
         {Mixed, QByteArray(Mixed + "\r\n"), QByteArray("\r\n"), QByteArray("x=\xc3\xa9\0y\r\n", 9),
          QByteArray("\xef\xbb\xbf[capacity]\r\nconst=1")}) {
        EXPECT_EQ(read(bytes).toBytes(), bytes);
    }
    // An empty file is one empty line, and stays empty.
    EXPECT_EQ(read("").lines(), QStringList{QString()});
    EXPECT_EQ(read("").toBytes(), QByteArray());
}

TEST(KRVSettingTextTest, OnlyTheFirstLineOfAKeyIsReadOrChanged)
{
    KRVSettingText text = read(Mixed);
    EXPECT_EQ(text.valueForKey(u"model="), u"QF27"_s);
    EXPECT_EQ(text.valueForKey(u"park="), u"4"_s);
    EXPECT_EQ(text.valueForKey(u"gps_sync"), u" = 1 "_s);
    EXPECT_FALSE(text.valueForKey(u"Model=").has_value());
    EXPECT_FALSE(text.valueForKey(u"version=").has_value());

    EXPECT_TRUE(text.setValueForKey(u"model=", u"QX"_s));
    // "park=" must not take the "park_mode=" line that comes first.
    EXPECT_TRUE(text.setValueForKey(u"park=", u"14"_s));
    EXPECT_TRUE(text.setValueForKey(u"language=", u"fr"_s));
    // A key without a line is never added.
    EXPECT_FALSE(text.setValueForKey(u"summer_time=", u"1"_s));
    EXPECT_EQ(text.toBytes(), QByteArray("[capacity]\r\n"
                                         "; written by hand\r\n"
                                         "const=60\r\n"
                                         "park_mode=1\r\n"
                                         "park=14\r\n"
                                         "model=QX\r\n"
                                         "gps_sync = 1 \r\n"
                                         "model=OTHER\r\n"
                                         "\r\n"
                                         "language=fr"));
}

TEST(KRVSettingTextTest, SpacesAndTabsAroundTheWholeTextAreDropped)
{
    EXPECT_EQ(read(" \t[capacity]\r\nconst=60\r\n\t ").toBytes(), QByteArray("[capacity]\r\nconst=60\r\n"));
    EXPECT_EQ(read("[capacity]\r\nconst=60 \t").toBytes(), QByteArray("[capacity]\r\nconst=60"));
    // Line breaks are not trimmed, and spaces inside the text stay.
    EXPECT_EQ(read("\r\n a=1 \r\n").lines(), (QStringList{QString(), u" a=1 "_s, QString()}));
}

TEST(KRVSettingTextTest, AFileWithLineFeedsOnlyIsReadLineByLineAndKeepsItsLineEnds)
{
    KRVSettingText text = read("[blackbox]\nfront_led=1\nlanguage=us\n");
    EXPECT_EQ(text.separator(), u"\n"_s);
    EXPECT_EQ(text.lines(), (QStringList{u"[blackbox]"_s, u"front_led=1"_s, u"language=us"_s, QString()}));
    EXPECT_TRUE(text.setValueForKey(u"language=", u"fr"_s));
    EXPECT_EQ(text.toBytes(), QByteArray("[blackbox]\nfront_led=1\nlanguage=fr\n"));
}

TEST(KRVSettingTextTest, MixedLineEndsSplitEveryLineAndEachKeepsItsOwnEnd)
{
    const QByteArray mixed = "a=1\r\nb=2\nc=3\rd=4\r\n\n";
    KRVSettingText text = read(mixed);
    EXPECT_EQ(text.lines(), (QStringList{u"a=1"_s, u"b=2"_s, u"c=3"_s, u"d=4"_s, QString(), QString()}));
    EXPECT_EQ(text.toBytes(), mixed);
    EXPECT_TRUE(text.setValueForKey(u"b=", u"20"_s));
    EXPECT_TRUE(text.setValueForKey(u"c=", u"30"_s));
    EXPECT_EQ(text.toBytes(), QByteArray("a=1\r\nb=20\nc=30\rd=4\r\n\n"));

    // Clock lines after a "set=" line take its end; removed again, the file is as it was.
    KRVSettingText clock = read("[time]\nset=1\r\nx=1");
    clock.addTimeDateDelimiters({u"year=1"_s, u"month=2"_s});
    EXPECT_EQ(clock.toBytes(), QByteArray("[time]\nset=1\r\nyear=1\r\nmonth=2\r\nx=1"));
    clock.removeTimeDateDelimiters();
    EXPECT_EQ(clock.toBytes(), QByteArray("[time]\nset=1\r\nx=1"));
    // After a last line without an end, they take the end of the line before it, and the file
    // still ends without one; removing them gives that back too.
    KRVSettingText last = read("a=1\rset=0");
    last.addTimeDateDelimiters({u"year=1"_s});
    EXPECT_EQ(last.toBytes(), QByteArray("a=1\rset=0\ryear=1"));
    last.removeTimeDateDelimiters();
    EXPECT_EQ(last.toBytes(), QByteArray("a=1\rset=0"));
}

TEST(KRVSettingTextTest, ATextOfClockLinesAloneIsToldApart)
{
    EXPECT_TRUE(read("year=2024\r\nmonth=5\r\n").holdsOnlyClockLines());
    EXPECT_TRUE(KRVSettingText(QStringList()).holdsOnlyClockLines());
    EXPECT_FALSE(read("year=2024\r\nset=1").holdsOnlyClockLines());
    EXPECT_FALSE(read("[time]").holdsOnlyClockLines());
}

TEST(KRVSettingTextTest, TextThatIsNotUtf8HasNoLines)
{
    for (const QByteArray &bytes : {QByteArray("language=fr\xff\r\n"), QByteArray("model=\xc3"),
                                    QByteArray("a=\xed\xa0\x80"), QByteArray("a=\xc0\xaf")}) {
        EXPECT_FALSE(KRVSettingText::fromBytes(bytes).has_value()) << bytes.toHex().toStdString();
    }
}

TEST(KRVSettingTextTest, ClockLinesAreReplacedRightAfterSet)
{
    KRVSettingText text = read("[time]\r\nyear=2020\r\nset=1\r\nmonth=1\r\nyear=2020\r\nhour=3\r\nx=1");
    text.removeTimeDateDelimiters();
    EXPECT_EQ(text.lines(), (QStringList{u"[time]"_s, u"set=1"_s, u"x=1"_s}));

    const QStringList clock{u"year=2024"_s, u"month=5"_s, u"day=7"_s, u"hour=9"_s, u"min=5"_s, u"sec=0"_s};
    for (int round = 0; round < 2; ++round) {
        text.removeTimeDateDelimiters();
        text.addTimeDateDelimiters(clock);
    }
    EXPECT_EQ(text.lines(), (QStringList{u"[time]"_s, u"set=1"_s} + clock + QStringList{u"x=1"_s}));

    // Only lines equal to a clock key's first line go: a different "hour=" further down stays.
    KRVSettingText twoHours = read("hour=1\r\nset=0\r\nhour=2");
    twoHours.removeTimeDateDelimiters();
    EXPECT_EQ(twoHours.lines(), (QStringList{u"set=0"_s, u"hour=2"_s}));

    // Without "set=", after the first line; into an empty list, at its start.
    KRVSettingText noSet = read("[time]\r\nx=1");
    noSet.addTimeDateDelimiters({u"year=1"_s});
    EXPECT_EQ(noSet.lines(), (QStringList{u"[time]"_s, u"year=1"_s, u"x=1"_s}));
    KRVSettingText empty{QStringList()};
    empty.addTimeDateDelimiters({u"year=1"_s, u"month=2"_s});
    EXPECT_EQ(empty.lines(), (QStringList{u"year=1"_s, u"month=2"_s}));
}
