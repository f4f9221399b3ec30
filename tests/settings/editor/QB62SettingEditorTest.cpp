#include "settings/editor/QB62SettingEditor.h"

#include "EditorTestCard.h"
#include "core/VexoLanguages.h"

#include "settings/editor/EditorLayout.h"
#include "settings/editor/MemoryPartition.h"
#include "settings/editor/SettingTimeFile.h"
#include "settings/editor/TimeZoneTable.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
using Field = SettingRecordLayout::Field;
const QString Record = u"SETTING/setup.cfg"_s;
const QString Clock = u"SETTING/time.dat"_s;

// The byte ranges in which two records differ, as field names.
QStringList differingFields(const QByteArray &before, const QByteArray &after)
{
    QStringList names;
    for (const SettingRecordLayout::FieldInfo &info : SettingRecordLayout::fields()) {
        const int offset = SettingRecordLayout::offsetOf(info.field);
        if (before.mid(offset, info.width) != after.mid(offset, info.width)) {
            names.append(info.name.toString());
        }
    }
    if (before.size() != after.size()) {
        names.append(u"(length)"_s);
    }
    return names;
}
} // namespace

TEST(QB62SettingEditorTest, OkWritesOnlyTheChangedFieldsOfTheRecord)
{
    EditorTestCard card(1);
    card.manager->setValue(Field::front_resolution, 2);
    ASSERT_TRUE(card.manager->saveData());
    const QByteArray before = card.read(Record);

    QB62SettingEditor editor(card.manager);
    editor.loadView();
    ASSERT_NE(editor.layout(), nullptr);
    EXPECT_EQ(editor.layout()->name, u"QB62"_s);
    EXPECT_EQ(editor.value(u"alwaysRadioGroupFrontResolution"_s), 1);

    // Unchanged controls write back exactly what was read.
    EXPECT_TRUE(editor.okButtonTouched().recordWritten);
    EXPECT_EQ(card.read(Record), before);

    editor.touch(u"alwaysRadioGroupFrontResolution"_s, 2);
    editor.touch(u"parkingTimeLimitSlider_36o"_s, 7);
    editor.touch(u"etcOverwriteManualCheckBox"_s, editor.value(u"etcOverwriteManualCheckBox"_s) == 1 ? 0 : 1);
    const QB62SettingEditor::OkResult result = editor.okButtonTouched();
    EXPECT_TRUE(result.recordWritten);
    EXPECT_EQ(differingFields(before, card.read(Record)),
              (QStringList{u"front_resolution"_s, u"record_manual_overwrite"_s, u"parking_time_limit"_s}));
    EXPECT_EQ(card.manager->value(Field::front_resolution), 3);
    EXPECT_EQ(card.manager->value(Field::parking_time_limit), 36);
    EXPECT_EQ(result.changedFields.size(), 3);
    // This layout does not set the clock.
    EXPECT_FALSE(editor.isShown(u"commonDatePicker"_s));
    EXPECT_FALSE(QFile::exists(card.path(Clock)));
}

TEST(QB62SettingEditorTest, TheTimeZoneIsStoredAsMinutesAndKey)
{
    EditorTestCard card(1);
    card.manager->setText(Field::tz_key, u"Pacific Standard Time"_s);
    card.manager->setValue(Field::gmt_offset, 0); // the key decides
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_EQ(editor.displayTitles(u"commonGMTComboBox"_s).at(editor.value(u"commonGMTComboBox"_s)), u"UTC-08:00"_s);

    editor.touch(u"commonGMTComboBox"_s, int(TimeZoneTable::gmtDescList().indexOf(u"UTC+09:00"_s)));
    ASSERT_TRUE(editor.saveData());
    EXPECT_EQ(card.manager->value(Field::gmt_offset), 540);
    EXPECT_EQ(card.manager->text(Field::tz_key), u"Korea Standard Time"_s);

    // A caption no key stands for stores an empty key, and gmt_offset finds it again.
    editor.touch(u"commonGMTComboBox"_s, int(TimeZoneTable::gmtDescList().indexOf(u"UTC+12:45"_s)));
    ASSERT_TRUE(editor.saveData());
    EXPECT_EQ(card.manager->text(Field::tz_key), QString());
    ASSERT_EQ(card.manager->loadData(), QB62SettingManager::LoadResult::Read);
    QB62SettingEditor reread(card.manager);
    reread.loadView();
    EXPECT_EQ(reread.displayTitles(u"commonGMTComboBox"_s).at(reread.value(u"commonGMTComboBox"_s)), u"UTC+12:45"_s);
}

