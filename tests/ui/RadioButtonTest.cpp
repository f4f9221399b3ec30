#include "ui/RadioButton.h"

#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
class RadioButtonTest : public ::testing::Test
{
protected:
    RadioButton *make(qint32 group)
    {
        auto *button = new RadioButton(&panel);
        button->resize(18, 18);
        button->setRadioGroupID(group);
        return button;
    }
    QWidget panel;
};

TEST_F(RadioButtonTest, SelectingOneDeselectsOnlyItsOwnGroup)
{
    RadioButton *a = make(7001);
    RadioButton *b = make(7001);
    RadioButton *other = make(7002);
    other->setIsSelected(true);
    a->setIsSelected(true);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    EXPECT_TRUE(other->isSelected());
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(7001).size(), 2);
}

TEST_F(RadioButtonTest, ButtonsNeverGivenAGroupStandAlone)
{
    // The settings screens' check boxes are never grouped: checking one must not clear another.
    auto *first = new RadioButton(&panel);
    auto *second = new RadioButton(&panel);
    first->setIsSelected(true);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(first->isSelected());
    EXPECT_TRUE(second->isSelected());
    // A group chosen as 0 is a group like any other, and the ungrouped buttons are not in it.
    RadioButton *zeroA = make(0);
    RadioButton *zeroB = make(0);
    zeroA->setIsSelected(true);
    zeroB->setIsSelected(true);
    EXPECT_FALSE(zeroA->isSelected());
    EXPECT_TRUE(first->isSelected());
    EXPECT_TRUE(second->isSelected());
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(0), (RadioButton::Group{zeroA, zeroB}));
}

TEST_F(RadioButtonTest, ToggleModeDeselectsOnSecondClick)
{
    RadioButton *box = make(7003);
    box->setIsToggleMode(true);
    box->setIsCheckBoxMode(true);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isSelected());
    EXPECT_EQ(box->currentImageName(), u"check1"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isSelected());
    EXPECT_TRUE(box->currentImageName().isEmpty());
}

TEST_F(RadioButtonTest, DisabledButtonKeepsItsSelectionButStillReportsTheClick)
{
    RadioButton *radio = make(7004);
    QSignalSpy clicks(radio, &RadioButton::clicked);
    radio->setRadioEnabled(false);
    EXPECT_EQ(radio->currentImageName(), u"discheck2"_s);
    radio->setIsCheckBoxMode(true);
    EXPECT_EQ(radio->currentImageName(), u"pv_dst_check"_s);
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_FALSE(radio->isSelected());
    EXPECT_EQ(clicks.count(), 1);
    radio->setIsSelected(true);
    EXPECT_EQ(radio->currentImageName(), u"pv_dst_check"_s) << "disabled look whatever the selection";
}

TEST_F(RadioButtonTest, RegistryForgetsMovedAndDestroyedButtons)
{
    RadioButton *a = make(7005);
    {
        auto b = std::make_unique<RadioButton>();
        b->setRadioGroupID(7005);
        EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(7005).size(), 2);
    }
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(7005).size(), 1);
    a->setRadioGroupID(7006);
    EXPECT_TRUE(RadioButton::GetRadioButtonGroupFromGroupID(7005).isEmpty());
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(7006).size(), 1);
    EXPECT_TRUE(RadioButton::GetRadioButtonGroupDic().contains(u"7006"_s));
    RadioButton::RemoveRadioButtonGroupFromGroupID(7006);
    EXPECT_FALSE(RadioButton::GetRadioButtonGroupDic().contains(u"7006"_s));
    // A selection in a dropped group touches nobody else.
    a->setIsSelected(true);
    EXPECT_TRUE(a->isSelected());
}
} // namespace
