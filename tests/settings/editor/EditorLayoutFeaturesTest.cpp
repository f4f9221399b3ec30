#include "EditorTestCard.h"

#include "settings/editor/EditorLayout.h"
#include "settings/editor/QB62SettingEditor.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

// What each layout offers on the screen, and how the editor copes with records it cannot trust.

namespace {
using Field = SettingRecordLayout::Field;
const QString Record = u"SETTING/setup.cfg"_s;

struct Opened
{
    explicit Opened(qint64 type, int firmware = 17, const std::function<void(QB62SettingManager &)> &change = {})
        : card(type, firmware)
    {
        if (change) {
            change(*card.manager);
            card.manager->saveData();
            card.manager->loadData();
        }
        editor = std::make_unique<QB62SettingEditor>(card.manager);
        editor->loadView();
    }
    EditorTestCard card;
    std::unique_ptr<QB62SettingEditor> editor;
};

void noResolutionChoice(QB62SettingManager &manager)
{
    manager.setValue(Field::set_resolution, 0);
}

// Shown: a section view, or a control that sits in a shown section.
bool shownOnScreen(const QB62SettingEditor &editor, const QString &name)
{
    return editor.hasControl(name) ? editor.isShown(name) : editor.isSectionShown(name);
}
} // namespace

TEST(EditorLayoutFeaturesTest, EachLayoutShowsItsOwnSections)
{
    const QStringList everything = {u"commonRearBrightnessView"_s,
                                    u"commonAudioRecordView"_s,
                                    u"commonVoiceMentRadioGroup"_s,
                                    u"commonVideoDateFormatView"_s,
                                    u"commonDrivingGuideView"_s,
                                    u"commonLCDBrightnessView"_s,
                                    u"commonLCDOffTimerView"_s,
                                    u"commonSpeedStampView"_s,
                                    u"commonTimeView"_s,
                                    u"alwaysResolutionView"_s,
                                    u"alwaysFrameRateView"_s,
                                    u"alwaysQualityView"_s,
                                    u"alwaysDrivingGuideView"_s,
                                    u"alwaysDrivingGuideSubRadioGroup"_s,
                                    u"alwaysWDRView"_s,
                                    u"alwaysVehicleTypeView"_s,
                                    u"alwaysLDWSView"_s,
                                    u"alwaysFCWSView"_s,
                                    u"alwaysFVDWView"_s,
                                    u"parkingResolutionView"_s,
                                    u"parkingFrameRateView"_s,
                                    u"parkingQualityView"_s,
                                    u"parkingMotionRadioGroup"_s,
                                    u"etcInitializeView"_s,
                                    u"etcMemoryCardFormatView"_s,
                                    u"etcSecurityLEDView"_s,
                                    u"parkingSuperNightVisionView"_s,
                                    u"alwaysRadioGroupRearResolution"_s,
                                    u"alwaysRadioGroupRearQuality"_s,
                                    u"parkingRearResolutionRadioGroup"_s,
                                    u"parkingRearQualityRadioGroup"_s,
                                    u"parkingTimeLimitSlider_36x"_s,
                                    u"parkingTimeLimitSlider_36o"_s};
    // What each layout shows, for a card without a resolution choice and with firmware 17.
    const QList<std::pair<qint64, QStringList>> shown = {
        {0,
         {u"commonAudioRecordView"_s, u"commonVoiceMentRadioGroup"_s, u"commonVideoDateFormatView"_s,
          u"commonTimeView"_s, u"alwaysResolutionView"_s, u"alwaysFrameRateView"_s, u"alwaysQualityView"_s,
          u"parkingResolutionView"_s, u"parkingFrameRateView"_s, u"parkingQualityView"_s, u"parkingMotionRadioGroup"_s,
          u"etcSecurityLEDView"_s, u"parkingTimeLimitSlider_36x"_s}},
        {1,
         {u"commonAudioRecordView"_s, u"commonVoiceMentRadioGroup"_s, u"commonDrivingGuideView"_s,
          u"alwaysResolutionView"_s, u"alwaysFrameRateView"_s, u"alwaysQualityView"_s,
          u"alwaysRadioGroupRearResolution"_s, u"alwaysRadioGroupRearQuality"_s, u"parkingResolutionView"_s,
          u"parkingFrameRateView"_s, u"parkingQualityView"_s, u"parkingRearResolutionRadioGroup"_s,
          u"parkingRearQualityRadioGroup"_s, u"parkingMotionRadioGroup"_s, u"etcSecurityLEDView"_s,
          u"parkingTimeLimitSlider_36o"_s}},
        {2,
         {u"commonAudioRecordView"_s, u"commonVoiceMentRadioGroup"_s, u"commonDrivingGuideView"_s,
          u"commonLCDOffTimerView"_s, u"commonTimeView"_s, u"alwaysResolutionView"_s, u"alwaysFrameRateView"_s,
          u"alwaysRadioGroupRearResolution"_s, u"parkingResolutionView"_s, u"parkingFrameRateView"_s,
          u"parkingRearResolutionRadioGroup"_s, u"parkingMotionRadioGroup"_s, u"etcInitializeView"_s,
          u"etcSecurityLEDView"_s, u"parkingTimeLimitSlider_36x"_s}},
        {3,
         {u"commonRearBrightnessView"_s, u"commonLCDBrightnessView"_s, u"commonLCDOffTimerView"_s,
          u"alwaysDrivingGuideView"_s, u"alwaysWDRView"_s, u"alwaysVehicleTypeView"_s, u"alwaysLDWSView"_s,
          u"alwaysFCWSView"_s, u"alwaysFVDWView"_s, u"etcSecurityLEDView"_s, u"parkingTimeLimitSlider_36x"_s}},
        {5,
         {u"commonRearBrightnessView"_s, u"alwaysDrivingGuideView"_s, u"alwaysWDRView"_s, u"alwaysVehicleTypeView"_s,
          u"alwaysLDWSView"_s, u"alwaysFCWSView"_s, u"etcSecurityLEDView"_s, u"parkingTimeLimitSlider_36x"_s}},
        {8,
         {u"commonLCDBrightnessView"_s, u"commonLCDOffTimerView"_s, u"commonSpeedStampView"_s, u"commonTimeView"_s,
          u"alwaysDrivingGuideView"_s, u"etcSecurityLEDView"_s, u"parkingTimeLimitSlider_36x"_s}},
        {11,
         {u"commonSpeedStampView"_s, u"commonTimeView"_s, u"alwaysDrivingGuideView"_s,
          u"parkingTimeLimitSlider_36x"_s}},
    };
    for (const auto &[type, expected] : shown) {
        Opened opened(type, 17, noResolutionChoice);
        for (const QString &name : everything) {
            EXPECT_EQ(shownOnScreen(*opened.editor, name), expected.contains(name))
                << name.toStdString() << " for model type " << type;
        }
    }
}

