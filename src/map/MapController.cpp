#include "MapController.h"

#include "MapScript.h"

#include "app/AppResources.h"

#include <QLoggingCategory>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMapController, "velmora.map")

MapController::MapController(QWebEngineView *webView, QObject *parent) : QObject(parent)
{
    setWebView(webView);
}

void MapController::setWebView(QWebEngineView *webView)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections)) {
        disconnect(connection);
    }
    m_connections.clear();
    m_webView = webView;
    m_state = State::Loading;
    m_pending.clear();
    if (webView == nullptr) {
        return;
    }
    QWebEnginePage *page = webView->page();
    m_connections = {
        connect(page, &QWebEnginePage::loadStarted, this, [this] { m_state = State::Loading; }),
        connect(page, &QWebEnginePage::loadFinished, this, &MapController::pageLoadFinished),
        connect(page, &QWebEnginePage::renderProcessTerminated, this,
                [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                    if (status != QWebEnginePage::NormalTerminationStatus) {
                        renderProcessEnded();
                    }
                }),
    };
}

void MapController::load()
{
    if (m_webView == nullptr) {
        return;
    }
    const QString path = AppResources::pathForResource(u"mapview"_s, u"html"_s);
    m_state = State::Loading;
    m_pending.clear();
    if (path.isEmpty()) {
        qCWarning(lcMapController, "the map page is missing from the program's resources");
        m_state = State::Failed;
        return;
    }
    QUrl url;
    url.setScheme(u"qrc"_s);
    url.setPath(path.mid(1)); // ":/map/mapview.html" → qrc:/map/mapview.html
    m_webView->load(url);
    run(MapScript::initialize());
    // After a reload the page starts empty: give it back what it showed.
    if (!m_routeScript.isEmpty()) {
        run(m_routeScript);
    }
    if (!m_moveScript.isEmpty()) {
        run(m_moveScript);
    }
}

void MapController::run(const QString &script)
{
    if (m_webView == nullptr) {
        return;
    }
    switch (m_state) {
    case State::Loading:
        m_pending.append(script);
        return;
    case State::Ready:
        m_webView->page()->runJavaScript(script);
        return;
    case State::Failed:
        return;
    }
}

void MapController::moveToLat(float lat, float lng)
{
    m_moveScript = MapScript::moveTo(lat, lng);
    run(m_moveScript);
}

void MapController::removeMapLine()
{
    m_routeScript.clear();
    run(MapScript::removePolyLine());
}

void MapController::addRoute(const VexoClipData &track)
{
    m_routeScript = MapScript::addPolyLine(track);
    run(m_routeScript);
}

void MapController::pageLoadFinished(bool ok)
{
    if (!ok) {
        // Nothing to send the calls to: an empty map rather than a queue that grows forever.
        qCWarning(lcMapController, "the map page did not load");
        m_state = State::Failed;
        m_pending.clear();
        return;
    }
    m_state = State::Ready;
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString &script : pending) {
        m_webView->page()->runJavaScript(script);
    }
    Q_EMIT pageReady();
}

void MapController::renderProcessEnded()
{
    qCWarning(lcMapController, "the map page's renderer ended; loading the map again");
    // Queued, so the page has settled its own state before it is asked to load again.
    QMetaObject::invokeMethod(this, &MapController::load, Qt::QueuedConnection);
}
