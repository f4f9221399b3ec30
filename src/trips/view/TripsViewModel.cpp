#include "TripsViewModel.h"

#include "core/PartnerName.h"
#include "core/VexoLanguages.h"
#include "trips/TripMoments.h"

#include <QFileInfo>

#include <array>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

// Distinct on the map's plain ground and on map tiles; none is the car's black or the events'
// yellow.
constexpr std::array<QLatin1StringView, TripsViewModel::kPalette> kColours{
    QLatin1StringView("#e53935"), QLatin1StringView("#1e88e5"), QLatin1StringView("#43a047"),
    QLatin1StringView("#8e24aa"), QLatin1StringView("#fb8c00"), QLatin1StringView("#00897b"),
    QLatin1StringView("#d81b60"), QLatin1StringView("#3949ab"), QLatin1StringView("#6d4c41"),
    QLatin1StringView("#7cb342")};

constexpr double kMetersPerMile = 1609.344;
constexpr int kMph = 1;

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

TripsViewModel::TripsViewModel(QObject *parent) : QAbstractTableModel(parent)
{
}

QStringList TripsViewModel::absolutePaths(const QList<TripRecording> &recordings)
{
    QStringList paths;
    paths.reserve(recordings.size());
    for (const TripRecording &recording : recordings) {
        paths.append(absolute(recording.path));
    }
    return paths;
}

void TripsViewModel::setTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings)
{
    setTrips(trips, recordings, absolutePaths(recordings));
}

void TripsViewModel::setTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings,
                              const QStringList &paths)
{
    beginResetModel();
    m_trips = trips;
    m_recordings = recordings;
    m_paths = paths;
    endResetModel();
}

void TripsViewModel::clear()
{
    setTrips({}, {});
}

void TripsViewModel::setSpeedUnit(int unit)
{
    if (unit == m_unit) {
        return;
    }
    m_unit = unit;
    if (!m_trips.isEmpty()) {
        Q_EMIT dataChanged(index(0, DistanceColumn), index(rowCount() - 1, TopSpeedColumn), {Qt::DisplayRole});
    }
}

int TripsViewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_trips.size());
}

int TripsViewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TripsViewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_trips.size()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return text(m_trips.at(index.row()), index.column());
    case ColourRole:
        return colourOf(index.row());
    case Qt::TextAlignmentRole:
        return index.column() >= DurationColumn ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                                : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TripsViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case DateColumn:
        return localized(u"날짜"_s);
    case StartColumn:
        return localized(u"출발"_s);
    case EndColumn:
        return localized(u"도착"_s);
    case DurationColumn:
        return localized(u"주행 시간"_s);
    case DistanceColumn:
        return localized(u"거리"_s);
    case TopSpeedColumn:
        return localized(u"최고 속도"_s);
    case EventsColumn:
        return localized(u"급격한 충격"_s);
    default:
        return {};
    }
}

QString TripsViewModel::text(const Trip &trip, int column) const
{
    switch (column) {
    case DateColumn:
        return trip.start.toString(u"yyyy-MM-dd"_s);
    case StartColumn:
        return trip.start.toString(u"HH:mm:ss"_s);
    case EndColumn:
        // A drive past midnight says on which day it ended.
        return trip.end.date() == trip.start.date() ? trip.end.toString(u"HH:mm:ss"_s)
                                                    : trip.end.toString(u"yyyy-MM-dd HH:mm:ss"_s);
    case DurationColumn:
        return durationText(trip.seconds());
    case DistanceColumn:
        return distanceText(trip.meters, m_unit);
    case TopSpeedColumn:
        return speedText(trip.topSpeedKmh, m_unit);
    case EventsColumn:
        return QString::number(trip.events.size());
    default:
        return {};
    }
}

QString TripsViewModel::durationText(qint64 seconds)
{
    const qint64 s = qMax<qint64>(seconds, 0);
    return u"%1:%2:%3"_s.arg(s / 3600).arg(s / 60 % 60, 2, 10, QChar(u'0')).arg(s % 60, 2, 10, QChar(u'0'));
}

QString TripsViewModel::distanceText(double meters, int unit)
{
    if (unit == kMph) {
        return QString::asprintf("%.1f mi", meters / kMetersPerMile);
    }
    return QString::asprintf("%.1f km", meters / 1000.0);
}

QString TripsViewModel::speedText(quint32 kmh, int unit)
{
    if (unit == kMph) {
        return QString::asprintf("%.0f mph", double(kmh) * 1000.0 / kMetersPerMile);
    }
    return u"%1 km/h"_s.arg(kmh);
}

QString TripsViewModel::colourOf(int row)
{
    return QString(kColours[std::size_t(qMax(row, 0) % kPalette)]);
}

std::optional<TripsViewModel::Play> TripsViewModel::routeMoment(int row, TripRoute::Point point) const
{
    if (row < 0 || row >= m_trips.size()) {
        return std::nullopt;
    }
    const std::optional<TripMoments::Moment> moment = TripMoments::nearest(m_trips.at(row), m_recordings, point);
    if (!moment) {
        return std::nullopt;
    }
    return Play{m_recordings.at(moment->recording).path, moment->seconds};
}

std::optional<TripsViewModel::Play> TripsViewModel::eventMoment(int row, int event) const
{
    if (row < 0 || row >= m_trips.size() || event < 0 || event >= m_trips.at(row).events.size()) {
        return std::nullopt;
    }
    const HardEvents::Event &jolt = m_trips.at(row).events.at(event);
    if (jolt.recording < 0 || jolt.recording >= m_recordings.size()) {
        return std::nullopt;
    }
    return Play{m_recordings.at(jolt.recording).path, double(jolt.sample) / 10.0};
}

std::optional<TripRoute::Point> TripsViewModel::eventPlace(int row, int event) const
{
    if (row < 0 || row >= m_trips.size()) {
        return std::nullopt;
    }
    return eventPlace(m_trips.at(row), m_recordings, event);
}

std::optional<TripRoute::Point> TripsViewModel::eventPlace(const Trip &trip, const QList<TripRecording> &recordings,
                                                           int event)
{
    if (event < 0 || event >= trip.events.size()) {
        return std::nullopt;
    }
    const HardEvents::Event &jolt = trip.events.at(event);
    if (jolt.recording < 0 || jolt.recording >= recordings.size()) {
        return std::nullopt;
    }
    return TripMoments::position(recordings.at(jolt.recording), double(jolt.sample) / 10.0);
}

qsizetype TripsViewModel::recordingIndexOf(const QString &path) const
{
    if (path.isEmpty()) {
        return -1;
    }
    // The rear camera's file plays the same recording as the front one the trips hold.
    const QString wanted = absolute(path);
    const QString front = PartnerName::replaceInFileName(wanted, u"R.", u"F.");
    const qsizetype exact = m_paths.indexOf(wanted);
    return exact >= 0 || front.isNull() ? exact : m_paths.indexOf(front);
}

std::optional<TripsViewModel::Place> TripsViewModel::placeOf(const QString &path, double seconds) const
{
    const qsizetype recording = recordingIndexOf(path);
    if (recording < 0) {
        return std::nullopt;
    }
    for (int row = 0; row < m_trips.size(); ++row) {
        if (!m_trips.at(row).recordings.contains(recording)) {
            continue;
        }
        const std::optional<TripRoute::Point> point = TripMoments::position(m_recordings.at(recording), seconds);
        if (!point) {
            return std::nullopt;
        }
        return Place{row, *point};
    }
    return std::nullopt;
}