TEST(EditorLayoutFeaturesTest, ModelTypeFirmwareAndResolutionChoiceDecideTheConditionalSections)
{
    struct Case
    {
        qint64 type;
        int firmware;
        int setResolution;
        QString view;
        bool shown;
    };
    const QList<Case> cases = {
        {9, 17, 0, u"commonSpeedStampView"_s, true},
        {3, 17, 0, u"commonSpeedStampView"_s, false},
        {4, 17, 0, u"commonSpeedStampView"_s, false},
        {10, 17, 0, u"commonSpeedStampView"_s, true},
        {18, 17, 0, u"commonSpeedStampView"_s, true},
        {5, 17, 0, u"commonSpeedStampView"_s, false},
        {5, 17, 1, u"alwaysResolutionView"_s, true},
        {8, 17, 1, u"alwaysResolutionView"_s, true},
        {12, 17, 2, u"alwaysResolutionView"_s, true},
        {12, 17, 0, u"alwaysResolutionView"_s, false},
        {3, 17, 1, u"alwaysResolutionView"_s, false},
        {14, 17, 0, u"alwaysDrivingGuideView"_s, false},
        {7, 17, 0, u"alwaysDrivingGuideView"_s, true},
        {15, 17, 0, u"alwaysDrivingGuideView"_s, false},
        {12, 17, 0, u"alwaysDrivingGuideView"_s, true},
        {13, 17, 0, u"alwaysDrivingGuideSubRadioGroup"_s, true},
        {19, 17, 0, u"alwaysDrivingGuideSubRadioGroup"_s, true},
        {11, 17, 0, u"alwaysDrivingGuideSubRadioGroup"_s, false},
        {10, 17, 0, u"alwaysDrivingGuideSubRadioGroup"_s, false},
        {3, 16, 0, u"alwaysLDWSView"_s, false},
        {4, 16, 0, u"alwaysFVDWView"_s, false},
        {4, 17, 0, u"alwaysFVDWView"_s, true},
        {9, 16, 0, u"alwaysVehicleTypeView"_s, true},
        {9, 16, 0, u"alwaysFCWSView"_s, true},
        {5, 16, 0, u"alwaysLDWSView"_s, true},
        {10, 17, 0, u"parkingSuperNightVisionView"_s, true},
        {5, 17, 0, u"parkingSuperNightVisionView"_s, false},
    };
    for (const Case &c : cases) {
        Opened opened(c.type, c.firmware,
                      [&c](QB62SettingManager &m) { m.setValue(Field::set_resolution, c.setResolution); });
        EXPECT_EQ(shownOnScreen(*opened.editor, c.view), c.shown)
            << c.view.toStdString() << " for model type " << c.type << ", firmware " << c.firmware
            << ", set_resolution " << c.setResolution;
    }
}

