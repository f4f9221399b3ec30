#include "MapWebPage.h"

#include <QDesktopServices>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMapPage, "velmora.map.page")

MapWebPage::MapWebPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
}

bool MapWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // The map page and what it loads live in the program's resources under /map/.
    if (url.scheme() == u"qrc" && url.path().startsWith(u"/map/")) {
        return true;
    }
    if (!isMainFrame) {
        return false;
    }
    // Only the map page itself is shown here; the web pages its credits link to belong in a browser.
    const bool webPage = url.scheme() == u"https" || url.scheme() == u"http";
    if (type == NavigationTypeLinkClicked && webPage) {
        QDesktopServices::openUrl(url);
    }
    return false;
}

void MapWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                          const QString &sourceID)
{
    switch (level) {
    case ErrorMessageLevel:
        qCWarning(lcMapPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    case WarningMessageLevel:
        qCInfo(lcMapPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    default:
        qCDebug(lcMapPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    }
}
