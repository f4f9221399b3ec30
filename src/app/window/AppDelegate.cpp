#include "AppDelegate.h"

#include "MainWindowController.h"
#include "core/Preferences.h"

#include "export/Utils.h"

AppDelegate::AppDelegate(QObject *parent) : QObject(parent)
{
}

void AppDelegate::applicationDidFinishLaunching()
{
    Preferences::initializeLanguageSetting();
}

void AppDelegate::applicationWillTerminate()
{
    // A conversion still running would fill the folder again right after it was removed.
    if (m_mainWindowController) {
        m_mainWindowController->cancelConversions();
    }
    Utils::RemoveWorkingDirectory();
}
