#include "app/KeyCommandTable.h"

#include "app/MainWindowLayout.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;
using Command = KeyCommandTable::Command;

namespace {
TEST(KeyCommandTableTest, PlayerKeysWorkWithAnyModifier)
{
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                            Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Left, modifiers), Command::Rewind);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Right, modifiers), Command::FastForward);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Down, modifiers), Command::VolumeDown);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Up, modifiers), Command::VolumeUp);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Space, modifiers), Command::PlayPause);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Escape, modifiers), Command::HideFullScreen);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Return, modifiers), Command::FullScreen);
    }
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Enter, {}), Command::FullScreen) << "the keypad's Enter too";
}

TEST(KeyCommandTableTest, QuitAndMinimiseNeedControl)
{
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Q, Qt::ControlModifier), Command::AppExit);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_W, Qt::ControlModifier), Command::AppExit);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_M, Qt::ControlModifier), Command::AppMinimize);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier), Command::AppExit);
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_Q, {}));
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_W, Qt::AltModifier));
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_M, {}));
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_A, Qt::ControlModifier));
    EXPECT_EQ(KeyCommandTable::commandName(Command::AppExit), u"appExitButtonTouched"_s);
}

TEST(MainWindowLayoutTest, GroupsStayCentredOnWideWindows)
{
    const auto design = MainWindowLayout::groupPositions(1024);
    EXPECT_EQ(design.toolbarBg3, 25);
    EXPECT_EQ(design.dashBg3, 18);
    EXPECT_EQ(design.toolbarButtons, 10);
    EXPECT_EQ(design.dashboardCtrls, 43);
    EXPECT_EQ(MainWindowLayout::groupPositions(1225).toolbarBg3, 25 + 100) << "half of 201, toward zero";
    EXPECT_EQ(MainWindowLayout::groupPositions(1023).toolbarBg3, 25) << "-0.5 truncates to 0";
    EXPECT_EQ(MainWindowLayout::groupPositions(1020).toolbarBg3, 25 - 2);
}

TEST(MainWindowLayoutTest, PlayTimeShowsWholeMinutesAndSeconds)
{
    EXPECT_EQ(MainWindowLayout::playTimeText(0, 0), u"00:00/00:00"_s);
    EXPECT_EQ(MainWindowLayout::playTimeText(125.9, 3600.0), u"02:05/60:00"_s) << "minutes are not capped at 59";
    EXPECT_EQ(MainWindowLayout::playTimeText(59.999, 60.0), u"00:59/01:00"_s);
    EXPECT_EQ(MainWindowLayout::playTimeText(std::nan(""), -3.0), u"00:00/00:00"_s) << "no movie, no nonsense";
}
} // namespace
