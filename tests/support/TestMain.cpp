#include "TestHome.h"
#include "TestSettings.h"

#include <QCoreApplication>
#include <QDir>
#ifdef VELMORA_TEST_GUI
#include "map/WebEngineEnvironment.h"

#include <QApplication>
#endif

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    // Before anything (Qt, the web engine, fontconfig) reads where the home and temporary folder are.
    const TestHome home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make the test's private folder under %s\n", qPrintable(QDir::tempPath()));
        return 1;
    }
#ifdef VELMORA_TEST_GUI
    WebEngineEnvironment::prepare();
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
