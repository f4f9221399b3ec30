// The main window's map: the web view on the cover's place, covered until a position is there to
// show, and moved only when the position changes (asked of the real page).
#include "core/Preferences.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindowController.h"
#include "map/MapController.h"
#include "map/MapWebView.h"
#include "platform/FolderVolumes.h"
#include "sensor/VexoClipData.h"
#include "settings/record/QB62SettingManager.h"
#include "support/PageQuery.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"
#include "support/TestTracks.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// One main window (one map page) for every test: starting a web engine costs seconds.
class MainWindowMapTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestSettings::reset();
        Preferences::initializeLanguageSetting();
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        mounts = std::make_unique<QTemporaryDir>();
        MainWindowController::Options options;
        options.volumes = std::make_shared<FolderVolumes>(mounts->path());
        options.splashMs = 0;
        controller = std::make_unique<MainWindowController>(std::move(options));
        controller->showMainWindow();
        pageLoaded = QTest::qWaitFor(
            [] { return controller->mapController() != nullptr && controller->mapController()->isPageReady(); }, 60000);
    }

    static void TearDownTestSuite()
    {
        controller.reset();
        mounts.reset();
    }

    void SetUp() override { ASSERT_TRUE(pageLoaded); }

    static QLabel *cover() { return controller->ui().mapCoverView; }
    static QVariant ask(const QString &script) { return evaluate(controller->mapWebView()->page(), script); }
    static QString car()
    {
        return ask(u"car ? car.getLatLng().lat.toFixed(6) + ',' + car.getLatLng().lng.toFixed(6) : 'none'"_s)
            .toString();
    }

    static inline std::unique_ptr<QTemporaryDir> mounts;
    static inline std::unique_ptr<MainWindowController> controller;
    static inline bool pageLoaded = false;
};

TEST_F(MainWindowMapTest, TheMapWaitsUnderItsCoverUntilATrackHasAFix)
{
    MapWebView *map = controller->mapWebView();
    EXPECT_EQ(map->objectName(), u"mapWebView"_s);
    EXPECT_EQ(map->parentWidget(), cover()->parentWidget());
    EXPECT_EQ(map->geometry(), cover()->geometry());
    EXPECT_TRUE(controller->isMapCovered());
    EXPECT_TRUE(map->isHidden());
    EXPECT_TRUE(cover()->isVisible());
    EXPECT_FALSE(cover()->pixmap().isNull()) << "the cover shows the picture mapview_cover";

    // The map follows its place when the window's layout moves it.
    cover()->setGeometry(cover()->geometry().translated(5, 7));
    EXPECT_EQ(map->geometry(), cover()->geometry());
    cover()->setGeometry(cover()->geometry().translated(-5, -7));

    // A track without fixes keeps it covered, whatever position comes.
    VexoClipData track;
    TestTracks::driveAfterNoFix(track, 600);
    controller->prepareMapForTrack(track);
    controller->updateMapWithLat(37.5f, 127.0f);
    EXPECT_TRUE(controller->isMapCovered());
    EXPECT_EQ(controller->lastUpdatedLat(), 0.0);
    EXPECT_EQ(ask(u"route ? route.getLatLngs().length : 0"_s).toInt(), 0);
}

TEST_F(MainWindowMapTest, PositionsMoveTheMapOnlyWhenTheyChange)
{
    VexoClipData track;
    TestTracks::driveAfterNoFix(track);
    controller->prepareMapForTrack(track);
    EXPECT_EQ(controller->lastUpdatedLat(), 0.0);
    EXPECT_EQ(ask(u"route ? route.getLatLngs().length : 0"_s).toInt(), 580);

    // A sample without a fix covers the map.
    controller->updateMapWithLat(0.0f, 0.0f);
    EXPECT_TRUE(controller->isMapCovered());

    controller->updateMapWithLat(37.51f, 127.01f);
    EXPECT_FALSE(controller->isMapCovered());
    EXPECT_TRUE(controller->mapWebView()->isVisible());
    EXPECT_FALSE(cover()->isVisible());
    EXPECT_EQ(controller->lastUpdatedLat(), double(37.51f));
    EXPECT_EQ(controller->lastUpdatedLng(), double(127.01f));
    EXPECT_EQ(car(), u"37.509998,127.010002"_s);
    // The map, hidden until now, was measured when shown: a street-level view, not the world.
    EXPECT_GE(ask(u"map.getZoom()"_s).toInt(), 10);

    // Standing still sends nothing: the car, put elsewhere by hand, stays there.
    ask(u"car.setLatLng([1, 2]); 1"_s);
    controller->updateMapWithLat(37.51f, 127.01f);
    EXPECT_EQ(car(), u"1.000000,2.000000"_s);
    controller->updateMapWithLat(37.52f, 127.02f);
    EXPECT_EQ(car(), u"37.520000,127.019997"_s);

    // A new recording forgets the last position: the same place moves the map again.
    controller->prepareMapForTrack(track);
    EXPECT_EQ(controller->lastUpdatedLat(), 0.0);
    controller->updateMapWithLat(37.52f, 127.02f);
    EXPECT_EQ(car(), u"37.520000,127.019997"_s);
    controller->setMapCovered(true);
    EXPECT_TRUE(controller->isMapCovered());
}
} // namespace
