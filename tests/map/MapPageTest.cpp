// The map page in a real web engine: the calls the bridge sends are drawn (route points, the car's
// place), with no map tiles (this machine is offline), and calls made before the page has loaded
// are not lost. One page serves every test: starting a web engine costs seconds.
#include "map/MapController.h"
#include "map/MapRequestFilter.h"
#include "map/MapWebView.h"
#include "sensor/VexoClipData.h"
#include "support/PageQuery.h"
#include "support/QtPrinters.h"
#include "support/TestTracks.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
class MapPageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        view = new MapWebView();
        view->resize(283, 124);
        view->show();
        controller = new MapController(view);
        controller->load();
        // Sent before the page can have loaded: they must wait for it and keep their order.
        VexoClipData track;
        TestTracks::constant(track, 10, 1.0f, 2.0f);
        controller->addRoute(track);
        controller->removeMapLine();
        TestTracks::driveAfterNoFix(track);
        controller->addRoute(track);
        controller->moveToLat(37.55f, 127.05f);
        firstPageLoadedInTime = QTest::qWaitFor([] { return controller->isPageReady(); }, 60000);
    }

    static void TearDownTestSuite()
    {
        delete controller;
        delete view;
    }

    static QVariant ask(const QString &script) { return evaluate(view->page(), script); }
    static int routePoints() { return ask(u"route ? route.getLatLngs().length : 0"_s).toInt(); }
    // The car's place as "lat,lng" with six decimals, or "none".
    static QString car()
    {
        return ask(u"car ? car.getLatLng().lat.toFixed(6) + ',' + car.getLatLng().lng.toFixed(6) : 'none'"_s)
            .toString();
    }

    static inline MapWebView *view = nullptr;
    static inline MapController *controller = nullptr;
    static inline bool firstPageLoadedInTime = false;
};

TEST_F(MapPageTest, CallsMadeWhileThePageLoadsAreDrawnInOrder)
{
    ASSERT_TRUE(firstPageLoadedInTime);
    EXPECT_EQ(view->url(), QUrl(u"qrc:/map/mapview.html"_s));
    EXPECT_EQ(routePoints(), 580);
    EXPECT_EQ(car(), u"37.549999,127.050003"_s);
    EXPECT_EQ(ask(u"route.options.color + ' ' + route.options.weight + ' ' + route.options.opacity"_s).toString(),
              u"red 4 0.5"_s);

    // Drawn again, and drawn for the eye: no tiles here (no network), yet the route, the car and
    // the scale are on the page.
    VexoClipData track;
    TestTracks::driveAfterNoFix(track);
    controller->removeMapLine();
    controller->addRoute(track);
    controller->moveToLat(37.5f + 0.0599f, 127.0f + 0.0599f);
    // The route's last point is the track's last sample; the car sits on it.
    EXPECT_EQ(ask(u"route.getLatLngs()[route.getLatLngs().length - 1].lat.toFixed(4)"_s).toString(), u"37.5599"_s);
    EXPECT_EQ(car(), u"37.559898,127.059898"_s);
    // Drawn, not only held: the route's line and the car's dot are in the picture, the map is
    // centred on the car at a street-level zoom, and the scale has a length to show.
    EXPECT_TRUE(ask(u"/^M[-\\d]+ [-\\d]+L/.test(route.getElement().getAttribute('d'))"_s).toBool());
    EXPECT_TRUE(ask(u"/^M.+a6,6 /.test(car.getElement().getAttribute('d'))"_s).toBool());
    // Within a pixel of the middle of the map.
    EXPECT_LE(ask(u"map.latLngToContainerPoint(car.getLatLng()).distanceTo(map.getSize().divideBy(2))"_s).toDouble(),
              1.0);
    EXPECT_GE(ask(u"map.getZoom()"_s).toInt(), 10);
    EXPECT_FALSE(ask(u"document.querySelector('.leaflet-control-scale-line').textContent"_s).toString().isEmpty());
}

