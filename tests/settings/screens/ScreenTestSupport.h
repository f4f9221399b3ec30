#pragma once

#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <functional>
#include <memory>

// Helpers of the settings-window tests: card folders with a factory record, and a way to act on a
// modal window once it runs.
namespace screentest {

class Alerts : public SettingAlertPresenter
{
public:
    void showAlert(const QString &title, const QString &message, const QString &) override
    {
        shown.append(title + QStringLiteral(": ") + message);
    }
    QStringList shown;
};

// Writes the factory record of MODELTYPE under ROOT; returns the record's bytes.
inline QByteArray writeCard(const QString &root, qint64 modelType, int firmware = 17,
                            const std::function<void(QB62SettingManager &)> &change = {})
{
    QB62SettingManager manager;
    manager.setModelType(modelType);
    manager.setLocalID(0);
    manager.setFirmwareVersionInt(firmware);
    manager.loadDefaultValue();
    manager.setText(SettingRecordLayout::version, QStringLiteral("1.00.") + QString::number(firmware));
    if (change) {
        change(manager);
    }
    manager.setSettingDirPath(root);
    manager.saveData();
    QFile file(QDir(root).filePath(QStringLiteral("SETTING/setup.cfg")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits (running the event loop) until CONDITION holds, at most a generous few seconds.
inline bool waitFor(const std::function<bool()> &condition, int milliseconds = 8000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace screentest
