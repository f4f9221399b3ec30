#include "settings/ini/KRVSettingEditorModel.h"

#include "core/VexoLanguages.h"

#include "settings/ini/KRVSettingManager.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString File = u"SETTING/blackbox.cfg"_s;
using Model = KRVSettingEditorModel;

class KRVSettingEditorModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        cardSettings->setSettingDirPath(card.path());
        cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
        manager->setCardSettings(cardSettings);
    }

    // Writes LINES as the card's file (CR LF) and opens the editor on it, as the main window does.
    Model &open(const QStringList &lines)
    {
        card.write(File, lines.join(u"\r\n"_s).toUtf8());
        manager->loadData();
        model = std::make_unique<Model>(manager);
        model->setClock([] { return QDateTime(QDate(2024, 5, 7), QTime(9, 5, 0)); });
        model->load();
        return *model;
    }

    QVariant value(const QString &outlet) const { return model->control(outlet).value; }
    bool enabled(const QString &outlet) const { return model->control(outlet).enabled; }

    CardFolder card;
    std::shared_ptr<QB62SettingManager> cardSettings = std::make_shared<QB62SettingManager>();
    std::shared_ptr<KRVSettingManager> manager = std::make_shared<KRVSettingManager>();
    std::unique_ptr<Model> model;
};
} // namespace

TEST_F(KRVSettingEditorModelTest, ValuesAreReadByTheCamerasRules)
{
    struct Case
    {
        QString line;
        QString outlet;
        int expected;
    };
    const Case cases[] = {
        {u"power_off_vlt=11850"_s, u"parkingModeVoltageRadioGroup"_s, 1},
        {u"power_off_vlt=12100"_s, u"parkingModeVoltageRadioGroup"_s, 2},
        {u"power_off_vlt=12299"_s, u"parkingModeVoltageRadioGroup"_s, 3},
        {u"power_off_vlt=99"_s, u"parkingModeVoltageRadioGroup"_s, 0},
        {u"power_off_vlt=off"_s, u"parkingModeVoltageRadioGroup"_s, 0},
        {u"local_time=9.500000"_s, u"timeZoneComboBox"_s, 10},
        {u"local_time=5"_s, u"timeZoneComboBox"_s, 2},
        {u"local_time=-3.5"_s, u"timeZoneComboBox"_s, 2},
        {u"local_time=11"_s, u"timeZoneComboBox"_s, 2},
        {u"local_time=-10.000000"_s, u"timeZoneComboBox"_s, 0},
        {u"local_time=0.000000"_s, u"timeZoneComboBox"_s, 7},
        {u"voice_volume=2"_s, u"voiceGuidanceSlider"_s, 3},
        {u"voice_volume=5"_s, u"voiceGuidanceSlider"_s, 5},
        {u"acc_level=1"_s, u"impactSensitivitySlider"_s, 3},
        {u"acc_level=4"_s, u"impactSensitivitySlider"_s, 4},
        {u"motion_level=1"_s, u"motionSensitivitySlider"_s, 1},
        {u"language=fr"_s, u"languageRadioGroup"_s, 1},
        {u"language=FR"_s, u"languageRadioGroup"_s, 0},
        {u"osd_speed=2"_s, u"speedUnitRadioGroup"_s, 1},
        {u"osd_speed=3"_s, u"speedUnitRadioGroup"_s, 0},
        {u"mic_in=0"_s, u"voiceRecordRadioGroup"_s, 1},
        {u"mic_in=7"_s, u"voiceRecordRadioGroup"_s, 0},
        {u"summer_time=2"_s, u"dstRadioGroup"_s, 1},
        {u"front_led=1"_s, u"securityLEDRadioGroup"_s, 0},
        {u"front_led=on"_s, u"securityLEDRadioGroup"_s, 1},
    };
    for (const Case &c : cases) {
        open({c.line});
        EXPECT_EQ(value(c.outlet).toInt(), c.expected) << c.line.toStdString();
    }
}

