#pragma once

#include <QWebEnginePage>

// The map page's fence: it stays on the page it was opened with (a click on a link of the map's
// credits opens the user's browser instead) and its console messages go to the
// "velmora.map.page" logging category rather than to nowhere.
class MapWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    MapWebPage(QWebEngineProfile *profile, QObject *parent);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
};
