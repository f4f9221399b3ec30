#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWebEngineLoadingInfo;
class QWebEngineView;
class VexoClipData;

// The bridge to the map page: it loads the page into a web view and sends it the script calls of
// MapScript. Calls are fire-and-forget; calls made before the page has finished loading are kept,
// in order, and sent once it has, so the first route of a session is never lost. The current route
// and position are remembered, and drawn again if the page has to be loaded again (its renderer
// process ended).
class MapController : public QObject
{
    Q_OBJECT

public:
    explicit MapController(QWebEngineView *webView, QObject *parent = nullptr);

    QWebEngineView *webView() const { return m_webView; }
    void setWebView(QWebEngineView *webView);

    // Opens the map page (the resource "mapview" of type "html", or the one setPageName() chose) and
    // initialises it.
    void load();
    // Sends SCRIPT to the page; its result and any error are not looked at.
    void run(const QString &script);
    void moveToLat(float lat, float lng);
    void removeMapLine();
    void addRoute(const VexoClipData &track);

    // The map page in the program's resources; empty when the program has none.
    static QUrl mapPageUrl();
    // Another page of the program's resources (the resource NAME of type "html") in place of the
    // recording's map, loaded by load() and fenced the same way: the trips' map.
    void setPageName(const QString &name) { m_pageName = name; }
    QUrl pageUrl() const { return pageUrl(m_pageName); }
    static QUrl pageUrl(const QString &name);

    // True once the page has finished loading; until then calls wait.
    bool isPageReady() const { return m_state == State::Ready; }

Q_SIGNALS:
    // The page has loaded and every call made before that has been sent.
    void pageReady();

private:
    void pageLoadingChanged(const QWebEngineLoadingInfo &info);
    void renderProcessEnded();

    QPointer<QWebEngineView> m_webView;
    QList<QMetaObject::Connection> m_connections;
    // Calls wait while the page loads, go straight to a loaded page, and are dropped when the page
    // could not be loaded (there is nothing to draw on, and the waiting list must not grow).
    enum class State
    {
        Loading,
        Ready,
        Failed
    };
    State m_state = State::Loading;
    QStringList m_pending;
    // What the map shows, to draw it again after a reload: the route call and the last move.
    QString m_routeScript;
    QString m_moveScript;
    QString m_pageName = QStringLiteral("mapview");
    static constexpr int MaxCrashReloads = 3;
    int m_crashReloads = 0;
};
