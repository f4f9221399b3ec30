// The tool's settings commands (record, editor, ini) on cards made to reach outside themselves or to
// lose settings: settings folders that are links, files that are links, mixed line ends, keys the
// file lacks, a short card defaults file.
#include "CliRun.h"

#include "cli/CliOutput.h"
#include "settings/record/QB62SettingManager.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;

const QString IniFile = u"SETTING/blackbox.cfg"_s;
const QByteArray IniCard = "[capacity]\r\nconst=60\r\nevent=22\r\nmanual=9\r\npark=4\r\n[blackbox]\r\nmodel=QF27\r\n"
                           "version=2.10\r\npark_mode=0\r\nfront_led=1\r\nlanguage=us\r\n[time]\r\nset=0\r\n";

// Every file under FOLDER with its bytes, so a test sees that nothing there changed.
std::map<QString, QByteArray> filesUnder(const QString &folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return files;
}

// The factory record of MODELTYPE written to FOLDER/SUBFOLDER/setup.cfg.
QByteArray factoryRecord(qint64 modelType)
{
    CardFolder scratch;
    QB62SettingManager manager;
    manager.setModelType(modelType);
    manager.setLocalID(0);
    manager.setFirmwareVersionInt(17);
    manager.loadDefaultValue();
    manager.setSettingDirPath(scratch.path());
    EXPECT_TRUE(manager.saveData());
    return scratch.read(u"SETTING/setup.cfg"_s);
}

class SettingsRoutesCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }

    // Replaces CARD/NAME by a link to the folder OUTSIDE.
    void linkOut(const QString &name) const
    {
        QDir(card.filePath(name)).removeRecursively();
        ASSERT_TRUE(QFile::link(outside.path(), card.filePath(name)));
    }

    CardFolder card;
    CardFolder outside;
};

TEST_F(SettingsRoutesCommandsTest, ASettingsFolderLinkedOutOfTheCardIsRefusedByEveryCommand)
{
    // The QF27 card: SETTING leads to a folder holding a settings file of its own.
    outside.write(u"blackbox.cfg"_s, IniCard);
    card.write(u"DCIM/keep"_s, "x");
    linkOut(u"SETTING"_s);
    const auto before = filesUnder(outside.path());
    for (const QStringList &arguments :
         {QStringList{u"ini"_s, u"save"_s, card.path(), u"parkingModeRadioGroup=1"_s},
          QStringList{u"ini"_s, u"show"_s, card.path()}, QStringList{u"record"_s, u"load"_s, card.path()},
          QStringList{u"editor"_s, u"save"_s, card.path(), u"--model"_s, u"1"_s, u"commonTimeCheckBox=0"_s}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, CliOutput::UnreadableInput) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(u"is a link"_s)) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    }
    EXPECT_EQ(filesUnder(outside.path()), before);
}

TEST_F(SettingsRoutesCommandsTest, TheEditorNeverDeletesAClockFileOutsideTheCard)
{
    // A QB62 card copied with its record in setting/, and SETTING a link to a folder whose time.dat
    // the editor would delete when the clock is switched off.
    card.write(u"setting/setup.cfg"_s, factoryRecord(1));
    outside.write(u"time.dat"_s, "2024,05,01,13,45,10,+0900");
    ASSERT_TRUE(QFile::link(outside.path(), card.filePath(u"SETTING"_s)));
    const CliRun result = run({u"editor"_s, u"save"_s, card.path(), u"--model"_s, u"0"_s, u"commonTimeCheckBox=0"_s});
    EXPECT_EQ(result.status, CliOutput::UnreadableInput) << result.out.toStdString();
    EXPECT_EQ(outside.read(u"time.dat"_s), QByteArray("2024,05,01,13,45,10,+0900"));
}

TEST_F(SettingsRoutesCommandsTest, IniShowNeverPrintsALinkedSettingsFile)
{
    outside.write(u"secret.cfg"_s, "park_mode=1\r\nsecret=42\r\n");
    QDir().mkpath(card.filePath(u"SETTING"_s));
    ASSERT_TRUE(QFile::link(outside.filePath(u"secret.cfg"_s), card.filePath(IniFile)));
    for (const QString &verb : {u"show"_s, u"save"_s}) {
        const CliRun result = run({u"ini"_s, verb, card.path()});
        EXPECT_EQ(result.status, CliOutput::UnreadableInput) << verb.toStdString();
        EXPECT_FALSE(result.out.contains(u"secret"_s)) << result.out.toStdString();
    }
    EXPECT_TRUE(QFileInfo(card.filePath(IniFile)).isSymLink());
    EXPECT_EQ(outside.read(u"secret.cfg"_s), QByteArray("park_mode=1\r\nsecret=42\r\n"));
}

