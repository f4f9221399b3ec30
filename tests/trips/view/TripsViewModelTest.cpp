// The Trips view's decisions without a display: the list's rows, the trips' colours, what a click
// on a route point or an event marker plays, where a playing recording shows, and the map page's
// calls.
#include "trips/view/TripsViewModel.h"

#include "trips/view/TripsMapBridge.h"
#include "trips/view/TripsMapScript.h"

#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
QDateTime at(int day, int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second), Qt::UTC);
}

// A recording of SECONDS seconds at ten samples a second driving east from (LAT, 127): each
// sample a hundred-thousandth of a degree further (about 0.9 m), the first NOFIX samples without
// a fix.
TripRecording recording(const QString &path, const QDateTime &start, int seconds, double lat, int noFix = 0)
{
    TripRecording r;
    r.path = path;
    r.start = start;
    r.durationMs = seconds * 1000;
    for (int i = 0; i < seconds * 10; ++i) {
        RecordingSamples::Sample sample;
        if (i >= noFix) {
            sample.lat = float(lat);
            sample.lng = float(127.0 + i * 0.00001);
        }
        r.track.samples.append(sample);
    }
    return r;
}

// Two trips: the first of two recordings (the second starting without a fix), the second of one
// recording across midnight; recording 3 is in no trip.
struct Card
{
    QList<TripRecording> recordings{
        recording(u"/card/cont_rec/20261207_081500_F.mp4"_s, at(7, 8, 15, 0), 60, 37.5),
        recording(u"/card/cont_rec/20261207_081600_F.mp4"_s, at(7, 8, 16, 0), 60, 37.6, 25),
        recording(u"/card/cont_rec/20261207_235930_F.mp4"_s, at(7, 23, 59, 30), 60, 35.0),
        recording(u"/card/parking_rec/20261208_010000_F.mp4"_s, at(8, 1, 0, 0), 60, 36.0),
    };
    QList<Trip> trips;

    Card()
    {
        Trip first;
        first.index = 1;
        first.start = at(7, 8, 15, 0);
        first.end = at(7, 8, 19, 14);
        first.meters = 1068.6;
        first.topSpeedKmh = 52;
        first.recordings = {0, 1};
        first.events = {{at(7, 8, 16, 4), 0.9, 1, 42}, {at(7, 8, 15, 30), 1.2, 0, 300}};
        first.bounds = Trip::Box{37.5, 127.0, 37.6, 127.006};
        first.route = {{37.5, 127.0}, {37.5, 127.00001}, {37.5, 127.0001}, {37.6, 127.0}};
        Trip second;
        second.index = 2;
        second.start = at(7, 23, 59, 30);
        second.end = at(8, 0, 0, 30);
        second.meters = 12345.0;
        second.topSpeedKmh = 100;
        second.recordings = {2};
        trips = {first, second};
    }
};

QString cell(const TripsViewModel &model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}
} // namespace

