#pragma once

#include <QObject>
#include <QString>

#include <optional>

class MainWindowController;
class PlaybackController;
class QAction;
class TripsViewController;

// The main window's side of the Trips view: the menu item that opens it on the listed folder (an
// open view follows that folder as cards come and go), a click on the trips' map played as a double-click on the list
// plays (front and rear) followed by a seek to the clicked moment, and the playing recording's place passed to the
// trips' map.
class TripsController : public QObject
{
    Q_OBJECT

public:
    TripsController(MainWindowController *window, PlaybackController *playback, QObject *parent = nullptr);
    ~TripsController() override;

    QAction *action() const { return m_action; }
    TripsViewController *view() const { return m_view; }

    // The menu item: the Trips window on the folder the list shows.
    void open();
    // Plays the recording at PATH from SECONDS: through its row of the list when it is listed,
    // as a double-click does, otherwise straight into the players.
    void play(const QString &path, double seconds);
    // The seek still waiting for the players to start, if any.
    std::optional<double> pendingSeek() const { return m_pendingSeek; }
    void retranslate();

private:
    void playbackStarted();
    void ticked();

    MainWindowController *m_window;
    PlaybackController *m_playback;
    TripsViewController *m_view = nullptr;
    QAction *m_action = nullptr;
    // The seek waits for the recording it was asked with: one that did not start leaves it to no
    // other recording.
    std::optional<double> m_pendingSeek;
    QString m_pendingPath;
};
