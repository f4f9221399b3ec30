#include "settings/record/QB62SettingManager.h"

#include "core/Preferences.h"

#include "settings/record/SettingAlertPresenter.h"
#include "settings/record/SettingRecordLayout.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using L = SettingRecordLayout;
const QString Record = u"SETTING/setup.cfg"_s;

class RecordingAlerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &button) override
    {
        shown.append({title, message, button});
    }
    QList<QStringList> shown;
};

class QB62SettingManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        manager.setAlertPresenter(alerts);
        manager.setSettingDirPath(card.path());
    }

    CardFolder card;
    std::shared_ptr<RecordingAlerts> alerts = std::make_shared<RecordingAlerts>();
    QB62SettingManager manager;
};

TEST_F(QB62SettingManagerTest, ANewObjectKnowsNoCard)
{
    QB62SettingManager fresh;
    EXPECT_EQ(fresh.modelType(), -1);
    EXPECT_EQ(fresh.localID(), -1);
    EXPECT_EQ(fresh.firmwareVersionInt(), 0);
    EXPECT_TRUE(fresh.settingDirPath().isNull());
    EXPECT_TRUE(fresh.displayModelName().isNull());
    EXPECT_EQ(fresh.record().bytes(L::FieldCount), QByteArray(596, '\0'));
    EXPECT_EQ(fresh.offsetFromValue(L::tz_key), 380);
    EXPECT_EQ(fresh.offsetFromValue(-3), 0);
}

TEST_F(QB62SettingManagerTest, SavingWritesExactlyTheModelsLayout)
{
    const std::tuple<qint64, int, qsizetype> cases[] = {{0, 0, 432},  {6, 0, 432},  {3, 16, 464},
                                                        {4, 17, 504}, {5, 0, 508},  {26, 0, 596},
                                                        {17, 0, 579}, {-1, 0, 432}, {24, 0, 593}};
    for (const auto &[type, firmware, size] : cases) {
        manager.setModelType(type);
        manager.setFirmwareVersionInt(firmware);
        QFile::remove(card.filePath(Record));
        ASSERT_TRUE(manager.saveData());
        EXPECT_EQ(card.read(Record).size(), size) << "type " << type;
    }
    EXPECT_TRUE(alerts->shown.isEmpty());
}

TEST_F(QB62SettingManagerTest, EveryLayoutSurvivesAReadAndRewriteUnchanged)
{
    // One model type per record length (type 3 with firmware 17, type 4 with an older one). The
    // bytes name no model, so the model is the user's choice.
    for (qint64 type : {0, 3, 4, 5, 7, 13, 16, 17, 21, 23, 24, 26}) {
        manager.chooseModelType(type);
        manager.setFirmwareVersionInt(type == 3 ? 17 : 0);
        QByteArray bytes(manager.getSaveDataSize(), '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>((i * 13 + type) % 255 + 1);
        }
        // Each text: five bytes, a zero byte, then leftovers, which are the only bytes that change.
        QByteArray expected = bytes;
        for (int field :
             {L::product_name, L::serial_number, L::version, L::setting_path, L::micom_version, L::tz_key}) {
            const int at = L::offsetOf(field);
            bytes[at + 5] = '\0';
            expected.replace(at + 5, L::field(field).width - 5, QByteArray(L::field(field).width - 5, '\0'));
        }
        card.write(Record, bytes);
        ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
        EXPECT_EQ(card.read(Record), expected) << "type " << type;
        // A second round changes nothing more.
        ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
        EXPECT_EQ(card.read(Record), expected) << "type " << type;
    }
}

