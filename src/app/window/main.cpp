// velmora: the viewer. velmora [--card DIR] [--folder DIR] [--lang CODE] [--settings]
#include "core/AllocatorArenas.h"
#include "core/LocalPath.h"
#include "core/Preferences.h"

#include "app/QuitOnSignals.h"
#include "app/window/AppDelegate.h"
#include "app/window/MainWindowController.h"
#include "map/WebEngineEnvironment.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <clocale>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
int usageError(const QString &message)
{
    std::fprintf(stderr, "velmora: %s\n", qPrintable(message));
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    // Before any thread starts: players come and go by the hundred in a session.
    AllocatorArenas::limit();
    WebEngineEnvironment::prepare();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setApplicationDisplayName(u"Velmora"_s);
    // The video engine reads numbers the C way whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Viewer and settings editor for dashboard-camera memory cards"_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption cardOption(u"card"_s, u"Use DIR as the camera card (a card copied to disk)."_s, u"DIR"_s);
    const QCommandLineOption folderOption(
        u"folder"_s, u"List the recordings of DIR; given a recording, list its folder and play it."_s, u"DIR"_s);
    const QCommandLineOption languageOption(u"lang"_s, u"Interface language: en, fr, ja or pt."_s, u"CODE"_s);
    const QCommandLineOption settingsOption(u"settings"_s, u"Open the card's camera settings at once."_s);
    parser.addOptions({cardOption, folderOption, languageOption, settingsOption});
    // The file system's own bytes: a folder or recording name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(LocalPath::decode(argv[i]));
    }
    parser.process(arguments);

    MainWindowController::Options options;
    for (const auto &[option, target] :
         {std::pair{&cardOption, &options.cardPath}, std::pair{&folderOption, &options.folderPath}}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        const QFileInfo folder(parser.value(*option));
        const QFileInfo onDisk(LocalPath::openable(folder.absoluteFilePath()));
        // A recording opened from the file manager arrives as --folder FILE (the desktop entry).
        if (option == &folderOption && onDisk.isFile()) {
            options.folderPath = folder.absolutePath();
            options.recordingPath = folder.absoluteFilePath();
            continue;
        }
        if (!onDisk.isDir()) {
            return usageError(u"no such folder: "_s + parser.value(*option));
        }
        *target = folder.absoluteFilePath();
    }
    if (parser.isSet(languageOption) && !Preferences::isSupportedLanguage(parser.value(languageOption))) {
        return usageError(u"unknown language \""_s + parser.value(languageOption) + u"\" (en, fr, ja or pt)"_s);
    }

    options.openSettings = parser.isSet(settingsOption);

    AppDelegate delegate;
    MainWindowController controller(options);
    delegate.setMainWindowController(&controller);
    controller.start();
    delegate.applicationDidFinishLaunching();
    if (parser.isSet(languageOption)) {
        Preferences::changeLanguage(parser.value(languageOption));
    }
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    // A logout or `kill` ends the viewer as its Quit command does, converted copies removed.
    QuitOnSignals quitOnSignals;
    QObject::connect(&quitOnSignals, &QuitOnSignals::quitRequested, &app, &QCoreApplication::quit);
    return app.exec();
}
