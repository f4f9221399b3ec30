#include "settings/screens/QB62SettingViewController.h"

#include "ScreenTestSupport.h"
#include "core/VexoLanguages.h"
#include "ui_QB62SettingViewController.h"

#include "settings/editor/SettingTimeFile.h"
#include "settings/screens/SettingWindow.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "support/WheelOverControls.h"
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

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using screentest::waitFor;

namespace {
using Field = SettingRecordLayout::Field;

// A card of one model, read into the shared settings object as the Settings button does.
class QB62SettingViewControllerTest : public ::testing::Test
{
protected:
    void open(qint64 modelType, const std::function<void(QB62SettingManager &)> &change = {}, int firmware = 17)
    {
        TestSettings::reset();
        recordBytes = screentest::writeCard(card.path(), modelType, firmware, change);
        manager = std::make_shared<QB62SettingManager>();
        manager->setAlertPresenter(alerts);
        manager->setModelType(modelType);
        manager->setFirmwareVersionInt(firmware);
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

    template <typename T = QWidget> T *widget(const QString &name) const
    {
        return screen->view()->findChild<T *>(name);
    }

    // The shown sections of TAB lie one under the other from its top, and the tab ends with the last.
    static void expectStackedWithoutGaps(QWidget *tab)
    {
        QList<QWidget *> sections;
        for (QWidget *section : tab->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!section->isHidden()) {
                sections.append(section);
            }
        }
        std::sort(sections.begin(), sections.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        int y = 0;
        for (QWidget *section : sections) {
            EXPECT_EQ(section->y(), y) << section->objectName().toStdString();
            y = section->y() + section->height();
        }
        EXPECT_EQ(tab->height(), y) << tab->objectName().toStdString();
    }

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

TEST_F(QB62SettingViewControllerTest, TheQA41ScreenHasNoRearGroupsAndTwoResolutions)
{
    open(0);
    for (const QString &name :
         {u"alwaysRadioGroupRearResolution"_s, u"alwaysRearResolutionLabel"_s, u"alwaysRadioGroupRearQuality"_s,
          u"alwaysRearQualityLabel"_s, u"parkingRearResolutionRadioGroup"_s, u"parkingRearResolutionLabel"_s}) {
        ASSERT_NE(widget(name), nullptr) << name.toStdString();
        EXPECT_TRUE(widget(name)->isHidden()) << name.toStdString();
    }
    EXPECT_FALSE(widget(u"alwaysFrontResolutionLabel"_s)->isHidden());
    ASSERT_EQ(screen->radioCells(u"alwaysRadioGroupFrontResolution"_s).size(), 2);
    ASSERT_EQ(screen->radioCells(u"alwaysRadioGroupFrameRate"_s).size(), 2);
    EXPECT_FALSE(screen->ui().commonVideoDateFormatView->isHidden());
}

TEST_F(QB62SettingViewControllerTest, OlderQD34FirmwareHidesTheAssistanceSectionsWithoutGaps)
{
    open(3, {}, 16);
    const Ui::QB62SettingViewController &ui = screen->ui();
    for (QWidget *section : {ui.alwaysVehicleTypeView, ui.alwaysLDWSView, ui.alwaysFCWSView, ui.alwaysFVDWView,
                             ui.alwaysResolutionView, ui.alwaysQualityView}) {
        EXPECT_TRUE(section->isHidden()) << section->objectName().toStdString();
    }
    EXPECT_FALSE(ui.alwaysWDRView->isHidden());
    EXPECT_FALSE(ui.commonRearBrightnessView->isHidden());
    for (QWidget *tab : {ui.commonSettingView, ui.alwaysSettingView, ui.parkingSettingView, ui.etcSettingView}) {
        expectStackedWithoutGaps(tab);
    }
    // The security-light pictures are left out; the section stays.
    EXPECT_TRUE(widget(u"etcSecurityLEDImageView1"_s)->isHidden());
    EXPECT_FALSE(ui.etcSecurityLEDView->isHidden());
}

TEST_F(QB62SettingViewControllerTest, TheQH49ScreenNarrowsSlidersAndRefusesTwoLightModes)
{
    open(8, [](QB62SettingManager &m) {
        m.setValue(Field::security_led_mode, 0);
        m.setValue(Field::parking_mode_set, 1);
    });
    const Ui::QB62SettingViewController &ui = screen->ui();
    EXPECT_EQ(ui.parkingMotionSlider->minimum(), 0);
    EXPECT_EQ(ui.parkingMotionSlider->maximum(), 3);
    EXPECT_EQ(ui.commonLCDBrighnessSlider->maximum(), 2);
    EXPECT_EQ(ui.parkingTimeLimitSlider_36x->maximum(), 4);
    QStringList descriptions;
    for (QLabel *label : screen->descriptionLabels(u"parkingMotionSlider"_s)) {
        EXPECT_FALSE(label->isHidden());
        descriptions.append(label->text());
    }
    EXPECT_EQ(descriptions, (QStringList{u"OFF"_s, u"1"_s, u"3"_s, u"5"_s}));
    EXPECT_EQ(screen->guideLabels(u"parkingTimeLimitSlider_36x"_s).at(3)->text(), u"48"_s);

    const QList<RadioButton *> light = screen->radioCells(u"etcSecurityLEDRadioGroup"_s);
    ASSERT_EQ(light.size(), 4);
    EXPECT_FALSE(light.at(0)->isRadioEnabled());
    EXPECT_TRUE(light.at(1)->isRadioEnabled());
    EXPECT_FALSE(light.at(2)->isRadioEnabled());
    EXPECT_TRUE(light.at(3)->isSelected());
    QTest::mouseClick(ui.etcTabButton, Qt::LeftButton);
    click(u"etcSecurityLEDRadioGroup"_s, 2);
    EXPECT_TRUE(light.at(3)->isSelected());
    EXPECT_EQ(screen->editor().value(u"etcSecurityLEDRadioGroup"_s), 3);
    click(u"etcSecurityLEDRadioGroup"_s, 1);
    EXPECT_EQ(screen->editor().value(u"etcSecurityLEDRadioGroup"_s), 1);
}

TEST_F(QB62SettingViewControllerTest, TheQY7ScreenDropsTheSecurityLightAndClosesTheGap)
{
    open(13);
    const Ui::QB62SettingViewController &ui = screen->ui();
    EXPECT_TRUE(ui.etcSecurityLEDView->isHidden());
    EXPECT_FALSE(ui.alwaysDrivingGuideSubRadioGroup->isHidden());
    expectStackedWithoutGaps(ui.etcSettingView);
    expectStackedWithoutGaps(ui.alwaysSettingView);
}

TEST_F(QB62SettingViewControllerTest, TheParkingQuestionIsTheBoxsTextWithNoBeforeYes)
{
    open(3, [](QB62SettingManager &m) { m.setValue(Field::parking_mode_set, 1); });
    click(u"parkingModeRadioGroup"_s, 1);
    ASSERT_TRUE(waitFor([this] { return screen->useParkingModeAlert() != nullptr; }));
    QMessageBox *alert = screen->useParkingModeAlert();
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    EXPECT_EQ(alert->text(), languages.localized(u"주차모드"_s));
    EXPECT_FALSE(alert->informativeText().isEmpty());
    EXPECT_NE(alert->windowTitle(), languages.localized(u"주차모드"_s));
    QList<QAbstractButton *> buttons = alert->buttons();
    ASSERT_EQ(buttons.size(), 2);
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    EXPECT_EQ(buttons.at(0)->text(), languages.localized(u"아니오"_s));
    EXPECT_EQ(buttons.at(1)->text(), languages.localized(u"예"_s));
    // Return answers "아니오": parking recording stays on.
    EXPECT_EQ(alert->defaultButton(), buttons.at(0));
    QTest::keyClick(alert, Qt::Key_Return);
    ASSERT_TRUE(waitFor([this] { return screen->useParkingModeAlert() == nullptr; }));
    EXPECT_EQ(manager->value(Field::parking_mode_set), 1);
    EXPECT_TRUE(screen->radioCells(u"parkingModeRadioGroup"_s).at(0)->isSelected());
}

TEST_F(QB62SettingViewControllerTest, EveryRadioCellShowsItsRingAndTheTitleStandsOut)
{
    open(3);
    const QStringList groups{u"commonAudioRecordRadioGroup"_s, u"parkingModeRadioGroup"_s,
                             u"etcMemoryPartitionRadioGroup"_s};
    for (const QString &group : groups) {
        const QList<RadioButton *> cells = screen->radioCells(group);
        ASSERT_FALSE(cells.isEmpty()) << group.toStdString();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            auto *ring = cells.at(i)->parentWidget()->findChild<QWidget *>(group + u"Ring"_s + QString::number(i));
            ASSERT_NE(ring, nullptr) << group.toStdString() << " cell " << i;
            EXPECT_EQ(ring->geometry(), cells.at(i)->geometry());
            EXPECT_FALSE(ring->isHidden());
            EXPECT_TRUE(ring->styleSheet().contains(u"border"_s));
        }
    }

    // The title's pale text on the screen's dark ground: a contrast of at least 4.5 to 1.
    screen->view()->resize(600, 640);
    const QImage shot = screen->view()->grab().toImage();
    const QRect title = screen->ui().titleTextField->geometry();
    const auto luminance = [](const QColor &color) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
    };
    const QColor ground = shot.pixelColor(title.right() - 2, title.bottom() - 1);
    // The text's colour: the pixel of the title that differs most from its ground.
    QColor text = ground;
    for (int y = title.top(); y <= title.bottom(); ++y) {
        for (int x = title.left(); x <= title.right(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            if (std::abs(luminance(pixel) - luminance(ground)) > std::abs(luminance(text) - luminance(ground))) {
                text = pixel;
            }
        }
    }
    const double lighter = std::max(luminance(ground), luminance(text));
    const double darker = std::min(luminance(ground), luminance(text));
    EXPECT_GE((lighter + 0.05) / (darker + 0.05), 4.5)
        << "title " << text.name().toStdString() << " on " << ground.name().toStdString();
}

TEST_F(QB62SettingViewControllerTest, TheWheelMovesNoControlWithoutTheFocusOnAnyLayoutOrTab)
{
    for (const qint64 type : {0, 1, 2, 3, 5, 7, 11}) {
        open(type);
        const Ui::QB62SettingViewController &ui = screen->ui();
        int reached = 0;
        QStringList changed;
        for (ImageButton *tab : {ui.commonTabButton, ui.alwaysTabButton, ui.parkingTabButton, ui.etcTabButton}) {
            QTest::mouseClick(tab, Qt::LeftButton);
            changed << wheeltest::controlsTheWheelChanged(screen->view(), reached);
        }
        EXPECT_TRUE(changed.isEmpty()) << "layout " << type << ": " << changed.join(u", "_s).toStdString();
        EXPECT_GT(reached, 5) << "layout " << type;
    }
}
