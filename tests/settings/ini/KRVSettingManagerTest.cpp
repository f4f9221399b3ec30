#include "settings/ini/KRVSettingManager.h"

#include "core/AppResources.h"
#include "core/VexoLanguages.h"

#include "settings/ini/KRVSettingEditorModel.h"
#include "settings/record/CardWriteProtection.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/SmallFileSystem.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString File = u"SETTING/blackbox.cfg"_s;

class RecordingAlerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &button) override
    {
        shown.append({title, message, button});
    }
    QList<QStringList> shown;
};

QByteArray factoryFile()
{
    QFile file(AppResources::pathForResource(u"default_QF27"_s, u"cfg"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class KRVSettingManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        cardSettings->setSettingDirPath(card.path());
        cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
        manager.setCardSettings(cardSettings);
        manager.setAlertPresenter(alerts);
    }

    CardFolder card;
    std::shared_ptr<QB62SettingManager> cardSettings = std::make_shared<QB62SettingManager>();
    std::shared_ptr<RecordingAlerts> alerts = std::make_shared<RecordingAlerts>();
    KRVSettingManager manager;
};
} // namespace

TEST_F(KRVSettingManagerTest, ACardsFileIsChangedInPlaceAndWrittenBackWhole)
{
    const QByteArray original = "[blackbox]\r\n# note\r\nlanguage=us\r\nfuture_key=7\r\nlanguage=de\r\n";
    card.write(File, original);
    ASSERT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(card.read(File), original);

    EXPECT_TRUE(manager.setValueForKey(u"language=", u"fr"_s));
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(card.read(File), QByteArray("[blackbox]\r\n# note\r\nlanguage=fr\r\nfuture_key=7\r\nlanguage=de\r\n"));
    EXPECT_TRUE(alerts->shown.isEmpty());
    // Nothing but the file itself is left in the folder (no temporary file).
    EXPECT_EQ(QDir(card.filePath(u"SETTING"_s)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{u"blackbox.cfg"_s});
}

TEST_F(KRVSettingManagerTest, WithoutAFileTheFactorySettingsAreLoadedAndSavingCreatesIt)
{
    const QByteArray factory = factoryFile();
    ASSERT_TRUE(factory.contains("local_time=-8.000000\r\n"));
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Defaults);
    EXPECT_EQ(manager.valueForKey(u"model="), u"QF27"_s);
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(card.read(File), factory);

    // Without any card folder: the factory settings too, and saving is refused with the alert.
    cardSettings->setSettingDirPath(QString());
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Defaults);
    EXPECT_FALSE(manager.saveData());
    ASSERT_EQ(alerts->shown.size(), 1);
    EXPECT_EQ(alerts->shown.constFirst(),
              (QStringList{VexoLanguages::SharedVexoLanguages().localized(u"메모리카드 오류"_s),
                           VexoLanguages::SharedVexoLanguages().localized(u"메모리카드를 확인하여 주시기 바랍니다."_s),
                           u"OK"_s}));
}

TEST_F(KRVSettingManagerTest, AFileThatCannotBeReadIsNeitherChangedNorReplaced)
{
    const QByteArray notUtf8 = "[blackbox]\r\nlanguage=\xe9\r\n";
    card.write(File, notUtf8);
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Unreadable);
    EXPECT_TRUE(manager.linedSettings().isEmpty());
    EXPECT_FALSE(manager.setValueForKey(u"language=", u"fr"_s));
    EXPECT_TRUE(manager.linedSettings().isEmpty());
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(alerts->shown.size(), 1);
    EXPECT_EQ(card.read(File), notUtf8);

    // The editor's OK with the clock ticked: clock lines alone never replace the file.
    KRVSettingEditorModel editor(std::shared_ptr<KRVSettingManager>(&manager, [](KRVSettingManager *) {}));
    editor.load();
    editor.dateTimeCheckBoxTouched(true);
    bool saved = true;
    editor.okButtonTouched(&saved);
    EXPECT_FALSE(saved);
    EXPECT_EQ(card.read(File), notUtf8);
    manager.setLinedSettings({u"year=2024"_s, u"month=5"_s, QString()});
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(card.read(File), notUtf8);
}

// An empty file, or one of blank lines, is a file read whole: the editor opens on it with empty
// entries and OK writes it back, with the clock lines when the box is ticked.
TEST_F(KRVSettingManagerTest, AnEmptyOrBlankFileLoadsAndSaves)
{
    for (const QByteArray &blank : {QByteArray(), QByteArray("\r\n"), QByteArray("\n\n\n")}) {
        SCOPED_TRACE(blank.toHex().toStdString());
        alerts->shown.clear();
        card.write(File, blank);
        ASSERT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
        KRVSettingEditorModel editor(std::shared_ptr<KRVSettingManager>(&manager, [](KRVSettingManager *) {}));
        editor.load();
        bool saved = false;
        editor.okButtonTouched(&saved);
        EXPECT_TRUE(saved);
        EXPECT_TRUE(alerts->shown.isEmpty());
        EXPECT_EQ(card.read(File), blank);

        card.write(File, blank);
        ASSERT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
        editor.load();
        editor.dateTimeCheckBoxTouched(true);
        editor.okButtonTouched(&saved);
        EXPECT_TRUE(saved);
        EXPECT_TRUE(alerts->shown.isEmpty());
        EXPECT_TRUE(card.read(File).contains("year=")) << card.read(File).toStdString();
    }
}

