#include "MapRequestFilter.h"

#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMapRequests, "velmora.map.requests")

namespace {
// The tile server the page's tile layer asks (see resources/map/mapview.html).
constexpr QLatin1StringView TileHost{"tile.openstreetmap.org"};
} // namespace

MapRequestFilter::MapRequestFilter(QObject *parent) : QWebEngineUrlRequestInterceptor(parent)
{
}

bool MapRequestFilter::isAllowed(const QUrl &url, QWebEngineUrlRequestInfo::ResourceType type)
{
    const QString scheme = url.scheme();
    if (scheme == u"qrc" || scheme == u"data" || scheme == u"blob") {
        return true;
    }
    return scheme == u"https" && url.host() == TileHost && type == QWebEngineUrlRequestInfo::ResourceTypeImage;
}

void MapRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!isAllowed(info.requestUrl(), info.resourceType())) {
        qCInfo(lcMapRequests, "blocked %s", qUtf8Printable(info.requestUrl().toDisplayString()));
        info.block(true);
    }
}
