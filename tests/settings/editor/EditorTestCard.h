#pragma once

#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A card folder holding the factory record of one model type, and a settings object that has read
// it as the settings button would.
struct EditorTestCard
{
    class Alerts : public SettingAlertPresenter
    {
    public:
        void showAlert(const QString &title, const QString &message, const QString &) override
        {
            shown.append(title + u": " + message);
        }
        QStringList shown;
    };

    explicit EditorTestCard(qint64 modelType, int firmware = 17)
    {
        manager->setAlertPresenter(alerts);
        manager->setModelType(modelType);
        manager->setLocalID(0);
        manager->setFirmwareVersionInt(firmware);
        manager->loadDefaultValue();
        manager->setText(SettingRecordLayout::version, u"1.00." + QString::number(firmware));
        manager->setSettingDirPath(folder.path());
        manager->saveData();
        manager->loadData();
    }

    QString path(const QString &relative) const { return QDir(folder.path()).filePath(relative); }
    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    QTemporaryDir folder;
    std::shared_ptr<Alerts> alerts = std::make_shared<Alerts>();
    std::shared_ptr<QB62SettingManager> manager = std::make_shared<QB62SettingManager>();
};
