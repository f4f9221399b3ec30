// The Trips view on the demo card in the real window, with the map page in a real web engine: the
// card's trips are built and listed, a click on a route point or an event marker plays that
// recording at that moment (front and rear, within one frame), the page's clicks reach the
// program, and the playing recording shows on the trips' map.
#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"
#include "demo/DemoDrive.h"
#include "trips/TripsJob.h"
#include "trips/view/TripsMapBridge.h"
#include "trips/view/TripsViewController.h"
#include "trips/view/TripsViewModel.h"
#include "trips/view/TripsWindow.h"

#include "app/CardFollower.h"
#include "app/window/TripsController.h"
#include "map/MapController.h"
#include "support/PageQuery.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QWebEngineView>

#include <cmath>

namespace {
// One frame of the demo card's pictures (15 a second): the seek lands on the first frame at or
// after the moment.
constexpr double kFrame = 1.0 / 15.0;

QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

class TripsViewTest : public DemoWindowTest
{
protected:
    void SetUp() override
    {
        DemoWindowTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        view = controller->trips()->view();
        view->setCacheFolder(m_cache.path());
        QSignalSpy shown(view, &TripsViewController::tripsShown);
        controller->trips()->action()->trigger();
        ASSERT_TRUE(shown.wait(60000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return view->map()->isPageReady(); }, 60000));
    }

    // The row of the trip holding the recording whose path ends with SUFFIX.
    int tripOf(const QString &suffix) const
    {
        const TripsViewModel &model = *view->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (const qsizetype r : model.trips().at(row).recordings) {
                if (model.recordings().at(r).path.endsWith(suffix)) {
                    return row;
                }
            }
        }
        return -1;
    }

    // Where both players are once they have started after a click and been paused again: the
    // pause is queued behind the start, so on a busy machine they may play on for a moment;
    // playedOn is that moment (seconds from the start to the pause), which the check allows for.
    struct Start
    {
        double big = -1;
        double small = -1;
        double playedOn = 0;
    };
    Start waitForStart()
    {
        struct Watch
        {
            bool started = false;
            QElapsedTimer sinceStart;
            double playedOn = 0;
        };
        auto watch = std::make_shared<Watch>();
        const QMetaObject::Connection connection =
            QObject::connect(&playback(), &PlaybackController::playbackStarted, [this, watch] {
                if (!controller->trips()->pendingSeek().has_value() && !watch->started) {
                    watch->started = true;
                    watch->sinceStart.start();
                    QMetaObject::invokeMethod(
                        &playback(),
                        [this, watch] {
                            playback().pauseVideo();
                            watch->playedOn = double(watch->sinceStart.nsecsElapsed()) / 1e9;
                        },
                        Qt::QueuedConnection);
                }
            });
        const bool ok = QTest::qWaitFor([this, watch] { return watch->started && playback().isVideoPaused(); }, 30000);
        QObject::disconnect(connection);
        if (!ok) {
            return {};
        }
        return Start{big()->currentTime(), small()->currentTime(), watch->playedOn};
    }

    // PLAYER's place at the start is AT, to the frame: never before it, and at most a frame after it
    // beyond what it played on before the pause.
    static void expectAt(double player, double at, const Start &start)
    {
        EXPECT_GE(player, at - 1e-3);
        EXPECT_LE(player, at + kFrame + start.playedOn) << "played on for " << start.playedOn << " s";
    }

    QVariant ask(const QString &script) const
    {
        return evaluate(qobject_cast<QWebEngineView *>(view->map()->webView())->page(), script);
    }

    QTemporaryDir m_cache;
    TripsViewController *view = nullptr;
};
} // namespace

