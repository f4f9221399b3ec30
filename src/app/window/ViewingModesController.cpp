#include "ViewingModesController.h"

#include "FullScreenMovieWindow.h"
#include "MainWindow.h"
#include "MainWindowController.h"
#include "PlaybackController.h"
#include "ui_MainWindow.h"

#include "export/Utils.h"
#include "map/MapWebView.h"
#include "playback/VexoAVView.h"
#include "playback/VolumeSliderView.h"
#include "ui/ImageButton.h"

#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
// How long the control strip takes to fade in or out.
constexpr int StripFadeMs = 250;
constexpr Qt::WindowFlags StripFlags = Qt::Tool | Qt::FramelessWindowHint;
} // namespace

ViewingModesController::ViewingModesController(MainWindowController *window, const Ui::MainWindow &ui,
                                               VexoAVView *bigMovieView, PlaybackController *playback, QObject *parent)
    : QObject(parent), m_window(window), m_ui(ui), m_bigMovieView(bigMovieView), m_playback(playback)
{
    m_fullScreenWindow = new FullScreenMovieWindow(window->mainWindow());
    connect(m_fullScreenWindow, &FullScreenMovieWindow::pointerMoved, this, &ViewingModesController::pointerMoved);

    connect(m_ui.flipButton, &ImageButton::clicked, this, &ViewingModesController::videoRotateButtonTouched);
    connect(m_ui.zoomInButton, &ImageButton::clicked, this, &ViewingModesController::videoScaleUpButtonTouched);
    connect(m_ui.zoomOutButton, &ImageButton::clicked, this, &ViewingModesController::videoScaleDownButtonTouched);
    connect(m_ui.resetScaleButton, &ImageButton::clicked, this, &ViewingModesController::resetVideoScaleButtonTouched);
    // The button between zoom and mirror switches pan mode; full screen is Return or a right click.
    connect(m_ui.fullScreenButton, &ImageButton::clicked, this, &ViewingModesController::enterScrollMode);
    for (VexoAVView *player : {bigMovieView, m_ui.smallMovieView}) {
        connect(player, &VexoAVView::vexoAVViewDidRequestFullscreen, this,
                &ViewingModesController::vexoAVViewDidRequestFullscreen);
    }
    // The strip's buttons never take the focus: Space and Return stay the window's commands.
    if (QWidget *strip = m_window->fullscreenMovieControlWindow()) {
        for (QWidget *child : strip->findChildren<QWidget *>()) {
            child->setFocusPolicy(Qt::NoFocus);
        }
        m_stripFade = new QPropertyAnimation(strip, "windowOpacity", this);
        m_stripFade->setDuration(StripFadeMs);
        connect(m_stripFade, &QPropertyAnimation::finished, this, [this] {
            if (m_stripFade->endValue().toDouble() == 0.0) {
                detachControlStrip();
            }
        });
    }
    applyScrollModeButton();
    applyVideoScale(m_modes.videoScale());
}

ViewingModesController::~ViewingModesController() = default;

VexoAVView *ViewingModesController::playerView(ViewingModes::Player player) const
{
    switch (player) {
    case ViewingModes::Player::Large:
        return m_bigMovieView;
    case ViewingModes::Player::Small:
        return m_ui.smallMovieView;
    case ViewingModes::Player::None:
        break;
    }
    return nullptr;
}

ViewingModes::Player ViewingModesController::playerOf(const QObject *object) const
{
    if (object != nullptr && object == m_ui.smallMovieView) {
        return ViewingModes::Player::Small;
    }
    if (object != nullptr && object == m_bigMovieView) {
        return ViewingModes::Player::Large;
    }
    return ViewingModes::Player::None;
}

VexoAVView *ViewingModesController::fullScreenMovieView() const
{
    return playerView(m_modes.fullScreenMovieView());
}

void ViewingModesController::videoRotateButtonTouched()
{
    const bool mirrored = !m_bigMovieView->upsideDown();
    m_bigMovieView->setUpsideDown(mirrored);
    m_ui.smallMovieView->setUpsideDown(mirrored);
}

void ViewingModesController::videoScaleUpButtonTouched()
{
    changeVideoScale(m_modes.videoScaleUp());
}

void ViewingModesController::videoScaleDownButtonTouched()
{
    changeVideoScale(m_modes.videoScaleDown());
}

void ViewingModesController::resetVideoScaleButtonTouched()
{
    changeVideoScale(m_modes.resetVideoScale());
}