TEST(EditorLayoutFeaturesTest, CellTitlesAndCountsFollowTheLayout)
{
    const QString vga = u"VGA (640 x 480)"_s;
    const QString hd = u"HD (1280 x 720)"_s;
    const QString fhd = u"FHD (1920 x 1080)"_s;
    struct Case
    {
        qint64 type;
        QString control;
        QStringList titles;
    };
    const QList<Case> cases = {
        {0, u"alwaysRadioGroupFrontResolution"_s, {vga, hd}},
        {0, u"parkingFrontResolutionRadioGroup"_s, {vga, hd}},
        {0, u"alwaysRadioGroupFrameRate"_s, {u"고정 15fps"_s, u"고정 30fps"_s}},
        {0, u"parkingFrameRateRadioGroup"_s, {u"고정 15fps"_s, u"고정 30fps"_s}},
        {0, u"alwaysRadioGroupFrontQuality"_s, {u"낮음"_s, u"보통"_s, u"높음"_s}},
        {1, u"alwaysRadioGroupFrontResolution"_s, {vga, hd, fhd}},
        {1, u"parkingFrameRateRadioGroup"_s, {u"10fps"_s, u"15fps"_s, u"30fps"_s}},
        {2, u"alwaysRadioGroupFrontResolution"_s, {hd, fhd}},
        {2, u"parkingFrontResolutionRadioGroup"_s, {hd, fhd}},
        {2, u"alwaysRadioGroupFrameRate"_s, {u"20fps"_s, u"30fps"_s}},
        {2, u"parkingFrameRateRadioGroup"_s, {u"15fps"_s, u"30fps"_s}},
        {5, u"alwaysRadioGroupRearResolution"_s, {hd, fhd}},
        {8, u"alwaysRadioGroupFrontResolution"_s, {hd, fhd}},
        {13, u"alwaysRadioGroupRearResolution"_s, {hd, fhd}},
        {3, u"commonLCDOffTimerRadioGroup"_s, {u"QD34 : 30초 후"_s, u"QD34 : 10분 후"_s, u"사용 안함"_s}},
        {14, u"commonLCDOffTimerRadioGroup"_s, {u"QD34 : 30초 후"_s, u"QD34 : 10분 후"_s, u"사용 안함"_s}},
        {19, u"commonLCDOffTimerRadioGroup"_s, {u"QD34 : 30초 후"_s, u"QD34 : 10분 후"_s, u"사용 안함"_s}},
        {2, u"commonLCDOffTimerRadioGroup"_s, {u"2분 후"_s, u"5분 후"_s, u"10분 후"_s, u"사용 안함"_s}},
        {10, u"parkingModeRadioGroup"_s, {u"주차모션"_s, u"타임랩스"_s, u"사용 안함"_s}},
        {18, u"parkingModeRadioGroup"_s, {u"주차모션"_s, u"타임랩스"_s, u"사용 안함"_s}},
        {5, u"parkingModeRadioGroup"_s, {u"사용"_s, u"사용 안함"_s}},
    };
    for (const Case &c : cases) {
        Opened opened(c.type);
        EXPECT_EQ(opened.editor->control(c.control).titles, c.titles)
            << c.control.toStdString() << " for model type " << c.type;
        EXPECT_EQ(opened.editor->control(c.control).maximum, c.titles.size() - 1);
    }
}