TEST_F(TripsViewTest, ARoutePointPlaysItsRecordingFrontAndRearAtItsMoment)
{
    // The demo card's drives follow each other closely: one trip, listed and drawn.
    EXPECT_EQ(view->model()->rowCount(), 1);
    EXPECT_EQ(ask(u"trips.length"_s).toInt(), 1);
    EXPECT_GT(ask(u"trips[0].line.getLatLngs().length"_s).toInt(), 10);
    const int row = tripOf(u"20261207_081500_F.mp4"_s);
    ASSERT_GE(row, 0);

    // The MP4 pair carries the drive from its 60th second; its subtitle entry 69 (6.9 s) holds the
    // fix of the drive's second 66 (its time says so), which the player's track shows from 6.0 s on.
    const DemoDrive::Sample fix = DemoDrive::drive(60, DemoCard::Seconds).at(69);
    const auto moment = view->model()->routeMoment(row, {fix.lat, fix.lng});
    ASSERT_TRUE(moment.has_value());
    EXPECT_EQ(moment->seconds, 6.0);
    view->bridge()->routeClicked(row, fix.lat, fix.lng);
    const Start start = waitForStart();
    EXPECT_TRUE(playback().currentVideoUrl().toLocalFile().endsWith(u"cont_rec/20261207_081500_F.mp4"_s));
    // As a double-click: the list's row is selected, the rear camera plays in the small player.
    EXPECT_EQ(controller->selectedRow(), rowNamed(u"20261207_081500_F.mp4"_s));
    EXPECT_TRUE(playback().smallVideoFilePath().endsWith(u"cont_rec/20261207_081500_R.mp4"_s))
        << playback().smallVideoFilePath().toStdString();
    expectAt(start.big, 6.0, start);
    expectAt(start.small, 6.0, start);

    // The playing recording shows on the trips' map where the player's track has it.
    playback().playVideoTimerCallback();
    EXPECT_EQ(ask(u"car ? car.getLatLng().lat.toFixed(5) + ',' + car.getLatLng().lng.toFixed(5) : 'none'"_s).toString(),
              QString::asprintf("%.5f,%.5f", double(float(fix.lat)), double(float(fix.lng))));
    playback().stopVideo();
    EXPECT_EQ(ask(u"car ? 'shown' : 'none'"_s).toString(), u"none"_s);
}

TEST_F(TripsViewTest, AnEventMarkerPlaysItsJoltToTheTenthOfASecond)
{
    const int row = tripOf(u"20261207_081600_EVT.avi"_s);
    ASSERT_GE(row, 0);
    // The event recording's jolt, two thirds of the way through, is strongest 10.4 s in (as
    // velmora-cli trips lists it): the first event of the trip.
    const Trip &trip = view->model()->trips().at(row);
    ASSERT_FALSE(trip.events.isEmpty());
    ASSERT_TRUE(view->model()->recordings().at(trip.events.first().recording).path.endsWith(u"_EVT.avi"_s));
    EXPECT_EQ(ask(u"trips[0].events.length"_s).toInt(), trip.events.size());
    view->bridge()->eventClicked(row, 0);
    const Start start = waitForStart();
    EXPECT_TRUE(playback().currentVideoUrl().toLocalFile().endsWith(u"evt_rec/20261207_081600_EVT.avi"_s));
    expectAt(start.big, 10.4, start);
}

TEST_F(TripsViewTest, ARecordingTheListsFilterHidesStillPlaysAtItsMoment)
{
    // The list shows event recordings only: the continuous MP4 pair is not among its rows.
    controller->videoFileFilterTouched(ui().fileListEventButton_OEM);
    ASSERT_LT(rowNamed(u"20261207_081500_F.mp4"_s), 0);
    const int row = tripOf(u"20261207_081500_F.mp4"_s);
    ASSERT_GE(row, 0);
    const DemoDrive::Sample fix = DemoDrive::drive(60, DemoCard::Seconds).at(89);
    view->bridge()->routeClicked(row, fix.lat, fix.lng);
    const Start start = waitForStart();
    EXPECT_TRUE(playback().currentVideoUrl().toLocalFile().endsWith(u"cont_rec/20261207_081500_F.mp4"_s));
    expectAt(start.big, 8.0, start);
    expectAt(start.small, 8.0, start);
}