void ViewingModesController::enterScrollMode()
{
    m_modes.enterScrollMode();
    applyScrollModeButton();
    changeVideoScale(m_modes.videoScale());
}

void ViewingModesController::applyScrollModeButton()
{
    ImageButton *button = m_ui.fullScreenButton;
    button->setImage(m_modes.scrollModeImageName());
    button->setAllowAutoMouseEventImage(m_modes.scrollModeButtonFollowsPointer());
}

void ViewingModesController::changeVideoScale(double scale)
{
    // After the current event, so a burst of clicks is applied in order and the button's own
    // redraw comes first.
    QMetaObject::invokeMethod(
        this,
        [this, scale] {
            if (m_modes.appliesVideoScale()) {
                applyVideoScale(scale);
            }
        },
        Qt::QueuedConnection);
}

void ViewingModesController::applyVideoScale(double scale)
{
    QScrollArea *scroll = m_ui.bigMovieViewScrollView;
    if (m_bigMovieView == nullptr || scroll->widget() != m_bigMovieView) {
        return;
    }
    const Qt::ScrollBarPolicy bars = ViewingModes::showsScrollBars(scale, m_modes.enableBigMovieViewScroll())
                                         ? Qt::ScrollBarAlwaysOn
                                         : Qt::ScrollBarAlwaysOff;
    scroll->setHorizontalScrollBarPolicy(bars);
    scroll->setVerticalScrollBarPolicy(bars);
    m_bigMovieView->resize(ViewingModes::documentSize(scroll->size(), scale));
    const QPoint centre = ViewingModes::centredScrollPosition(m_bigMovieView->size(), scroll->viewport()->size());
    scroll->horizontalScrollBar()->setValue(centre.x());
    scroll->verticalScrollBar()->setValue(centre.y());
    Q_EMIT videoScaleChanged(scale);
}

void ViewingModesController::prepareForRecording()
{
    if (m_modes.prepareForRecording()) {
        applyScrollModeButton();
        changeVideoScale(m_modes.videoScale());
    }
}

void ViewingModesController::fullscreenButtonTouched(QObject *sender)
{
    ViewingModes::Player shown = ViewingModes::Player::None;
    const ViewingModes::Player requestedBy =
        playerOf(sender) == ViewingModes::Player::Small ? ViewingModes::Player::Small : ViewingModes::Player::None;
    VexoAVView *candidate = playerView(requestedBy == ViewingModes::Player::Small ? ViewingModes::Player::Small
                                                                                  : ViewingModes::Player::Large);
    switch (m_modes.fullscreenRequest(requestedBy, candidate != nullptr && candidate->hasMovie(), &shown)) {
    case ViewingModes::FullScreenRequest::Leave:
        hideFullScreenMovie();
        break;
    case ViewingModes::FullScreenRequest::Enter:
        showFullScreenMovie(playerView(shown));
        break;
    case ViewingModes::FullScreenRequest::Ignore:
        break;
    }
}

void ViewingModesController::vexoAVViewDidRequestFullscreen(VexoAVView *view)
{
    fullscreenButtonTouched(view);
}

QScreen *ViewingModesController::screenOfMainWindow() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> frames;
    for (const QScreen *screen : screens) {
        frames.append(screen->geometry());
    }
    const qsizetype index = Utils::GetCurrentScreen(m_window->mainWindow()->frameGeometry(), frames);
    return index >= 0 ? screens.at(index) : QGuiApplication::primaryScreen();
}

void ViewingModesController::showFullScreenMovie(VexoAVView *view)
{
    const ViewingModes::Player player = playerOf(view);
    MapWebView *map = m_window->mapWebView();
    const auto entering = m_modes.showFullScreenMovie(player, map == nullptr || map->isHidden());
    if (!entering) {
        return;
    }
    if (map != nullptr) {
        map->hide();
    }

    // Borrow the player from its place.
    if (player == ViewingModes::Player::Large) {
        m_ui.bigMovieViewScrollView->takeWidget();
    } else {
        m_smallMovieViewGeometry = view->geometry();
    }
    m_fullScreenWindow->setMovieView(view);
    if (QScreen *screen = screenOfMainWindow()) {
        m_fullScreenWindow->setScreen(screen);
        m_fullScreenWindow->setGeometry(screen->geometry());
    }
    m_fullScreenWindow->showFullScreen();
    m_fullScreenWindow->raise();
    m_fullScreenWindow->activateWindow();
    showFullscreenMovieControlWindow();

    if (VexoAVView *paused = playerView(entering->paused)) {
        paused->pause();
    }
    if (entering->smallGetsVolume) {
        m_ui.smallMovieView->setVolume(m_ui.volumeSliderView->volume());
    }
    Q_EMIT fullScreenChanged(true);
}