TEST_F(KRVSettingEditorModelTest, ATimeZoneValueComesBackAsItWasWhenUntouched)
{
    open({u"[blackbox]"_s, u"local_time=9.500000"_s, u"voice_volume=2"_s, u""_s});
    ASSERT_TRUE(model->okButtonTouched() == 1);
    EXPECT_EQ(card.read(File), QByteArray("[blackbox]\r\nlocal_time=9.500000\r\nvoice_volume=2\r\n"));

    // Choosing a zone writes its offset with six decimals; no choice writes UTC-8.
    model->timeZoneComboBoxChanged(10);
    EXPECT_EQ(manager->valueForKey(u"local_time="), u"9.500000"_s);
    model->timeZoneComboBoxChanged(0);
    EXPECT_EQ(manager->valueForKey(u"local_time="), u"-10.000000"_s);
    model->timeZoneComboBoxChanged(-1);
    EXPECT_EQ(manager->valueForKey(u"local_time="), u"-8.000000"_s);
}

TEST_F(KRVSettingEditorModelTest, APartitionOfNoPresetIsShownAsItIsUntilAPresetIsChosen)
{
    open({u"const=50"_s, u"event=20"_s, u"manual=10"_s, u"park=15"_s, u"park_mode=1"_s});
    EXPECT_EQ(value(u"memoryPartitionRadioGroup"_s).toInt(), 0);
    EXPECT_EQ(value(u"continuousValueTextField"_s).toString(), u"50%"_s);
    EXPECT_EQ(value(u"parkValueTextField"_s).toString(), u"15%"_s);
    EXPECT_EQ(value(u"manualGraphView"_s).toInt(), 10);

    model->memoryPartitionRadioGroupTouched(2);
    EXPECT_EQ(manager->linedSettings(),
              (QStringList{u"const=53"_s, u"event=19"_s, u"manual=9"_s, u"park=14"_s, u"park_mode=1"_s}));
    EXPECT_EQ(value(u"eventValueTextField"_s).toString(), u"19%"_s);

    // A file holding preset B shows it selected.
    open({u"const=35"_s, u"event=17"_s, u"park=4"_s, u"manual=39"_s});
    EXPECT_EQ(value(u"memoryPartitionRadioGroup"_s).toInt(), 1);
}

TEST_F(KRVSettingEditorModelTest, AMissingKeyLeavesItsControlAloneAndIsNeverAdded)
{
    open({u"[blackbox]"_s, u"language=fr"_s});
    EXPECT_EQ(value(u"securityLEDRadioGroup"_s).toInt(), -1);
    EXPECT_EQ(value(u"timeZoneComboBox"_s).toInt(), -1);
    EXPECT_EQ(value(u"motionSensitivitySlider"_s).toInt(), 3);
    model->securityLEDRadioGroupTouched(0);
    model->parkingModeVoltageRadioGroupTouched(3);
    model->dateTimeCheckBoxTouched(true);
    EXPECT_EQ(value(u"securityLEDRadioGroup"_s).toInt(), 0);
    EXPECT_EQ(manager->linedSettings(), (QStringList{u"[blackbox]"_s, u"language=fr"_s}));
}

TEST_F(KRVSettingEditorModelTest, SwitchesWriteTheirValuesAndEnableWhatDependsOnThem)
{
    open({u"park_mode=0"_s, u"power_off_vlt=12000"_s, u"voice_out=0"_s, u"voice_volume=3"_s, u"osd_speed=1"_s,
          u"language=us"_s, u"summer_time=0"_s, u"mic_in=1"_s, u"front_led=0"_s});
    EXPECT_FALSE(enabled(u"parkingModeVoltageRadioGroupSetView"_s));
    EXPECT_FALSE(enabled(u"parkingModeVoltageRadioGroup"_s));
    EXPECT_FALSE(enabled(u"voiceGuidanceSlider"_s));

    model->parkingModeRadioGroupTouched(0);
    model->voiceGuidanceRadioGroupTouched(0);
    EXPECT_TRUE(enabled(u"parkingModeVoltageRadioGroup"_s));
    EXPECT_TRUE(enabled(u"voiceGuidanceSliderSetView"_s));
    model->parkingModeVoltageRadioGroupTouched(1);
    model->speedUnitRadioGroupTouched(1);
    model->languageRadioGroupTouched(1);
    model->dstRadioGroupTouched(0);
    model->voiceRecordRadioGroupTouched(1);
    model->securityLEDRadioGroupTouched(0);
    EXPECT_EQ(manager->linedSettings(),
              (QStringList{u"park_mode=1"_s, u"power_off_vlt=11800"_s, u"voice_out=1"_s, u"voice_volume=3"_s,
                           u"osd_speed=2"_s, u"language=fr"_s, u"summer_time=1"_s, u"mic_in=0"_s, u"front_led=1"_s}));
}