TEST(EditorLayoutFeaturesTest, TheLaterLayoutsNarrowTheSlidersAndLabelThem)
{
    struct Range
    {
        QString slider;
        int minimum;
        int maximum;
        int ticks;
    };
    const QList<Range> later = {{u"commonVoiceMentSlider"_s, 0, 3, 4},
                                {u"alwaysShockSensitivitySlider"_s, 1, 5, 5},
                                {u"parkingShockSensitivitySlider"_s, 1, 5, 5},
                                {u"parkingMotionSlider"_s, 0, 3, 4},
                                {u"parkingTimeLimitSlider_36x"_s, 1, 4, 4}};
    for (const qint64 type : {3, 5, 8, 11}) {
        Opened opened(type);
        for (const Range &range : later) {
            const EditorControl &slider = opened.editor->control(range.slider);
            EXPECT_EQ((std::array{slider.minimum, slider.maximum, slider.tickCount}),
                      (std::array{range.minimum, range.maximum, range.ticks}))
                << range.slider.toStdString() << " for model type " << type;
        }
        const EditorControl &motion = opened.editor->control(u"parkingMotionSlider"_s);
        EXPECT_EQ(motion.descriptions, (QStringList{u"OFF"_s, u"1"_s, u"3"_s, u"5"_s}));
        const EditorControl &limit = opened.editor->control(u"parkingTimeLimitSlider_36x"_s);
        EXPECT_EQ(limit.guideLabels, (QStringList{u"6"_s, u"12"_s, u"24"_s, u"48"_s}));
        EXPECT_EQ(limit.descriptions, (QStringList{u"6"_s, u"12"_s, u"24"_s, u"48"_s}));
        const EditorControl &display = opened.editor->control(u"commonLCDBrighnessSlider"_s);
        const bool threePositions = type == 3 || type == 8;
        EXPECT_EQ(display.maximum, threePositions ? 2 : 10) << type;
        if (threePositions) {
            EXPECT_EQ(display.guideLabels, (QStringList{u"0"_s, u"1"_s, u"2"_s}));
        }
        EXPECT_EQ(opened.editor->control(u"alwaysFCWSSensitivitySlider"_s).guideLabels,
                  (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    }
    // The first layouts keep the sliders as laid out.
    for (const qint64 type : {0, 1, 2}) {
        Opened opened(type);
        EXPECT_EQ(opened.editor->control(u"commonVoiceMentSlider"_s).maximum, 6);
        EXPECT_EQ(opened.editor->control(u"alwaysShockSensitivitySlider"_s).maximum, 10);
        EXPECT_EQ(opened.editor->control(u"parkingTimeLimitSlider_36x"_s).maximum, 7);
        EXPECT_EQ(opened.editor->control(u"parkingTimeLimitSlider_36x"_s).guideLabels,
                  (QStringList{u"1"_s, u"2"_s, u"4"_s, u"6"_s, u"12"_s, u"24"_s, u"48"_s}));
    }
}

TEST(EditorLayoutFeaturesTest, SecurityLightDiffersInTheLaterLayouts)
{
    Opened qh49(8);
    QB62SettingEditor &editor = *qh49.editor;
    EXPECT_EQ(editor.control(u"etcSecurityLEDRadioGroup"_s).cellEnabled, (QList<bool>{false, true, false, true}));
    editor.touch(u"etcSecurityLEDRadioGroup"_s, 3);
    editor.touch(u"etcSecurityLEDRadioGroup"_s, 0);
    EXPECT_EQ(editor.value(u"etcSecurityLEDRadioGroup"_s), 3);

    Opened qd34(3);
    EXPECT_FALSE(qd34.editor->isSectionShown(u"etcSecurityLEDImageView1"_s));
    EXPECT_FALSE(qd34.editor->isSectionShown(u"etcSecurityLEDImageView2"_s));
    EXPECT_TRUE(qd34.editor->isSectionShown(u"etcSecurityLEDView"_s));
    Opened qe86(5);
    EXPECT_TRUE(qe86.editor->isSectionShown(u"etcSecurityLEDImageView1"_s));
    Opened qy7(12);
    EXPECT_FALSE(qy7.editor->isSectionShown(u"etcSecurityLEDView"_s));
}

// --- Records the editor cannot trust ---------------------------------------------------------------

namespace {
// The fields a layout is allowed to write: those its controls code, the name and the checksum.
std::set<int> writableFields(const EditorLayout &layout)
{
    std::set<int> fields = {Field::checksum, Field::product_name};
    for (const EditorLayout::FieldRule &rule : layout.rules) {
        fields.insert(rule.field);
    }
    return fields;
}

// Loads BYTES as the record of TYPE, saves without touching a control, and checks that only
// writable fields changed and the record kept its length.
void expectSaveWritesOnlyTheTable(qint64 type, const QByteArray &bytes,
                                  const std::function<void(QB62SettingEditor &)> &check = {})
{
    EditorTestCard card(type);
    card.write(Record, bytes);
    card.manager->loadData();
    QB62SettingEditor editor(card.manager);
    editor.loadView();
    if (check) {
        check(editor);
    }
    ASSERT_TRUE(editor.saveData());
    const QByteArray after = card.read(Record);
    ASSERT_EQ(after.size(), bytes.size());
    const std::set<int> writable = writableFields(*editor.layout());
    for (const SettingRecordLayout::FieldInfo &info : SettingRecordLayout::fields()) {
        const int offset = SettingRecordLayout::offsetOf(info.field);
        if (offset + info.width > bytes.size() || writable.count(info.field) != 0) {
            continue;
        }
        QByteArray kept = bytes.mid(offset, info.width);
        QByteArray written = after.mid(offset, info.width);
        if (info.type == SettingRecordLayout::FieldType::Text) {
            // A text ends at its first zero byte; the record's text coding owns what follows.
            kept.truncate(kept.indexOf('\0') < 0 ? kept.size() : kept.indexOf('\0'));
            written.truncate(kept.size());
        }
        EXPECT_EQ(written, kept) << info.name.toString().toStdString();
    }
}
} // namespace

TEST(EditorLayoutFeaturesTest, ARecordOfOnlyFFBytesShowsTheDocumentedStateAndSavesOnlyTheTable)
{
    for (const qint64 type : {0, 1, 2, 3, 5, 8, 9, 11}) {
        SCOPED_TRACE("model type " + std::to_string(type));
        EditorTestCard sizing(type);
        const QByteArray ff(sizing.read(Record).size(), char(0xFF));
        expectSaveWritesOnlyTheTable(type, ff, [type](QB62SettingEditor &editor) {
            // Every integer reads as -1: switches show "off", the parking mode its last row,
            // ranges leave their controls as laid out.
            EXPECT_EQ(editor.value(u"commonDSTRadioGroup"_s), 1);
            EXPECT_EQ(editor.value(u"parkingModeRadioGroup"_s), type == 9 ? 2 : 1);
            EXPECT_EQ(editor.value(u"etcOverwriteManualCheckBox"_s), 1);
            EXPECT_EQ(editor.value(u"etcOverwriteAlwaysCheckBox"_s), 1);
            EXPECT_EQ(editor.value(u"parkingBatteryOff12VSlider"_s), 0);
            EXPECT_EQ(editor.value(u"parkingShockSensitivitySlider"_s), 1);
            EXPECT_EQ(editor.value(u"etcMemoryPartitionRadioGroup"_s), 0);
            if (type >= 3) {
                EXPECT_EQ(editor.value(u"commonLCDOffTimerRadioGroup"_s), type == 5 ? 0 : 2);
                EXPECT_EQ(editor.value(u"parkingMotionSlider"_s), 2);
                EXPECT_FALSE(editor.control(u"parkingShockSensitivitySlider"_s).enabled);
            }
            if (type == 3) {
                EXPECT_EQ(editor.value(u"alwaysLDWSRadioGroup"_s), 0);
                EXPECT_TRUE(editor.control(u"alwaysLDWSSensitivitySlider"_s).enabled);
            }
        });
    }
}

TEST(EditorLayoutFeaturesTest, GarbageAndOtherModelsRecordsNeverCrashAndSaveOnlyTheTable)
{
    QRandomGenerator random(20240501);
    for (const qint64 type : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19}) {
        SCOPED_TRACE("model type " + std::to_string(type));
        EditorTestCard sizing(type);
        const qsizetype size = sizing.read(Record).size();
        for (int round = 0; round < 3; ++round) {
            QByteArray garbage(size, Qt::Uninitialized);
            for (char &byte : garbage) {
                byte = char(random.bounded(256));
            }
            expectSaveWritesOnlyTheTable(type, garbage, [](QB62SettingEditor &editor) {
                // Whatever was stored, every control holds a position it can show.
                for (const QString &name : editor.controlNames()) {
                    const EditorControl &control = editor.control(name);
                    if (control.kind == EditorControl::Kind::RadioGroup) {
                        EXPECT_TRUE(control.value >= 0 && control.value < control.cellCount()) << name.toStdString();
                    } else if (control.kind == EditorControl::Kind::Slider && name != u"parkingMotionSlider") {
                        EXPECT_TRUE(control.value >= control.minimum && control.value <= control.maximum)
                            << name.toStdString();
                    }
                }
            });
        }
        // The record of another model: as long, or cut to this model's length.
        for (const qint64 other : {1, 11, 13}) {
            EditorTestCard foreign(other);
            QByteArray bytes = foreign.read(Record);
            bytes.resize(size, '\0');
            expectSaveWritesOnlyTheTable(type, bytes);
        }
    }
}
