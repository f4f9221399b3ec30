#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class ListedFolderWatch;
class RecordingLibrary;

// Which folder the recording list shows as cards come and go. A card inserted, removed or changed
// is recognised again and the list follows it; a folder the user chose stays through unrelated
// volume events and changes of language, and is listed again only when it went away itself
// (ListedFolderWatch); after each rebuild the playing recording stays selected. The widgets only
// show what this announces, so every decision is made here without them.
class CardFollower : public QObject
{
    Q_OBJECT

public:
    // LIBRARY is the list's model. CARDPATH, when given, is a folder that stands in for the first
    // camera card among the volumes (a card copied to disk, the demo card).
    CardFollower(RecordingLibrary *library, QString cardPath, QObject *parent = nullptr);

    // Tells the recording that plays now, so a rebuilt list keeps it selected.
    void setPlayingUrl(std::function<QUrl()> playingUrl) { m_playingUrl = std::move(playingUrl); }

    // A volume was mounted or unmounted: the card is recognised again, and the list rebuilt when it
    // shows the card's root or the card changed (a folder the user chose stays).
    void volumeMountHandler();
    void volumeUnmountHandler();
    void volumesChanged();
    // The card is recognised again and the list follows it, wherever the list was (the settings
    // screens after the card's settings changed).
    void updateModelInfo();
    // The card's model and the list: its recordings, or nothing when no camera card is there.
    void showModelInfo();
    // Lists ROOT (the folder button, a folder opened from the file manager).
    void refreshVideoFileListWithURL(const QUrl &root);
    // Lists the same folder again, whose recordings may have changed (after a card was formatted).
    void refreshVideoFileList();

    // The folder the list shows; empty when the list shows nothing (no card).
    QString followedFolder() const { return m_announced.folder; }
    ListedFolderWatch *folderWatch() const { return m_folderWatch; }

Q_SIGNALS:
    // The list was rebuilt or emptied: FOLDERTEXT names the folder it shows (empty for none), and
    // ROW is the row to select, -1 for none.
    void listShown(const QString &folderText, int row);
    // The card's model name ("unknown" in the user's language when there is no camera card) and
    // whether its settings can be opened.
    void modelShown(const QString &name, bool known);
    // What the list follows changed: another folder, another card, the card or folder gone, or
    // the same folder's recordings listed again on purpose. FOLDER is followedFolder().
    void followedFolderChanged(const QString &folder);

private:
    // What was last announced: the folder, and the card it was seen with.
    struct Followed
    {
        QString folder;
        QString cardDir;
        qint64 modelType = -1;
        bool operator==(const Followed &) const = default;
    };

    // Finds and recognises the card (the first half of updateModelInfo).
    void recognizeCard();
    // The model's name (or "unknown") and whether the settings button works; the list stays.
    void showModelName();
    void rebuildList(bool announceAlways);
    void clearList();
    void announce(const QString &folder, bool always);

    RecordingLibrary *m_library;
    QString m_cardPath;
    ListedFolderWatch *m_folderWatch;
    std::function<QUrl()> m_playingUrl;
    Followed m_announced;
};
