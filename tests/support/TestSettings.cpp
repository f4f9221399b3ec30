#include "TestSettings.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {
QTemporaryDir &settingsFolder()
{
    static QTemporaryDir folder;
    return folder;
}
} // namespace

void TestSettings::install()
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsFolder().path());
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder().path() + QStringLiteral("/system"));
    }
}

void TestSettings::reset()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}

QString TestSettings::folder()
{
    return settingsFolder().path();
}
