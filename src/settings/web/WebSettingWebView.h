#pragma once

#include <QString>
#include <QWebEngineView>

class WebSettingPage;
class QWebEngineProfile;

// The web view that hosts the camera's settings page: its own off-the-record profile (nothing of
// the page is kept on disk or shared with the map), no plug-ins, no new windows, requests limited
// to the card's SETTING folder, and the "Dashcam" bridge script added to every document before the
// page's own scripts run.
class WebSettingWebView : public QWebEngineView
{
    Q_OBJECT

public:
    WebSettingWebView(const QString &settingFolder, QWidget *parent = nullptr);
    ~WebSettingWebView() override;

    WebSettingPage *settingPage() const { return m_page; }

private:
    QWebEngineProfile *m_profile = nullptr;
    WebSettingPage *m_page = nullptr;
};
