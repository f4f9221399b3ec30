#include "TripsViewController.h"

#include "TripsMapBridge.h"
#include "TripsMapScript.h"
#include "TripsViewContent.h"
#include "TripsViewModel.h"
#include "TripsWindow.h"
#include "core/LocalPath.h"
#include "core/NotificationCenter.h"
#include "core/Preferences.h"
#include "core/VexoLanguages.h"
#include "recording/TrackCache.h"
#include "trips/TripsJob.h"

#include "map/MapController.h"
#include "map/MapWebView.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWebChannel>
#include <QWebEnginePage>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

TripsViewController::TripsViewController(QWidget *parentWindow, QObject *parent)
    : QObject(parent), m_cacheFolder(TrackCache::defaultFolder())
{
    m_window = new TripsWindow(parentWindow);
    m_window->setObjectName(u"tripsWindow"_s);
    m_model = new TripsViewModel(this);
    m_window->setModel(m_model);
    m_job = new TripsJob(this);
    // The map's drawing and the paths are made on the worker: a card of thousands of recordings
    // would otherwise hold the window for a few hundred milliseconds when its trips arrive.
    m_job->setFinishing([](const QList<Trip> &trips, const QList<TripRecording> &recordings) {
        return QVariant::fromValue(TripsViewContent::make(trips, recordings));
    });
    m_bridge = new TripsMapBridge(this);
    m_channel = new QWebChannel(this);
    m_channel->registerObject(u"trips"_s, m_bridge);
    // The web view comes with the first opening (openMap): the main window's start-up does not
    // pay for a second web profile that may never be shown.
    m_map = new MapController(nullptr, this);
    m_map->setPageName(u"tripsview"_s);

    connect(m_job, &TripsJob::progress, this, &TripsViewController::showBuildProgress);
    connect(m_job, &TripsJob::finished, this, &TripsViewController::buildFinished);
    connect(m_job, &TripsJob::cancelled, this, &TripsViewController::buildCancelled);
    connect(m_job, &TripsJob::failed, this, &TripsViewController::buildFailed);
    connect(m_bridge, &TripsMapBridge::routePointClicked, this, &TripsViewController::routePointClicked);
    connect(m_bridge, &TripsMapBridge::eventMarkerClicked, this, &TripsViewController::eventClicked);
    connect(m_map, &MapController::pageReady, this, &TripsViewController::redrawMap);
    connect(m_window->cancelButton(), &QPushButton::clicked, this, &TripsViewController::cancel);
    connect(m_window->rebuildButton(), &QPushButton::clicked, this, &TripsViewController::rebuild);
    connect(m_window->table()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectTrip(current.isValid() ? current.row() : -1); });
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this,
            &TripsViewController::retranslate);
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshSpeedUnit, this,
            &TripsViewController::applySpeedUnit);
    applySpeedUnit();
    retranslate();
}

TripsViewController::~TripsViewController()
{
    // The job's worker is stopped first (TripsJob's end waits for it), then the window and its
    // page go while the channel and the bridge they use are still there.
    delete m_job;
    m_job = nullptr;
    delete m_window;
}

TripsWindow *TripsViewController::window() const
{
    return m_window;
}

void TripsViewController::open(const QString &root)
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    openMap();
    if (root == m_root && (m_state == State::Building || m_state == State::Shown)) {
        return;
    }
    m_root = root;
    rebuild();
}

void TripsViewController::openMap()
{
    if (m_mapView != nullptr) {
        return;
    }
    m_mapView = new MapWebView(m_window);
    m_mapView->setObjectName(u"tripsMapWebView"_s);
    m_window->setMap(m_mapView);
    m_mapView->page()->setWebChannel(m_channel);
    m_map->setWebView(m_mapView);
    m_map->load();
}

void TripsViewController::rebuild()
{
    m_model->clear();
    m_tripsScript = TripsMapScript::showTrips({}, {});
    m_selected = -1;
    m_skipped.clear();
    hidePlaying();
    redrawMap();
    if (m_root.isEmpty()) {
        m_job->cancel(); // the previous folder's build must not fill the emptied list
        m_state = State::Empty;
        updateStatus();
        return;
    }
    m_state = State::Building;
    m_done = 0;
    m_total = 0;
    m_window->setBusy(true);
    updateStatus();
    m_job->start(m_root, m_cacheFolder);
}

void TripsViewController::followFolder(const QString &root)
{
    if (m_window->isVisible()) {
        m_root = root;
        rebuild();
        return;
    }
    m_job->cancel();
    m_root.clear();
    m_model->clear();
    m_state = State::Empty;
}

void TripsViewController::cancel()
{
    m_job->cancel();
}

void TripsViewController::showBuildProgress(qsizetype done, qsizetype total)
{
    m_done = done;
    m_total = total;
    m_window->showProgress(done, total);
    updateStatus();
}

