// The QF27 settings screen drawn offscreen: what it shows of a card's file, what its controls
// write, and how its modal run ends.
#include "settings/ini/editor/KRVSettingViewController.h"

#include "core/VexoLanguages.h"
#include "demo/DemoCard.h"

#include "settings/ini/KRVSettingManager.h"
#include "settings/record/QB62SettingManager.h"
#include "support/CardFolder.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "support/WheelOverControls.h"
#include "ui/ImageButton.h"
#include "ui/MouseEventSlider.h"
#include "ui/RadioButton.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString File = u"SETTING/blackbox.cfg"_s;
const QByteArray Card = "[capacity]\r\nconst=35\r\nevent=17\r\nmanual=39\r\npark=4\r\n[blackbox]\r\nmodel=QF27\r\n"
                        "version=2.10\r\npark_mode=0\r\npower_off_vlt=11850\r\nlocal_time=9.500000\r\n"
                        "voice_out=1\r\nvoice_volume=2\r\nacc_level=3\r\n[time]\r\nset=0\r\n";

// The settings window as the main window runs it: a modal dialog holding the screen's view.
struct Screen
{
    explicit Screen(const std::shared_ptr<KRVSettingManager> &manager) : controller(manager)
    {
        auto *layout = new QVBoxLayout(&dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(controller.view());
        dialog.setWindowFlag(Qt::FramelessWindowHint);
    }

    RadioButton *cell(const QString &group, int index)
    {
        return controller.outlet<RadioButton>(group + u"Cell"_s + QString::number(index));
    }
    bool selected(const QString &group, int index) { return cell(group, index)->isSelected(); }

    QDialog dialog;
    KRVSettingViewController controller;
};

class KRVSettingViewControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        cardSettings->setSettingDirPath(card.path());
        cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
        manager->setCardSettings(cardSettings);
    }

    std::unique_ptr<Screen> open(const QByteArray &bytes)
    {
        card.write(File, bytes);
        manager->loadData();
        return std::make_unique<Screen>(manager);
    }

    CardFolder card;
    std::shared_ptr<QB62SettingManager> cardSettings = std::make_shared<QB62SettingManager>();
    std::shared_ptr<KRVSettingManager> manager = std::make_shared<KRVSettingManager>();
};
} // namespace

TEST_F(KRVSettingViewControllerTest, TheScreenShowsTheFileByTheReadingRules)
{
    auto screen = open(Card);
    KRVSettingViewController &c = screen->controller;
    EXPECT_TRUE(screen->selected(u"memoryPartitionRadioGroup"_s, 1));
    EXPECT_FALSE(screen->selected(u"memoryPartitionRadioGroup"_s, 0));
    EXPECT_EQ(c.outlet<QLabel>(u"manualValueTextField"_s)->text(), u"39%"_s);
    EXPECT_TRUE(screen->selected(u"parkingModeRadioGroup"_s, 1));
    EXPECT_TRUE(screen->selected(u"parkingModeVoltageRadioGroup"_s, 1));
    // Parking mode off: the voltage choice is greyed and keeps its choice when clicked.
    EXPECT_FALSE(screen->cell(u"parkingModeVoltageRadioGroup"_s, 3)->isRadioEnabled());
    QTest::mouseClick(screen->cell(u"parkingModeVoltageRadioGroup"_s, 3), Qt::LeftButton);
    EXPECT_EQ(manager->valueForKey(u"power_off_vlt="), u"11850"_s);
    EXPECT_EQ(c.outlet<QComboBox>(u"timeZoneComboBox"_s)->currentIndex(), 10);
    EXPECT_EQ(c.outlet<QComboBox>(u"timeZoneComboBox"_s)->count(), 12);
    EXPECT_EQ(c.outlet<MouseEventSlider>(u"voiceGuidanceSlider"_s)->value(), 3);
    EXPECT_EQ(c.outlet<QLabel>(u"firmwareValueTextField"_s)->text(), u"2.10"_s);
    EXPECT_EQ(c.outlet<QLabel>(u"titleTextField"_s)->text(),
              VexoLanguages::SharedVexoLanguages().localized(u"블랙박스 설정"_s));
    EXPECT_EQ(c.outlet<ImageButton>(u"okButton"_s)->text(), VexoLanguages::SharedVexoLanguages().localized(u"확인"_s));
    EXPECT_FALSE(c.outlet<QWidget>(u"dateTimeDatePicker"_s)->isEnabled());

    // The bars stand for percents of the continuous bar's laid-out width.
    const int full = c.outlet<QWidget>(u"continuousGraphView"_s)->width() * 100 / 35;
    EXPECT_NEAR(c.outlet<QWidget>(u"manualGraphView"_s)->width(), full * 39 / 100, 2);

    // Every section title ends 3 points after its text, its split line 10 points after it.
    for (const QString &section : {u"memoryPartition"_s, u"timeZone"_s, u"version"_s}) {
        auto *title = c.outlet<QLabel>(section + u"TitleTextField"_s);
        auto *line = c.outlet<QFrame>(section + u"SplitLine"_s);
        const int w = QFontMetrics(title->font()).horizontalAdvance(title->text());
        EXPECT_EQ(title->width(), w + 3);
        EXPECT_EQ(line->x(), title->x() + w + 10);
        EXPECT_EQ(line->x() + line->width(), 548 + title->x());
    }
}

