#pragma once

#include "playback/viewing/ViewingModes.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class FullScreenMovieWindow;
class MainWindowController;
class PlaybackController;
class QPropertyAnimation;
class QScreen;
class QWidget;
class VexoAVView;
namespace Ui {
class MainWindow;
}

// Binds the viewing modes to the main window: the mirror of both players, zoom and pan of the
// large player inside its scroll view, and full screen of either player with the floating control
// strip. The state and its rules are ViewingModes'; this class only moves widgets.
class ViewingModesController : public QObject
{
    Q_OBJECT

public:
    ViewingModesController(MainWindowController *window, const Ui::MainWindow &ui, VexoAVView *bigMovieView,
                           PlaybackController *playback, QObject *parent = nullptr);
    ~ViewingModesController() override;

    const ViewingModes &modes() const { return m_modes; }
    FullScreenMovieWindow *fullScreenWindow() const { return m_fullScreenWindow; }
    VexoAVView *fullScreenMovieView() const;

    // Mirror of both pictures on and off.
    void videoRotateButtonTouched();
    void videoScaleUpButtonTouched();
    void videoScaleDownButtonTouched();
    void resetVideoScaleButtonTouched();
    // Pan mode on and off.
    void enterScrollMode();
    // Sizes the large player to the scroll view × SCALE, after the current event; nothing while a
    // player is full screen.
    void changeVideoScale(double scale);

    // Full screen on and off; SENDER is the small player for its own picture, anything else
    // (a button, a key, the window) means the large player.
    void fullscreenButtonTouched(QObject *sender);
    void showFullScreenMovie(VexoAVView *view);
    void hideFullScreenMovie();
    void showFullscreenMovieControlWindow();
    void hideFullscreenMovieControlWindow();
    void vexoAVViewDidRequestFullscreen(VexoAVView *view);
    bool isControlStripShown() const;

    // A recording is about to be prepared: zoom and pan go back outside full-screen mode.
    void prepareForRecording();

Q_SIGNALS:
    // A zoom factor was applied to the large player (after the event that asked for it).
    void videoScaleChanged(double scale);
    void fullScreenChanged(bool fullScreen);

private:
    VexoAVView *playerView(ViewingModes::Player player) const;
    ViewingModes::Player playerOf(const QObject *object) const;
    void applyScrollModeButton();
    void applyVideoScale(double scale);
    QScreen *screenOfMainWindow() const;
    void fadeControlStrip(double opacity);
    void detachControlStrip();
    void pointerMoved(double y, double height);

    MainWindowController *m_window;
    const Ui::MainWindow &m_ui;
    QPointer<VexoAVView> m_bigMovieView;
    PlaybackController *m_playback;
    ViewingModes m_modes;
    FullScreenMovieWindow *m_fullScreenWindow = nullptr; // owned by the main window
    QPropertyAnimation *m_stripFade = nullptr;
    QRect m_smallMovieViewGeometry;
};
