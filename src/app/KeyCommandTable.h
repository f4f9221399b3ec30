#pragma once

#include <QString>
#include <Qt>

#include <optional>

// The main window's keyboard commands. Plain keys act on the player whatever has the focus;
// Control+Q and Control+W quit, Control+M minimises.
class KeyCommandTable
{
public:
    enum class Command
    {
        Rewind,         // rewindButtonTouched
        FastForward,    // fastForwardButtonTouched
        VolumeDown,     // volumeDown
        VolumeUp,       // volumeUp
        PlayPause,      // playPauseButtonTouched
        HideFullScreen, // hideFullScreenMovie
        FullScreen,     // fullscreenButtonTouched
        AppExit,        // appExitButtonTouched
        AppMinimize,    // appMinimizeButtonTouched
    };

    // The command for KEY with MODIFIERS, or none for any other key.
    static std::optional<Command> commandForKey(int key, Qt::KeyboardModifiers modifiers);
    // The controller operation a command runs, by its name.
    static QString commandName(Command command);
};
