#include "CardFollower.h"

#include "core/VexoLanguages.h"
#include "library/ListedFolderWatch.h"
#include "library/RecordingLibrary.h"

#include "settings/record/QB62SettingManager.h"

using namespace Qt::StringLiterals;

CardFollower::CardFollower(RecordingLibrary *library, QString cardPath, QObject *parent)
    : QObject(parent), m_library(library), m_cardPath(std::move(cardPath)), m_folderWatch(new ListedFolderWatch(this))
{
    // The listed folder gone (removed, unmounted): as after a mount event, the card is looked for
    // again and the list rebuilt (once: volumesChanged refreshes a chosen folder that changed).
    connect(m_folderWatch, &ListedFolderWatch::listedFolderChanged, this, &CardFollower::volumesChanged);
}

void CardFollower::volumeMountHandler()
{
    volumesChanged();
}

void CardFollower::volumeUnmountHandler()
{
    volumesChanged();
}

void CardFollower::volumesChanged()
{
    // A USB stick coming or going must not throw away a folder the user chose: the list follows
    // the card only when it shows the card, or when the card itself came, went or changed.
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    const QString cardBefore = manager->settingDirPath();
    const qint64 typeBefore = manager->modelType();
    const QUrl listed = m_library->selectedVideoDirectoryUrl();
    const bool listShowsCard = listed.isEmpty() || listed == manager->sdcard_url();
    recognizeCard();
    if (listShowsCard || manager->settingDirPath() != cardBefore || manager->modelType() != typeBefore) {
        showModelInfo();
    } else {
        showModelName();
        if (m_folderWatch->hasChanged()) {
            refreshVideoFileList(); // a chosen folder whose volume went away
        }
    }
}

void CardFollower::recognizeCard()
{
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (!m_cardPath.isEmpty()) {
        // A card copied to disk (or a demo card) stands in for the first camera card found.
        manager->recognizeCardAtPath(m_cardPath);
        manager->setSdcard_url(QUrl::fromLocalFile(m_cardPath));
    } else {
        manager->loadVersionInfo();
    }
}

void CardFollower::updateModelInfo()
{
    recognizeCard();
    showModelInfo();
}

void CardFollower::showModelInfo()
{
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    if (manager->modelType() == -1) {
        clearList();
    } else {
        m_library->setSelectedVideoDirectoryUrl(manager->sdcard_url());
        rebuildList(false);
    }
    showModelName();
}

void CardFollower::showModelName()
{
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    const qint64 type = manager->modelType();
    const bool known = type != -1;
    if (known && type != 26) {
        manager->setModelName(manager->modelNameList().value(type));
    }
    const QString name = known ? manager->modelName() : QString();
    Q_EMIT modelShown(name.isEmpty() ? VexoLanguages::SharedVexoLanguages().localized(u"unknown"_s) : name, known);
}

void CardFollower::refreshVideoFileListWithURL(const QUrl &root)
{
    m_library->setSelectedVideoDirectoryUrl(root);
    rebuildList(false);
}

void CardFollower::refreshVideoFileList()
{
    rebuildList(true);
}

void CardFollower::rebuildList(bool announceAlways)
{
    const QUrl root = m_library->selectedVideoDirectoryUrl();
    m_library->refreshVideoFileList();
    m_folderWatch->watch(root.isLocalFile() ? root.toLocalFile() : QString());
    // The playing recording stays selected, so "next" and the advance at its end go on from it.
    const int row = m_library->rowToSelectAfterRefresh(m_playingUrl ? m_playingUrl() : QUrl());
    Q_EMIT listShown(root.isLocalFile() ? root.toLocalFile() : root.toString(), row);
    announce(root.toLocalFile(), announceAlways);
}

void CardFollower::clearList()
{
    // The root is kept in the library, but nothing is shown or followed.
    m_library->clearVideoFileList();
    Q_EMIT listShown(QString(), -1);
    announce(QString(), false);
}

void CardFollower::announce(const QString &folder, bool always)
{
    // The same folder of the same card listed again (a volume elsewhere, a new language) is no
    // change: what follows the list keeps what it has.
    const auto manager = QB62SettingManager::SharedQB62SettingManager();
    const Followed now{folder, manager->settingDirPath(), manager->modelType()};
    if (!always && now == m_announced) {
        return;
    }
    m_announced = now;
    Q_EMIT followedFolderChanged(folder);
}
