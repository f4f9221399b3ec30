#include "AppDelegate.h"

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
    Utils::RemoveWorkingDirectory();
}