TEST(QB62SettingEditorTest, OnlyTheTouchScreenCameraOffersTheCalibrationResetAndNoneOffersFormatting)
{
    for (const qint64 type : {0, 1, 2, 3, 5, 7, 11}) {
        EditorTestCard card(type);
        QB62SettingEditor editor(card.manager);
        editor.loadView();
        EXPECT_FALSE(editor.isShown(u"etcMemoryCardFormatButton"_s)) << "model type " << type;
        EXPECT_EQ(editor.isShown(u"etcInitializeButton"_s), type == 2) << "model type " << type;
    }
}

TEST(QB62SettingEditorTest, TheClockFileIsReadAndWrittenWithTheRecord)
{
    EditorTestCard card(2); // a layout that sets the clock
    card.write(Clock, "2024,05,01,13,45,10,+0900");
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_TRUE(editor.isShown(u"commonDatePicker"_s));
    EXPECT_EQ(editor.value(u"commonTimeCheckBox"_s), 1);
    EXPECT_TRUE(editor.control(u"commonDatePicker"_s).enabled);
    EXPECT_EQ(editor.date().toUTC(), QDateTime(QDate(2024, 5, 1), QTime(4, 45, 10), Qt::UTC));

    // Checked: OK hands the picker's moment over.
    editor.setDate(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), QTimeZone(0)));
    EXPECT_TRUE(editor.okButtonTouched().clockHandled);
    EXPECT_EQ(SettingTimeFile::read(card.path(Clock)).moment.toUTC(),
              QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), Qt::UTC));

    // Unchecked: OK removes the file, and the picker cannot be used meanwhile.
    editor.touch(u"commonTimeCheckBox"_s, 0);
    EXPECT_FALSE(editor.control(u"commonDatePicker"_s).enabled);
    EXPECT_FALSE(editor.control(u"commonCurrentTimeButton"_s).enabled);
    editor.okButtonTouched();
    EXPECT_FALSE(QFile::exists(card.path(Clock)));

    // An unreadable file leaves the clock off; an unparseable one on with no date, and OK keeps it.
    card.write(Clock, "\xfe\xff");
    QB62SettingEditor unreadable(card.manager);
    unreadable.loadView();
    EXPECT_EQ(unreadable.value(u"commonTimeCheckBox"_s), 0);
    card.write(Clock, "soon");
    QB62SettingEditor unparseable(card.manager);
    unparseable.loadView();
    EXPECT_EQ(unparseable.value(u"commonTimeCheckBox"_s), 1);
    EXPECT_FALSE(unparseable.date().isValid());
    unparseable.okButtonTouched();
    EXPECT_EQ(card.read(Clock), QByteArray("soon"));
}