TEST_F(TripsViewTest, ThePagesClicksReachTheProgramAndSelectingFitsTheTrip)
{
    QSignalSpy play(view, &TripsViewController::playRequested);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ask(u"bridge !== null"_s).toBool(); }, 20000));
    const DemoDrive::Sample fix = DemoDrive::drive(60, DemoCard::Seconds).at(69);
    ask(u"trips[0].line.fire('click', { latlng: L.latLng(%1, %2) }); true"_s.arg(fix.lat, 0, 'f', 7)
            .arg(fix.lng, 0, 'f', 7));
    // The page's call may arrive while the script's answer is awaited.
    ASSERT_TRUE(QTest::qWaitFor([&play] { return play.size() == 1; }, 10000));
    EXPECT_TRUE(play.first().at(0).toString().endsWith(u"20261207_081500_F.mp4"_s));
    EXPECT_NEAR(play.first().at(1).toDouble(), 6.0, 1e-9);
    ask(u"trips[0].events[0].fire('click', {}); true"_s);
    ASSERT_TRUE(QTest::qWaitFor([&play] { return play.size() == 2; }, 10000));
    EXPECT_TRUE(play.last().at(0).toString().endsWith(u"_EVT.avi"_s));

    // Selecting the trip in the list fits the map to its extent and draws it over the others.
    view->window()->table()->selectRow(0);
    const Trip::Box box = *view->model()->trips().at(0).bounds;
    EXPECT_TRUE(ask(u"selected === 0 && map.getBounds().contains([[%1, %2], [%3, %4]])"_s.arg(box.south, 0, 'f', 6)
                        .arg(box.west, 0, 'f', 6)
                        .arg(box.north, 0, 'f', 6)
                        .arg(box.east, 0, 'f', 6))
                    .toBool());
    EXPECT_EQ(ask(u"trips[0].line.options.weight"_s).toInt(), 6);
}

TEST_F(TripsViewTest, ACancelledBuildSaysSoAndCanBeReadAgain)
{
    TripsWindow *window = view->window();
    view->rebuild();
    EXPECT_TRUE(view->job()->isRunning());
    EXPECT_TRUE(window->cancelButton()->isVisibleTo(window));
    EXPECT_EQ(view->model()->rowCount(), 0);
    window->cancelButton()->click();
    EXPECT_FALSE(view->job()->isRunning());
    EXPECT_FALSE(window->cancelButton()->isVisibleTo(window));
    EXPECT_TRUE(window->rebuildButton()->isVisibleTo(window));
    const QString cancelled = window->statusLabel()->text();
    QSignalSpy shown(view, &TripsViewController::tripsShown);
    window->rebuildButton()->click();
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_EQ(view->model()->rowCount(), 1);
    EXPECT_NE(window->statusLabel()->text(), cancelled);
}

// An open view follows the folder the list follows: another folder is built at once, and when the
// list empties (the card gone) a build in flight is dropped and the view says no folder is listed.
TEST_F(TripsViewTest, AnOpenViewFollowsTheListedFolderAndEmptiesWhenTheCardGoes)
{
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath(u"cont_rec"_s)));
    QSignalSpy shown(view, &TripsViewController::tripsShown);
    controller->cardFollower()->refreshVideoFileListWithURL(QUrl::fromLocalFile(other.path()));
    EXPECT_EQ(view->root(), other.path());
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(view->window()->statusLabel()->text(), localized(u"이 폴더에는 트립이 없습니다."_s));

    // Back to the card, then the card goes while its trips are being built.
    controller->cardFollower()->updateModelInfo();
    EXPECT_EQ(view->root(), demoFolder().filePath(u"card"_s));
    ASSERT_TRUE(view->job()->isRunning());
    view->followFolder(QString());
    EXPECT_FALSE(view->job()->isRunning());
    drain();
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(ask(u"trips.length"_s).toInt(), 0);
    EXPECT_EQ(view->window()->statusLabel()->text(), localized(u"목록에 표시된 폴더가 없습니다."_s));
    EXPECT_FALSE(view->window()->cancelButton()->isVisibleTo(view->window()));
}