TEST_F(KRVSettingViewControllerTest, ControlsWriteTheLinesAndOkWritesTheCard)
{
    auto screen = open(Card);
    KRVSettingViewController &c = screen->controller;
    QTest::mouseClick(screen->cell(u"parkingModeRadioGroup"_s, 0), Qt::LeftButton);
    EXPECT_TRUE(screen->cell(u"parkingModeVoltageRadioGroup"_s, 3)->isRadioEnabled());
    QTest::mouseClick(screen->cell(u"parkingModeVoltageRadioGroup"_s, 3), Qt::LeftButton);
    QTest::mouseClick(screen->cell(u"memoryPartitionRadioGroup"_s, 0), Qt::LeftButton);
    auto *zones = c.outlet<QComboBox>(u"timeZoneComboBox"_s);
    zones->setCurrentIndex(7);
    Q_EMIT zones->activated(7);

    // A slider moved from the keyboard while the pointer is elsewhere writes nothing; with the
    // pointer over it, it does. Positions between the camera's ones settle on the nearest.
    auto *impact = c.outlet<MouseEventSlider>(u"impactSensitivitySlider"_s);
    impact->setValue(4);
    EXPECT_EQ(manager->valueForKey(u"acc_level="), u"3"_s);
    auto *volume = c.outlet<MouseEventSlider>(u"voiceGuidanceSlider"_s);
    Q_EMIT volume->sliderTouchedDown(volume);
    volume->setValue(4);
    EXPECT_EQ(volume->value(), 5);
    Q_EMIT volume->sliderTouchedUp(volume);

    QSignalSpy ended(&c, &KRVSettingViewController::modalRunEnded);
    QTest::mouseClick(c.outlet<ImageButton>(u"okButton"_s), Qt::LeftButton);
    EXPECT_EQ(screen->dialog.result(), 1);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended.constFirst().constFirst().toInt(), 1);
    EXPECT_EQ(card.read(File),
              QByteArray("[capacity]\r\nconst=60\r\nevent=22\r\nmanual=9\r\npark=4\r\n[blackbox]\r\nmodel=QF27\r\n"
                         "version=2.10\r\npark_mode=1\r\npower_off_vlt=12200\r\nlocal_time=0.000000\r\n"
                         "voice_out=1\r\nvoice_volume=5\r\nacc_level=3\r\n[time]\r\nset=0\r\n"));
}

