// The zone of the camera's clock as the card's record or INI file states it, and the samples' times
// it gives a recording found on that card.
#include "settings/zone/CardClockZone.h"

#include "recording/SampleClock.h"

#include "sensor/VexoClipData.h"
#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;

qint64 utc(const QString &iso)
{
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << iso.toStdString();
    return time.toMSecsSinceEpoch();
}

// A camera's reading "yyyy-MM-ddTHH:mm:ss" counted as if it were UTC.
qint64 reading(const QString &iso)
{
    return utc(iso + u'Z');
}

// The first 60 fields of a settings record with the given zone fields.
QByteArray record(qint32 gmtOffset, const QString &key, qint32 daylight)
{
    SettingRecord values;
    values.setValue(Field::checksum, 432);
    values.setValue(Field::gmt_offset, gmtOffset);
    values.setText(Field::tz_key, key);
    values.setValue(Field::daylight_offset, daylight);
    return values.bytes(60);
}

QByteArray ini(const QByteArray &localTime, const QByteArray &summer = "0")
{
    return "[blackbox]\r\nmodel=QF27\r\nlocal_time=" + localTime + "\r\nsummer_time=" + summer + "\r\nosd_speed=1\r\n";
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// COUNT samples; those from FIRST_FIX on carry fix times from FIX (a tenth of a second apart).
void track(VexoClipData &data, int count, int firstFix = -1, qint64 fix = 0)
{
    data.clear();
    for (int i = 0; i < count; ++i) {
        data.setSample(i, 0, 0, 128, 37.5f, 127.0f, 30);
        if (firstFix >= 0 && i >= firstFix) {
            data.setFixTime(i, fix + (i - firstFix) * 100);
        }
    }
    data.setClipDataCount(quint32(count));
}
} // namespace

TEST(CardTimeZoneTest, TheRecordsOffsetComesFirstAndItsZoneNameStandsIn)
{
    const auto pacific = CardClockZone::fromRecord(record(-480, u"Pacific Standard Time"_s, 0));
    ASSERT_TRUE(pacific);
    EXPECT_EQ(pacific->standardMinutes(), -480);
    EXPECT_EQ(pacific->utcMsecs(reading(u"2026-12-07T23:59:59"_s)), utc(u"2026-12-08T07:59:59Z"_s));
    EXPECT_EQ(pacific->description(), u"UTC-08:00"_s);
    // An offset that is not one names the zone by its key.
    const auto korea = CardClockZone::fromRecord(record(100000, u"Korea Standard Time"_s, 0));
    ASSERT_TRUE(korea);
    EXPECT_EQ(korea->standardMinutes(), 540);
    EXPECT_FALSE(CardClockZone::fromRecord(record(100000, u"Nowhere Standard Time"_s, 0)));
    EXPECT_FALSE(CardClockZone::fromRecord(record(-13 * 60, QString(), 0)));
    // Too short to hold tz_key.
    EXPECT_FALSE(CardClockZone::fromRecord(record(-480, u"Pacific Standard Time"_s, 0).first(400)));
    EXPECT_EQ(CardTimeZone::offsetText(570), u"UTC+09:30"_s);
    EXPECT_EQ(CardTimeZone::offsetText(-210), u"UTC-03:30"_s);
    EXPECT_EQ(CardTimeZone::offsetText(0), u"UTC"_s);
}

TEST(CardTimeZoneTest, DaylightSavingFollowsTheNamedZonesRulesOrMovesTheClockAnHour)
{
    if (!QTimeZone(QByteArrayLiteral("America/Los_Angeles")).isValid()) {
        GTEST_SKIP() << "this system has no time-zone data for America/Los_Angeles";
    }
    const auto pacific = CardClockZone::fromRecord(record(-480, u"Pacific Standard Time"_s, 1));
    ASSERT_TRUE(pacific);
    EXPECT_EQ(pacific->rulesZone(), QByteArrayLiteral("America/Los_Angeles"));
    EXPECT_EQ(pacific->utcMsecs(reading(u"2026-07-01T12:00:00"_s)), utc(u"2026-07-01T19:00:00Z"_s));
    EXPECT_EQ(pacific->utcMsecs(reading(u"2026-12-07T08:15:00"_s)), utc(u"2026-12-07T16:15:00Z"_s));
    // A name that does not stand for the offset's zone (the factory "Parcific") brings no rules:
    // the switch holds the clock an hour ahead.
    const auto misspelt = CardClockZone::fromRecord(record(-480, u"Parcific Standard Time"_s, 1));
    ASSERT_TRUE(misspelt);
    EXPECT_TRUE(misspelt->rulesZone().isEmpty());
    EXPECT_EQ(misspelt->utcMsecs(reading(u"2026-12-07T08:15:00"_s)), utc(u"2026-12-07T15:15:00Z"_s));
    const auto stale = CardClockZone::fromRecord(record(540, u"Pacific Standard Time"_s, 1));
    ASSERT_TRUE(stale);
    EXPECT_EQ(stale->offsetMinutesAt(reading(u"2026-07-01T12:00:00"_s)), 600);
}

