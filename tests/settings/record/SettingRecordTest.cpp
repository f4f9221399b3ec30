#include "settings/record/SettingRecord.h"

#include "settings/record/SettingRecordLayout.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using L = SettingRecordLayout;

TEST(SettingRecordLayoutTest, FieldsSitWhereTheCamerasPutThem)
{
    EXPECT_EQ(L::offsetOf(L::checksum), 0);
    EXPECT_EQ(L::offsetOf(L::product_name), 8);
    EXPECT_EQ(L::offsetOf(L::version), 40);
    EXPECT_EQ(L::offsetOf(L::reserved), 50);
    EXPECT_EQ(L::offsetOf(L::front_resolution), 52);
    EXPECT_EQ(L::offsetOf(L::setting_path), 228);
    EXPECT_EQ(L::offsetOf(L::micom_version), 356);
    EXPECT_EQ(L::offsetOf(L::tz_key), 380);
    EXPECT_EQ(L::offsetOf(L::cur_language), 428);
    EXPECT_EQ(L::offsetOf(L::local_id), 460);
    EXPECT_EQ(L::offsetOf(L::cloud_onoff), 572);
    EXPECT_EQ(L::offsetOf(L::iot_onoff), 576);
    EXPECT_EQ(L::offsetOf(L::avn_onoff), 595);
    EXPECT_EQ(L::recordSize(L::FieldCount), 596);
    // Anything that is not a field has offset 0.
    EXPECT_EQ(L::offsetOf(-1), 0);
    EXPECT_EQ(L::offsetOf(L::FieldCount), 0);

    EXPECT_EQ(L::indexOfName("ldws_depart_Sensitivity"_L1), L::ldws_depart_Sensitivity);
    EXPECT_EQ(L::indexOfName("battery_12v_R_off"_L1), L::battery_12v_R_off);
    EXPECT_EQ(L::indexOfName("nonsense"_L1), -1);
}

TEST(SettingRecordLayoutTest, RecordLengthFollowsModelTypeAndFirmware)
{
    struct Case
    {
        qint64 type;
        int firmware;
        int fields;
        int bytes;
    };
    const Case cases[] = {
        {-1, 0, 60, 432},  {0, 0, 60, 432},  {1, 0, 60, 432},  {2, 0, 60, 432},   {3, 16, 68, 464},  {4, 16, 68, 464},
        {3, 17, 78, 504},  {4, 99, 78, 504}, {3, 0, 68, 464},  {5, 0, 79, 508},   {6, 0, 60, 432},   {7, 0, 81, 516},
        {8, 0, 81, 516},   {9, 0, 81, 516},  {10, 0, 81, 516}, {11, 0, 81, 516},  {12, 0, 81, 516},  {13, 0, 93, 564},
        {14, 0, 81, 516},  {15, 0, 81, 516}, {16, 0, 92, 560}, {17, 0, 99, 579},  {18, 0, 81, 516},  {19, 0, 93, 564},
        {20, 0, 93, 564},  {21, 0, 96, 576}, {22, 0, 96, 576}, {23, 0, 102, 582}, {24, 0, 113, 593}, {25, 0, 113, 593},
        {26, 0, 116, 596}, {27, 0, 60, 432}, {28, 0, 60, 432}, {-5, 0, 60, 432},
    };
    for (const Case &c : cases) {
        const int fields = L::fieldCountForModel(c.type, c.firmware);
        EXPECT_EQ(fields, c.fields) << "type " << c.type << " firmware " << c.firmware;
        EXPECT_EQ(L::recordSize(fields), c.bytes) << "type " << c.type;
    }
}

