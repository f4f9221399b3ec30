#include "WebRtcFence.h"

#include <QFile>
#include <QLoggingCategory>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(fenceLog, "velmora.web.fence")
}

QString WebRtcFence::scriptSource()
{
    QFile file(u":/map/webrtc-fence.js"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void WebRtcFence::install(QWebEngineProfile *profile)
{
    const QString source = scriptSource();
    if (source.isEmpty()) {
        // The engine's UDP policy still stands; say loudly that the second fence is missing.
        qCCritical(fenceLog) << "the peer-connection fence script is missing from the resources";
        return;
    }
    QWebEngineScript fence;
    fence.setName(u"velmora-webrtc-fence"_s);
    fence.setInjectionPoint(QWebEngineScript::DocumentCreation);
    fence.setWorldId(QWebEngineScript::MainWorld);
    fence.setRunsOnSubFrames(true);
    fence.setSourceCode(source);
    profile->scripts()->insert(fence);
}
