#include "ViewingModes.h"

#include <QtGlobal>

#include <cmath>

using namespace Qt::StringLiterals;

double ViewingModes::videoScaleUp()
{
    m_videoScale = qMin(m_videoScale + VideoScaleStep, MaximumVideoScale);
    return m_videoScale;
}

double ViewingModes::videoScaleDown()
{
    m_videoScale = qMax(m_videoScale - VideoScaleStep, MinimumVideoScale);
    return m_videoScale;
}

double ViewingModes::resetVideoScale()
{
    m_videoScale = MinimumVideoScale;
    return m_videoScale;
}

bool ViewingModes::enterScrollMode()
{
    m_enableBigMovieViewScroll = !m_enableBigMovieViewScroll;
    return m_enableBigMovieViewScroll;
}

QString ViewingModes::scrollModeImageName() const
{
    return m_enableBigMovieViewScroll ? u"pan_2"_s : u"pan_1"_s;
}

bool ViewingModes::showsScrollBars(double scale, bool panMode)
{
    return panMode && scale > MinimumVideoScale;
}

QSize ViewingModes::documentSize(const QSize &frame, double scale)
{
    if (!std::isfinite(scale) || scale < MinimumVideoScale) {
        scale = MinimumVideoScale;
    }
    scale = qMin(scale, MaximumVideoScale);
    return {int(std::lround(frame.width() * scale)), int(std::lround(frame.height() * scale))};
}

QPoint ViewingModes::centredScrollPosition(const QSize &document, const QSize &viewport)
{
    // Half the document less half the visible part; a document smaller than the view has nothing
    // to scroll.
    const auto centred = [](int documentLength, int viewLength) {
        return qMax(0, int(std::lround(documentLength / 2.0 - viewLength / 2.0)));
    };
    return {centred(document.width(), viewport.width()), centred(document.height(), viewport.height())};
}

bool ViewingModes::prepareForRecording()
{
    if (m_isFullScreenMode) {
        return false;
    }
    m_videoScale = MinimumVideoScale;
    m_enableBigMovieViewScroll = false;
    return true;
}

ViewingModes::FullScreenRequest ViewingModes::fullscreenRequest(Player requestedBy, bool hasMovie, Player *shown) const
{
    if (m_isFullScreenMode) {
        return FullScreenRequest::Leave;
    }
    const Player player = requestedBy == Player::Small ? Player::Small : Player::Large;
    if (shown != nullptr) {
        *shown = player;
    }
    return hasMovie ? FullScreenRequest::Enter : FullScreenRequest::Ignore;
}

std::optional<ViewingModes::Entering> ViewingModes::showFullScreenMovie(Player player, bool mapHidden)
{
    if (m_isFullScreenMode || player == Player::None) {
        return std::nullopt;
    }
    m_isFullScreenMode = true;
    m_fullScreenMovieView = player;
    m_mapHiddenOnFullScreen = mapHidden;
    Entering entering;
    entering.shown = player;
    entering.paused = player == Player::Large ? Player::Small : Player::Large;
    entering.smallGetsVolume = player == Player::Small;
    return entering;
}

std::optional<ViewingModes::Leaving> ViewingModes::hideFullScreenMovie()
{
    if (!m_isFullScreenMode) {
        return std::nullopt;
    }
    Leaving leaving;
    leaving.shown = m_fullScreenMovieView;
    leaving.other = m_fullScreenMovieView == Player::Large ? Player::Small : Player::Large;
    leaving.mapHidden = m_mapHiddenOnFullScreen;
    leaving.restoreDocumentView = m_fullScreenMovieView == Player::Large;
    m_isFullScreenMode = false;
    m_fullScreenMovieView = Player::None;
    return leaving;
}

std::optional<ViewingModes::CatchUp> ViewingModes::catchUp(bool otherHasMovie, bool wasPaused, double shownTime)
{
    if (!otherHasMovie) {
        return std::nullopt;
    }
    CatchUp catchUp;
    catchUp.pauseFirst = !wasPaused;
    catchUp.seekTo = std::isfinite(shownTime) && shownTime > 0.0 ? shownTime : 0.0;
    catchUp.resume = !wasPaused;
    return catchUp;
}

QPoint ViewingModes::controlStripOrigin(const QRect &screen, const QRect &window, const QSize &control)
{
    const int x = int(std::lround(screen.x() + screen.width() / 2.0 - control.width() / 2.0));
    const double fromTop = screen.height() * 0.125 - control.height() * 1.5;
    const int y = int(std::lround(window.y() + qMax(0.0, fromTop)));
    return {x, y};
}

bool ViewingModes::wantsControlStrip(double y, double height)
{
    return height > 0.0 && height - y > 0.75 * height;
}
