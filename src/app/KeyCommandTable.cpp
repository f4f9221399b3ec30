#include "KeyCommandTable.h"

using namespace Qt::StringLiterals;

std::optional<KeyCommandTable::Command> KeyCommandTable::commandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left:
        return Command::Rewind;
    case Qt::Key_Right:
        return Command::FastForward;
    case Qt::Key_Down:
        return Command::VolumeDown;
    case Qt::Key_Up:
        return Command::VolumeUp;
    case Qt::Key_Space:
        return Command::PlayPause;
    case Qt::Key_Escape:
        return Command::HideFullScreen;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Command::FullScreen;
    default:
        break;
    }
    // Control stands in for the Command key of the cameras' other desktop tools.
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (key == Qt::Key_Q || key == Qt::Key_W) {
            return Command::AppExit;
        }
        if (key == Qt::Key_M) {
            return Command::AppMinimize;
        }
    }
    return std::nullopt;
}

QString KeyCommandTable::commandName(Command command)
{
    switch (command) {
    case Command::Rewind:
        return u"rewindButtonTouched"_s;
    case Command::FastForward:
        return u"fastForwardButtonTouched"_s;
    case Command::VolumeDown:
        return u"volumeDown"_s;
    case Command::VolumeUp:
        return u"volumeUp"_s;
    case Command::PlayPause:
        return u"playPauseButtonTouched"_s;
    case Command::HideFullScreen:
        return u"hideFullScreenMovie"_s;
    case Command::FullScreen:
        return u"fullscreenButtonTouched"_s;
    case Command::AppExit:
        return u"appExitButtonTouched"_s;
    case Command::AppMinimize:
        return u"appMinimizeButtonTouched"_s;
    }
    return {};
}
