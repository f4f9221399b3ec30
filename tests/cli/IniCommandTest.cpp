#include "CliRun.h"

#include "cli/CliOutput.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString File = u"SETTING/blackbox.cfg"_s;
const QByteArray Card = "[capacity]\r\nconst=60\r\nevent=22\r\nmanual=9\r\npark=4\r\n[blackbox]\r\nmodel=QF27\r\n"
                        "version=2.10\r\npark_mode=0\r\npower_off_vlt=11850\r\nlocal_time=9.500000\r\n"
                        "acc_level=3\r\n[time]\r\nset=0\r\n";
} // namespace

TEST(IniCommandTest, ShowPrintsTheEditorsControlsAndTheLines)
{
    TestSettings::reset();
    CardFolder card;
    card.write(File, Card);
    const CliRun result = run({u"ini"_s, u"show"_s, card.path()});
    ASSERT_EQ(result.status, CliOutput::Success) << result.err.toStdString();
    const QJsonObject controls = result.json().value(u"controls"_s).toObject();
    const QJsonObject voltage = controls.value(u"parkingModeVoltageRadioGroup"_s).toObject();
    EXPECT_EQ(voltage.value(u"value"_s).toInt(), 1);
    EXPECT_FALSE(voltage.value(u"enabled"_s).toBool());
    EXPECT_TRUE(voltage.value(u"shown"_s).toBool());
    EXPECT_EQ(voltage.value(u"titles"_s).toArray().size(), 4);
    EXPECT_EQ(controls.value(u"timeZoneComboBox"_s).toObject().value(u"value"_s).toInt(), 10);
    EXPECT_EQ(controls.value(u"firmwareValueTextField"_s).toObject().value(u"value"_s).toString(), u"2.10"_s);
    EXPECT_FALSE(controls.value(u"dateTimeCheckBox"_s).toObject().value(u"value"_s).toBool());
    const QJsonArray lines = result.json().value(u"lines"_s).toArray();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines.at(9).toString(), u"power_off_vlt=11850"_s);
    // Showing writes nothing.
    EXPECT_EQ(card.read(File), Card);
}

TEST(IniCommandTest, SaveAppliesThePositionsAndDoesWhatOkDoes)
{
    TestSettings::reset();
    CardFolder card;
    card.write(File, Card);
    const CliRun result =
        run({u"ini"_s, u"save"_s, card.path(), u"parkingModeRadioGroup=0"_s, u"parkingModeVoltageRadioGroup=3"_s,
             u"impactSensitivitySlider=4"_s, u"dateTimeCheckBox=1"_s, u"dateTimeDatePicker=2024-05-07T09:05:00"_s});
    ASSERT_EQ(result.status, CliOutput::Success) << result.err.toStdString();
    const QByteArray expected = "[capacity]\r\nconst=60\r\nevent=22\r\nmanual=9\r\npark=4\r\n[blackbox]\r\n"
                                "model=QF27\r\nversion=2.10\r\npark_mode=1\r\npower_off_vlt=12200\r\n"
                                "local_time=9.500000\r\nacc_level=4\r\n[time]\r\nset=1\r\nyear=2024\r\nmonth=5\r\n"
                                "day=7\r\nhour=9\r\nmin=5\r\nsec=0\r\n";
    EXPECT_EQ(card.read(File), expected);
    QStringList printed;
    for (const QJsonValue &line : result.json().value(u"lines"_s).toArray()) {
        printed.append(line.toString());
    }
    EXPECT_EQ(printed.join(u"\r\n"_s).toUtf8(), expected);
}

TEST(IniCommandTest, BadPositionsAndUnreadableFilesWriteNothing)
{
    TestSettings::reset();
    CardFolder card;
    card.write(File, Card);
    for (const QStringList &arguments :
         {QStringList{u"ini"_s}, QStringList{u"ini"_s, u"show"_s},
          QStringList{u"ini"_s, u"show"_s, card.path(), u"x"_s},
          QStringList{u"ini"_s, u"save"_s, card.path(), u"languageRadioGroup"_s},
          QStringList{u"ini"_s, u"save"_s, card.path(), u"languageRadioGroup=1"_s, u"acc_level=4"_s},
          QStringList{u"ini"_s, u"save"_s, card.path(), u"parkingModeVoltageRadioGroup=2"_s}}) {
        EXPECT_EQ(run(arguments).status, CliOutput::BadUsage) << arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(card.read(File), Card);

    card.write(File, "language=\xfe\r\n");
    const CliRun unreadable = run({u"ini"_s, u"save"_s, card.path(), u"languageRadioGroup=1"_s});
    EXPECT_EQ(unreadable.status, CliOutput::UnreadableInput);
    EXPECT_TRUE(unreadable.err.contains(u"cannot read"_s)) << unreadable.err.toStdString();
    EXPECT_EQ(card.read(File), QByteArray("language=\xfe\r\n"));
    EXPECT_EQ(run({u"ini"_s, u"show"_s, card.filePath(u"missing"_s)}).status, CliOutput::UnreadableInput);
}
