#include "core/AllocatorArenas.h"
#include "core/LocalPath.h"

#include "cli/CliTool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // Before any thread starts, as in the viewer: players and workers share a few arenas.
    AllocatorArenas::limit();
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // The file system's own bytes: a recording's name need not be UTF-8.
        arguments.append(LocalPath::decode(argv[i]));
    }
    std::unique_ptr<QCoreApplication> app;
    if (CliTool::needsGraphics(arguments)) {
        // Fonts and pictures without a window: the offscreen platform needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Read again: the application took out the options that were its own.
    arguments.clear();
    for (int i = 1; i < argc; ++i) {
        arguments.append(LocalPath::decode(argv[i]));
    }
    return CliTool::run(arguments, out, err);
}
