#include "WebSettingPage.h"

#include "WebSettingRequestFilter.h"

#include "settings/web/WebSettingScript.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWebSettingPage, "velmora.settings.web.page")

WebSettingPage::WebSettingPage(const QString &settingFolder, QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent), m_settingFolder(settingFolder)
{
    // A page asking for the camera, the microphone, the position or the like is refused.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl &origin, Feature feature) {
        setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
}

bool WebSettingPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (isMainFrame && m_navigationLocked) {
        qCInfo(lcWebSettingPage, "navigation to %s refused: the page is connected",
               qUtf8Printable(url.toDisplayString()));
        return false;
    }
    Q_UNUSED(type);
    return WebSettingRequestFilter::isAllowed(url, m_settingFolder);
}

QWebEnginePage *WebSettingPage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    qCInfo(lcWebSettingPage, "the page asked for a new window; refused");
    return nullptr;
}

bool WebSettingPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                                      QString *result)
{
    Q_UNUSED(securityOrigin);
    if (msg == WebSettingScript::bridgeMarker()) {
        Q_EMIT bridgeMessage(defaultValue);
        if (result != nullptr) {
            result->clear();
        }
        return true;
    }
    qCInfo(lcWebSettingPage, "prompt from the page answered with cancel: %s", qUtf8Printable(msg.left(200)));
    return false;
}

void WebSettingPage::javaScriptAlert(const QUrl &securityOrigin, const QString &msg)
{
    Q_UNUSED(securityOrigin);
    qCInfo(lcWebSettingPage, "alert from the page: %s", qUtf8Printable(msg.left(200)));
}

bool WebSettingPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &msg)
{
    Q_UNUSED(securityOrigin);
    qCInfo(lcWebSettingPage, "confirmation from the page answered with no: %s", qUtf8Printable(msg.left(200)));
    return false;
}

void WebSettingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                              int lineNumber, const QString &sourceID)
{
    switch (level) {
    case ErrorMessageLevel:
        qCWarning(lcWebSettingPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    case WarningMessageLevel:
        qCInfo(lcWebSettingPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    default:
        qCDebug(lcWebSettingPage, "%s:%d: %s", qUtf8Printable(sourceID), lineNumber, qUtf8Printable(message));
        break;
    }
}

QStringList WebSettingPage::chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                                        const QStringList &acceptedMimeTypes)
{
    Q_UNUSED(mode);
    Q_UNUSED(oldFiles);
    Q_UNUSED(acceptedMimeTypes);
    return {};
}