TEST(TripsViewModelTest, RowsSayDateTimesDurationDistanceSpeedAndEventsInTheChosenUnit)
{
    const Card card;
    TripsViewModel model;
    model.setTrips(card.trips, card.recordings);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 7);
    EXPECT_EQ(cell(model, 0, TripsViewModel::DateColumn), u"2026-12-07"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::StartColumn), u"08:15:00"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::EndColumn), u"08:19:14"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::DurationColumn), u"0:04:14"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::DistanceColumn), u"1.1 km"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::TopSpeedColumn), u"52 km/h"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::EventsColumn), u"2"_s);
    // A drive past midnight ends on the next day, and says so.
    EXPECT_EQ(cell(model, 1, TripsViewModel::EndColumn), u"2026-12-08 00:00:30"_s);
    EXPECT_EQ(cell(model, 1, TripsViewModel::DurationColumn), u"0:01:00"_s);
    EXPECT_EQ(cell(model, 1, TripsViewModel::EventsColumn), u"0"_s);

    // Miles: 12,345 m / 1,609.344 = 7.67 mi; 100 km/h = 62.1 mph; 52 km/h = 32.3 mph.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setSpeedUnit(1);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(cell(model, 1, TripsViewModel::DistanceColumn), u"7.7 mi"_s);
    EXPECT_EQ(cell(model, 1, TripsViewModel::TopSpeedColumn), u"62 mph"_s);
    EXPECT_EQ(cell(model, 0, TripsViewModel::TopSpeedColumn), u"32 mph"_s);

    EXPECT_EQ(TripsViewModel::durationText(3 * 3600 + 7 * 60 + 5), u"3:07:05"_s);
    EXPECT_EQ(TripsViewModel::durationText(-4), u"0:00:00"_s);
    // Outside the rows: nothing.
    EXPECT_FALSE(model.data(model.index(2, 0)).isValid());
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(TripsViewModelTest, EachTripHasItsOwnColourNeighboursNeverShare)
{
    const QRegularExpression hex(u"^#[0-9a-f]{6}$"_s);
    QSet<QString> seen;
    for (int row = 0; row < TripsViewModel::kPalette; ++row) {
        const QString colour = TripsViewModel::colourOf(row);
        EXPECT_TRUE(hex.match(colour).hasMatch()) << colour.toStdString();
        EXPECT_NE(colour, TripsViewModel::colourOf(row + 1));
        seen.insert(colour);
    }
    EXPECT_EQ(seen.size(), TripsViewModel::kPalette);
    EXPECT_EQ(TripsViewModel::colourOf(TripsViewModel::kPalette + 3), TripsViewModel::colourOf(3));
    // The list carries the colour its row is drawn in.
    const Card card;
    TripsViewModel model;
    model.setTrips(card.trips, card.recordings);
    EXPECT_EQ(model.data(model.index(1, TripsViewModel::EventsColumn), TripsViewModel::ColourRole).toString(),
              TripsViewModel::colourOf(1));
}

TEST(TripsViewModelTest, AClickPlaysTheRecordingAndSecondThePointWasDriven)
{
    const Card card;
    TripsViewModel model;
    model.setTrips(card.trips, card.recordings);
    // Sample 137 of the second recording: 13.7 s into it.
    const auto play = model.routeMoment(0, {37.6, 127.0 + 137 * 0.00001});
    ASSERT_TRUE(play.has_value());
    EXPECT_EQ(play->path, card.recordings[1].path);
    EXPECT_NEAR(play->seconds, 13.7, 1e-9);
    // A click beside the route takes the nearest point: just north of sample 12 of the first.
    const auto beside = model.routeMoment(0, {37.50001, 127.0 + 12 * 0.00001});
    ASSERT_TRUE(beside.has_value());
    EXPECT_EQ(beside->path, card.recordings[0].path);
    EXPECT_NEAR(beside->seconds, 1.2, 1e-9);
    // Only the clicked trip's recordings count: the second trip's route is elsewhere.
    const auto other = model.routeMoment(1, {37.6, 127.0 + 137 * 0.00001});
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(other->path, card.recordings[2].path);
    EXPECT_FALSE(model.routeMoment(2, {37.6, 127.0}).has_value());
    EXPECT_FALSE(model.routeMoment(-1, {37.6, 127.0}).has_value());

    // An event marker plays its jolt: sample 42 of the second recording.
    const auto jolt = model.eventMoment(0, 0);
    ASSERT_TRUE(jolt.has_value());
    EXPECT_EQ(*jolt, (TripsViewModel::Play{card.recordings[1].path, 4.2}));
    EXPECT_FALSE(model.eventMoment(0, 2).has_value());
    EXPECT_FALSE(model.eventMoment(1, 0).has_value());
    // Its place: sample 42 of a recording whose first 25 samples have no fix is its own fix.
    const auto place = model.eventPlace(0, 0);
    ASSERT_TRUE(place.has_value());
    EXPECT_NEAR(place->lng, 127.0 + 42 * 0.00001, 1e-5);
}