TEST_F(KRVSettingViewControllerTest, CancelEscapeAndResetWriteNothing)
{
    auto screen = open(Card);
    KRVSettingViewController &c = screen->controller;
    QTest::mouseClick(screen->cell(u"languageRadioGroup"_s, 1), Qt::LeftButton);
    QTest::mouseClick(c.outlet<ImageButton>(u"resetButton"_s), Qt::LeftButton);
    EXPECT_TRUE(screen->selected(u"parkingModeRadioGroup"_s, 0));
    EXPECT_EQ(c.outlet<QComboBox>(u"timeZoneComboBox"_s)->currentIndex(), 2);
    QTest::mouseClick(c.outlet<ImageButton>(u"cancelButton"_s), Qt::LeftButton);
    EXPECT_EQ(c.modalResult(), 0);
    EXPECT_EQ(card.read(File), Card);

    // Escape on the screen cancels (queued, as the skin's root view does it).
    auto escaped = open(Card);
    QTest::mouseClick(escaped->cell(u"languageRadioGroup"_s, 1), Qt::LeftButton);
    escaped->dialog.show();
    QTest::keyClick(escaped->controller.view(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return escaped->controller.modalResult() == 0; }, 5000));
    EXPECT_EQ(card.read(File), Card);
}

TEST_F(KRVSettingViewControllerTest, TheScrollViewFitsAShortContentView)
{
    auto screen = open(Card);
    KRVSettingViewController &c = screen->controller;
    auto *scroll = c.outlet<QScrollArea>(u"contentScrollView"_s);
    const QRect laidOut = scroll->geometry();
    EXPECT_EQ(c.currentContentView(), c.outlet<QWidget>(u"subSettingView"_s));
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    QWidget shortView;
    shortView.resize(580, 120);
    c.changeCurrentView(&shortView);
    EXPECT_EQ(scroll->geometry(), QRect(laidOut.x(), laidOut.y(), laidOut.width(), 122));
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    scroll->takeWidget();
}

// Needs ffmpeg, as every demo card does.
TEST(KRVSettingDemoCardTest, TheQF27DemoCardOpensInTheEditorAndOkWritesIt)
{
    TestSettings::reset();
    QTemporaryDir parent;
    const QString root = parent.filePath(u"card"_s);
    const DemoCard::Result made = DemoCard::generate(root, DemoCard::Camera::QF27);
    ASSERT_TRUE(made.ok) << made.error.toStdString();
    auto cardSettings = std::make_shared<QB62SettingManager>();
    cardSettings->recognizeCardAtPath(root);
    EXPECT_EQ(cardSettings->modelType(), KRVSettingManager::ModelTypeQF27);
    auto manager = std::make_shared<KRVSettingManager>();
    manager->setCardSettings(cardSettings);
    ASSERT_EQ(manager->loadData(), KRVSettingManager::LoadResult::Card);

    QFile file(QDir(root).filePath(File));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    Screen screen(manager);
    EXPECT_TRUE(screen.selected(u"memoryPartitionRadioGroup"_s, 0));
    EXPECT_EQ(screen.controller.outlet<QLabel>(u"continuousValueTextField"_s)->text(), u"50%"_s);
    EXPECT_TRUE(screen.selected(u"parkingModeVoltageRadioGroup"_s, 1));
    QTest::mouseClick(screen.controller.outlet<ImageButton>(u"okButton"_s), Qt::LeftButton);
    EXPECT_EQ(screen.controller.modalResult(), 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(KRVSettingViewControllerTest, TheWheelMovesNoControlWithoutTheFocus)
{
    auto screen = open(Card);
    screen->dialog.show();
    int reached = 0;
    const QStringList changed = wheeltest::controlsTheWheelChanged(screen->controller.view(), reached);
    EXPECT_TRUE(changed.isEmpty()) << changed.join(u", "_s).toStdString();
    EXPECT_GE(reached, 3);
    // Nothing the wheel did reaches the card.
    QTest::mouseClick(screen->controller.outlet<ImageButton>(u"okButton"_s), Qt::LeftButton);
    EXPECT_EQ(card.read(File), Card);
}
