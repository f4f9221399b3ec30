#include "WebSettingWebView.h"

#include "WebSettingPage.h"
#include "WebSettingRequestFilter.h"

#include "map/WebRtcFence.h"
#include "settings/web/WebDashcam.h"
#include "settings/web/WebSettingScript.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

using namespace Qt::StringLiterals;

WebSettingWebView::WebSettingWebView(const QString &settingFolder, QWidget *parent) : QWebEngineView(parent)
{
    m_profile = new QWebEngineProfile(this); // no storage name: off the record
    m_profile->setUrlRequestInterceptor(new WebSettingRequestFilter(settingFolder, m_profile));
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

    QWebEngineScript bridge;
    bridge.setName(u"velmora-dashcam"_s);
    bridge.setInjectionPoint(QWebEngineScript::DocumentCreation);
    bridge.setWorldId(QWebEngineScript::MainWorld);
    bridge.setRunsOnSubFrames(false);
    bridge.setSourceCode(WebSettingScript::bridgeScript(WebDashcam::scriptNames()));
    m_profile->scripts()->insert(bridge);
    WebRtcFence::install(m_profile);

    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);

    m_page = new WebSettingPage(settingFolder, m_profile, this);
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);
}

WebSettingWebView::~WebSettingWebView()
{
    // A profile must outlive its pages.
    delete m_page;
}
