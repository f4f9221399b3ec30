#include "CliRun.h"

#include "settings/record/QB62SettingManager.h"
#include "support/CardFolder.h"
#include "support/TestSettings.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;

// A card with the factory record of MODELTYPE.
void writeCard(const CardFolder &card, qint64 modelType)
{
    QB62SettingManager manager;
    manager.setModelType(modelType);
    manager.setLocalID(0);
    manager.setFirmwareVersionInt(17);
    manager.loadDefaultValue();
    manager.setValue(Field::parking_mode_set, 1);
    manager.setSettingDirPath(card.path());
    ASSERT_TRUE(manager.saveData());
}

class EditorCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }
    CardFolder card;
};
} // namespace

TEST_F(EditorCommandTest, ShowPrintsEveryControlOfTheCardsLayout)
{
    writeCard(card, 1);
    const CliRun result = run({u"editor"_s, u"show"_s, card.path()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject json = result.json();
    EXPECT_EQ(json.value(u"layout"_s).toString(), u"QB62"_s);
    EXPECT_EQ(json.value(u"modelType"_s).toInt(), 1);
    const QJsonObject controls = json.value(u"controls"_s).toObject();
    const QJsonObject parking = controls.value(u"parkingModeRadioGroup"_s).toObject();
    EXPECT_EQ(parking.value(u"value"_s).toInt(), 0);
    EXPECT_TRUE(parking.value(u"shown"_s).toBool());
    EXPECT_FALSE(controls.value(u"commonDatePicker"_s).toObject().value(u"shown"_s).toBool());
    EXPECT_EQ(controls.value(u"etcMemoryPartitionRadioGroup"_s).toObject().value(u"titles"_s).toArray().size(), 3);
    EXPECT_EQ(controls.value(u"commonGMTComboBox"_s).toObject().value(u"titles"_s).toArray().size(), 39);

    // The model chooser's rule: QD34 UK takes the United Kingdom's region.
    const CliRun chosen = run({u"editor"_s, u"show"_s, card.path(), u"--model"_s, u"4"_s});
    ASSERT_EQ(chosen.status, 0) << chosen.err.toStdString();
    EXPECT_EQ(chosen.json().value(u"layout"_s).toString(), u"QD34"_s);
}

TEST_F(EditorCommandTest, SaveRunsTheControlsActionsThenOk)
{
    writeCard(card, 3);
    const QByteArray before = card.read(u"SETTING/setup.cfg"_s);
    const CliRun result =
        run({u"editor"_s, u"save"_s, card.path(), u"parkingModeRadioGroup=1"_s, u"etcMemoryPartitionRadioGroup=2"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject written = result.json().value(u"written"_s).toObject();
    EXPECT_EQ(written.value(u"parking_mode_set"_s).toInt(), 0);
    EXPECT_EQ(written.value(u"partition_type"_s).toInt(), 3);
    EXPECT_EQ(written.size(), 2) << result.out.toStdString();
    const QByteArray after = card.read(u"SETTING/setup.cfg"_s);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(CardFolder::int32At(after, SettingRecordLayout::offsetOf(Field::partition_type)), 3);
    // The QD34 does not take the clock; the QC23 does.
    EXPECT_EQ(run({u"editor"_s, u"save"_s, card.path(), u"commonTimeCheckBox=1"_s}).status, 2);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), after);
    CardFolder qc23;
    writeCard(qc23, 2);
    const CliRun clock = run(
        {u"editor"_s, u"save"_s, qc23.path(), u"commonTimeCheckBox=1"_s, u"commonDatePicker=2024-05-01T13:45:10"_s});
    ASSERT_EQ(clock.status, 0) << clock.err.toStdString();
    EXPECT_TRUE(qc23.read(u"SETTING/time.dat"_s).startsWith("2024,05,01,13,45,10,"));

    // The parking mode is off now: its sliders cannot be set.
    const CliRun disabled = run({u"editor"_s, u"save"_s, card.path(), u"parkingBatteryOff12VSlider=3"_s});
    EXPECT_EQ(disabled.status, 2);
    EXPECT_TRUE(disabled.err.contains(u"disabled"_s));
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), after);
}