TEST(QB62SettingEditorTest, ParkingModeOffAsksFirstOnTwoStateModels)
{
    EditorTestCard card(3);
    card.manager->setValue(Field::parking_mode_set, 1);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    ASSERT_EQ(editor.value(u"parkingModeRadioGroup"_s), 0);

    std::optional<QB62SettingEditor::Confirmation> sheet = editor.touch(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(sheet->messageKey, u"주차모드"_s);
    EXPECT_TRUE(sheet->informativeKey.startsWith(u"주차모드를 사용하지 않는 경우"_s));
    EXPECT_EQ(sheet->buttonKeys, (QStringList{u"아니오"_s, u"예"_s}));
    editor.alertDidSelected(QB62SettingEditor::NoReturnCode);
    EXPECT_EQ(editor.value(u"parkingModeRadioGroup"_s), 0);
    EXPECT_EQ(card.manager->value(Field::parking_mode_set), 1);
    EXPECT_TRUE(editor.control(u"parkingShockSensitivitySlider"_s).enabled);

    ASSERT_TRUE(editor.touch(u"parkingModeRadioGroup"_s, 1).has_value());
    editor.alertDidSelected(QB62SettingEditor::YesReturnCode);
    EXPECT_EQ(editor.value(u"parkingModeRadioGroup"_s), 1);
    EXPECT_EQ(card.manager->value(Field::parking_mode_set), 0);
    for (const QString &name :
         {u"parkingShockSensitivitySlider"_s, u"parkingMotionSlider"_s, u"parkingTimeLimitSlider_36x"_s,
          u"parkingBatteryOff12VSlider"_s, u"parkingBatteryOff24VSlider"_s}) {
        EXPECT_FALSE(editor.control(name).enabled) << name.toStdString();
    }
    // Back on: no question, everything usable again.
    EXPECT_FALSE(editor.touch(u"parkingModeRadioGroup"_s, 0).has_value());
    EXPECT_TRUE(editor.control(u"parkingMotionSlider"_s).enabled);
    EXPECT_TRUE(editor.control(u"parkingBatteryOff24VSlider"_s).enabled);
}

TEST(QB62SettingEditorTest, ThreeStateParkingAsksForEveryRow)
{
    EditorTestCard card(9);
    card.manager->setValue(Field::parking_mode_set, 1);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_EQ(editor.control(u"parkingModeRadioGroup"_s).cellCount(), 3);
    EXPECT_TRUE(editor.isShown(u"parkingSuperNightVisionRadioGroup"_s));

    std::optional<QB62SettingEditor::Confirmation> sheet = editor.touch(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_TRUE(sheet->informativeKey.startsWith(u"타임랩스 선택 시"_s));
    editor.alertDidSelected(QB62SettingEditor::YesReturnCode);
    EXPECT_EQ(card.manager->value(Field::parking_mode_set), 2);
    EXPECT_FALSE(editor.control(u"parkingMotionSlider"_s).enabled);
    EXPECT_TRUE(editor.control(u"parkingShockSensitivitySlider"_s).enabled);

    sheet = editor.touch(u"parkingModeRadioGroup"_s, 2);
    ASSERT_TRUE(sheet.has_value());
    editor.alertDidSelected(QB62SettingEditor::NoReturnCode);
    EXPECT_EQ(editor.value(u"parkingModeRadioGroup"_s), 1); // stored 2 → row 1

    sheet = editor.touch(u"parkingModeRadioGroup"_s, 0);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_TRUE(sheet->informativeKey.startsWith(u"주차모션 선택 시"_s));
    editor.alertDidSelected(QB62SettingEditor::YesReturnCode);
    EXPECT_EQ(card.manager->value(Field::parking_mode_set), 1);
    EXPECT_TRUE(editor.control(u"parkingMotionSlider"_s).enabled);
    EXPECT_EQ(editor.layout()->productNameFor(9), u"QJ51"_s);
}

TEST(QB62SettingEditorTest, DependentControlsFollowTheirSwitches)
{
    EditorTestCard card(3);
    card.manager->setValue(Field::measurement_unit, 1);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_EQ(editor.control(u"alwaysLDWSSpeedRadioGroup"_s).titles,
              (QStringList{u"30mph"_s, u"40mph"_s, u"50mph"_s, u"65mph"_s}));
    editor.setValue(u"alwaysLDWSSpeedRadioGroup"_s, 3);
    editor.touch(u"commonSpeedUnitRadioGroup"_s, 0);
    EXPECT_EQ(editor.control(u"alwaysLDWSSpeedRadioGroup"_s).titles,
              (QStringList{u"50km"_s, u"60km"_s, u"80km"_s, u"100km"_s}));
    EXPECT_EQ(editor.value(u"alwaysLDWSSpeedRadioGroup"_s), 3);

    editor.touch(u"alwaysRadioGroupFrontResolution"_s, 0);
    EXPECT_EQ(editor.value(u"alwaysRadioGroupRearResolution"_s), 0);
    EXPECT_FALSE(editor.control(u"alwaysRadioGroupRearResolution"_s).enabled);
    editor.touch(u"alwaysRadioGroupFrontResolution"_s, 1);
    EXPECT_TRUE(editor.control(u"alwaysRadioGroupRearResolution"_s).enabled);

    editor.touch(u"alwaysLDWSRadioGroup"_s, 1);
    EXPECT_FALSE(editor.control(u"alwaysLDWSRightSensitivitySlider"_s).enabled);
    EXPECT_FALSE(editor.control(u"alwaysLDWSSpeedRadioGroup"_s).enabled);
    editor.touch(u"alwaysFCWSRadioGroup"_s, 1);
    EXPECT_FALSE(editor.control(u"alwaysFCWSSensitivitySlider"_s).enabled);
    editor.touch(u"commonVoiceMentRadioGroup"_s, 1);
    EXPECT_FALSE(editor.control(u"commonVoiceMentSlider"_s).enabled);

    // Only the slider under the pointer shows a guide label.
    editor.setValue(u"parkingBatteryOff12VSlider"_s, 4);
    editor.sliderTouchedDown(u"parkingBatteryOff12VSlider"_s);
    EXPECT_EQ(editor.shownGuideLabel(u"parkingBatteryOff12VSlider"_s), 4);
    EXPECT_EQ(editor.shownGuideLabel(u"parkingBatteryOff24VSlider"_s), -1);
    editor.sliderTouchedUp();
    EXPECT_EQ(editor.shownGuideLabel(u"parkingBatteryOff12VSlider"_s), -1);
}

TEST(QB62SettingEditorTest, ThePartitionGraphFollowsModelAndColumn)
{
    EditorTestCard card(3);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    editor.touch(u"etcMemoryPartitionRadioGroup"_s, 1);
    const QList<double> shares = editor.memoryPartitionShares();
    ASSERT_EQ(shares.size(), 5);
    EXPECT_DOUBLE_EQ(shares.at(0), 36.3);
    EXPECT_EQ(MemoryPartition::ratioText(shares.at(0)), u"36.3%"_s);
    EXPECT_DOUBLE_EQ(MemoryPartition::barWidth(shares.at(0), 200), 72.6);
    EXPECT_EQ(MemoryPartition::shares(7, 2), (QList<double>{55, 15, 15, 5, 10}));
    EXPECT_EQ(MemoryPartition::shares(1, 9), MemoryPartition::shares(1, 0)); // unknown column
    EXPECT_EQ(MemoryPartition::shares(1, 0), (QList<double>{61, 20, 3, 5, 10}));
}

TEST(QB62SettingEditorTest, ResetWithoutCardDefaultsAppliesTheModelsOwn)
{
    EditorTestCard card(3, 17);
    card.manager->setValue(Field::partition_type, 3);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_EQ(editor.value(u"etcMemoryPartitionRadioGroup"_s), 2);
    const QByteArray recordBefore = card.read(Record);
    editor.resetButtonTouched();
    EXPECT_EQ(editor.manager(), card.manager);
    EXPECT_EQ(card.manager->value(Field::partition_type), 1);
    EXPECT_EQ(editor.value(u"etcMemoryPartitionRadioGroup"_s), 0);
    EXPECT_EQ(card.read(Record), recordBefore); // nothing written until OK
}

TEST(QB62SettingEditorTest, ResetPrefersTheCardsOwnDefaultsAndKeepsTheFirmware)
{
    EditorTestCard card(3, 17);
    card.manager->setValue(Field::driving_guide_version, 7);
    QB62SettingManager::ChagneQB62SettingManager(card.manager);
    QB62SettingEditor editor; // edits the shared object

    QB62SettingManager cardDefaults;
    cardDefaults.setValue(Field::partition_type, 2);
    cardDefaults.setText(Field::version, u"9.99.1"_s);
    card.write(u"SETTING/default.cfg"_s, cardDefaults.record().bytes(SettingRecordLayout::FieldCount));
    editor.loadView();
    const QByteArray recordBefore = card.read(Record);
    editor.resetButtonTouched();
    const auto shared = QB62SettingManager::SharedQB62SettingManager();
    EXPECT_NE(shared, card.manager);
    EXPECT_EQ(editor.manager(), shared);
    EXPECT_EQ(shared->firmwareVersionInt(), 17);
    EXPECT_EQ(shared->text(Field::version), u"1.00.17"_s);
    EXPECT_EQ(shared->value(Field::driving_guide_version), 7);
    EXPECT_EQ(shared->settingDirPath(), card.folder.path());
    EXPECT_EQ(shared->modelType(), 3);
    EXPECT_EQ(editor.value(u"etcMemoryPartitionRadioGroup"_s), 1);
    EXPECT_EQ(card.read(Record), recordBefore);
    QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
}

TEST(QB62SettingEditorTest, ModelsWithoutALayoutWriteNothing)
{
    for (const qint64 type : {27, 28}) {
        EditorTestCard card(1);
        const QByteArray before = card.read(Record);
        card.manager->setModelType(type);
        QB62SettingEditor editor(card.manager);
        editor.loadView();
        EXPECT_EQ(editor.layout(), nullptr);
        editor.touch(u"alwaysRadioGroupFrontResolution"_s, 2);
        EXPECT_FALSE(editor.okButtonTouched().recordWritten);
        EXPECT_EQ(card.read(Record), before);
    }
}

TEST(QB62SettingEditorTest, AFailedRecordWriteIsReported)
{
    EditorTestCard card(2);
    card.write(Clock, "2024,05,01,13,45,10,+0900");
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    // The record's place is taken by a folder: the write cannot replace it.
    ASSERT_TRUE(QFile::remove(card.path(Record)));
    ASSERT_TRUE(QDir().mkpath(card.path(Record)));
    const QB62SettingEditor::OkResult result = editor.okButtonTouched();
    EXPECT_FALSE(result.recordWritten);
    EXPECT_TRUE(result.clockHandled);
    EXPECT_FALSE(card.alerts->shown.isEmpty());
    EXPECT_TRUE(QFileInfo(card.path(Record)).isDir());
}

TEST(QB62SettingEditorTest, TheClockFileIsOnlyTouchedAfterTheRecordWasWritten)
{
    EditorTestCard card(2);
    card.write(Clock, "2024,05,01,13,45,10,+0900");
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    editor.touch(u"commonTimeCheckBox"_s, 0);
    ASSERT_TRUE(QFile::remove(card.path(Record)));
    ASSERT_TRUE(QDir().mkpath(card.path(Record)));
    const QB62SettingEditor::OkResult result = editor.okButtonTouched();
    EXPECT_FALSE(result.recordWritten);
    EXPECT_EQ(card.read(Clock), QByteArray("2024,05,01,13,45,10,+0900")) << "switched off, yet kept: OK failed";
}

TEST(QB62SettingEditorTest, AClockFileThatCannotBeWrittenOrRemovedShowsTheMemoryCardAlert)
{
    for (const int checked : {1, 0}) {
        EditorTestCard card(2);
        card.write(Clock, "2024,05,01,13,45,10,+0900");
        QB62SettingEditor editor(card.manager);
        editor.loadView();
        editor.touch(u"commonTimeCheckBox"_s, checked);
        // A folder with something in it where the clock file goes: neither replaced nor removed.
        ASSERT_TRUE(QFile::remove(card.path(Clock)));
        card.write(Clock + u"/inside"_s, "x");
        card.alerts->shown.clear();
        const QB62SettingEditor::OkResult result = editor.okButtonTouched();
        EXPECT_TRUE(result.recordWritten);
        EXPECT_FALSE(result.clockHandled) << "checked " << checked;
        ASSERT_EQ(card.alerts->shown.size(), 1) << "checked " << checked;
        EXPECT_TRUE(card.alerts->shown.at(0).startsWith(u"메모리카드 오류"_s) ||
                    card.alerts->shown.at(0).startsWith(u"Memory Card Error"_s))
            << card.alerts->shown.at(0).toStdString();
    }
}

TEST(QB62SettingEditorTest, OkNeverMakesTheCardFolderAgainOnceItIsGone)
{
    EditorTestCard card(2);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    editor.touch(u"commonTimeCheckBox"_s, 1);
    editor.setDate(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), QTimeZone(0)));
    const QString root = card.folder.path();
    ASSERT_TRUE(QDir(root).removeRecursively());
    const QB62SettingEditor::OkResult result = editor.okButtonTouched();
    EXPECT_FALSE(result.recordWritten);
    EXPECT_FALSE(QFileInfo::exists(root)) << "the card was taken out: nothing may appear in its place";
    EXPECT_FALSE(card.alerts->shown.isEmpty());
    EXPECT_FALSE(SettingTimeFile::write(SettingTimeFile::pathForCard(root), QDateTime::currentDateTime()));
    EXPECT_FALSE(QFileInfo::exists(root));

    // A card without a SETTING folder gets one.
    QDir().mkpath(root);
    EXPECT_TRUE(editor.okButtonTouched().recordWritten);
    EXPECT_TRUE(QFileInfo(card.path(Record)).isFile());
    EXPECT_TRUE(QFileInfo(card.path(Clock)).isFile());
}