TEST_F(QB62SettingManagerTest, AnOlderShorterRecordGrowsToTheCurrentLayoutKeepingMemoryValues)
{
    QByteArray older = CardFolder::record(432, "QE86", 432);
    CardFolder::putInt32(older, 52, 3);  // front_resolution
    CardFolder::putInt32(older, 428, 2); // cur_language
    card.write(Record, older);
    manager.setModelType(5);
    manager.setValue(L::wdr, 1);
    manager.setValue(L::set_resolution, 4);

    ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
    EXPECT_EQ(manager.text(L::product_name), u"QE86"_s);
    EXPECT_EQ(manager.value(L::front_resolution), 3);
    EXPECT_EQ(manager.value(L::cur_language), 2);
    EXPECT_EQ(manager.value(L::wdr), 1);
    EXPECT_EQ(manager.value(L::set_resolution), 4);

    const QByteArray rewritten = card.read(Record);
    ASSERT_EQ(rewritten.size(), 508);
    EXPECT_EQ(rewritten.first(432), older);
    // The length field is carried, never recomputed.
    EXPECT_EQ(CardFolder::int32At(rewritten, 0), 432);
    EXPECT_EQ(CardFolder::int32At(rewritten, 436), 1);
    EXPECT_EQ(CardFolder::int32At(rewritten, 504), 4);
}

TEST_F(QB62SettingManagerTest, BytesBeyondTheLayoutAreKeptOnEveryRewrite)
{
    // A 596-byte record on a card read as a 60-field model.
    QByteArray newer = CardFolder::record(596, "QB62", 596);
    for (qsizetype i = 432; i < 596; ++i) {
        newer[i] = static_cast<char>(i & 0xFF);
    }
    card.write(Record, newer);
    manager.setModelType(1);
    manager.setValue(L::battery_auto_set, 77);

    ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
    EXPECT_EQ(manager.value(L::battery_auto_set), 77); // only the first 60 fields are read
    EXPECT_EQ(card.read(Record), newer);

    // An edit rewrites its own field only.
    manager.setValue(L::front_resolution, 2);
    ASSERT_TRUE(manager.saveData());
    QByteArray expected = newer;
    CardFolder::putInt32(expected, 52, 2);
    EXPECT_EQ(card.read(Record), expected);
}

TEST_F(QB62SettingManagerTest, WithoutARecordTheFactorySettingsApplyAndNothingIsWritten)
{
    manager.setModelType(2);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Defaults);
    EXPECT_EQ(manager.text(L::product_name), u"QC23"_s);
    EXPECT_EQ(manager.value(L::lcd_off_timer), 300000);
    EXPECT_FALSE(card.exists(u"SETTING"_s));

    QB62SettingManager noCard;
    noCard.setModelType(0);
    EXPECT_EQ(noCard.loadData(), QB62SettingManager::LoadResult::Defaults);
    EXPECT_EQ(noCard.text(L::tz_key), u"Parcific Standard Time"_s);
}

TEST_F(QB62SettingManagerTest, AnUnreadableRecordChangesNothingAndIsNotReplaced)
{
    QDir().mkpath(card.filePath(Record)); // a folder where the record should be
    manager.setModelType(1);
    manager.setValue(L::front_resolution, 9);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Unreadable);
    EXPECT_EQ(manager.value(L::front_resolution), 9);
    EXPECT_TRUE(QFileInfo(card.filePath(Record)).isDir());
    EXPECT_TRUE(alerts->shown.isEmpty());

    // Saving over it is refused with the memory card alert.
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(alerts->shown.size(), 1);
    EXPECT_TRUE(QFileInfo(card.filePath(Record)).isDir());
}

TEST_F(QB62SettingManagerTest, AFileTooLargeToBeARecordIsNeitherReadNorReplaced)
{
    // Sparse, so the test writes almost nothing.
    QFile file(card.write(Record, CardFolder::record(432, "QB62")));
    ASSERT_TRUE(file.resize(QB62SettingManager::MaxRecordFileSize + 1));
    manager.setModelType(1);
    EXPECT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.text(L::product_name).isNull());
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(QFileInfo(file.fileName()).size(), QB62SettingManager::MaxRecordFileSize + 1);

    card.write(u"SETTING/default.cfg"_s, QByteArray(8, '\x01'));
    QFile defaults(card.filePath(u"SETTING/default.cfg"_s));
    ASSERT_TRUE(defaults.resize(QB62SettingManager::MaxRecordFileSize + 1));
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.value(L::checksum), 0);
}

