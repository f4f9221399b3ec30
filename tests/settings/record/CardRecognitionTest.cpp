#include "settings/record/CardRecognition.h"

#include "platform/FolderVolumes.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingRecordLayout.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const CardLanguage &language, std::ostream *os)
{
    *os << '(' << language.index << ", \"" << language.code.toStdString() << "\")";
}

namespace {
const QString Record = u"SETTING/setup.cfg"_s;

TEST(CardRecognitionTest, TheModelTableListsEveryModelInTypeOrder)
{
    const QStringList expected = {
        u"QA41"_s,        u"QB62"_s,     u"QC23"_s,     u"QD34"_s,     u"QD34 UK"_s, u"QE86"_s, u"QF27"_s,  u"QG38"_s,
        u"QH49"_s,        u"QJ51"_s,     u"QK63"_s,     u"QY7"_s,      u"QL74"_s,    u"QM85"_s, u"QN96"_s,  u"QP17"_s,
        u"QR28"_s,        u"QR28PRO"_s,  u"QS391"_s,    u"QT-K4-ZN"_s, u"QZ8"_s,     u"QU42"_s, u"QV531"_s, u"QW64"_s,
        u"DVR-QR28PRO"_s, u"DVR-QU42"_s, u"DVR-QX93"_s, u"DVR-QX84"_s, u"DVR-QX75"_s};
    EXPECT_EQ(CardRecognition::modelNameList(), expected);
}

TEST(CardRecognitionTest, EveryProductNameGivesItsModelType)
{
    const std::pair<QByteArray, qint64> names[] = {
        {"qa41", 0},  {"qb62", 1},   {"qc23", 2},      {"c23", 2},          {"qd34", 3},
        {"qe86", 5},  {"qr28", 16},  {"qr28pro", 17},  {"dvr-qr28pro", 24}, {"qg38", 7},
        {"qh49", 8},  {"qj51", 9},   {"qk63", 10},     {"qs391", 18},       {"qy7", 11},
        {"qz8", 20},  {"ql74", 12},  {"qt-k4-zn", 19}, {"qm85", 13},        {"qp17", 15},
        {"qn96", 14}, {"qv531", 22}, {"qu42", 21},     {"dvr-qu42", 25},    {"qw64", 23},
    };
    for (const auto &[name, type] : names) {
        // Through a card, in the letter case the camera writes and in lower case; the length field
        // is left wrong on purpose so only the name can decide.
        for (const QByteArray &spelling : {name, name.toUpper()}) {
            CardFolder card;
            card.write(Record, CardFolder::record(432, spelling, 1));
            QB62SettingManager manager;
            EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), type) << spelling.constData();
            EXPECT_TRUE(manager.modelName().isNull()) << spelling.constData();
        }
    }
}

TEST(CardRecognitionTest, TheWholeNameMustMatch)
{
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"QR28PRO"_s), 17);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"qr28pr"_s), -1);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"qr28 "_s), -1);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"xqc23"_s), -1);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"qd34 uk"_s), -1);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(u"qf27"_s), -1);
    EXPECT_EQ(CardRecognition::modelTypeForProductName(QString()), -1);
}

TEST(CardRecognitionTest, AnUnlistedRecordHoldingItsOwnLengthIsTheLengthFieldFamily)
{
    CardFolder card;
    card.write(Record, CardFolder::record(596, "DVR-Qx93Neo", 596));
    QB62SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 26);
    EXPECT_EQ(manager.modelName(), u"DVR-Qx93Neo"_s);
    manager.setModelType(26);
    EXPECT_EQ(manager.displayModelName(), u"DVR-Qx93Neo"_s);

    // Any length counts, as long as the field holds it.
    card.write(Record, CardFolder::record(100, "Other", 100));
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 26);
    EXPECT_EQ(manager.modelName(), u"Other"_s);

    // A listed name wins over a matching length field.
    card.write(Record, CardFolder::record(596, "Qb62", 596));
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 1);
    EXPECT_EQ(manager.modelName(), u"Other"_s);

    // A wrong length: the INI camera when its file sits beside it, else nothing.
    card.write(Record, CardFolder::record(596, "DVR-Qx93Neo", 595));
    manager.setModelName(u"kept"_s);
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), -1);
    EXPECT_EQ(manager.modelName(), u"kept"_s);
    card.write(u"SETTING/blackbox.cfg"_s, "[x]\n");
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 6);
}

TEST(CardRecognitionTest, ShortOrMissingRecordsFallBackToTheIniFile)
{
    CardFolder card;
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(card.path()), -1);
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(QString()), -1);
    // Too short to hold a product name, even when the length field agrees.
    QByteArray tiny = CardFolder::record(20, "qa41", 20);
    card.write(Record, tiny);
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(card.path()), -1);
    card.write(Record, QByteArray());
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(card.path()), -1);
    card.write(u"setting/blackbox.cfg"_s, "[x]\n");
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(card.path()), 6);
    // A record that cannot be read (here a folder of that name) is no record.
    CardFolder other;
    QDir().mkpath(other.filePath(Record));
    other.write(u"SETTING/blackbox.cfg"_s, "[x]\n");
    EXPECT_EQ(QB62SettingManager().loadModelTypeWithSDPath(other.path()), 6);
}

