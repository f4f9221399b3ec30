#include "KeyCommandTable.h"

using namespace Qt::StringLiterals;

QKeyCombination KeyCommandTable::Row::combination() const
{
    switch (modifiers) {
    case Modifiers::ControlRequired:
        return QKeyCombination(Qt::ControlModifier, key);
    case Modifiers::ShiftRequired:
        return QKeyCombination(Qt::ShiftModifier, key);
    default:
        return QKeyCombination(key);
    }
}

const QList<KeyCommandTable::Row> &KeyCommandTable::rows()
{
    using enum Modifiers;
    static const QList<Row> table = {
        {Qt::Key_Left, Any, Command::Rewind},
        {Qt::Key_Right, Any, Command::FastForward},
        {Qt::Key_Down, Any, Command::VolumeDown},
        {Qt::Key_Up, Any, Command::VolumeUp},
        {Qt::Key_Space, Any, Command::PlayPause},
        {Qt::Key_Escape, Any, Command::HideFullScreen},
        {Qt::Key_Return, Any, Command::FullScreen},
        {Qt::Key_Enter, Any, Command::FullScreen}, // the keypad's
        // Control stands in for the Command key of the cameras' other desktop tools.
        {Qt::Key_Q, ControlRequired, Command::AppExit},
        {Qt::Key_W, ControlRequired, Command::AppExit},
        {Qt::Key_M, ControlRequired, Command::AppMinimize},
        // The habits of other video players.
        {Qt::Key_Comma, WithoutControl, Command::Rewind},
        {Qt::Key_Period, WithoutControl, Command::FastForward},
        {Qt::Key_PageUp, WithoutControl, Command::PreviousFile},
        {Qt::Key_PageDown, WithoutControl, Command::NextFile},
        {Qt::Key_Plus, WithoutControl, Command::ZoomIn},
        {Qt::Key_Minus, WithoutControl, Command::ZoomOut},
        {Qt::Key_0, WithoutControl, Command::ResetZoom},
        {Qt::Key_S, WithoutControl, Command::Snapshot},
        {Qt::Key_M, WithoutControl, Command::Mute},
        {Qt::Key_F, WithoutControl, Command::FullScreen},
        {Qt::Key_P, ControlRequired, Command::Print},
        {Qt::Key_BracketRight, WithoutControl, Command::SpeedUp},
        {Qt::Key_BracketLeft, WithoutControl, Command::SpeedDown},
        {Qt::Key_Backspace, WithoutControl, Command::NormalSpeed},
        // Held with an arrow, Shift and Control jump instead of stepping a frame.
        {Qt::Key_Left, ShiftRequired, Command::JumpBack},
        {Qt::Key_Right, ShiftRequired, Command::JumpForward},
        {Qt::Key_Left, ControlRequired, Command::LongJumpBack},
        {Qt::Key_Right, ControlRequired, Command::LongJumpForward},
    };
    return table;
}

std::optional<KeyCommandTable::Command> KeyCommandTable::commandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool chord = (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    std::optional<Command> anyModifiers;
    for (const Row &row : rows()) {
        if (row.key != key) {
            continue;
        }
        if (row.modifiers == Modifiers::Any) {
            anyModifiers = anyModifiers.value_or(row.command);
            continue;
        }
        const bool accepted = (row.modifiers == Modifiers::ControlRequired && control) ||
                              (row.modifiers == Modifiers::WithoutControl && !chord) ||
                              (row.modifiers == Modifiers::ShiftRequired && shift && !chord);
        if (accepted) {
            return row.command;
        }
    }
    return anyModifiers;
}

std::optional<QKeyCombination> KeyCommandTable::firstKeyFor(Command command)
{
    for (const Row &row : rows()) {
        if (row.command == command) {
            return row.combination();
        }
    }
    return std::nullopt;
}

double KeyCommandTable::jumpSeconds(Command command)
{
    switch (command) {
    case Command::JumpBack:
        return -5.0;
    case Command::JumpForward:
        return 5.0;
    case Command::LongJumpBack:
        return -30.0;
    case Command::LongJumpForward:
        return 30.0;
    default:
        return 0.0;
    }
}

QString KeyCommandTable::buttonFor(Command command)
{
    switch (command) {
    case Command::PreviousFile:
        return u"prevFileButton"_s;
    case Command::NextFile:
        return u"nextFileButton"_s;
    case Command::ZoomIn:
        return u"zoomInButton"_s;
    case Command::ZoomOut:
        return u"zoomOutButton"_s;
    case Command::ResetZoom:
        return u"resetScaleButton"_s;
    case Command::Snapshot:
        return u"snapShotButton"_s;
    case Command::Mute:
        return u"muteButton"_s;
    case Command::Print:
        return u"printButton"_s;
    default:
        return {};
    }
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
    case Command::PreviousFile:
        return u"playPrevFileButtonTouched"_s;
    case Command::NextFile:
        return u"playNextFileButtonTouched"_s;
    case Command::ZoomIn:
        return u"videoScaleUpButtonTouched"_s;
    case Command::ZoomOut:
        return u"videoScaleDownButtonTouched"_s;
    case Command::ResetZoom:
        return u"resetVideoScaleButtonTouched"_s;
    case Command::Snapshot:
        return u"snapshotButtonTouched"_s;
    case Command::Mute:
        return u"toggleMuteButtonTouched"_s;
    case Command::Print:
        return u"printButtonTouched"_s;
    case Command::SpeedUp:
        return u"playFaster"_s;
    case Command::SpeedDown:
        return u"playSlower"_s;
    case Command::NormalSpeed:
        return u"playAtNormalSpeed"_s;
    case Command::JumpBack:
    case Command::JumpForward:
    case Command::LongJumpBack:
    case Command::LongJumpForward:
        return u"jumpBy"_s;
    }
    return {};
}

QString KeyCommandTable::commandTextKey(Command command)
{
    switch (command) {
    case Command::Rewind:
        return u"한 프레임 뒤로"_s;
    case Command::FastForward:
        return u"한 프레임 앞으로"_s;
    case Command::VolumeDown:
        return u"음량 줄이기"_s;
    case Command::VolumeUp:
        return u"음량 키우기"_s;
    case Command::PlayPause:
        return u"재생 / 일시 정지"_s;
    case Command::HideFullScreen:
        return u"전체 화면 끝내기"_s;
    case Command::FullScreen:
        return u"전체 화면 켜기/끄기"_s;
    case Command::AppExit:
        return u"종료"_s;
    case Command::AppMinimize:
        return u"최소화"_s;
    case Command::PreviousFile:
        return u"이전 영상"_s;
    case Command::NextFile:
        return u"다음 영상"_s;
    case Command::ZoomIn:
        return u"확대"_s;
    case Command::ZoomOut:
        return u"축소"_s;
    case Command::ResetZoom:
        return u"원래 크기 1:1"_s;
    case Command::Snapshot:
        return u"스냅샷 저장"_s;
    case Command::Mute:
        return u"소리 끄기/켜기"_s;
    case Command::Print:
        return u"인쇄"_s;
    case Command::SpeedUp:
        return u"빠르게 재생"_s;
    case Command::SpeedDown:
        return u"느리게 재생"_s;
    case Command::NormalSpeed:
        return u"보통 속도로 재생"_s;
    case Command::JumpBack:
        return u"5초 뒤로"_s;
    case Command::JumpForward:
        return u"5초 앞으로"_s;
    case Command::LongJumpBack:
        return u"30초 뒤로"_s;
    case Command::LongJumpForward:
        return u"30초 앞으로"_s;
    }
    return {};
}