TEST_F(KRVSettingEditorModelTest, OnlyTheSliderUnderThePointerWritesTheFile)
{
    open({u"voice_volume=3"_s, u"acc_level=3"_s, u"motion_level=3"_s});
    // Moved with the keyboard while the pointer is elsewhere: the control moves, the file does not.
    model->sliderMoved(u"impactSensitivitySlider"_s, 4);
    EXPECT_EQ(value(u"impactSensitivitySlider"_s).toInt(), 4);
    EXPECT_EQ(manager->valueForKey(u"acc_level="), u"3"_s);
    // The pointer over another slider does not count either.
    model->sliderTouchedDown(u"voiceGuidanceSlider"_s);
    model->sliderMoved(u"motionSensitivitySlider"_s, 5);
    EXPECT_EQ(manager->valueForKey(u"motion_level="), u"3"_s);

    model->sliderMoved(u"voiceGuidanceSlider"_s, 5);
    EXPECT_EQ(manager->valueForKey(u"voice_volume="), u"5"_s);
    model->sliderTouchedUp(u"voiceGuidanceSlider"_s);
    EXPECT_TRUE(model->currentMouseDownSlider().isEmpty());
    model->sliderMoved(u"voiceGuidanceSlider"_s, 1);
    EXPECT_EQ(manager->valueForKey(u"voice_volume="), u"5"_s);
    EXPECT_EQ(KRVSettingEditorModel::snapSliderValue(u"voiceGuidanceSlider"_s, 2), 3);
    EXPECT_EQ(KRVSettingEditorModel::snapSliderValue(u"voiceGuidanceSlider"_s, 4), 5);
    EXPECT_EQ(KRVSettingEditorModel::snapSliderValue(u"impactSensitivitySlider"_s, 0), 2);
}

TEST_F(KRVSettingEditorModelTest, OkWithTheClockBoxWritesOneFreshSetOfClockLinesAfterSet)
{
    const QStringList lines{u"[time]"_s, u"set=0"_s, u"year=2019"_s, u"month=1"_s, u"day=2"_s,
                            u"hour=3"_s, u"min=4"_s, u"sec=5"_s,     u"[end]"_s};
    // The box opens off whatever the file says, and OK then keeps the old clock lines.
    open(lines);
    EXPECT_FALSE(value(u"dateTimeCheckBox"_s).toBool());
    EXPECT_FALSE(enabled(u"dateTimeDatePicker"_s));
    model->okButtonTouched();
    EXPECT_EQ(card.read(File), lines.join(u"\r\n"_s).toUtf8());

    model->dateTimeCheckBoxTouched(true);
    EXPECT_TRUE(enabled(u"dateTimeDatePicker"_s));
    EXPECT_TRUE(enabled(u"dateTimeCurrentTimeButton"_s));
    model->setDateTimePickerValue(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 7)));
    bool saved = false;
    EXPECT_EQ(model->okButtonTouched(&saved), 1);
    EXPECT_TRUE(saved);
    model->dateTimeCurrentTimeButtonTouched();
    model->okButtonTouched();
    EXPECT_EQ(card.read(File), QByteArray("[time]\r\nset=1\r\nyear=2024\r\nmonth=5\r\nday=7\r\nhour=9\r\nmin=5\r\n"
                                          "sec=0\r\n[end]"));
}

