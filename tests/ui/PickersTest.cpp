#include "support/QtPrinters.h"
#include "ui/BGColorView.h"
#include "ui/MonthDayHourMinStepperController.h"
#include "ui/RangeSelectViewController.h"
#include "ui/VexoTextField.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(PickersTest, RangeGaugeCentresAButtonOnEveryTick)
{
    RangeSelectViewController range;
    range.setRangeCount(5);
    range.setSelectedValue(0);
    QWidget *view = range.view();
    const QRect track = range.gaugeBGView()->geometry();
    ASSERT_EQ(track.width(), 200);

    const auto &buttons = range.rangeButtonList();
    ASSERT_EQ(buttons.size(), 5);
    const QList<int> offsets = {0, 25, 75, 125, 175};
    const QList<int> widths = {25, 50, 50, 50, 50};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons.at(i)->x() - track.x(), offsets.at(i)) << "step " << i;
        EXPECT_EQ(buttons.at(i)->width(), widths.at(i)) << "step " << i;
    }
    EXPECT_EQ(range.gaugeImageView()->width(), 0) << "step 0 shows an empty gauge";

    range.setSelectedValue(3);
    EXPECT_EQ(range.gaugeImageView()->width(), 150);
    EXPECT_EQ(range.valueTextField()->text(), u"3"_s);

    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    EXPECT_EQ(range.selectedValue(), 1);
    EXPECT_EQ(range.gaugeImageView()->width(), 50);
    EXPECT_EQ(range.gaugeImageView()->x(), track.x());
    EXPECT_EQ(range.gaugeBGView()->color(), QColor(Qt::white));
    EXPECT_NE(view, nullptr);
}

TEST(PickersTest, RangeGaugeWithFewerThanTwoStepsStaysUsable)
{
    RangeSelectViewController none;
    none.setRangeCount(0);
    none.view();
    EXPECT_TRUE(none.rangeButtonList().isEmpty());

    RangeSelectViewController one;
    one.setRangeCount(1);
    one.view();
    ASSERT_EQ(one.rangeButtonList().size(), 1);
    EXPECT_EQ(one.valueTextField()->text(), u"0"_s);
}

TEST(PickersTest, StepperEntryWorksOnTheSelectedField)
{
    MonthDayHourMinStepperController entry;
    entry.view();
    EXPECT_EQ(entry.monthTextField()->text(), u"01"_s);
    EXPECT_EQ(entry.dayTextField()->text(), u"01"_s);
    EXPECT_EQ(entry.hourTextField()->text(), u"00"_s);
    EXPECT_EQ(entry.minTextField()->text(), u"00"_s);
    EXPECT_EQ(entry.selectedTextField(), entry.monthTextField());
    EXPECT_EQ(entry.stepper()->maximum(), 12);

    entry.setDay(7);
    EXPECT_EQ(entry.dayTextField()->text(), u"07"_s);
    EXPECT_EQ(entry.day(), 7);
    QTest::mouseClick(entry.dayTextField(), Qt::LeftButton);
    EXPECT_EQ(entry.selectedTextField(), entry.dayTextField());
    EXPECT_EQ(entry.stepper()->minimum(), 1);
    EXPECT_EQ(entry.stepper()->maximum(), 31);
    EXPECT_EQ(entry.stepper()->value(), 7);

    entry.stepper()->stepUp();
    EXPECT_EQ(entry.dayTextField()->text(), u"08"_s);
    EXPECT_EQ(entry.dayTextField()->selectedText(), u"08"_s) << "the field the stepper moves stays marked";

    // The minute field is not taken by a click.
    QTest::mouseClick(entry.minTextField(), Qt::LeftButton);
    EXPECT_EQ(entry.selectedTextField(), entry.dayTextField());
}

TEST(PickersTest, DisablingTheStepperEntryDisablesAllItsControls)
{
    MonthDayHourMinStepperController entry;
    entry.view();
    entry.setEnabled(false);
    for (QWidget *control :
         {static_cast<QWidget *>(entry.monthTextField()), static_cast<QWidget *>(entry.dayTextField()),
          static_cast<QWidget *>(entry.hourTextField()), static_cast<QWidget *>(entry.minTextField()),
          static_cast<QWidget *>(entry.stepper())}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_FALSE(entry.enabled());
}
} // namespace
