#pragma once

#include <QString>
#include <QWebEnginePage>

// The camera page's fence and its way to the bridge. The page stays inside the card's SETTING
// folder, and once the window has connected to it, on the page itself (links, script navigation,
// form submission and new windows all go nowhere). Its prompt() calls carrying the bridge's marker
// are the page's calls on "Dashcam", delivered in the order made; its own alerts, confirmations and
// prompts are logged and answered "no", so only the bridge's alerts reach the user. Console
// messages go to the "velmora.settings.web.page" logging category.
class WebSettingPage : public QWebEnginePage
{
    Q_OBJECT

public:
    WebSettingPage(const QString &settingFolder, QWebEngineProfile *profile, QObject *parent);

    // Once set, the page cannot navigate anywhere.
    void setNavigationLocked(bool locked) { m_navigationLocked = locked; }
    bool isNavigationLocked() const { return m_navigationLocked; }

Q_SIGNALS:
    // The page called the bridge; MESSAGE is the call as the bridge script sent it.
    void bridgeMessage(const QString &message);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;

private:
    QString m_settingFolder;
    bool m_navigationLocked = false;
};