TEST_F(QB62SettingManagerTest, GarbageOfAnyLengthIsReadAsFarAsItGoes)
{
    for (qsizetype size : {0, 1, 3, 4, 7, 23, 431, 595, 597, 5000}) {
        QByteArray garbage(size, '\0');
        for (qsizetype i = 0; i < size; ++i) {
            garbage[i] = static_cast<char>((i * 151 + 7) & 0xFF);
        }
        // Left alone while no model is known for it.
        manager.setModelType(1);
        card.write(Record, garbage);
        ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::ReadNotRewritten) << size;
        EXPECT_EQ(card.read(Record), garbage) << size;

        // Read as the model the user chose: grown to its layout, never shortened.
        manager.chooseModelType(1);
        ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read) << size;
        const QByteArray rewritten = card.read(Record);
        EXPECT_EQ(rewritten.size(), qMax<qsizetype>(size, 432)) << size;
        if (size > 432) {
            EXPECT_EQ(rewritten.sliced(432), garbage.sliced(432)) << size;
        }
    }
}

TEST_F(QB62SettingManagerTest, FailuresToWriteShowTheMemoryCardAlert)
{
    QB62SettingManager noCard;
    noCard.setAlertPresenter(alerts);
    EXPECT_FALSE(noCard.saveData());
    ASSERT_EQ(alerts->shown.size(), 1);
    // With no language ever chosen, in the one start-up would choose.
    EXPECT_EQ(alerts->shown.at(0).at(0), u"Memory Card Error"_s);
    EXPECT_EQ(alerts->shown.at(0).at(1), u"Please check the memory card."_s);
    EXPECT_EQ(alerts->shown.at(0).at(2), u"OK"_s);

    // In the user's language once there is one.
    Preferences::storeLanguage(u"fr"_s);
    EXPECT_FALSE(noCard.saveData());
    EXPECT_EQ(alerts->shown.at(1).at(0), u"Erreur de carte mémoire"_s);

    // SETTING is a file, so the folder cannot be made.
    card.write(u"SETTING"_s, "not a folder");
    manager.setValue(L::front_resolution, 4);
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(alerts->shown.size(), 3);
    EXPECT_EQ(card.read(u"SETTING"_s), QByteArray("not a folder"));
    EXPECT_EQ(manager.value(L::front_resolution), 4);
}

TEST_F(QB62SettingManagerTest, SavingMakesTheSettingFolderAndLeavesNoTemporaryFiles)
{
    manager.setSettingDirPath(card.filePath(u"deep/er"_s));
    manager.setModelType(0);
    manager.loadDefaultValue();
    // The card's own folder is never made: one that is gone was taken out.
    EXPECT_FALSE(manager.saveData());
    EXPECT_FALSE(QFileInfo::exists(card.filePath(u"deep"_s)));
    ASSERT_TRUE(QDir().mkpath(card.filePath(u"deep/er"_s)));
    ASSERT_TRUE(manager.saveData());
    const QDir folder(card.filePath(u"deep/er/SETTING"_s));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{u"setup.cfg"_s});
    const QByteArray bytes = card.read(u"deep/er/SETTING/setup.cfg"_s);
    EXPECT_EQ(bytes.mid(8, 16), QByteArray("QA41") + QByteArray(12, '\0'));
    EXPECT_EQ(CardFolder::int32At(bytes, 0), 432);
}

TEST_F(QB62SettingManagerTest, ReadingLoadsTheCardsLanguages)
{
    card.write(Record, CardFolder::record(432, "QB62"));
    card.write(u"SETTING/lang/ver.dat"_s, "# Language ISO Code: ko\n");
    manager.setModelType(1);
    manager.loadData();
    EXPECT_EQ(manager.languages(), (CardLanguageList{{0, u""_s}, {1, u"ko"_s}}));
}

