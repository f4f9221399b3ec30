#include "settings/screens/QB62SettingViewController.h"

#include "ScreenTestSupport.h"
#include "ui_QB62SettingViewController.h"

#include "settings/editor/SettingTimeFile.h"
#include "settings/screens/SettingWindow.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "ui/BGColorView.h"
#include "ui/ImageButton.h"
#include "ui/RadioButton.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using screentest::waitFor;

namespace {
using Field = SettingRecordLayout::Field;

// A card of one model, read into the shared settings object as the Settings button does.
class QB62SettingViewControllerTest : public ::testing::Test
{
protected:
    void open(qint64 modelType, const std::function<void(QB62SettingManager &)> &change = {})
    {
        TestSettings::reset();
        recordBytes = screentest::writeCard(card.path(), modelType, 17, change);
        manager = std::make_shared<QB62SettingManager>();
        manager->setAlertPresenter(alerts);
        manager->setModelType(modelType);
        manager->setFirmwareVersionInt(17);
        manager->setSettingDirPath(card.path());
        manager->loadData();
        QB62SettingManager::ChagneQB62SettingManager(manager);
        screen = std::make_unique<QB62SettingViewController>();
        screen->view()->show();
    }

    void TearDown() override
    {
        screen.reset();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
    }

    void click(const QString &group, int cell)
    {
        RadioButton *button = screen->radioCells(group).value(cell);
        ASSERT_NE(button, nullptr) << group.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString path(const QString &relative) const { return QDir(card.path()).filePath(relative); }

    QTemporaryDir card;
    QByteArray recordBytes;
    std::shared_ptr<screentest::Alerts> alerts = std::make_shared<screentest::Alerts>();
    std::shared_ptr<QB62SettingManager> manager;
    std::unique_ptr<QB62SettingViewController> screen;
};
} // namespace

TEST_F(QB62SettingViewControllerTest, TabsSwitchTheContentAndSizeTheScrollView)
{
    open(3);
    const Ui::QB62SettingViewController &ui = screen->ui();
    EXPECT_EQ(screen->currentContentView(), ui.commonSettingView);
    EXPECT_EQ(ui.contentScrollView->widget(), ui.commonSettingView);
    EXPECT_EQ(ui.commonTabButton->imageName(), u"tab_center_3"_s);
    EXPECT_EQ(ui.parkingTabButton->imageName(), u"tab_center_1"_s);

    QTest::mouseClick(ui.etcTabButton, Qt::LeftButton);
    EXPECT_EQ(ui.contentScrollView->widget(), ui.etcSettingView);
    EXPECT_EQ(ui.etcTabButton->imageName(), u"tab_center_3"_s);
    EXPECT_EQ(ui.commonTabButton->imageName(), u"tab_center_1"_s);
    const QRect origin = screen->originContentViewFrame();
    if (ui.etcSettingView->height() < origin.height()) {
        // A short tab: the scroll view shrinks to it, its top edge where it was.
        EXPECT_EQ(ui.contentScrollView->height(), ui.etcSettingView->height() + 2);
        EXPECT_EQ(ui.contentScrollView->y(), origin.y());
        EXPECT_EQ(ui.contentScrollView->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    QTest::mouseClick(ui.commonTabButton, Qt::LeftButton);
    ASSERT_GT(ui.commonSettingView->height(), origin.height());
    EXPECT_EQ(ui.contentScrollView->geometry(), origin);
    EXPECT_EQ(ui.contentScrollView->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(ui.contentScrollView->verticalScrollBar()->value(), 0);
    // The etc tab view was kept, not deleted, when it left the scroll view.
    QTest::mouseClick(ui.etcTabButton, Qt::LeftButton);
    EXPECT_EQ(ui.contentScrollView->widget(), ui.etcSettingView);
}

TEST_F(QB62SettingViewControllerTest, TheClockExampleSetsThePickerAndUncheckingDeletesTheFile)
{
    QDir().mkpath(path(u"SETTING"_s));
    QFile clock(path(u"SETTING/time.dat"_s));
    ASSERT_TRUE(clock.open(QIODevice::WriteOnly));
    clock.write("2024,05,01,13,45,10,+0900");
    clock.close();
    open(2);
    const Ui::QB62SettingViewController &ui = screen->ui();
    EXPECT_TRUE(ui.commonDatePicker->isVisibleTo(screen->view()));
    EXPECT_TRUE(ui.commonDatePicker->isEnabled());
    EXPECT_EQ(ui.commonDatePicker->dateTime().toUTC(), QDateTime(QDate(2024, 5, 1), QTime(4, 45, 10), Qt::UTC));

    QTest::mouseClick(ui.commonTimeCheckBox, Qt::LeftButton);
    EXPECT_FALSE(ui.commonDatePicker->isEnabled());
    EXPECT_FALSE(ui.commonCurrentTimeButton->isEnabled());
    QTest::mouseClick(ui.okButton, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(path(u"SETTING/time.dat"_s)));
}

TEST_F(QB62SettingViewControllerTest, ParkingModeQuestionsAnsweredNoAndYes)
{
    open(3, [](QB62SettingManager &m) { m.setValue(Field::parking_mode_set, 1); });
    click(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(waitFor([this] { return screen->useParkingModeAlert() != nullptr; }));
    QMessageBox *alert = screen->useParkingModeAlert();
    EXPECT_TRUE(alert->text().isEmpty() == false);
    QTest::mouseClick(alert->findChild<QPushButton *>(u"noButton"_s), Qt::LeftButton);
    EXPECT_TRUE(screen->radioCells(u"parkingModeRadioGroup"_s).at(0)->isSelected());
    EXPECT_FALSE(screen->radioCells(u"parkingModeRadioGroup"_s).at(1)->isSelected());
    EXPECT_EQ(manager->value(Field::parking_mode_set), 1);
    EXPECT_TRUE(screen->ui().parkingBatteryOff12VSlider->isEnabled());

    ASSERT_TRUE(waitFor([this] { return screen->useParkingModeAlert() == nullptr; }));
    click(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(waitFor([this] { return screen->useParkingModeAlert() != nullptr; }));
    QTest::mouseClick(screen->useParkingModeAlert()->findChild<QPushButton *>(u"yesButton"_s), Qt::LeftButton);
    EXPECT_TRUE(screen->radioCells(u"parkingModeRadioGroup"_s).at(1)->isSelected());
    EXPECT_EQ(manager->value(Field::parking_mode_set), 0);
    EXPECT_FALSE(screen->ui().parkingBatteryOff12VSlider->isEnabled());
    EXPECT_FALSE(screen->ui().parkingShockSensitivitySlider->isEnabled());
}

TEST_F(QB62SettingViewControllerTest, ThePartitionExampleSizesTheBars)
{
    open(3);
    click(u"etcMemoryPartitionRadioGroup"_s, 1);
    const Ui::QB62SettingViewController &ui = screen->ui();
    EXPECT_EQ(ui.etcMemoryPartitionAlwaysTextField->text(), u"36.3%"_s);
    EXPECT_EQ(ui.etcMemoryPartitionManualTextField->text(), u"40.0%"_s);
    EXPECT_EQ(ui.etcMemoryPartitionAlwaysColorView->width(), int(36.3 * screen->originPartitionGraphWidth() / 100));
    EXPECT_DOUBLE_EQ(screen->originPartitionGraphWidth(), 300);
}

TEST_F(QB62SettingViewControllerTest, SpeedCaptionsFollowTheUnitWithoutMovingTheSelection)
{
    open(3, [](QB62SettingManager &m) {
        m.setValue(Field::measurement_unit, 1);
        m.setValue(Field::ldws_depart_speed, 3);
    });
    const auto captions = [this] {
        QStringList texts;
        for (QLabel *label :
             screen->view()->findChild<QWidget *>(u"alwaysLDWSSpeedRadioGroup"_s)->findChildren<QLabel *>()) {
            texts.append(label->text());
        }
        return texts;
    };
    EXPECT_EQ(captions(), (QStringList{u"30mph"_s, u"40mph"_s, u"50mph"_s, u"65mph"_s}));
    screen->editor().setValue(u"alwaysLDWSSpeedRadioGroup"_s, 3);
    click(u"commonSpeedUnitRadioGroup"_s, 0);
    EXPECT_EQ(captions(), (QStringList{u"50km"_s, u"60km"_s, u"80km"_s, u"100km"_s}));
    EXPECT_TRUE(screen->radioCells(u"alwaysLDWSSpeedRadioGroup"_s).at(3)->isSelected());
}

TEST_F(QB62SettingViewControllerTest, ResetShowsDefaultsAndKeepsTheFirmware)
{
    open(3, [](QB62SettingManager &m) { m.setValue(Field::partition_type, 3); });
    EXPECT_TRUE(screen->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(2)->isSelected());
    QTest::mouseClick(screen->ui().resetButton, Qt::LeftButton);
    EXPECT_TRUE(screen->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(0)->isSelected());
    EXPECT_EQ(screen->ui().etcMemoryPartitionAlwaysTextField->text(), u"60.6%"_s);

    QB62SettingManager defaults;
    defaults.setValue(Field::partition_type, 2);
    QFile file(path(u"SETTING/default.cfg"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(defaults.record().bytes(SettingRecordLayout::FieldCount));
    file.close();
    QTest::mouseClick(screen->ui().resetButton, Qt::LeftButton);
    EXPECT_TRUE(screen->radioCells(u"etcMemoryPartitionRadioGroup"_s).at(1)->isSelected());
    EXPECT_EQ(QB62SettingManager::SharedQB62SettingManager()->firmwareVersionInt(), 17);
    EXPECT_NE(QB62SettingManager::SharedQB62SettingManager(), manager);
    EXPECT_EQ(screentest::readFile(path(u"SETTING/setup.cfg"_s)), recordBytes) << "nothing written before OK";
}

TEST_F(QB62SettingViewControllerTest, EscapeInTheSettingWindowCancelsAndWritesNothing)
{
    open(1);
    click(u"alwaysRadioGroupFrontResolution"_s, 0);
    QWidget *view = screen->view();
    QTimer::singleShot(0, [view] {
        waitFor([view] { return view->window()->isVisible() && qobject_cast<SettingWindow *>(view->window()); });
        QTest::keyClick(view->window(), Qt::Key_Escape);
    });
    SettingWindow window;
    EXPECT_EQ(window.showModalWindow(nullptr, view, screen.get(), false), 0);
    EXPECT_EQ(screentest::readFile(path(u"SETTING/setup.cfg"_s)), recordBytes);

    QTimer::singleShot(0, [this, view] {
        waitFor([view] { return view->window()->isVisible(); });
        QTest::mouseClick(screen->ui().okButton, Qt::LeftButton);
    });
    SettingWindow again;
    EXPECT_EQ(again.showModalWindow(nullptr, view, screen.get(), false), 1);
    EXPECT_NE(screentest::readFile(path(u"SETTING/setup.cfg"_s)), recordBytes);
}

TEST_F(QB62SettingViewControllerTest, GuideLabelsShowOnlyForTheSliderUnderThePointer)
{
    open(1);
    const QList<QLabel *> labels = screen->guideLabels(u"parkingBatteryOff12VSlider"_s);
    ASSERT_EQ(labels.size(), 8);
    for (QLabel *label : labels) {
        EXPECT_TRUE(label->isHidden());
    }
    screen->ui().parkingBatteryOff12VSlider->setValue(5);
    Q_EMIT screen->ui().parkingBatteryOff12VSlider->sliderTouchedDown(screen->ui().parkingBatteryOff12VSlider);
    EXPECT_FALSE(labels.at(5)->isHidden());
    EXPECT_TRUE(labels.at(4)->isHidden());
    EXPECT_TRUE(screen->guideLabels(u"parkingBatteryOff24VSlider"_s).at(5)->isHidden());
    Q_EMIT screen->ui().parkingBatteryOff12VSlider->sliderTouchedUp(screen->ui().parkingBatteryOff12VSlider);
    EXPECT_TRUE(labels.at(5)->isHidden());
}
