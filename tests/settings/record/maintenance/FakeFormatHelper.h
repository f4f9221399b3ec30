#pragma once

#include "platform/FolderVolumes.h"
#include "settings/record/maintenance/CardMaintenance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A folder of volumes with a camera card in it, and stand-ins for the reformat helper: shell
// scripts that record the path they were given and end as told.
class FakeFormatHelper
{
public:
    // A card whose name has spaces, quotes and non-ASCII letters, as users name them.
    static constexpr const char *CardName = "CAM 카드 \"1\"";

    FakeFormatHelper()
    {
        QDir().mkpath(cardRoot());
        volumes = std::make_shared<FolderVolumes>(m_folder.filePath(QStringLiteral("volumes")));
        QDir().mkpath(m_folder.filePath(QStringLiteral("volumes/Untitled 2")));
        QDir().mkpath(m_folder.filePath(QStringLiteral("volumes/DISK")));
        volumes->setFlags(QStringLiteral("DISK"), true, false);
    }

    QString cardRoot() const { return m_folder.filePath(QStringLiteral("volumes/") + QString::fromUtf8(CardName)); }
    QString volumeRoot(const QString &name) const { return m_folder.filePath(QStringLiteral("volumes/") + name); }
    QString argumentsFile() const { return m_folder.filePath(QStringLiteral("arguments")); }
    QString goFile() const { return m_folder.filePath(QStringLiteral("go")); }

    // A helper that writes its arguments down and exits with STATUS. A slow one first floods both
    // output channels and then waits for goFile() to appear.
    QStringList script(int status, bool slow = false) const
    {
        const QString path = m_folder.filePath(
            QStringLiteral("helper-%1%2.sh").arg(status).arg(slow ? QStringLiteral("-slow") : QString()));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            QByteArray text = "printf '%s\\n' \"$@\" > '" + argumentsFile().toUtf8() + "'\n";
            if (slow) {
                text += "head -c 1000000 /dev/zero\nhead -c 1000000 /dev/zero >&2\n";
                text += "while [ ! -e '" + goFile().toUtf8() + "' ]; do sleep 0.05; done\n";
            }
            text += "exit " + QByteArray::number(status) + "\n";
            file.write(text);
        }
        return {path, QStringLiteral("reformat")};
    }

    // MODEL set up on the card with the helper of SCRIPT run through the shell.
    void prepare(CardMaintenance &model, int status, bool slow = false) const
    {
        model.setVolumeSource(volumes);
        model.setCardRoot(cardRoot());
        model.setFormatCommand(QStringLiteral("/bin/sh"), script(status, slow));
    }

    QStringList argumentsGiven() const
    {
        QFile file(argumentsFile());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void letSlowHelperFinish() const
    {
        QFile file(goFile());
        file.open(QIODevice::WriteOnly);
    }

private:
    QTemporaryDir m_folder;

public:
    std::shared_ptr<FolderVolumes> volumes;
};
