#pragma once

#include "trips/CardTrips.h"
#include "trips/Trip.h"
#include "trips/TripRecording.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class MapController;
class MapWebView;
class QWebChannel;
class TripsJob;
class TripsMapBridge;
class TripsViewModel;
class TripsWindow;

// The Trips view: a window with every trip of a card on one map and in a list beside it. The
// trips are built on a worker thread (TripsJob, through the track cache) while the window shows
// the progress and a cancel button; selecting a trip fits the map to it; a click on a route or an
// event marker asks for the recording and second it stands for (playRequested); the playing
// recording's place is shown on the map when told (showPlaying). The map page is fenced as the
// recording map is (MapWebView) and reaches the program only through TripsMapBridge.
class TripsViewController : public QObject
{
    Q_OBJECT

public:
    // The window is a window of its own over PARENTWINDOW (closed with it).
    explicit TripsViewController(QWidget *parentWindow, QObject *parent = nullptr);
    ~TripsViewController() override;

    TripsWindow *window() const;
    TripsViewModel *model() const { return m_model; }
    TripsMapBridge *bridge() const { return m_bridge; }
    MapController *map() const { return m_map; }
    TripsJob *job() const { return m_job; }

    // Where tracks are cached; the user's cache folder unless set (empty: no cache).
    void setCacheFolder(const QString &folder) { m_cacheFolder = folder; }
    // Shows the window with the trips of ROOT, building them unless they are shown or being
    // built already.
    void open(const QString &root);
    // Builds the trips of the current folder again.
    void rebuild();
    // The folder the recording list follows changed (another card or folder, or the card gone:
    // ROOT empty). An open view builds for ROOT, dropping a build in flight; a closed one builds
    // nothing and forgets what it showed, so its next opening builds afresh.
    void followFolder(const QString &root);
    void cancel();
    QString root() const { return m_root; }

    void selectTrip(int row);
    // The map page's clicks (TripsMapBridge): on the route of the trip in ROW at (LAT, LNG), and
    // on its hard event EVENT.
    void routePointClicked(int row, double lat, double lng);
    void eventClicked(int row, int event);
    // The recording at PATH plays at SECONDS: its place is shown on the map when a trip holds it.
    void showPlaying(const QString &path, double seconds);
    void hidePlaying();
    void retranslate();

Q_SIGNALS:
    // A click asks for the recording at PATH to be played from SECONDS.
    void playRequested(const QString &path, double seconds);
    // A build's trips are in the list and sent to the map.
    void tripsShown();

private:
    void buildFinished(const QList<Trip> &trips, const QList<TripRecording> &recordings, const QVariant &prepared);
    void buildCancelled();
    void buildFailed();
    void showBuildProgress(qsizetype done, qsizetype total);
    void applySpeedUnit();
    // The map's web view and page, made and loaded on the first opening.
    void openMap();
    // Sends the whole picture (trips, selection, car) to a loaded page; used again after a reload.
    void redrawMap();
    void sendPosition(const QString &script);
    void updateStatus();

    enum class State
    {
        Empty,
        Building,
        Cancelled,
        // The card went away while its trips were read.
        Failed,
        Shown
    };

    QPointer<TripsWindow> m_window;
    TripsViewModel *m_model = nullptr;
    TripsJob *m_job = nullptr;
    TripsMapBridge *m_bridge = nullptr;
    QWebChannel *m_channel = nullptr;
    MapWebView *m_mapView = nullptr;
    MapController *m_map = nullptr;
    QString m_root;
    QString m_cacheFolder;
    State m_state = State::Empty;
    qsizetype m_done = 0;
    qsizetype m_total = 0;
    // The recordings the shown trips leave out.
    QList<CardTrips::Skipped> m_skipped;
    int m_selected = -1;
    // The map's drawing of the trips shown, as the worker made it; sent again when the page reloads.
    QString m_tripsScript;
    // The car's call last sent, so a tick that changes nothing sends nothing.
    QString m_positionScript;
};
