#pragma once

#include <QWebEngineUrlRequestInterceptor>

// What the map page may fetch: its own files from the program's resources, and map tile pictures
// from the tile server. Nothing else leaves the machine.
class MapRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    explicit MapRequestFilter(QObject *parent = nullptr);

    // Whether a request for URL of the given kind is let through.
    static bool isAllowed(const QUrl &url, QWebEngineUrlRequestInfo::ResourceType type);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