TEST(TripsViewModelTest, APlayingRecordingShowsOnItsTripFromEitherCamerasFile)
{
    const Card card;
    TripsViewModel model;
    model.setTrips(card.trips, card.recordings);
    const auto front = model.placeOf(card.recordings[1].path, 3.05);
    ASSERT_TRUE(front.has_value());
    EXPECT_EQ(front->row, 0);
    EXPECT_NEAR(front->point.lat, 37.6, 1e-5);
    EXPECT_NEAR(front->point.lng, 127.0 + 30 * 0.00001, 1e-5);
    // The rear camera's file of the same recording shows the same place.
    const auto rear = model.placeOf(u"/card/cont_rec/20261207_081600_R.mp4"_s, 3.05);
    ASSERT_TRUE(rear.has_value());
    EXPECT_EQ(rear->row, 0);
    EXPECT_EQ(rear->point.lng, front->point.lng);
    EXPECT_EQ(model.placeOf(u"/card/cont_rec/20261207_235930_F.mp4"_s, 0.0)->row, 1);
    // No fix yet (the first 2.5 s), a parking recording in no trip, a file not on the card.
    EXPECT_FALSE(model.placeOf(card.recordings[1].path, 2.0).has_value());
    EXPECT_FALSE(model.placeOf(card.recordings[3].path, 1.0).has_value());
    EXPECT_FALSE(model.placeOf(u"/elsewhere/20261207_081600_F.mp4"_s, 1.0).has_value());
    EXPECT_FALSE(model.placeOf(QString(), 1.0).has_value());
}

TEST(TripsViewModelTest, MapCallsAreWrittenWithSixDecimalsLatitudeFirst)
{
    // Points under 5 m from the last one written are left out, the route's end is always kept:
    // 0.00001° of longitude is under a metre, 0.0001° at 37.5° is 8.8 m.
    EXPECT_EQ(TripsMapScript::routePoints({{37.5, 127.0}, {37.5, 127.00001}, {37.5, 127.0001}, {37.5, 127.00011}}),
              u"[[37.500000,127.000000],[37.500000,127.000100],[37.500000,127.000110]]"_s);
    EXPECT_EQ(TripsMapScript::routePoints({}), u"[]"_s);
    EXPECT_EQ(TripsMapScript::showPosition({-33.5, 151.25}), u"showPosition(-33.500000,151.250000)"_s);
    EXPECT_EQ(TripsMapScript::hidePosition(), u"hidePosition()"_s);

    const Card card;
    TripsViewModel model;
    model.setTrips(card.trips, card.recordings);
    // Events: the jolt at sample 42 of the second recording (37.6, 127.00042), the one at sample
    // 300 of the first (37.5, 127.003).
    EXPECT_EQ(TripsMapScript::showTrips(model),
              u"showTrips([{row:0,colour:'"_s + TripsViewModel::colourOf(0) +
                  u"',points:[[37.500000,127.000000],[37.500000,127.000100],[37.600000,127.000000]],"
                  u"events:[[37.599998,127.000420,0],[37.500000,127.002998,1]]},"
                  u"{row:1,colour:'"_s +
                  TripsViewModel::colourOf(1) + u"',points:[],events:[]}])"_s);
    EXPECT_EQ(TripsMapScript::selectTrip(model, 0), u"selectTrip(0,37.500000,127.000000,37.600000,127.006000)"_s);
    EXPECT_EQ(TripsMapScript::selectTrip(model, 1), u"selectTrip(1)"_s);
    EXPECT_EQ(TripsMapScript::selectTrip(model, 5), u"selectTrip(-1)"_s);
    TripsViewModel empty;
    EXPECT_EQ(TripsMapScript::showTrips(empty), u"showTrips([])"_s);
}

TEST(TripsViewModelTest, TheBridgeTakesOnlyClicksOnTheEarth)
{
    TripsMapBridge bridge;
    QSignalSpy route(&bridge, &TripsMapBridge::routePointClicked);
    QSignalSpy event(&bridge, &TripsMapBridge::eventMarkerClicked);
    bridge.routeClicked(0, 37.5, 127.0);
    bridge.routeClicked(0, std::numeric_limits<double>::quiet_NaN(), 127.0);
    bridge.routeClicked(0, 37.5, 181.0);
    bridge.routeClicked(0, 91.0, 0.0);
    bridge.eventClicked(1, 3);
    ASSERT_EQ(route.size(), 1);
    EXPECT_EQ(route.first().at(1).toDouble(), 37.5);
    ASSERT_EQ(event.size(), 1);
    EXPECT_EQ(event.first().at(1).toInt(), 3);
}
