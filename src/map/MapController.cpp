#include "MapController.h"

#include "MapScript.h"
#include "core/AppResources.h"

#include <QLoggingCategory>
#include <QUrl>
#include <QWebEngineLoadingInfo>
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
        connect(page, &QWebEnginePage::loadingChanged, this, &MapController::pageLoadingChanged),
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
    const QUrl url = pageUrl();
    m_state = State::Loading;
    m_pending.clear();
    if (url.isEmpty()) {
        qCWarning(lcMapController, "the map page is missing from the program's resources");
        m_state = State::Failed;
        return;
    }
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

QUrl MapController::mapPageUrl()
{
    return pageUrl(u"mapview"_s);
}

QUrl MapController::pageUrl(const QString &name)
{
    const QString path = AppResources::pathForResource(name, u"html"_s);
    if (path.isEmpty()) {
        return {};
    }
    QUrl url;
    url.setScheme(u"qrc"_s);
    url.setPath(path.mid(1)); // ":/map/mapview.html" → qrc:/map/mapview.html
    return url;
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

void MapController::pageLoadingChanged(const QWebEngineLoadingInfo &info)
{
    if (info.url() != pageUrl()) {
        // A navigation elsewhere that the page's policy refused changes nothing here. One that it
        // never saw and that took the view off the map (to about:blank, say) is undone: calls sent
        // to a page without the map's functions would be lost.
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
            qCWarning(lcMapController, "the map view left the map page; loading the map again");
            load();
        }
        return;
    }
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_state = State::Loading;
        return;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        return; // another load took over; its own report follows
    case QWebEngineLoadingInfo::LoadFailedStatus:
        // Nothing to send the calls to: an empty map rather than a waiting list that grows forever.
        qCWarning(lcMapController, "the map page did not load: %s", qUtf8Printable(info.errorString()));
        m_state = State::Failed;
        m_pending.clear();
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        break;
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
    // A page that keeps bringing its renderer down is not loaded forever.
    if (++m_crashReloads > MaxCrashReloads) {
        qCWarning(lcMapController, "the map page's renderer ended again; the map stays empty");
        m_state = State::Failed;
        m_pending.clear();
        return;
    }
    qCWarning(lcMapController, "the map page's renderer ended; loading the map again");
    // Queued, so the page has settled its own state before it is asked to load again.
    QMetaObject::invokeMethod(this, &MapController::load, Qt::QueuedConnection);
}
