#include "settings/editor/SettingTimeFile.h"
#include "settings/editor/TimeZoneTable.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(TimeZoneTableTest, CaptionsAndTheirMinutes)
{
    const QStringList &captions = TimeZoneTable::gmtDescList();
    ASSERT_EQ(captions.size(), 39);
    EXPECT_EQ(captions.first(), u"UTC-12:00"_s);
    EXPECT_EQ(captions.last(), u"UTC+14:00"_s);
    EXPECT_EQ(TimeZoneTable::minutesOfCaption(u"UTC-09:30"_s), -570);
    EXPECT_EQ(TimeZoneTable::minutesOfCaption(u"UTC"_s), 0);
    EXPECT_EQ(TimeZoneTable::minutesOfCaption(u"UTC+05:45"_s), 345);
    EXPECT_EQ(TimeZoneTable::minutesOfCaption(u"UTC-03:30"_s), -210);
    const QList<int> &minutes = TimeZoneTable::gmtHourList();
    ASSERT_EQ(minutes.size(), 39);
    // Strictly increasing: every caption has minutes of its own, so gmt_offset alone finds it.
    for (qsizetype i = 1; i < minutes.size(); ++i) {
        EXPECT_LT(minutes.at(i - 1), minutes.at(i)) << captions.at(i).toStdString();
    }
    EXPECT_EQ(minutes.first(), -720);
    EXPECT_EQ(minutes.last(), 840);
}

TEST(TimeZoneTableTest, EveryKeyHasOneCaptionThatLeadsBack)
{
    const QStringList &keys = TimeZoneTable::timezoneNameList();
    ASSERT_EQ(keys.size(), 32);
    QSet<int> captionsUsed;
    for (const QString &key : keys) {
        const int index = TimeZoneTable::captionIndexForKey(key);
        ASSERT_GE(index, 0) << key.toStdString();
        EXPECT_FALSE(captionsUsed.contains(index)) << key.toStdString();
        captionsUsed.insert(index);
        EXPECT_EQ(TimeZoneTable::keyForCaptionIndex(index), key);
    }
    EXPECT_EQ(TimeZoneTable::gmtHourList().at(TimeZoneTable::captionIndexForKey(u"Pacific Standard Time"_s)), -480);
    EXPECT_EQ(TimeZoneTable::gmtHourList().at(TimeZoneTable::captionIndexForKey(u"GMT Standard Time"_s)), 0);
    EXPECT_EQ(TimeZoneTable::gmtDescList().at(TimeZoneTable::captionIndexForKey(u"Korea Standard Time"_s)),
              u"UTC+09:00"_s);
    // The captions no key stands for store an empty key.
    QStringList unkeyed;
    for (int i = 0; i < TimeZoneTable::CaptionCount; ++i) {
        if (!captionsUsed.contains(i)) {
            EXPECT_TRUE(TimeZoneTable::keyForCaptionIndex(i).isEmpty());
            unkeyed.append(TimeZoneTable::gmtDescList().at(i));
        }
    }
    EXPECT_EQ(unkeyed, (QStringList{u"UTC-11:00"_s, u"UTC-09:30"_s, u"UTC-04:30"_s, u"UTC+10:30"_s, u"UTC+11:30"_s,
                                    u"UTC+12:45"_s, u"UTC+14:00"_s}));
    EXPECT_EQ(TimeZoneTable::captionIndexForKey(u"Mars Standard Time"_s), -1);
    EXPECT_EQ(TimeZoneTable::captionIndexForKey(QString()), -1);
}

TEST(SettingTimeFileTest, ParsesAndFormatsTheCardsForm)
{
    const QDateTime moment = SettingTimeFile::parse(u"2024,05,01,13,45,10,+0900"_s);
    ASSERT_TRUE(moment.isValid());
    EXPECT_EQ(moment.toUTC(), QDateTime(QDate(2024, 5, 1), QTime(4, 45, 10), Qt::UTC));
    EXPECT_EQ(SettingTimeFile::parse(u"2024,05,01,13,45,10,-0330\n"_s).toUTC(),
              QDateTime(QDate(2024, 5, 1), QTime(17, 15, 10), Qt::UTC));
    for (const QString &bad :
         {u""_s, u"2024,05,01,13,45,10"_s, u"2024,13,01,13,45,10,+0900"_s, u"2024,02,30,13,45,10,+0900"_s,
          u"2024,05,01,25,45,10,+0900"_s, u"2024,05,01,13,45,10,+0900,7"_s, u"yesterday"_s}) {
        EXPECT_FALSE(SettingTimeFile::parse(bad).isValid()) << bad.toStdString();
    }
    // Written in local time with the local offset; reading it back gives the same moment.
    const QString text = SettingTimeFile::format(moment);
    EXPECT_EQ(text.count(u','), 6);
    EXPECT_EQ(SettingTimeFile::parse(text).toUTC(), moment.toUTC());
}

TEST(SettingTimeFileTest, ReadsTheFileAsUntrustedInput)
{
    QTemporaryDir card;
    const QString path = SettingTimeFile::pathForCard(card.path());
    EXPECT_EQ(path, QDir(card.path()).filePath(u"SETTING/time.dat"_s));
    EXPECT_EQ(SettingTimeFile::read(path).state, SettingTimeFile::State::Missing);

    const QDateTime moment(QDate(2024, 5, 1), QTime(13, 45, 10), QTimeZone(9 * 3600));
    ASSERT_TRUE(SettingTimeFile::write(path, moment)); // creates SETTING/
    const SettingTimeFile::Reading reading = SettingTimeFile::read(path);
    EXPECT_EQ(reading.state, SettingTimeFile::State::Read);
    EXPECT_EQ(reading.moment.toUTC(), moment.toUTC());

    const auto put = [&path](const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    put("2024,05,01,13,45,10,+09:00");
    EXPECT_EQ(SettingTimeFile::read(path).state, SettingTimeFile::State::Read);
    put("noon");
    EXPECT_EQ(SettingTimeFile::read(path).state, SettingTimeFile::State::Unparseable);
    put("2024,05,01,13,45,10,+0900\xff");
    EXPECT_EQ(SettingTimeFile::read(path).state, SettingTimeFile::State::Unreadable);
    put(QByteArray(SettingTimeFile::MaxFileSize + 1, '1'));
    EXPECT_EQ(SettingTimeFile::read(path).state, SettingTimeFile::State::Unreadable);

    ASSERT_TRUE(SettingTimeFile::remove(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(SettingTimeFile::remove(path)); // already gone
    EXPECT_FALSE(SettingTimeFile::write(QString(), moment));
    EXPECT_FALSE(SettingTimeFile::write(path, QDateTime()));
    EXPECT_FALSE(QFile::exists(path));
}
