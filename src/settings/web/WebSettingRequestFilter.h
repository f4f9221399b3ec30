#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// What the camera's settings page may load: the files of the card's SETTING folder (the page, its
// scripts, styles and pictures), and data the page makes itself. Nothing else on this computer
// and nothing from the network.
class WebSettingRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    WebSettingRequestFilter(const QString &settingFolder, QObject *parent = nullptr);

    // Whether URL lies in SETTINGFOLDER (after resolving "..", and links on the card that lead
    // elsewhere) and is no pipe, device or folder, or is a data: or blob: URL.
    static bool isAllowed(const QUrl &url, const QString &settingFolder);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_settingFolder;
};
