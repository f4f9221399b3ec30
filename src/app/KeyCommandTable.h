#pragma once

#include <QList>
#include <QString>
#include <Qt>

#include <optional>

// The main window's keyboard commands, as one table of rows that both the window and the keyboard
// shortcuts window read. Plain keys act on the player whatever has the focus; Control+Q and
// Control+W quit, Control+M minimises. The keys people bring from other video players (frame
// steps, previous/next recording, zoom, snapshot, mute, full screen, print) are rows of their own
// after those and never replace them.
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
        PreviousFile,   // playPrevFileButtonTouched
        NextFile,       // playNextFileButtonTouched
        ZoomIn,         // videoScaleUpButtonTouched
        ZoomOut,        // videoScaleDownButtonTouched
        ResetZoom,      // resetVideoScaleButtonTouched
        Snapshot,       // snapshotButtonTouched
        Mute,           // toggleMuteButtonTouched
        Print,          // printButtonTouched
        SpeedUp,        // playFaster
        SpeedDown,      // playSlower
        NormalSpeed,    // playAtNormalSpeed
        JumpBack,       // jumpBy -5 s
        JumpForward,    // jumpBy +5 s
        LongJumpBack,   // jumpBy -30 s
        LongJumpForward // jumpBy +30 s
    };

    // Which modifier keys a row accepts besides its key.
    enum class Modifiers
    {
        Any,             // the player keys: held modifiers do not matter
        ControlRequired, // Control must be held (Shift may be too)
        WithoutControl,  // neither Control, Alt nor Meta: Control+M minimises, M alone mutes
        ShiftRequired,   // Shift, and neither Control, Alt nor Meta
    };

    struct Row
    {
        Qt::Key key;
        Modifiers modifiers;
        Command command;

        // The key as the user types it: Control added where the row needs it.
        QKeyCombination combination() const;
    };

    // Every row, in the order the window tries them and the shortcuts window lists them.
    static const QList<Row> &rows();
    // The command for KEY with MODIFIERS (the first row that takes them, a row naming its
    // modifiers before one that takes any), or none for any other key.
    static std::optional<Command> commandForKey(int key, Qt::KeyboardModifiers modifiers);
    // The controller operation a command runs, by its name.
    static QString commandName(Command command);
    // What a command does, as the Korean source text the shortcuts window and tooltips look up.
    static QString commandTextKey(Command command);
    // The first key of COMMAND, the one a control's tooltip names; none for a command without a row.
    static std::optional<QKeyCombination> firstKeyFor(Command command);
    // How far a jump command moves play (negative: back); 0 for the other commands.
    static double jumpSeconds(Command command);
    // The main window button whose action the key stands for: the key presses that button, so it
    // does exactly what a click does and nothing while the button is disabled. Empty for the
    // commands the window runs itself.
    static QString buttonFor(Command command);
};