TEST_F(KRVSettingManagerTest, ASettingsFolderLinkedOutOfTheCardIsNeitherReadNorWritten)
{
    CardFolder outside;
    const QByteArray theirs = "[blackbox]\r\npark_mode=1\r\n";
    outside.write(u"blackbox.cfg"_s, theirs);
    ASSERT_TRUE(QFile::link(outside.path(), card.filePath(u"SETTING"_s)));
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Unreadable);
    manager.setLinedSettings({u"[blackbox]"_s, u"park_mode=0"_s});
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(outside.read(u"blackbox.cfg"_s), theirs);
    EXPECT_FALSE(alerts->shown.isEmpty());
}

TEST_F(KRVSettingManagerTest, OnlyRegularFilesUpToTheCapAreRead)
{
    // Exactly at the cap a file is read; one byte more and it is not a settings file.
    QByteArray atCap = "language=us\r\n";
    atCap.append(QByteArray(KRVSettingManager::MaxSettingFileSize - atCap.size(), 'x'));
    card.write(File, atCap);
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
    EXPECT_EQ(manager.valueForKey(u"language="), u"us"_s);

    card.write(File, atCap + 'x');
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Unreadable);
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(card.read(File).size(), KRVSettingManager::MaxSettingFileSize + 1);

    // A folder where the file should be.
    QFile::remove(card.filePath(File));
    ASSERT_TRUE(QDir().mkpath(card.filePath(File)));
    EXPECT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Unreadable);
    EXPECT_FALSE(manager.saveData());
    EXPECT_TRUE(QFileInfo(card.filePath(File)).isDir());
    EXPECT_EQ(alerts->shown.size(), 2);
}

TEST_F(KRVSettingManagerTest, AFailedWriteLeavesTheCardAsItWasAndSaysSo)
{
    // A card taken out before OK: its folder is gone and must not be made again on this computer.
    manager.loadData();
    const QString gone = card.filePath(u"removed-card"_s);
    cardSettings->setSettingDirPath(gone);
    EXPECT_FALSE(manager.saveData());
    EXPECT_FALSE(QFileInfo::exists(gone));

    // SETTING cannot be made (a file of that name is in the way).
    cardSettings->setSettingDirPath(card.path());
    card.write(u"SETTING"_s, "not a folder");
    EXPECT_FALSE(manager.saveData());
    EXPECT_EQ(card.read(u"SETTING"_s), QByteArray("not a folder"));
    EXPECT_EQ(alerts->shown.size(), 2);
}

TEST_F(KRVSettingManagerTest, ALowerCaseSettingFolderIsReadAndWritten)
{
    card.write(u"setting/blackbox.cfg"_s, "language=us");
    ASSERT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
    manager.setValueForKey(u"language=", u"fr"_s);
    ASSERT_TRUE(manager.saveData());
    EXPECT_EQ(card.read(u"setting/blackbox.cfg"_s), QByteArray("language=fr"));
    EXPECT_FALSE(card.exists(File));
}

TEST_F(KRVSettingManagerTest, FactorySettingsReplaceTheLinesOnlyForTheQF27)
{
    card.write(File, "language=fr");
    manager.loadData();
    cardSettings->setModelType(5);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.linedSettings(), QStringList{u"language=fr"_s});
    cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
    manager.loadDefaultValue();
    EXPECT_EQ(manager.valueForKey(u"language="), u"us"_s);
    // Nothing is written until saving.
    EXPECT_EQ(card.read(File), QByteArray("language=fr"));
}

TEST_F(KRVSettingManagerTest, TheSharedObjectFollowsTheSharedCardSettings)
{
    const std::shared_ptr<KRVSettingManager> shared = KRVSettingManager::SharedKRVSettingManager();
    EXPECT_EQ(shared, KRVSettingManager::SharedKRVSettingManager());
    const auto replacement = std::make_shared<QB62SettingManager>();
    replacement->setSettingDirPath(card.path());
    QB62SettingManager::ChagneQB62SettingManager(replacement);
    EXPECT_EQ(shared->settingFilePath(), QDir(card.path()).filePath(File));
}

TEST_F(KRVSettingManagerTest, OkOnAWriteProtectedCardSaysSo)
{
    SmallFileSystem locked;
    if (!locked.isMounted()) {
        GTEST_SKIP() << locked.skipReason().toStdString();
    }
    const QByteArray original = "[blackbox]\r\npark_mode=1\r\n";
    QDir().mkpath(locked.filePath(u"SETTING"_s));
    QFile file(locked.filePath(File));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(original);
    file.close();
    ASSERT_TRUE(locked.makeReadOnly());
    cardSettings->setSettingDirPath(locked.path());
    ASSERT_EQ(manager.loadData(), KRVSettingManager::LoadResult::Card);
    ASSERT_TRUE(manager.setValueForKey(u"park_mode=", u"0"_s));
    EXPECT_FALSE(manager.saveData());
    ASSERT_EQ(alerts->shown.size(), 1);
    EXPECT_EQ(alerts->shown.at(0).value(1), VexoLanguages::SharedVexoLanguages().localized(
                                                CardWriteProtection::writeFailedMessageKey(locked.path())));
    EXPECT_NE(CardWriteProtection::writeFailedMessageKey(locked.path()), CardWriteProtection::checkCardMessageKey());
}
