#pragma once

#include <QObject>

// What the application does at the edges of its life: settle the preferences at launch, remove
// the working folder before it quits.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // Closing the main window quits.
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }
};
