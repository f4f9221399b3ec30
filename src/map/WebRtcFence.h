#pragma once

#include <QString>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

// Neither the map nor the camera's settings page has any use for peer-to-peer connections, and a
// peer connection is the one way a page can send packets that the request filters never see (its
// STUN and TURN traffic, which can carry whatever the page puts in its credentials). Two fences:
// the engine runs with Chromium's "disable_non_proxied_udp" policy (WebEngineEnvironment), and
// this script, run in every frame of a profile's pages before their own scripts, takes the
// connection constructors out of the page's world.
class WebRtcFence
{
public:
    static QString scriptSource()
    {
        return QStringLiteral(R"JS((function () {
  'use strict';
  ['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCIceTransport', 'RTCDataChannel',
   'RTCSessionDescription', 'RTCIceCandidate'].forEach(function (name) {
    try {
      delete window[name];
      Object.defineProperty(window, name, { value: undefined, writable: false, configurable: false });
    } catch (e) {}
  });
})();)JS");
    }

    static void install(QWebEngineProfile *profile)
    {
        QWebEngineScript fence;
        fence.setName(QStringLiteral("velmora-webrtc-fence"));
        fence.setInjectionPoint(QWebEngineScript::DocumentCreation);
        fence.setWorldId(QWebEngineScript::MainWorld);
        fence.setRunsOnSubFrames(true);
        fence.setSourceCode(scriptSource());
        profile->scripts()->insert(fence);
    }
};
