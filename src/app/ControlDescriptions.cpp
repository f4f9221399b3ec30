#include "ControlDescriptions.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using Command = KeyCommandTable::Command;

namespace {
ControlDescriptions::Description commandRow(const QString &objectName, Command command)
{
    return {objectName, KeyCommandTable::commandTextKey(command), command, false};
}

ControlDescriptions::Description textRow(const QString &objectName, const QString &textKey)
{
    return {objectName, textKey, std::nullopt, false};
}

ControlDescriptions::Description unavailableRow(const QString &objectName, const QString &textKey)
{
    return {objectName, textKey, std::nullopt, true};
}
} // namespace

const QList<ControlDescriptions::Description> &ControlDescriptions::mainWindow()
{
    static const QList<Description> table = {
        commandRow(u"playPauseButton"_s, Command::PlayPause),
        textRow(u"stopButton"_s, u"정지"_s),
        commandRow(u"rewindButton"_s, Command::Rewind),
        commandRow(u"fastForwardButton"_s, Command::FastForward),
        commandRow(u"prevFileButton"_s, Command::PreviousFile),
        commandRow(u"nextFileButton"_s, Command::NextFile),
        commandRow(u"zoomInButton"_s, Command::ZoomIn),
        commandRow(u"zoomOutButton"_s, Command::ZoomOut),
        commandRow(u"resetScaleButton"_s, Command::ResetZoom),
        // This one turns pan mode on and off; full screen has its own keys.
        textRow(u"fullScreenButton"_s, u"확대한 화면 이동"_s),
        textRow(u"flipButton"_s, u"상하 반전"_s),
        textRow(u"switchVideoButton"_s, u"전방/후방 화면 바꾸기"_s),
        commandRow(u"muteButton"_s, Command::Mute),
        commandRow(u"snapShotButton"_s, Command::Snapshot),
        commandRow(u"printButton"_s, Command::Print),
        textRow(u"settingsButton"_s, u"블랙박스 설정"_s),
        textRow(u"seekTimeSldierView"_s, u"재생 위치"_s),
        textRow(u"volumeSliderView"_s, u"음량"_s),
        textRow(u"selectFolderButton"_s, u"폴더 선택"_s),
        textRow(u"selectFolderButton_OEM"_s, u"폴더 선택"_s),
        textRow(u"saveFileButton"_s, u"영상 사본 저장"_s),
        textRow(u"removeFileButton"_s, u"영상 삭제"_s),
        textRow(u"fileListRemoveButton_OEM"_s, u"영상 삭제"_s),
        // The instruments' readouts: what each figure is and in which unit.
        textRow(u"gxTextField"_s, u"가속도 X축 (g, 1 g = 9.8 m/s²)"_s),
        textRow(u"gyTextField"_s, u"가속도 Y축 (g, 1 g = 9.8 m/s²)"_s),
        textRow(u"gzTextField"_s, u"가속도 Z축 (g, 1 g = 9.8 m/s²)"_s),
        textRow(u"latTextField"_s, u"위도 (도, 북쪽이 양수)"_s),
        textRow(u"lngTextField"_s, u"경도 (도, 동쪽이 양수)"_s),
        commandRow(u"minimizeButton"_s, Command::AppMinimize),
        commandRow(u"closeButton"_s, Command::AppExit),
        // The floating strip over a full-screen picture.
        commandRow(u"fullScreenPlayPauseButton"_s, Command::PlayPause),
        commandRow(u"fullScreenPrevFrameButton"_s, Command::Rewind),
        commandRow(u"fullScreenNextFrameButton"_s, Command::FastForward),
        // Services of the cameras' maker that this program does not reach.
        unavailableRow(u"cloudUpButton"_s, u"클라우드에 올리기"_s),
        unavailableRow(u"cloudDownButton"_s, u"클라우드에서 내려받기"_s),
        unavailableRow(u"goHomepageButton"_s, u"홈페이지"_s),
    };
    return table;
}

std::optional<ControlDescriptions::Description> ControlDescriptions::find(const QString &objectName)
{
    const QList<Description> &table = mainWindow();
    const auto found = std::find_if(table.cbegin(), table.cend(),
                                    [&objectName](const Description &row) { return row.objectName == objectName; });
    if (found == table.cend()) {
        return std::nullopt;
    }
    return *found;
}

QString ControlDescriptions::unavailableTextKey()
{
    return u"이 컴퓨터에서는 사용할 수 없습니다"_s;
}

QString ControlDescriptions::toolTip(const QString &name, const QString &keyOrNote)
{
    return keyOrNote.isEmpty() ? name : u"%1 (%2)"_s.arg(name, keyOrNote);
}