TEST(QB62SettingEditorTest, TheClockFileIsNeverReadWrittenOrRemovedOutsideTheCard)
{
    EditorTestCard card(2);
    QTemporaryDir outside;
    const QString theirs = QDir(outside.path()).filePath(u"time.dat"_s);
    QFile file(theirs);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2024,05,01,13,45,10,+0900");
    file.close();

    // time.dat itself a link out of the card: not read, not replaced, not followed.
    ASSERT_TRUE(QFile::link(theirs, card.path(Clock)));
    EXPECT_EQ(SettingTimeFile::read(card.path(Clock)).state, SettingTimeFile::State::Unreadable);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    EXPECT_EQ(editor.value(u"commonTimeCheckBox"_s), 0);

    // SETTING a link to the outside folder: nothing there is written or removed.
    ASSERT_TRUE(QFile::remove(card.path(Clock)));
    const QString setting = card.path(u"SETTING"_s);
    ASSERT_TRUE(QDir().rename(setting, card.path(u"setting"_s)));
    ASSERT_TRUE(QFile::link(outside.path(), setting));
    EXPECT_FALSE(SettingTimeFile::remove(card.path(Clock)));
    EXPECT_FALSE(SettingTimeFile::write(card.path(Clock), QDateTime::currentDateTime()));
    EXPECT_EQ(SettingTimeFile::read(card.path(Clock)).state, SettingTimeFile::State::Unreadable);
    QFile kept(theirs);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("2024,05,01,13,45,10,+0900"));
}

