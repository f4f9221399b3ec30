#pragma once

#include <QObject>
#include <QPointer>

class MainWindowController;

// What the application does at the edges of its life: settle the preferences at launch, stop the
// conversions and remove the working folder before it quits.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // The window whose conversions are stopped before the working folder goes.
    void setMainWindowController(MainWindowController *controller) { m_mainWindowController = controller; }

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // Closing the main window quits.
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }

private:
    QPointer<MainWindowController> m_mainWindowController;
};
