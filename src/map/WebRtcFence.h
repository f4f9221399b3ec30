#pragma once

#include <QString>

class QWebEngineProfile;

// Neither the map nor the camera's settings page has any use for peer-to-peer connections, and a
// peer connection is the one way a page can send packets that the request filters never see (its
// STUN and TURN traffic, which can carry whatever the page puts in its credentials). Two fences:
// the engine runs with Chromium's "disable_non_proxied_udp" policy (WebEngineEnvironment), and
// this script (:/map/webrtc-fence.js), run in every frame of a profile's pages before their own
// scripts, takes the connection constructors out of the page's world.
class WebRtcFence
{
public:
    // The script's text; empty only if the program was built without its resources.
    static QString scriptSource();
    static void install(QWebEngineProfile *profile);
};