TEST(QB62SettingEditorTest, ResetWithAShortCardDefaultsFileKeepsTheFieldsItDoesNotHold)
{
    EditorTestCard card(1);
    card.manager->setText(Field::setting_path, u"/mnt/card"_s);
    card.manager->setValue(Field::parking_front_motion_region, 0x2A);
    const qint32 length = card.manager->value(Field::checksum);
    ASSERT_EQ(length, 432);
    // The first two fields only: a length of 8 and a structure version.
    QByteArray defaults(8, '\0');
    defaults[0] = 8;
    defaults[4] = 3;
    card.write(u"SETTING/default.cfg"_s, defaults);
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    editor.resetButtonTouched();
    const std::shared_ptr<QB62SettingManager> reset = editor.manager();
    EXPECT_EQ(reset->value(Field::checksum), 8);
    EXPECT_EQ(reset->value(Field::cfg_struct_version), 3);
    EXPECT_EQ(reset->text(Field::setting_path), u"/mnt/card"_s);
    EXPECT_EQ(reset->value(Field::parking_front_motion_region), 0x2A);
    EXPECT_EQ(reset->text(Field::serial_number), card.manager->text(Field::serial_number));
    EXPECT_EQ(reset->value(Field::partition_type), card.manager->value(Field::partition_type));

    // An empty one changes nothing at all.
    card.write(u"SETTING/default.cfg"_s, QByteArray());
    const SettingRecord before = editor.manager()->record();
    editor.resetButtonTouched();
    EXPECT_EQ(editor.manager()->record().bytes(SettingRecordLayout::FieldCount),
              before.bytes(SettingRecordLayout::FieldCount));
}