TEST(SettingRecordTest, TextsArePaddedWithZerosAndCutToTheirWidth)
{
    SettingRecord record;
    record.setText(L::product_name, u"QB62"_s);
    QByteArray bytes = record.bytes(60);
    EXPECT_EQ(bytes.mid(8, 16), QByteArray("QB62") + QByteArray(12, '\0'));

    // A text exactly as wide as its field has no terminating zero and reads back whole.
    record.setText(L::product_name, u"ABCDEFGHIJKLMNOP"_s);
    bytes = record.bytes(60);
    EXPECT_EQ(bytes.mid(8, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(bytes.at(24), '\0'); // serial_number, absent
    SettingRecord back;
    back.read(bytes, 60);
    EXPECT_EQ(back.text(L::product_name), u"ABCDEFGHIJKLMNOP"_s);

    // Longer texts are cut; the next field is untouched.
    record.setText(L::version, u"1.2.3.4.5.6.7"_s);
    record.setValue(L::reserved, 0x0102);
    bytes = record.bytes(60);
    EXPECT_EQ(bytes.mid(40, 10), QByteArray("1.2.3.4.5."));
    EXPECT_EQ(bytes.mid(50, 2), QByteArray("\x02\x01", 2));

    // An absent text is all zero bytes.
    record.setText(L::version, QString());
    EXPECT_EQ(record.bytes(60).mid(40, 10), QByteArray(10, '\0'));
    EXPECT_TRUE(record.text(L::version).isNull());
}

TEST(SettingRecordTest, CuttingATextNeverSplitsACharacter)
{
    // "가" is three bytes in UTF-8: five fit in 16 bytes, the sixth would be split.
    const QString hangul = u"가가가가가가"_s;
    EXPECT_EQ(SettingRecord::encodeText(hangul, 16), hangul.first(5).toUtf8());
    EXPECT_EQ(SettingRecord::encodeText(u"ab"_s + hangul, 16), (u"ab"_s + hangul.first(4)).toUtf8());
    EXPECT_EQ(SettingRecord::encodeText(u"a"_s + hangul, 16), (u"a"_s + hangul.first(5)).toUtf8());
    // Four-byte characters (surrogate pairs in memory) too.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x9A\x97\xF0\x9F\x9A\x97\xF0\x9F\x9A\x97");
    EXPECT_EQ(SettingRecord::encodeText(u"ab"_s + emoji, 10), QByteArray("ab") + emoji.first(4).toUtf8());

    SettingRecord record;
    record.setText(L::product_name, u"a"_s + hangul);
    SettingRecord back;
    back.read(record.bytes(60), 60);
    EXPECT_EQ(back.text(L::product_name), u"a"_s + hangul.first(5));
}

TEST(SettingRecordTest, NarrowIntegersKeepTheirLowBitsAndReadUnsigned)
{
    SettingRecord record;
    record.setValue(L::reserved, 0x12345678);
    record.setValue(L::iot_onoff, 0x1FF);
    record.setValue(L::avn_onoff, -1);
    record.setValue(L::gmt_offset, -480);
    const QByteArray bytes = record.bytes(L::FieldCount);
    EXPECT_EQ(bytes.mid(50, 2), QByteArray("\x78\x56", 2));
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(576)), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(595)), 0xFF);
    EXPECT_EQ(CardFolder::int32At(bytes, 372), -480);

    SettingRecord back;
    back.read(bytes, L::FieldCount);
    EXPECT_EQ(back.value(L::reserved), 0x5678);
    EXPECT_EQ(back.value(L::iot_onoff), 255);
    EXPECT_EQ(back.value(L::avn_onoff), 255);
    EXPECT_EQ(back.value(L::gmt_offset), -480);
}

TEST(SettingRecordTest, TheWalkStopsBeforeAFieldThatDoesNotFit)
{
    SettingRecord record;
    record.setValue(L::lcd_off_timer, 7);
    record.setValue(L::cur_language, 9);
    // 430 bytes end inside cur_language (428..431): it is not read and keeps its value.
    QByteArray bytes(430, '\0');
    CardFolder::putInt32(bytes, 424, 30000);
    EXPECT_EQ(record.read(bytes, 60), 59);
    EXPECT_EQ(record.value(L::lcd_off_timer), 30000);
    EXPECT_EQ(record.value(L::cur_language), 9);

    // A longer buffer is read only as far as asked.
    record.setValue(L::battery_auto_set, 5);
    EXPECT_EQ(record.read(QByteArray(596, '\x01'), 60), 60);
    EXPECT_EQ(record.value(L::battery_auto_set), 5);
    EXPECT_EQ(record.read(QByteArray(), 60), 0);
}

TEST(SettingRecordTest, TextsThatAreNotUtf8SurviveTheRewriteUntilChanged)
{
    QByteArray bytes(432, '\0');
    const QByteArray serial("SN\xFF\xFE\x80-01", 8);
    bytes.replace(24, serial.size(), serial);
    // A three-byte character cut short by the field's end.
    const QByteArray version("1.0.\xEA\xB0", 6);
    bytes.replace(40, version.size(), version);

    SettingRecord record;
    record.read(bytes, 60);
    EXPECT_EQ(record.bytes(60), bytes);

    record.setText(L::serial_number, u"SN-02"_s);
    EXPECT_EQ(record.bytes(60).mid(24, 16), QByteArray("SN-02") + QByteArray(11, '\0'));
    EXPECT_EQ(record.bytes(60).mid(40, 10), bytes.mid(40, 10));
}

TEST(SettingRecordTest, StoringTheTextAFieldHoldsKeepsItsCardBytes)
{
    QByteArray bytes(4096, '\0');
    const QByteArray key("Tokyo \xFF\xFE", 8);
    bytes.replace(L::offsetOf(L::tz_key), key.size(), key);
    SettingRecord record;
    record.read(bytes, SettingRecordLayout::FieldCount);
    // OK stores every field again; the text read back (with its replacement characters) is no change.
    record.setText(L::tz_key, record.text(L::tz_key));
    EXPECT_EQ(record.bytes(SettingRecordLayout::FieldCount).mid(L::offsetOf(L::tz_key), key.size()), key);
    // A different text, or none, is a change.
    record.setText(L::tz_key, QString());
    EXPECT_EQ(record.bytes(SettingRecordLayout::FieldCount).mid(L::offsetOf(L::tz_key), key.size()),
              QByteArray(key.size(), '\0'));
}

TEST(SettingRecordTest, IntegerAndTextAccessorsIgnoreTheOtherKind)
{
    SettingRecord record;
    record.setValue(L::product_name, 5);
    record.setText(L::checksum, u"x"_s);
    record.setValue(500, 1);
    EXPECT_EQ(record.value(L::product_name), 0);
    EXPECT_TRUE(record.text(L::checksum).isNull());
    EXPECT_EQ(record.value(500), 0);
    EXPECT_EQ(record.bytes(L::FieldCount), QByteArray(596, '\0'));
}
} // namespace