TEST_F(SettingsRoutesCommandsTest, IniSaveKeepsEveryLineAndItsOwnEndInAMixedFile)
{
    const QByteArray mixed = "[capacity]\r\nconst=50\r\n[blackbox]\r\npark_mode=1\nfront_led=1\nmodel=QF27\n"
                             "version=2.03\nlanguage=fr\nmic_in=1\nvoice_out=1\n; user comment\r\n[time]\r\nset=0\r\n";
    card.write(IniFile, mixed);
    const CliRun result = run({u"ini"_s, u"save"_s, card.path(), u"parkingModeRadioGroup=1"_s});
    ASSERT_EQ(result.status, CliOutput::Success) << result.err.toStdString();
    QByteArray expected = mixed;
    expected.replace("park_mode=1\n", "park_mode=0\n");
    EXPECT_EQ(card.read(IniFile), expected);

    // A lone CR ends a line as well; the last line keeps having no end.
    card.write(IniFile, "[blackbox]\rpark_mode=0\rlanguage=us\r\n[time]\nset=0");
    const CliRun again = run({u"ini"_s, u"save"_s, card.path(), u"languageRadioGroup=1"_s, u"dateTimeCheckBox=1"_s,
                              u"dateTimeDatePicker=2024-05-07T09:05:03"_s});
    ASSERT_EQ(again.status, CliOutput::Success) << again.err.toStdString();
    EXPECT_EQ(card.read(IniFile), QByteArray("[blackbox]\rpark_mode=0\rlanguage=fr\r\n[time]\nset=1\nyear=2024\n"
                                             "month=5\nday=7\nhour=9\nmin=5\nsec=3"));
}

TEST_F(SettingsRoutesCommandsTest, IniSaveSaysWhichKeysTheFileLacksAndWritesNothing)
{
    const QByteArray withoutLed = "[blackbox]\r\npark_mode=0\r\n[time]\r\nset=0\r\n";
    card.write(IniFile, withoutLed);
    const CliRun result =
        run({u"ini"_s, u"save"_s, card.path(), u"parkingModeRadioGroup=1"_s, u"securityLEDRadioGroup=1"_s});
    EXPECT_EQ(result.status, CliOutput::UnreadableInput);
    EXPECT_TRUE(result.err.contains(u"front_led="_s)) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"park_mode="_s)) << result.err.toStdString();
    EXPECT_EQ(card.read(IniFile), withoutLed);
}

TEST_F(SettingsRoutesCommandsTest, IniSaveNeverReplacesAFileItCannotReadWithClockLines)
{
    const QByteArray latin1 = "[blackbox]\r\nmodel=QF27\r\nname=Caf\xe9\r\n[time]\r\nset=0\r\n";
    card.write(IniFile, latin1);
    const CliRun result = run({u"ini"_s, u"save"_s, card.path(), u"dateTimeCheckBox=1"_s});
    EXPECT_EQ(result.status, CliOutput::UnreadableInput);
    EXPECT_EQ(card.read(IniFile), latin1);
}

TEST_F(SettingsRoutesCommandsTest, EditorResetLaysAShortDefaultsFileOverTheRecord)
{
    QByteArray record = factoryRecord(1);
    ASSERT_EQ(record.size(), 432);
    ASSERT_EQ(CardFolder::int32At(record, 0), 432);
    // Texts no control of the screen shows: the setting path (offset 228) and the
    // micro-controller version (offset 356).
    record.replace(228, 128, QByteArray("/card").leftJustified(128, '\0'));
    record.replace(356, 16, QByteArray("m1.2").leftJustified(16, '\0'));
    card.write(u"SETTING/setup.cfg"_s, record);
    // The card's defaults are too short to hold even the first field.
    card.write(u"SETTING/default.cfg"_s, QByteArray::fromHex("0102"));

    const CliRun result = run({u"editor"_s, u"save"_s, card.path(), u"resetButton=1"_s});
    ASSERT_EQ(result.status, CliOutput::Success) << result.err.toStdString();
    const QByteArray written = card.read(u"SETTING/setup.cfg"_s);
    ASSERT_EQ(written.size(), 432);
    EXPECT_EQ(CardFolder::int32At(written, 0), 432) << "the length field";
    EXPECT_EQ(written.mid(228, 6), QByteArray("/card\0", 6));
    EXPECT_EQ(written.mid(356, 5), QByteArray("m1.2\0", 5));
    EXPECT_FALSE(result.json().value(u"written"_s).toObject().contains(u"checksum"_s));

    // An empty defaults file changes nothing either.
    card.write(u"SETTING/default.cfg"_s, QByteArray());
    ASSERT_EQ(run({u"editor"_s, u"save"_s, card.path(), u"resetButton=1"_s}).status, CliOutput::Success);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), written);
}
} // namespace
