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
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Down, modifiers), Command::VolumeDown);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Up, modifiers), Command::VolumeUp);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Space, modifiers), Command::PlayPause);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Escape, modifiers), Command::HideFullScreen);
        EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Return, modifiers), Command::FullScreen);
    }
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Enter, {}), Command::FullScreen) << "the keypad's Enter too";
}

TEST(KeyCommandTableTest, ArrowsStepFramesAloneAndJumpWithShiftOrControl)
{
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Command command;
        double jump;
    };
    const Case cases[] = {
        {Qt::Key_Left, {}, Command::Rewind, 0.0},
        {Qt::Key_Right, Qt::KeypadModifier, Command::FastForward, 0.0},
        {Qt::Key_Left, Qt::AltModifier, Command::Rewind, 0.0},
        {Qt::Key_Left, Qt::ShiftModifier, Command::JumpBack, -5.0},
        {Qt::Key_Right, Qt::ShiftModifier, Command::JumpForward, 5.0},
        {Qt::Key_Left, Qt::ControlModifier, Command::LongJumpBack, -30.0},
        {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, Command::LongJumpForward, 30.0},
        {Qt::Key_BracketRight, {}, Command::SpeedUp, 0.0},
        {Qt::Key_BracketLeft, {}, Command::SpeedDown, 0.0},
        {Qt::Key_Backspace, {}, Command::NormalSpeed, 0.0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(KeyCommandTable::commandForKey(c.key, c.modifiers), c.command) << c.key << " " << c.modifiers;
        EXPECT_EQ(KeyCommandTable::jumpSeconds(c.command), c.jump) << c.key;
    }
}

TEST(KeyCommandTableTest, QuitAndMinimiseNeedControl)
{
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Q, Qt::ControlModifier), Command::AppExit);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_W, Qt::ControlModifier), Command::AppExit);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_M, Qt::ControlModifier), Command::AppMinimize);
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier), Command::AppExit);
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_Q, {}));
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_W, Qt::AltModifier));
    EXPECT_NE(KeyCommandTable::commandForKey(Qt::Key_M, {}), Command::AppMinimize) << "M alone mutes instead";
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_A, Qt::ControlModifier));
    EXPECT_EQ(KeyCommandTable::commandName(Command::AppExit), u"appExitButtonTouched"_s);
}

TEST(KeyCommandTableTest, VideoPlayerKeysAreAddedBesideTheOriginalOnes)
{
    const std::pair<Qt::Key, Command> plain[] = {
        {Qt::Key_Comma, Command::Rewind},
        {Qt::Key_Period, Command::FastForward},
        {Qt::Key_PageUp, Command::PreviousFile},
        {Qt::Key_PageDown, Command::NextFile},
        {Qt::Key_Plus, Command::ZoomIn},
        {Qt::Key_Minus, Command::ZoomOut},
        {Qt::Key_0, Command::ResetZoom},
        {Qt::Key_S, Command::Snapshot},
        {Qt::Key_M, Command::Mute},
        {Qt::Key_F, Command::FullScreen},
    };
    for (const auto &[key, command] : plain) {
        EXPECT_EQ(KeyCommandTable::commandForKey(key, {}), command) << key;
        // "+" needs Shift on many layouts; the keypad's keys carry their own modifier.
        EXPECT_EQ(KeyCommandTable::commandForKey(key, Qt::ShiftModifier), command) << key;
        EXPECT_EQ(KeyCommandTable::commandForKey(key, Qt::KeypadModifier), command) << key;
        EXPECT_FALSE(KeyCommandTable::commandForKey(key, Qt::AltModifier)) << key << ": Alt belongs to the menus";
    }
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_P, Qt::ControlModifier), Command::Print);
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_P, {})) << "P alone does nothing";
    // The original rows win where a key is in both: Control+M still minimises, Control+S is nothing.
    EXPECT_EQ(KeyCommandTable::commandForKey(Qt::Key_M, Qt::ControlModifier), Command::AppMinimize);
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_S, Qt::ControlModifier));
    EXPECT_FALSE(KeyCommandTable::commandForKey(Qt::Key_F, Qt::ControlModifier));
    EXPECT_EQ(KeyCommandTable::commandName(Command::Mute), u"toggleMuteButtonTouched"_s);
}

TEST(KeyCommandTableTest, EveryRowIsReachableAndNamesItsKeyOnce)
{
    // A row hidden behind an earlier one would be listed in the shortcuts window yet never act.
    QList<QKeyCombination> seen;
    for (const KeyCommandTable::Row &row : KeyCommandTable::rows()) {
        const QKeyCombination combination = row.combination();
        EXPECT_FALSE(seen.contains(combination)) << row.key;
        seen.append(combination);
        EXPECT_EQ(KeyCommandTable::commandForKey(row.key, combination.keyboardModifiers()), row.command) << row.key;
        EXPECT_FALSE(KeyCommandTable::commandName(row.command).isEmpty());
        EXPECT_FALSE(KeyCommandTable::commandTextKey(row.command).isEmpty());
    }
    EXPECT_EQ(KeyCommandTable::firstKeyFor(Command::Rewind), QKeyCombination(Qt::Key_Left)) << "the arrow, then ','";
    EXPECT_EQ(KeyCommandTable::firstKeyFor(Command::Print), QKeyCombination(Qt::ControlModifier, Qt::Key_P));
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