TEST(CardTimeZoneTest, TheIniCamerasHoursFromUtc)
{
    const auto adelaide = CardClockZone::fromIni(ini("9.500000"));
    ASSERT_TRUE(adelaide);
    EXPECT_EQ(adelaide->standardMinutes(), 570);
    EXPECT_EQ(adelaide->utcMsecs(reading(u"2026-12-08T09:00:00"_s)), utc(u"2026-12-07T23:30:00Z"_s));
    const auto summer = CardClockZone::fromIni(ini("-8.000000", "1"));
    ASSERT_TRUE(summer);
    EXPECT_EQ(summer->offsetMinutesAt(reading(u"2026-12-07T08:00:00"_s)), -420);
    // A garbled or missing value states no zone rather than UTC.
    EXPECT_FALSE(CardClockZone::fromIni(ini("abc")));
    EXPECT_FALSE(CardClockZone::fromIni(ini("")));
    EXPECT_FALSE(CardClockZone::fromIni(ini("15.000000")));
    EXPECT_FALSE(CardClockZone::fromIni("[blackbox]\r\nmodel=QF27\r\n"));
    EXPECT_FALSE(CardClockZone::fromIni("\xff\xfe"));
}

TEST(CardTimeZoneTest, ACardsRecordOutranksAnIniFileAndNothingIsWritten)
{
    QTemporaryDir card;
    EXPECT_FALSE(CardClockZone::read(card.path()));
    EXPECT_FALSE(CardClockZone::read(QString()));
    write(card.filePath(u"setting/blackbox.cfg"_s), ini("9.500000"));
    ASSERT_TRUE(CardClockZone::read(card.path()));
    EXPECT_EQ(CardClockZone::read(card.path())->standardMinutes(), 570);
    const QByteArray bytes = record(-480, u"Pacific Standard Time"_s, 0);
    write(card.filePath(u"SETTING/setup.cfg"_s), bytes);
    ASSERT_TRUE(CardClockZone::read(card.path()));
    EXPECT_EQ(CardClockZone::read(card.path())->standardMinutes(), -480);
    QFile file(card.filePath(u"SETTING/setup.cfg"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST(CardTimeZoneTest, SettingsFoldersLinkedOutOfTheCardAreNotFollowed)
{
    // Each settings file lies outside the card, reached through a SETTING folder that is a link.
    const QByteArray setup = record(-480, u"Pacific Standard Time"_s, 0);
    const struct
    {
        const char16_t *folder;
        const char16_t *file;
        QByteArray bytes;
    } cases[] = {{u"SETTING", u"setup.cfg", setup},
                 {u"SETTING", u"blackbox.cfg", ini("9.500000")},
                 {u"setting", u"blackbox.cfg", ini("9.500000")}};
    for (const auto &link : cases) {
        QTemporaryDir top;
        const QString elsewhere = top.filePath(u"elsewhere"_s);
        write(elsewhere + u'/' + QString::fromUtf16(link.file), link.bytes);
        ASSERT_TRUE(QDir().mkpath(top.filePath(u"card"_s)));
        const QString card = top.filePath(u"card"_s);
        ASSERT_TRUE(QFile::link(elsewhere, card + u'/' + QString::fromUtf16(link.folder)));
        EXPECT_FALSE(CardClockZone::read(card)) << QString::fromUtf16(link.folder).toStdString();
        // The same file in the card's own folder is read.
        ASSERT_TRUE(QFile::remove(card + u'/' + QString::fromUtf16(link.folder)));
        write(card + u'/' + QString::fromUtf16(link.folder) + u'/' + QString::fromUtf16(link.file), link.bytes);
        EXPECT_TRUE(CardClockZone::read(card)) << QString::fromUtf16(link.folder).toStdString();
    }
}

TEST(SampleClockTest, WithoutGpsTimesTheFileNameStartsTheClockInTheCardsZone)
{
    QTemporaryDir card;
    write(card.filePath(u"SETTING/setup.cfg"_s), record(-480, u"Pacific Standard Time"_s, 0));
    VexoClipData data;
    track(data, 20);
    const QString recording = card.filePath(u"evt_rec/20261207_235959_EVT.avi"_s);
    // Found above the recording, or named.
    for (const QString &root : {QString(), card.path()}) {
        const TrackTimes times = SampleClock::times(recording, CardClockZone::forRecording(recording, root), data);
        EXPECT_EQ(times.clock(), TrackTimes::Clock::Utc);
        EXPECT_EQ(times.sampleText(0), u"2026-12-08T07:59:59.000Z"_s);
        EXPECT_EQ(times.sampleText(15), u"2026-12-08T08:00:00.500Z"_s);
        EXPECT_TRUE(times.note().contains(u"UTC-08:00"_s)) << times.note().toStdString();
    }

    QTemporaryDir iniCard;
    write(iniCard.filePath(u"SETTING/blackbox.cfg"_s), ini("9.500000"));
    const QString iniRecording = iniCard.filePath(u"cont_rec/Rec_20261208_090000.avi"_s);
    const TrackTimes east = SampleClock::times(iniRecording, CardClockZone::forRecording(iniRecording, {}), data);
    EXPECT_EQ(east.clock(), TrackTimes::Clock::Utc);
    EXPECT_EQ(east.sampleText(0), u"2026-12-07T23:30:00.000Z"_s);
    EXPECT_TRUE(east.note().contains(u"UTC+09:30"_s)) << east.note().toStdString();
}

TEST(SampleClockTest, TheCardIsLookedForInTheRecordingsFolderAndTheTwoAbove)
{
    QTemporaryDir card;
    write(card.filePath(u"SETTING/setup.cfg"_s), record(0, u"GMT Standard Time"_s, 0));
    EXPECT_EQ(CardClockZone::cardRootFor(card.filePath(u"x.avi"_s)), card.path());
    EXPECT_EQ(CardClockZone::cardRootFor(card.filePath(u"cont_rec/x.avi"_s)), card.path());
    EXPECT_EQ(CardClockZone::cardRootFor(card.filePath(u"a/b/x.avi"_s)), card.path());
    EXPECT_EQ(CardClockZone::cardRootFor(card.filePath(u"a/b/c/x.avi"_s)), QString());
}