TEST(CardRecognitionTest, TheLowerCaseSettingFolderComesFirst)
{
    CardFolder card;
    card.write(u"SETTING/setup.cfg"_s, CardFolder::record(432, "QA41"));
    card.write(u"setting/setup.cfg"_s, CardFolder::record(432, "QE86"));
    QB62SettingManager manager;
    EXPECT_EQ(manager.loadModelTypeWithSDPath(card.path()), 5);
}

TEST(CardRecognitionTest, RegionCodeIsReadOnlyFromLongEnoughRecordsWithinRange)
{
    QByteArray record = CardFolder::record(464, "QD34");
    const auto regionOf = [](const QByteArray &bytes) {
        return CardRecognition::localIDFromRecord(bytes);
    };
    for (qint32 value : {-1, 0, 3, 6}) {
        CardFolder::putInt32(record, 460, value);
        EXPECT_EQ(regionOf(record), value);
    }
    for (qint32 value : {7, -2, 0x7FFFFFFF}) {
        CardFolder::putInt32(record, 460, value);
        EXPECT_EQ(regionOf(record), -1) << value;
    }
    CardFolder::putInt32(record, 460, 3);
    EXPECT_EQ(regionOf(record.first(463)), -1);

    CardFolder card;
    card.write(Record, record + QByteArray(40, '\x05'));
    EXPECT_EQ(QB62SettingManager().loadLocalIDWithSDPath(card.path()), 3);
}

TEST(CardRecognitionTest, RecognitionTakesTheRegionOnlyForQD34Cards)
{
    QByteArray record = CardFolder::record(504, "QD34");
    CardFolder::putInt32(record, 460, 3);
    CardFolder card;
    card.write(Record, record);
    QB62SettingManager manager;
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.modelType(), 3);
    EXPECT_EQ(manager.localID(), 3);

    // -1 on the card leaves the known region alone.
    CardFolder::putInt32(record, 460, -1);
    card.write(Record, record);
    manager.setLocalID(4);
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.localID(), 4);

    // Other models keep the region they had.
    record.replace(8, 4, "QE86");
    CardFolder::putInt32(record, 460, 2);
    card.write(Record, record);
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.modelType(), 5);
    EXPECT_EQ(manager.localID(), 4);
}

TEST(CardRecognitionTest, FirmwareVersionAndItsNumber)
{
    QByteArray record = CardFolder::record(432, "QD34");
    record.replace(40, 6, "V1.0.9");
    CardFolder card;
    card.write(Record, record);
    QB62SettingManager manager;
    EXPECT_EQ(manager.loadVersionSDPath(card.path()), u"V1.0.9"_s);
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.text(SettingRecordLayout::version), u"V1.0.9"_s);
    EXPECT_EQ(manager.firmwareVersionInt(), 9);
    EXPECT_EQ(manager.getSaveDataSize(), 464);

    record.replace(40, 10, "1.02.17\0\0\0");
    card.write(Record, record);
    manager.recognizeCardAtPath(card.path());
    EXPECT_EQ(manager.firmwareVersionInt(), 17);
    EXPECT_EQ(manager.getSaveDataSize(), 504);

    // A record ending inside the version field gives what it holds; 47 bytes hold no version.
    EXPECT_EQ(CardRecognition::versionFromRecord(record.first(49)), u"1.02.17"_s);
    EXPECT_EQ(CardRecognition::versionFromRecord(record.first(48)), u"1.02.17"_s);
    record.replace(40, 10, "1.02.1789X");
    EXPECT_EQ(CardRecognition::versionFromRecord(record.first(48)), u"1.02.178"_s);
    EXPECT_EQ(CardRecognition::versionFromRecord(record.first(50)), u"1.02.1789X"_s);
    card.write(Record, record.first(47));
    manager.recognizeCardAtPath(card.path());
    EXPECT_TRUE(manager.text(SettingRecordLayout::version).isNull());
    EXPECT_EQ(manager.firmwareVersionInt(), 0);

    const std::pair<QString, int> numbers[] = {
        {u"12"_s, 12},
        {u"V9"_s, 0},
        {u"1.2.x7"_s, 0},
        {u"1.2. 5b"_s, 5},
        {u"1.2."_s, 0},
        {u"1.2.-3"_s, -3},
        {u"1.99999999999"_s, 2147483647},
        {QString(), 0},
    };
    for (const auto &[version, number] : numbers) {
        EXPECT_EQ(CardRecognition::firmwareVersionInt(version), number) << version.toStdString();
    }
}