TEST_F(EditorCommandTest, RefusesWhatTheScreenWouldNotAllow)
{
    writeCard(card, 1);
    const QByteArray before = card.read(u"SETTING/setup.cfg"_s);
    for (const QString &assignment :
         {u"noSuchControl=1"_s, u"alwaysShockSensitivitySlider=11"_s, u"commonLCDBrighnessSlider=1"_s,
          u"etcMemoryPartitionRadioGroup=x"_s, u"commonLanguagePopupButton=99"_s, u"novalue"_s}) {
        const CliRun result = run({u"editor"_s, u"save"_s, card.path(), assignment});
        EXPECT_EQ(result.status, 2) << assignment.toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), before);

    CardFolder empty;
    const CliRun unknown = run({u"editor"_s, u"show"_s, empty.path()});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(u"--model"_s));
    const CliRun noLayout = run({u"editor"_s, u"save"_s, empty.path(), u"--model"_s, u"27"_s});
    EXPECT_EQ(noLayout.status, 1);
    EXPECT_FALSE(empty.exists(u"SETTING/setup.cfg"_s));
    const CliRun web = run({u"editor"_s, u"show"_s, empty.path(), u"--model"_s, u"26"_s});
    EXPECT_EQ(web.status, 1);
}

TEST_F(EditorCommandTest, ShowAndSaveFollowTheLayoutOfTheCard)
{
    writeCard(card, 8);
    const QString model = u"--model=8"_s;
    const CliRun shown = run({u"editor"_s, u"show"_s, card.path(), model});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    const QJsonObject json = shown.json();
    EXPECT_EQ(json.value(u"layout"_s).toString(), u"QH49"_s);
    const QJsonObject controls = json.value(u"controls"_s).toObject();
    EXPECT_EQ(controls.value(u"etcSecurityLEDRadioGroup"_s).toObject().value(u"disabledCells"_s).toArray(),
              (QJsonArray{0, 2}));
    const QJsonObject motion = controls.value(u"parkingMotionSlider"_s).toObject();
    EXPECT_EQ(motion.value(u"range"_s).toArray(), (QJsonArray{0, 3}));
    EXPECT_EQ(motion.value(u"ticks"_s).toInt(), 4);
    EXPECT_EQ(motion.value(u"descriptions"_s).toObject().value(u"0"_s).toString(), u"OFF"_s);
    EXPECT_FALSE(controls.value(u"commonRearBrightnessSlider"_s).toObject().value(u"shown"_s).toBool());
    EXPECT_TRUE(json.value(u"views"_s).toObject().value(u"etcSecurityLEDView"_s).toBool());
    EXPECT_FALSE(json.value(u"views"_s).toObject().value(u"alwaysWDRView"_s).toBool());

    const QByteArray before = card.read(u"SETTING/setup.cfg"_s);
    const CliRun refused = run({u"editor"_s, u"save"_s, card.path(), model, u"etcSecurityLEDRadioGroup=2"_s});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(card.read(u"SETTING/setup.cfg"_s), before);
    const CliRun saved =
        run({u"editor"_s, u"save"_s, card.path(), model, u"etcSecurityLEDRadioGroup=1"_s, u"parkingMotionSlider=0"_s});
    ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
    const QJsonObject written = saved.json().value(u"written"_s).toObject();
    EXPECT_EQ(written.value(u"security_led_mode"_s).toInt(), 1);
    EXPECT_EQ(written.value(u"parking_motion_sensitivity"_s).toInt(), 0);
    EXPECT_EQ(written.value(u"product_name"_s).toString(), u"QH49"_s);
}
