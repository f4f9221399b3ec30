#include "WebSettingRequestFilter.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWebSettingRequests, "velmora.settings.web.requests")

WebSettingRequestFilter::WebSettingRequestFilter(const QString &settingFolder, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_settingFolder(settingFolder)
{
}

bool WebSettingRequestFilter::isAllowed(const QUrl &url, const QString &settingFolder)
{
    const QString scheme = url.scheme();
    if (scheme == u"data" || scheme == u"blob") {
        return true;
    }
    if (!url.isLocalFile() || !url.host().isEmpty()) {
        return false;
    }
    const QString root = QFileInfo(settingFolder).canonicalFilePath();
    if (root.isEmpty()) {
        return false;
    }
    // A file that does not exist cannot be read anywhere: only its place is checked. One that
    // exists must be a regular file: the engine would wait forever on a pipe, and a device is no
    // part of a page.
    const QFileInfo file(QDir::cleanPath(url.toLocalFile()));
    if (file.exists() && !file.isFile()) {
        return false;
    }
    const QString path = file.exists() ? file.canonicalFilePath() : file.absoluteFilePath();
    return path.startsWith(root + u'/');
}

void WebSettingRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!isAllowed(info.requestUrl(), m_settingFolder)) {
        qCInfo(lcWebSettingRequests, "blocked %s", qUtf8Printable(info.requestUrl().toDisplayString()));
        info.block(true);
    }
}