TEST_F(MapPageTest, OnePointForAConstantFixNothingForNoFixOrNoPlace)
{
    ASSERT_TRUE(controller->isPageReady());
    VexoClipData track;
    TestTracks::constant(track, 600, 48.25f, 11.5f);
    controller->removeMapLine();
    controller->addRoute(track);
    EXPECT_EQ(routePoints(), 1);
    EXPECT_EQ(car(), u"48.250000,11.500000"_s);

    controller->removeMapLine();
    EXPECT_EQ(routePoints(), 0);
    EXPECT_EQ(car(), u"none"_s);
    // A track without fixes draws nothing, and breaks nothing: a later position still shows.
    track.clear();
    controller->addRoute(track);
    controller->moveToLat(48.0f, 11.0f);
    EXPECT_EQ(routePoints(), 0);
    EXPECT_EQ(car(), u"48.000000,11.000000"_s);

    // Positions off the Earth are ignored.
    controller->moveToLat(10.0f, 20.0f);
    // What the track answers for a sample past its end, and an unreadable number.
    controller->moveToLat(VexoClipData::kNoCoordinate, VexoClipData::kNoCoordinate);
    controller->run(u"MapMoveToAuto(NaN, NaN, -1)"_s);
    EXPECT_EQ(car(), u"10.000000,20.000000"_s);
    EXPECT_EQ(ask(u"map.getCenter().lat.toFixed(1)"_s).toString(), u"10.0"_s);
}

TEST_F(MapPageTest, ThePageStaysOnTheMapFetchesOnlyTilesAndComesBackAfterACrash)
{
    ASSERT_TRUE(controller->isPageReady());
    // Navigations away are refused; one the policy never sees (about:blank) brings the map back.
    const QUrl page = view->url();
    ask(u"location.href = 'qrc:/images/velmora.svg'; 1"_s);
    EXPECT_FALSE(QTest::qWaitFor([&] { return view->url() != page; }, 1000));
    controller->moveToLat(1.5f, 2.5f); // still taken: a refused navigation is no failed map
    EXPECT_EQ(car(), u"1.500000,2.500000"_s);
    QSignalSpy back(controller, &MapController::pageReady);
    ask(u"location.href = 'about:blank'; 1"_s);
    ASSERT_TRUE(back.wait(20000));
    EXPECT_EQ(view->url(), page);
    EXPECT_EQ(ask(u"typeof addPolyLine"_s).toString(), u"function"_s);

    using Type = QWebEngineUrlRequestInfo::ResourceType;
    EXPECT_TRUE(MapRequestFilter::isAllowed(QUrl(u"qrc:/map/leaflet/leaflet.js"_s), Type::ResourceTypeScript));
    EXPECT_TRUE(
        MapRequestFilter::isAllowed(QUrl(u"https://tile.openstreetmap.org/3/4/2.png"_s), Type::ResourceTypeImage));
    EXPECT_FALSE(MapRequestFilter::isAllowed(QUrl(u"https://tile.openstreetmap.org/x.js"_s), Type::ResourceTypeScript));
    EXPECT_FALSE(
        MapRequestFilter::isAllowed(QUrl(u"http://tile.openstreetmap.org/3/4/2.png"_s), Type::ResourceTypeImage));
    EXPECT_FALSE(MapRequestFilter::isAllowed(QUrl(u"https://example.com/a.png"_s), Type::ResourceTypeImage));
    EXPECT_FALSE(MapRequestFilter::isAllowed(QUrl(u"file:///etc/hostname"_s), Type::ResourceTypeMainFrame));

    // A page whose renderer died is loaded again and shows what it showed.
    VexoClipData track;
    TestTracks::driveAfterNoFix(track);
    controller->removeMapLine();
    controller->addRoute(track);
    controller->moveToLat(37.53f, 127.03f);
    ASSERT_EQ(routePoints(), 580);
    QSignalSpy reloaded(controller, &MapController::pageReady);
    Q_EMIT view->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 11);
    ASSERT_TRUE(reloaded.wait(20000));
    EXPECT_EQ(routePoints(), 580);
    EXPECT_EQ(car(), u"37.529999,127.029999"_s);
}
} // namespace

namespace {
TEST_F(MapPageTest, ThePageHasNoPeerConnectionsInAnyFrame)
{
    ASSERT_TRUE(firstPageLoadedInTime);
    EXPECT_EQ(ask(u"typeof L"_s).toString(), u"object"_s) << "the map page itself runs";
    EXPECT_EQ(ask(u"typeof RTCPeerConnection + ',' + typeof webkitRTCPeerConnection"_s).toString(),
              u"undefined,undefined"_s);
    // Assigning it back changes nothing.
    EXPECT_EQ(ask(u"window.RTCPeerConnection = function () {}; typeof RTCPeerConnection"_s).toString(), u"undefined"_s);
}
} // namespace