TEST(CardRecognitionTest, LanguageListFromVerDat)
{
    using List = CardLanguageList;
    EXPECT_EQ(CardRecognition::languagesFromVerDat("# Language ISO Code: en fr es\n"),
              (List{{0, u""_s}, {1, u"en"_s}, {2, u"fr"_s}, {3, u"es"_s}}));
    // Lines are numbered separately and appended; trailing blanks and CR line ends are not codes.
    EXPECT_EQ(CardRecognition::languagesFromVerDat("version 3\r\n#  Language ISO Code:ko  ja \r\n"
                                                   "#\tLanguage ISO Code:de\r\n"),
              (List{{0, u"ko"_s}, {1, u""_s}, {2, u"ja"_s}, {0, u"de"_s}}));
    EXPECT_TRUE(CardRecognition::languagesFromVerDat("#Language ISO Code: en\n").isEmpty());
    EXPECT_TRUE(CardRecognition::languagesFromVerDat("# Language ISO Code:\n").isEmpty());
    EXPECT_TRUE(CardRecognition::languagesFromVerDat("").isEmpty());

    CardFolder card;
    QB62SettingManager manager;
    manager.setSettingDirPath(card.path());
    manager.loadLanguages();
    const List defaults{{0, u"en"_s}, {1, u"fr"_s}, {4, u"es"_s}};
    EXPECT_EQ(manager.languages(), defaults);
    card.write(u"SETTING/lang/ver.dat"_s, "nothing here\n");
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), defaults);
    card.write(u"SETTING/lang/ver.dat"_s, "# Language ISO Code:pt\n");
    manager.loadLanguages();
    EXPECT_EQ(manager.languages(), (List{{0, u"pt"_s}}));
}

class CardSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        volumes = std::make_shared<FolderVolumes>(mounts.path());
        manager.setVolumeSource(volumes);
    }
    QString mount(const QString &name, const QByteArray &productName = {})
    {
        QDir(mounts.path()).mkpath(name);
        if (!productName.isEmpty()) {
            mounts.write(name + u"/SETTING/setup.cfg"_s, CardFolder::record(432, productName));
        }
        return QDir(mounts.path()).filePath(name);
    }

    CardFolder mounts;
    std::shared_ptr<FolderVolumes> volumes;
    QB62SettingManager manager;
};

TEST_F(CardSearchTest, TheFirstRemovableVolumeWithACameraCardWins)
{
    mount(u"A-stick"_s);
    const QString first = mount(u"B-card"_s, "QB62");
    mount(u"C-card"_s, "QE86");
    EXPECT_EQ(manager.findSDCardPath(), first);
    EXPECT_EQ(manager.sdcard_url(), QUrl::fromLocalFile(first));

    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), first);
    EXPECT_EQ(manager.modelType(), 1);
    EXPECT_EQ(manager.displayModelName(), u"QB62"_s);
}

TEST_F(CardSearchTest, NetworkAndInternalVolumesAreNeverTheCard)
{
    mount(u"A-share"_s, "QB62");
    mount(u"B-disk"_s, "QB62");
    mount(u"C-stick"_s);
    volumes->setFlags(u"A-share"_s, false, true);
    volumes->setFlags(u"B-disk"_s, true, false);
    EXPECT_TRUE(manager.findSDCardPath().isNull());
    EXPECT_TRUE(manager.sdcard_url().isEmpty());

    manager.setModelType(3);
    manager.setSettingDirPath(u"/somewhere"_s);
    manager.loadVersionInfo();
    EXPECT_TRUE(manager.settingDirPath().isNull());
    EXPECT_EQ(manager.modelType(), -1);
    EXPECT_EQ(manager.firmwareVersionInt(), 0);
}

TEST_F(CardSearchTest, NoVolumesAtAll)
{
    manager.setSdcard_url(QUrl::fromLocalFile(u"/gone"_s));
    EXPECT_TRUE(manager.findSDCardPath().isNull());
    EXPECT_TRUE(manager.sdcard_url().isEmpty());
}
} // namespace

TEST_F(CardSearchTest, TheCardTheUserPickedStaysTheCardWhileItIsThere)
{
    const QString first = mount(u"A-card"_s, "QB62");
    const QString picked = mount(u"B-card"_s, "QE86");
    manager.setChosenCardPath(picked);
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), picked);
    EXPECT_EQ(manager.modelType(), 5);
    EXPECT_EQ(manager.sdcard_url(), QUrl::fromLocalFile(picked));

    // Not a card any more (or not removable): the search falls back to the listing's order.
    volumes->setFlags(u"B-card"_s, true, false);
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), first);
    volumes->setFlags(u"B-card"_s, true, true);
    QFile::remove(picked + u"/SETTING/setup.cfg"_s);
    manager.loadVersionInfo();
    EXPECT_EQ(manager.settingDirPath(), first);

    // A replacing object inherits the choice.
    mounts.write(u"B-card/SETTING/setup.cfg"_s, CardFolder::record(432, "QE86"));
    auto shared = std::make_shared<QB62SettingManager>();
    shared->setVolumeSource(volumes);
    shared->setChosenCardPath(picked);
    QB62SettingManager::ChagneQB62SettingManager(shared);
    auto replacement = std::make_shared<QB62SettingManager>();
    QB62SettingManager::ChagneQB62SettingManager(replacement);
    EXPECT_EQ(replacement->chosenCardPath(), picked);
    replacement->loadVersionInfo();
    EXPECT_EQ(replacement->settingDirPath(), picked);
    QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
}