// The status line counts the recordings the trips leave out (their paths and reasons in its
// tooltip), and says so when the card goes away while its trips are read.
TEST_F(TripsViewTest, TheStatusLineNamesWhatIsLeftOutAndACardThatWentAway)
{
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath(u"cont_rec"_s)));
    QFile badMonth(other.filePath(u"cont_rec/20261307_080000_F.avi"_s));
    ASSERT_TRUE(badMonth.open(QIODevice::WriteOnly));
    badMonth.write(QByteArray(4096, 'x'));
    badMonth.close();
    QSignalSpy shown(view, &TripsViewController::tripsShown);
    view->followFolder(other.path());
    ASSERT_TRUE(shown.wait(60000));
    const QLabel *status = view->window()->statusLabel();
    EXPECT_TRUE(status->text().contains(
        localized(u"녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다."_s).arg(1)))
        << status->text().toStdString();
    EXPECT_TRUE(status->toolTip().contains(u"20261307_080000_F.avi"_s)) << status->toolTip().toStdString();

    QSignalSpy failed(view->job(), &TripsJob::failed);
    view->followFolder(other.filePath(u"gone"_s));
    ASSERT_TRUE(failed.wait(60000));
    EXPECT_EQ(status->text(), localized(u"카드가 빠져서 트립을 끝까지 읽지 못했습니다."_s));
    EXPECT_TRUE(status->toolTip().isEmpty());
    EXPECT_FALSE(view->window()->cancelButton()->isVisibleTo(view->window()));
}

// A closed view builds nothing when the folder changes, and shows no trips from before when it is
// opened again: here a folder's only recording is removed while the view is closed.
TEST_F(TripsViewTest, AClosedViewBuildsNothingAndOpensOnWhatIsListedThen)
{
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath(u"evt_rec"_s)));
    const QString recording = other.filePath(u"evt_rec/20261207_081600_EVT.avi"_s);
    ASSERT_TRUE(QFile::copy(demoFolder().filePath(u"card/evt_rec/20261207_081600_EVT.avi"_s), recording));
    QSignalSpy shown(view, &TripsViewController::tripsShown);
    controller->cardFollower()->refreshVideoFileListWithURL(QUrl::fromLocalFile(other.path()));
    ASSERT_TRUE(shown.wait(60000));
    ASSERT_EQ(view->model()->rowCount(), 1);

    view->window()->close();
    ASSERT_TRUE(QFile::remove(recording));
    controller->cardFollower()->refreshVideoFileList(); // as after the card was formatted
    EXPECT_FALSE(view->job()->isRunning());
    EXPECT_EQ(shown.size(), 1);

    controller->trips()->action()->trigger();
    EXPECT_TRUE(view->window()->isVisible());
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_EQ(view->root(), other.path());
    EXPECT_EQ(view->model()->rowCount(), 0);
}

namespace {
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The strongest contrast drawn inside RECT of IMAGE against the colour at its left edge (the row's
// background): the text's contrast, as a reader sees it.
double textContrast(const QImage &image, const QRect &rect)
{
    const QRgb background = image.pixel(rect.left() + 1, rect.center().y());
    double best = 1.0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            best = qMax(best, contrast(background, image.pixel(x, y)));
        }
    }
    return best;
}
} // namespace

// Under a dark desktop theme whose alternate row colour stayed light (as many do), every row of the
// Trips list is still light text on the skin's dark rows.
TEST(TripsWindowTest, EveryRowReadsInTheSkinWhateverTheDesktopTheme)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
    dark.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    QApplication::setPalette(dark);
    QStandardItemModel model(4, 2);
    for (int row = 0; row < 4; ++row) {
        model.setItem(row, 0, new QStandardItem(u"2026-12-07 08:15"_s));
        model.setItem(row, 1, new QStandardItem(u"12.4 km"_s));
    }
    TripsWindow window;
    window.setModel(&model);
    window.resize(900, 400);
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.table()->viewport()->grab().toImage();
    for (int row = 0; row < 4; ++row) {
        const QRect cell = window.table()->visualRect(model.index(row, 0));
        EXPECT_GE(textContrast(image, cell), 4.5) << "row " << row;
    }
    QApplication::setPalette(desktop);
}
