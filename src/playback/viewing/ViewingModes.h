#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// The viewing modes of the main window's players: the zoom factor of the large player (1.0 to
// 5.0), pan mode (scroll bars over a zoomed picture) and full-screen mode of either player. It
// holds the state and makes the decisions; the widgets apply them.
class ViewingModes
{
public:
    static constexpr double MinimumVideoScale = 1.0;
    static constexpr double MaximumVideoScale = 5.0;
    // One zoom step: 0.2 as a float, widened (0.20000000298023224), so twenty steps from 1.0 land
    // a hair above 5.0 and are capped to exactly 5.0.
    static constexpr double VideoScaleStep = double(0.2f);

    enum class Player
    {
        None,
        Large,
        Small,
    };

    // Zoom and pan.
    double videoScale() const { return m_videoScale; }
    bool enableBigMovieViewScroll() const { return m_enableBigMovieViewScroll; }
    // Each returns the factor to apply next (changeVideoScale); the factor is kept even when the
    // change is not applied because a player is full screen.
    double videoScaleUp();
    double videoScaleDown();
    double resetVideoScale();
    // Turns pan mode on or off; returns the new state.
    bool enterScrollMode();
    // The pan-mode button's picture: "pan_2" while pan mode is on, "pan_1" while off; its hover
    // and pressed pictures follow the pointer only while off.
    QString scrollModeImageName() const;
    bool scrollModeButtonFollowsPointer() const { return !m_enableBigMovieViewScroll; }
    // Whether a zoom factor is applied to the large player now: never in full-screen mode.
    bool appliesVideoScale() const { return !m_isFullScreenMode; }
    // Scroll bars show exactly when the picture is zoomed in and pan mode is on.
    static bool showsScrollBars(double scale, bool panMode);
    bool showsScrollBars() const { return showsScrollBars(m_videoScale, m_enableBigMovieViewScroll); }
    // The large player's size inside a scroll view of FRAME at SCALE (rounded to whole pixels).
    static QSize documentSize(const QSize &frame, double scale);
    // The scroll position that puts the centre of DOCUMENT in the middle of VIEWPORT.
    static QPoint centredScrollPosition(const QSize &document, const QSize &viewport);

    // A recording is being prepared: outside full-screen mode zoom and pan go back to 1.0 and
    // off; in full-screen mode they stay. Returns whether they were reset.
    bool prepareForRecording();

    // Full screen.
    bool isFullScreenMode() const { return m_isFullScreenMode; }
    Player fullScreenMovieView() const { return m_fullScreenMovieView; }
    bool mapHiddenOnFullScreen() const { return m_mapHiddenOnFullScreen; }

    // What a full-screen request (button, Return, right click) does.
    enum class FullScreenRequest
    {
        Ignore, // nothing to show: the player has no movie
        Enter,
        Leave,
    };
    // REQUESTEDBY is the player clicked, or None for a button, a key or the window (the large
    // player). Outside full-screen mode, SHOWN receives the player to show.
    FullScreenRequest fullscreenRequest(Player requestedBy, bool hasMovie, Player *shown) const;

    struct Entering
    {
        Player shown = Player::None;
        Player paused = Player::None; // the other player, paused while the picture is full screen
        bool smallGetsVolume = false; // the small player is heard while it is the one shown
    };
    // Enters full-screen mode with PLAYER; MAPHIDDEN is whether the map was hidden then. None when
    // already in full-screen mode or PLAYER is none.
    std::optional<Entering> showFullScreenMovie(Player player, bool mapHidden);

    struct Leaving
    {
        Player shown = Player::None;      // goes back to its place
        Player other = Player::None;      // follows the shown player's time
        bool mapHidden = false;           // the map's hidden state to restore
        bool restoreDocumentView = false; // the large player goes back into the scroll view
    };
    // Leaves full-screen mode; none outside it (Escape then does nothing).
    std::optional<Leaving> hideFullScreenMovie();

    // How the other player catches up when full screen ends: it was paused for the time shown
    // full screen and is now moved to the shown player's time, and plays on only if it played.
    struct CatchUp
    {
        bool pauseFirst = false;
        double seekTo = 0.0;
        bool resume = false;
    };
    static std::optional<CatchUp> catchUp(bool otherHasMovie, bool wasPaused, double shownTime);

    // Where the floating control strip goes over a full-screen window on SCREEN: centred across,
    // an eighth of the screen height from the top less one and a half strip heights (the strip
    // sits in the top quarter, where the pointer calls it up), never above the screen.
    static QPoint controlStripOrigin(const QRect &screen, const QRect &window, const QSize &control);
    // Whether the pointer at height Y (from the top) of a full-screen picture of HEIGHT calls
    // the control strip up: only in its top quarter.
    static bool wantsControlStrip(double y, double height);

private:
    double m_videoScale = 1.0;
    bool m_enableBigMovieViewScroll = false;
    bool m_isFullScreenMode = false;
    Player m_fullScreenMovieView = Player::None;
    bool m_mapHiddenOnFullScreen = false;
};
