#pragma once

#include "trips/Trip.h"
#include "trips/TripRecording.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <optional>

// What the Trips view shows and what its clicks mean, without widgets: one row per trip (date,
// start and end, duration, distance, top speed, hard events), each trip's colour, the recording and
// second a click on a route point or an event marker plays, and where a playing recording is on
// the trips' map.
class TripsViewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn,
        StartColumn,
        EndColumn,
        DurationColumn,
        DistanceColumn,
        TopSpeedColumn,
        EventsColumn,
        ColumnCount
    };
    // The trip's colour as "#rrggbb" (every column).
    static constexpr int ColourRole = Qt::UserRole + 1;

    // A recording to play and the second to seek to.
    struct Play
    {
        QString path;
        double seconds = 0;
        bool operator==(const Play &) const = default;
    };
    // A place on the map and the trip (row) it belongs to.
    struct Place
    {
        int row = -1;
        TripRoute::Point point;
    };

    explicit TripsViewModel(QObject *parent = nullptr);

    void setTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings);
    // The same with the recordings' absolute paths made already (absolutePaths(RECORDINGS)), as the
    // trips' worker makes them: a large card's paths are not worked out on the window's thread.
    void setTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings, const QStringList &paths);
    static QStringList absolutePaths(const QList<TripRecording> &recordings);
    void clear();
    const QList<Trip> &trips() const { return m_trips; }
    const QList<TripRecording> &recordings() const { return m_recordings; }
    // 0 km/h and km, 1 mph and miles (Preferences::SpeedUnit).
    void setSpeedUnit(int unit);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The colour of the trip in ROW: neighbouring trips never share one, and the list repeats
    // only after kPalette trips.
    static QString colourOf(int row);
    static constexpr int kPalette = 10;

    // A click at POINT on the route of the trip in ROW: the moment that point was driven.
    std::optional<Play> routeMoment(int row, TripRoute::Point point) const;
    // A click on hard event EVENT of the trip in ROW: the moment of the jolt.
    std::optional<Play> eventMoment(int row, int event) const;
    // Where hard event EVENT of the trip in ROW happened: the jolt's fix, or the last one before it.
    std::optional<TripRoute::Point> eventPlace(int row, int event) const;
    static std::optional<TripRoute::Point> eventPlace(const Trip &trip, const QList<TripRecording> &recordings,
                                                      int event);
    // Where the recording at PATH (its front file, or the rear one of the same recording) is
    // SECONDS into it; none when no trip holds it or it has no fix yet.
    std::optional<Place> placeOf(const QString &path, double seconds) const;
    // The index of PATH's recording among recordings(), or -1.
    qsizetype recordingIndexOf(const QString &path) const;

    // The texts of the list, in the camera's clock.
    static QString durationText(qint64 seconds);
    static QString distanceText(double meters, int unit);
    static QString speedText(quint32 kmh, int unit);

private:
    QString text(const Trip &trip, int column) const;

    QList<Trip> m_trips;
    QList<TripRecording> m_recordings;
    // The recordings' absolute paths, asked at every tick of the player.
    QStringList m_paths;
    int m_unit = 0;
};
