#include "TestSettings.h"

#include <QCoreApplication>
#ifdef VELMORA_TEST_GUI
#include <QApplication>
#endif

#include <gtest/gtest.h>

#include <unistd.h>

int main(int argc, char **argv)
{
#ifdef VELMORA_TEST_GUI
    // Web views (the map) will not start as root with the web engine's sandbox on, as in CI
    // containers; it is read before the application object exists.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // The map is drawn without OpenGL: a GL-drawn web view makes Qt compose the whole window with
    // OpenGL at every video frame, which costs several times the players themselves where there
    // is no graphics card (and is wasted on a map that moves once a second).
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) {
        qputenv("QT_QUICK_BACKEND", "software");
    }
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
    // Widget tests draw offscreen; only those built as display tests use the (virtual) X server.
#ifndef VELMORA_TEST_DISPLAY
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    TestSettings::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
