#include "TestSettings.h"

#include <QCoreApplication>
#ifdef VELMORA_TEST_GUI
#include "map/WebEngineEnvironment.h"

#include <QApplication>
#endif

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
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