TEST(QB62SettingEditorTest, ADrivingResolutionTheScreenCannotShowStaysUnlessTheUserPicksOne)
{
    for (const qint64 type : {8, 11}) { // the QH49 and QY7 layouts
        EditorTestCard card(type);
        card.manager->setValue(Field::set_resolution, 1);
        card.manager->setValue(Field::front_resolution, 7);
        card.manager->setValue(Field::rear_resolution, 3);
        QB62SettingEditor editor(card.manager);
        editor.loadView();
        ASSERT_TRUE(editor.isShown(u"alwaysRadioGroupFrontResolution"_s)) << type;
        EXPECT_EQ(editor.value(u"alwaysRadioGroupRearResolution"_s), 1);
        ASSERT_TRUE(editor.okButtonTouched().recordWritten);
        EXPECT_EQ(card.manager->value(Field::front_resolution), 7) << "model type " << type;
        EXPECT_EQ(card.manager->value(Field::rear_resolution), 3);

        // Chosen by the user, it is written as shown (column 0: 2, column 1: 3).
        editor.touch(u"alwaysRadioGroupFrontResolution"_s, 1);
        ASSERT_TRUE(editor.okButtonTouched().recordWritten);
        EXPECT_EQ(card.manager->value(Field::front_resolution), 3) << "model type " << type;
    }
}

// The two models only the model chooser offers have no layout: OK writes nothing, the clock file
// included, and says so instead of closing as if saved.
TEST(QB62SettingEditorTest, OkOnAModelWithoutALayoutSaysNothingWasWritten)
{
    for (const qint64 type : {27, 28}) {
        EditorTestCard card(type);
        const QByteArray record = card.read(Record);
        QB62SettingEditor editor(card.manager);
        editor.loadView();
        ASSERT_EQ(editor.layout(), nullptr);
        editor.touch(u"commonTimeCheckBox"_s, 1);
        card.alerts->shown.clear();
        const QB62SettingEditor::OkResult result = editor.okButtonTouched();
        EXPECT_FALSE(result.recordWritten);
        VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
        EXPECT_EQ(card.alerts->shown,
                  QStringList{languages.localized(u"블랙박스 설정"_s) + u": "_s +
                              languages.localized(u"이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.\n"
                                                  u"메모리카드에는 아무것도 기록되지 않았습니다."_s)})
            << "type " << type;
        EXPECT_EQ(card.read(Record), record);
        EXPECT_FALSE(QFile::exists(card.path(Clock)));
    }
}