void TripsViewController::buildFinished(const QList<Trip> &trips, const QList<TripRecording> &recordings,
                                        const QVariant &prepared)
{
    m_state = State::Shown;
    m_window->setBusy(false);
    const TripsViewContent content = prepared.canConvert<TripsViewContent>()
                                         ? prepared.value<TripsViewContent>()
                                         : TripsViewContent::make(trips, recordings);
    m_model->setTrips(trips, recordings, content.paths);
    m_skipped = m_job->skipped();
    m_tripsScript = content.mapScript;
    m_selected = -1;
    updateStatus();
    redrawMap();
    Q_EMIT tripsShown();
}

void TripsViewController::buildCancelled()
{
    m_state = State::Cancelled;
    m_window->setBusy(false);
    updateStatus();
}

void TripsViewController::buildFailed()
{
    m_state = State::Failed;
    m_window->setBusy(false);
    updateStatus();
}

void TripsViewController::selectTrip(int row)
{
    if (row == m_selected || row >= m_model->rowCount()) {
        return;
    }
    m_selected = row;
    if (m_window->table()->currentIndex().row() != row && row >= 0) {
        m_window->table()->selectRow(row);
    }
    if (m_map->isPageReady()) {
        m_map->run(TripsMapScript::selectTrip(*m_model, row));
    }
}

void TripsViewController::routePointClicked(int row, double lat, double lng)
{
    if (const std::optional<TripsViewModel::Play> play = m_model->routeMoment(row, {lat, lng})) {
        Q_EMIT playRequested(play->path, play->seconds);
    }
}

void TripsViewController::eventClicked(int row, int event)
{
    if (const std::optional<TripsViewModel::Play> play = m_model->eventMoment(row, event)) {
        Q_EMIT playRequested(play->path, play->seconds);
    }
}

void TripsViewController::showPlaying(const QString &path, double seconds)
{
    // A closed window is brought up to date by the first tick after it opens again.
    if (!m_window->isVisible()) {
        return;
    }
    const std::optional<TripsViewModel::Place> place = m_model->placeOf(path, seconds);
    sendPosition(place ? TripsMapScript::showPosition(place->point) : TripsMapScript::hidePosition());
}

void TripsViewController::hidePlaying()
{
    sendPosition(TripsMapScript::hidePosition());
}

void TripsViewController::sendPosition(const QString &script)
{
    if (script == m_positionScript) {
        return;
    }
    m_positionScript = script;
    if (m_map->isPageReady()) {
        m_map->run(script);
    }
}

void TripsViewController::redrawMap()
{
    // Before the page has loaded nothing is sent: pageReady brings the whole picture at once.
    if (!m_map->isPageReady()) {
        return;
    }
    m_map->run(m_tripsScript.isEmpty() ? TripsMapScript::showTrips({}, {}) : m_tripsScript);
    if (m_selected >= 0) {
        m_map->run(TripsMapScript::selectTrip(*m_model, m_selected));
    }
    m_map->run(m_positionScript.isEmpty() ? TripsMapScript::hidePosition() : m_positionScript);
}

void TripsViewController::applySpeedUnit()
{
    m_model->setSpeedUnit(Preferences::speedUnit());
}

void TripsViewController::updateStatus()
{
    QString text;
    switch (m_state) {
    case State::Empty:
        text = localized(u"목록에 표시된 폴더가 없습니다."_s);
        break;
    case State::Building:
        text = m_total > 0 ? localized(u"트립을 읽는 중… (%1/%2)"_s).arg(m_done).arg(m_total)
                           : localized(u"트립을 읽는 중…"_s);
        break;
    case State::Cancelled:
        text = localized(u"트립 읽기를 취소했습니다."_s);
        break;
    case State::Failed:
        text = localized(u"카드가 빠져서 트립을 끝까지 읽지 못했습니다."_s);
        break;
    case State::Shown:
        text = m_model->rowCount() == 0 ? localized(u"이 폴더에는 트립이 없습니다."_s)
                                        : localized(u"트립 %1개"_s).arg(m_model->rowCount());
        if (!m_skipped.isEmpty()) {
            text +=
                u' ' +
                localized(u"녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다."_s).arg(m_skipped.size());
        }
        break;
    }
    m_window->setStatus(text);
    // The recordings left out, each with why, for whoever looks closer.
    QStringList left;
    for (const CardTrips::Skipped &skipped : std::as_const(m_skipped)) {
        left.append(LocalPath::displayText(skipped.path) + u": "_s + skipped.reason);
    }
    m_window->statusLabel()->setToolTip(m_state == State::Shown ? left.join(u'\n') : QString());
}

void TripsViewController::retranslate()
{
    m_window->setWindowTitle(localized(u"트립"_s));
    m_window->cancelButton()->setText(localized(u"취소"_s));
    m_window->rebuildButton()->setText(localized(u"다시 읽기"_s));
    Q_EMIT m_model->headerDataChanged(Qt::Horizontal, 0, TripsViewModel::ColumnCount - 1);
    updateStatus();
}