void ViewingModesController::hideFullScreenMovie()
{
    if (!m_modes.isFullScreenMode()) {
        return;
    }
    VexoAVView *shown = fullScreenMovieView();
    // The strip goes at once, without its fade: the window it floats over goes now.
    if (m_stripFade != nullptr) {
        m_stripFade->stop();
    }
    detachControlStrip();
    const auto leaving = m_modes.hideFullScreenMovie();

    // Give the player back to its place.
    m_fullScreenWindow->takeMovieView();
    m_fullScreenWindow->hide();
    if (shown != nullptr) {
        if (leaving->restoreDocumentView) {
            m_ui.bigMovieViewScrollView->setWidget(shown);
        } else {
            shown->setParent(m_ui.smallMovieCoverImageView->parentWidget());
            shown->setGeometry(m_smallMovieViewGeometry);
            shown->stackUnder(m_ui.smallMovieCoverImageView);
        }
        shown->show();
    }
    m_window->setMapCovered(leaving->mapHidden);
    m_window->mainWindow()->activateWindow();

    // The other player was paused while this one was full screen: it catches up with it.
    VexoAVView *other = playerView(leaving->other);
    if (other != nullptr && shown != nullptr) {
        const auto catchUp =
            ViewingModes::catchUp(other->hasMovie(), m_playback->isVideoPaused(), shown->currentTime());
        if (catchUp) {
            if (catchUp->pauseFirst) {
                m_playback->pauseVideo();
            }
            other->seekExactly(catchUp->seekTo);
            if (catchUp->resume) {
                m_playback->playVideo();
            }
        }
    }
    m_ui.smallMovieView->setVolume(0.0f);
    changeVideoScale(m_modes.videoScale());
    Q_EMIT fullScreenChanged(false);
}

bool ViewingModesController::isControlStripShown() const
{
    QWidget *strip = m_window->fullscreenMovieControlWindow();
    return strip != nullptr && strip->parentWidget() == m_fullScreenWindow && strip->isVisible();
}

void ViewingModesController::showFullscreenMovieControlWindow()
{
    QWidget *strip = m_window->fullscreenMovieControlWindow();
    if (!m_modes.isFullScreenMode() || strip == nullptr || m_stripFade == nullptr) {
        return;
    }
    if (strip->parentWidget() == m_fullScreenWindow && m_stripFade->endValue().toDouble() != 0.0) {
        return; // already there (and not on its way out)
    }
    const QScreen *screen = m_fullScreenWindow->screen();
    const QRect screenFrame = screen != nullptr ? screen->geometry() : m_fullScreenWindow->geometry();
    m_stripFade->stop();
    if (strip->parentWidget() != m_fullScreenWindow) {
        strip->setWindowOpacity(0.0);
        // A tool window of the full-screen window stays above it.
        strip->setParent(m_fullScreenWindow, StripFlags);
    }
    strip->move(ViewingModes::controlStripOrigin(screenFrame, screenFrame, strip->size()));
    strip->show();
    strip->raise();
    fadeControlStrip(1.0);
}

void ViewingModesController::hideFullscreenMovieControlWindow()
{
    QWidget *strip = m_window->fullscreenMovieControlWindow();
    if (!m_modes.isFullScreenMode() || strip == nullptr || m_stripFade == nullptr ||
        strip->parentWidget() != m_fullScreenWindow) {
        return;
    }
    if (m_stripFade->state() == QAbstractAnimation::Running && m_stripFade->endValue().toDouble() == 0.0) {
        return; // already fading out
    }
    fadeControlStrip(0.0);
}

void ViewingModesController::fadeControlStrip(double opacity)
{
    m_stripFade->stop();
    m_stripFade->setStartValue(m_window->fullscreenMovieControlWindow()->windowOpacity());
    m_stripFade->setEndValue(opacity);
    m_stripFade->start();
}

void ViewingModesController::detachControlStrip()
{
    QWidget *strip = m_window->fullscreenMovieControlWindow();
    if (strip == nullptr) {
        return;
    }
    strip->hide();
    if (strip->parentWidget() != nullptr) {
        strip->setParent(nullptr, StripFlags);
    }
}

void ViewingModesController::pointerMoved(double y, double height)
{
    if (ViewingModes::wantsControlStrip(y, height)) {
        showFullscreenMovieControlWindow();
    } else {
        hideFullscreenMovieControlWindow();
    }
}