TEST_F(KRVSettingEditorModelTest, ResetBringsBackTheFactorySettingsWithoutWriting)
{
    const QStringList lines{u"[blackbox]"_s, u"language=fr"_s, u"voice_out=0"_s, u"local_time=9.5"_s};
    open(lines);
    model->dateTimeCheckBoxTouched(true);
    model->resetButtonTouched();
    EXPECT_EQ(value(u"languageRadioGroup"_s).toInt(), 0);
    EXPECT_EQ(value(u"timeZoneComboBox"_s).toInt(), 2);
    EXPECT_TRUE(enabled(u"voiceGuidanceSlider"_s));
    // The clock controls are not reset.
    EXPECT_TRUE(value(u"dateTimeCheckBox"_s).toBool());
    EXPECT_EQ(model->cancelButtonTouched(), 0);
    EXPECT_EQ(card.read(File), lines.join(u"\r\n"_s).toUtf8());

    // Another model's card keeps its lines on Reset.
    cardSettings->setModelType(3);
    open(lines);
    model->resetButtonTouched();
    EXPECT_EQ(manager->linedSettings(), lines);
}

TEST_F(KRVSettingEditorModelTest, CaptionsComeFromTheTranslationTables)
{
    open({});
    // In the language start-up picks (English when none was ever chosen), not the Korean keys.
    EXPECT_EQ(value(u"titleTextField"_s).toString(),
              VexoLanguages::SharedVexoLanguages().localized(u"블랙박스 설정"_s));
    EXPECT_NE(value(u"titleTextField"_s).toString(), u"블랙박스 설정"_s);
    EXPECT_EQ(model->control(u"timeZoneComboBox"_s).titles.size(), 12);
    EXPECT_EQ(model->control(u"parkingModeVoltageRadioGroup"_s).titles,
              (QStringList{VexoLanguages::SharedVexoLanguages().localized(u"QF27 : 사용 안 함"_s), u"11.8V"_s,
                           u"12.0V"_s, u"12.2V"_s}));
}

TEST_F(KRVSettingEditorModelTest, PositionsAreAppliedThroughTheControlsActions)
{
    open({u"acc_level=3"_s, u"park_mode=0"_s, u"power_off_vlt=0"_s, u"set=0"_s});
    QSignalSpy changes(model.get(), &KRVSettingEditorModel::changed);
    EXPECT_EQ(model->applyPosition(u"impactSensitivitySlider"_s, u"4"_s), QString());
    EXPECT_EQ(manager->valueForKey(u"acc_level="), u"4"_s);
    EXPECT_FALSE(changes.isEmpty());
    EXPECT_EQ(model->applyPosition(u"dateTimeCheckBox"_s, u"1"_s), QString());
    EXPECT_EQ(manager->valueForKey(u"set="), u"1"_s);
    EXPECT_EQ(model->applyPosition(u"dateTimeDatePicker"_s, u"2024-05-07T09:05:00"_s), QString());

    EXPECT_FALSE(model->applyPosition(u"impactSensitivitySlider"_s, u"5"_s).isEmpty());
    EXPECT_FALSE(model->applyPosition(u"languageRadioGroup"_s, u"2"_s).isEmpty());
    EXPECT_FALSE(model->applyPosition(u"timeZoneComboBox"_s, u"x"_s).isEmpty());
    EXPECT_FALSE(model->applyPosition(u"dateTimeDatePicker"_s, u"yesterday"_s).isEmpty());
    EXPECT_FALSE(model->applyPosition(u"noSuchControl"_s, u"1"_s).isEmpty());
    // The voltage group is disabled while the parking mode is off.
    EXPECT_FALSE(model->applyPosition(u"parkingModeVoltageRadioGroup"_s, u"1"_s).isEmpty());
    EXPECT_EQ(manager->valueForKey(u"power_off_vlt="), u"0"_s);
}