TEST_F(QB62SettingManagerTest, TheCardsOwnDefaultsFillAsManyFieldsAsTheyHold)
{
    EXPECT_FALSE(manager.loadDefaultDataFromDefaultCfgFile());
    QB62SettingManager noCard;
    EXPECT_FALSE(noCard.loadDefaultDataFromDefaultCfgFile());

    card.write(u"SETTING/default.cfg"_s, QByteArray());
    manager.setValue(L::wdr, 5);
    EXPECT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.value(L::wdr), 5);

    // All 116 fields, whatever the model type; bytes beyond them are ignored.
    manager.setModelType(0);
    QByteArray defaults = CardFolder::record(600, "DVR-QX93", 596);
    for (qsizetype i = 576; i < 600; ++i) {
        defaults[i] = static_cast<char>(i - 570);
    }
    card.write(u"SETTING/default.cfg"_s, defaults);
    EXPECT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.text(L::product_name), u"DVR-QX93"_s);
    EXPECT_EQ(manager.value(L::iot_onoff), 6);
    EXPECT_EQ(manager.value(L::avn_onoff), 25);
    EXPECT_FALSE(card.exists(Record));

    // A short one stops where it ends.
    card.write(u"SETTING/default.cfg"_s, CardFolder::record(30, "QB62"));
    EXPECT_TRUE(manager.loadDefaultDataFromDefaultCfgFile());
    EXPECT_EQ(manager.text(L::product_name), u"QB62"_s);
    EXPECT_EQ(manager.value(L::avn_onoff), 25);
}

TEST(QB62SettingManagerSharedTest, TheSharedObjectCanBeReplacedAndKeepsItsAlerts)
{
    const std::shared_ptr<QB62SettingManager> first = QB62SettingManager::SharedQB62SettingManager();
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager(), first);
    const auto alerts = std::make_shared<RecordingAlerts>();
    first->setAlertPresenter(alerts);

    auto replacement = std::make_shared<QB62SettingManager>();
    replacement->setModelType(5);
    QB62SettingManager::ChagneQB62SettingManager(replacement);
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager(), replacement);
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->alertPresenter(), alerts);

    QB62SettingManager::ChagneQB62SettingManager(nullptr);
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager(), replacement);
}
} // namespace

TEST_F(QB62SettingManagerTest, AnUnlistedCamerasRecordKeepsTheLengthItsLengthFieldStates)
{
    // Recognised by its length field alone: rewriting it at another length would leave a card no
    // longer recognised after one load.
    for (qsizetype size : {593, 596, 434, 579}) {
        const QByteArray record = CardFolder::record(size, "DVR-QX99", qint32(size));
        card.write(Record, record);
        manager.recognizeCardAtPath(card.path());
        ASSERT_EQ(manager.modelType(), 26) << size;
        manager.setValue(L::front_resolution, 3);
        ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read) << size;
        EXPECT_EQ(manager.value(L::front_resolution), 0) << size;
        const QByteArray rewritten = card.read(Record);
        EXPECT_EQ(rewritten, record) << size;

        manager.setValue(L::front_resolution, 2);
        ASSERT_TRUE(manager.saveData());
        ASSERT_EQ(card.read(Record).size(), size);
        EXPECT_EQ(CardFolder::int32At(card.read(Record), 52), 2);
        manager.recognizeCardAtPath(card.path());
        EXPECT_EQ(manager.modelType(), 26) << size;
    }
}

TEST_F(QB62SettingManagerTest, ACaseSensitiveCopyReadsAndWritesTheRecordRecognitionFound)
{
    QByteArray record = CardFolder::record(432, "QB62", 432);
    CardFolder::putInt32(record, 52, 3); // front_resolution
    card.write(u"setting/setup.cfg"_s, record);
    card.write(u"setting/lang/ver.dat"_s, "# Language ISO Code:en ja\n");
    manager.recognizeCardAtPath(card.path());
    ASSERT_EQ(manager.modelType(), 1);

    ASSERT_EQ(manager.loadData(), QB62SettingManager::LoadResult::Read);
    EXPECT_EQ(manager.value(L::front_resolution), 3);
    EXPECT_EQ(manager.languages(), (CardLanguageList{{0, u"en"_s}, {1, u"ja"_s}}));
    manager.setValue(L::front_resolution, 1);
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(CardFolder::int32At(card.read(u"setting/setup.cfg"_s), 52), 1);
    // No second settings folder beside the camera's own.
    EXPECT_EQ(QDir(card.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"setting"_s});
}
