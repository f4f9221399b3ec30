#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QUrl>

// The list of recordings beside the players: found in a camera card's folder layout (or any
// folder the user picks), narrowed by recording class, sorted, coloured by folder and paired
// front with rear. It is the list view's model; row numbers everywhere mean rows of the filtered,
// sorted list.
class RecordingLibrary : public QAbstractListModel
{
    Q_OBJECT

public:
    // The filter buttons, in button order.
    enum Filter : uint
    {
        AllFiles = 0,
        AlwaysFiles = 1,
        MotionFiles = 2,
        EventFiles = 3,
        ManualFiles = 4
    };
    // How a row's name is coloured, decided by the folder the file is in.
    enum class RowColor
    {
        Default,
        Magenta,
        Yellow
    };
    enum Roles
    {
        RowColorRole = Qt::UserRole + 1,
        FileUrlRole
    };

    explicit RecordingLibrary(QObject *parent = nullptr);

    // The nine folders under a card's root that hold recordings, in scan order.
    static const QStringList &cardFolders();
    // Recordings directly in DIRECTORY (and, with recursion, below it), in the order the file
    // system lists them. Unreadable folders give nothing.
    static QList<QUrl> getVideoFilesInDirectoryUrl(const QUrl &directory, bool enableRecursive);
    // Plain case-sensitive path tests of the filter buttons; indexes above 4 pass everything.
    static bool passesFilter(const QUrl &file, uint filter);
    // Saved copies first, then by file name, byte for byte.
    static bool sortsBefore(const QUrl &a, const QUrl &b);
    // The rear file's location for a front file's and the other way round ("F." ↔ "R." in the
    // file name only), or an empty string when the file name carries no camera letter.
    static QString partnerString(const QString &absoluteUrl);
    static bool arePartners(const QUrl &a, const QUrl &b);
    static RowColor rowColor(const QUrl &file);
    // Recordings of the INI-settings camera family: "Rec_…", "Event_…", "Park_…", "Manual_….avi".
    static bool isKRVRecording(const QUrl &file);

    QUrl selectedVideoDirectoryUrl() const { return m_selectedVideoDirectoryUrl; }
    const QList<QUrl> &allVideoFileList() const { return m_allVideoFileList; }
    const QList<QUrl> &filteredVideoFileList() const { return m_filteredVideoFileList; }
    uint videoFileFilterGroupA() const { return m_videoFileFilterGroupA; }

    void setSelectedVideoDirectoryUrl(const QUrl &root) { m_selectedVideoDirectoryUrl = root; }
    void refreshVideoFileListWithURL(const QUrl &root);
    // Rescans the current root: the root itself, then the nine card folders at any depth.
    void refreshVideoFileList();
    // No card: the list empties, the root is kept.
    void clearVideoFileList();
    void setVideoFileFilter(uint index);
    void applyVideoFileFilter();

    QUrl urlAt(int row) const;
    // The row of FILE in the filtered list; -1 when it is not listed.
    int rowOf(const QUrl &file) const;
    // The row to select after the list was rebuilt (a card or any volume came or went): the
    // recording that is playing, PLAYING, when it is still listed, so "next" and the advance at
    // its end go on from it; else the first row; -1 for an empty list.
    int rowToSelectAfterRefresh(const QUrl &playing) const;
    // The row of ROW's front/rear partner in the filtered list, or -1.
    int partnerRow(int row) const;
    // The recording the large player shows for ROW: the row itself, or its partner when the
    // players are swapped (a partner after the row wins over one before it).
    QUrl takeBigVideoURL(int row, bool isVideoSwitched) const;
    // The row after ROW for "next recording": wraps to 0, and skips ROW's rear partner. -1 without
    // a row.
    int nextRow(int row) const;
    // The row before ROW for "previous recording": the front file of the previous pair when that
    // row is a rear file. -1 for row 0 or no row.
    int previousRow(int row) const;
    // Deletes that one file from disk; the lists change only when the deletion succeeded.
    bool removeFileAt(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    // Fills m_partnerRows for the filtered list, whose location texts (absolute URL strings) are
    // LOCATIONS.
    void findPartners(const QStringList &locations);

    QUrl m_selectedVideoDirectoryUrl;
    QList<QUrl> m_allVideoFileList;
    QList<QUrl> m_filteredVideoFileList;
    // Each filtered row's partner row, or -1.
    QList<int> m_partnerRows;
    uint m_videoFileFilterGroupA = AllFiles;
};
