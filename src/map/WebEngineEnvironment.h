#pragma once

#include <QtGlobal>

#include <unistd.h>

// Settings the web engine reads before the application object exists; the viewer and the test
// programs call prepare() first thing in main(). Anything the user set already is left alone, but
// for the WebRTC policy, which is added to the user's flags.
class WebEngineEnvironment
{
public:
    static void prepare()
    {
        // The web engine will not start as root with its sandbox on (a root session, a container);
        // a normal user keeps the sandbox.
        if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        }
        // The map is drawn without OpenGL: a GL-drawn web view makes Qt compose the whole window
        // with OpenGL at every video frame, which costs several times the players themselves where
        // there is no graphics card (and is wasted on a map that moves once a second).
        if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) {
            qputenv("QT_QUICK_BACKEND", "software");
        }
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        }
        // Pages may not send UDP of their own (peer connections' STUN and TURN traffic, which no
        // request filter sees); this one is added to whatever the user set (see WebRtcFence).
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("webrtc-ip-handling-policy")) {
            flags += " --force-webrtc-ip-handling-policy=disable_non_proxied_udp";
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
        }
    }
};
