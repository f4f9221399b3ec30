#include "RecordingLibrary.h"

#include "RecordingScan.h"
#include "core/LocalPath.h"
#include "core/PartnerName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
bool hasMp4Extension(const QUrl &file)
{
    return QFileInfo(file.path()).suffix().toLower() == u"mp4";
}

// The same test on a file's location text: its last characters are the name's own (URLs never
// encode these letters), and no other letter lower-cases to "m", "p" or "4".
bool hasMp4Extension(QStringView fileName)
{
    return fileName.endsWith(u".mp4", Qt::CaseInsensitive);
}
} // namespace

RecordingLibrary::RecordingLibrary(QObject *parent) : QAbstractListModel(parent)
{
}

const QStringList &RecordingLibrary::cardFolders()
{
    static const QStringList folders = {u"cont_rec"_s,     u"motion_rec"_s,  u"evt_rec"_s,
                                        u"manual_rec"_s,   u"parking_rec"_s, u"motion_timelapse_rec"_s,
                                        u"Saved_Videos"_s, u"option_rec"_s,  u"sos_rec"_s};
    return folders;
}

QList<QUrl> RecordingLibrary::getVideoFilesInDirectoryUrl(const QUrl &directory, bool enableRecursive)
{
    QList<QUrl> result;
    if (!directory.isLocalFile()) {
        return result;
    }
    RecordingScan(directory.toLocalFile()).scan(directory.toLocalFile(), enableRecursive, result);
    return result;
}

bool RecordingLibrary::passesFilter(const QUrl &file, uint filter)
{
    if (filter < AlwaysFiles || filter > ManualFiles) {
        return true;
    }
    const QString path = file.path();
    switch (filter) {
    case AlwaysFiles:
        return path.contains(u"cont_rec"_s);
    case MotionFiles:
        return path.contains(u"motion_rec"_s) || path.contains(u"motion_timelapse_rec"_s);
    case EventFiles:
        return path.contains(u"evt_rec"_s) || path.contains(u"parking_rec"_s);
    case ManualFiles:
        return path.contains(u"manual_rec"_s) || path.contains(u"option_rec"_s) || path.contains(u"sos_rec"_s);
    default:
        return true;
    }
}

bool RecordingLibrary::sortsBefore(const QUrl &a, const QUrl &b)
{
    const bool aSaved = a.toString().contains(u"Saved_Videos"_s);
    const bool bSaved = b.toString().contains(u"Saved_Videos"_s);
    if (aSaved != bSaved) {
        return aSaved;
    }
    return QString::compare(a.fileName(), b.fileName(), Qt::CaseSensitive) < 0;
}

QString RecordingLibrary::partnerString(const QString &absoluteUrl)
{
    // Only the file name carries the camera letter, never the folders above it.
    const QString front = PartnerName::replaceInFileName(absoluteUrl, u"F.", u"R.");
    return front.isNull() ? PartnerName::replaceInFileName(absoluteUrl, u"R.", u"F.") : front;
}

bool RecordingLibrary::arePartners(const QUrl &a, const QUrl &b)
{
    return hasMp4Extension(a) && hasMp4Extension(b) && b.toString() == partnerString(a.toString());
}

RecordingLibrary::RowColor RecordingLibrary::rowColor(const QUrl &file)
{
    const QString parent = file.adjusted(QUrl::RemoveFilename).toString();
    if (parent.endsWith(u"Saved_Videos/"_s)) {
        return RowColor::Magenta;
    }
    if (parent.endsWith(u"option_rec/"_s) || parent.endsWith(u"sos_rec/"_s)) {
        return RowColor::Yellow;
    }
    return RowColor::Default;
}

bool RecordingLibrary::isKRVRecording(const QUrl &file)
{
    const QString name = file.fileName();
    if (!name.endsWith(u".avi"_s)) {
        return false;
    }
    return name.startsWith(u"Rec_"_s) || name.startsWith(u"Event_"_s) || name.startsWith(u"Park_"_s) ||
           name.startsWith(u"Manual_"_s);
}

void RecordingLibrary::refreshVideoFileListWithURL(const QUrl &root)
{
    m_selectedVideoDirectoryUrl = root;
    refreshVideoFileList();
}

void RecordingLibrary::refreshVideoFileList()
{
    m_allVideoFileList.clear();
    if (m_selectedVideoDirectoryUrl.isLocalFile()) {
        // One scan for the root and the nine folders: a folder reached twice (a category folder
        // linked to another) is listed once.
        const QDir root(m_selectedVideoDirectoryUrl.toLocalFile());
        RecordingScan scan(root.path());
        scan.scan(root.path(), false, m_allVideoFileList);
        for (const QString &folder : cardFolders()) {
            scan.scan(root.filePath(folder), true, m_allVideoFileList);
        }
    }
    applyVideoFileFilter();
}

void RecordingLibrary::clearVideoFileList()
{
    m_allVideoFileList.clear();
    applyVideoFileFilter();
}

void RecordingLibrary::setVideoFileFilter(uint index)
{
    m_videoFileFilterGroupA = index;
}

void RecordingLibrary::applyVideoFileFilter()
{
    beginResetModel();
    // The sort keys of sortsBefore(), and the location text the partner rule compares, computed
    // once per file rather than once per comparison.
    struct Key
    {
        bool saved;
        QString name;
        QString location;
        qsizetype index;
    };
    std::vector<Key> keys;
    keys.reserve(std::size_t(m_allVideoFileList.size()));
    for (qsizetype i = 0; i < m_allVideoFileList.size(); ++i) {
        const QUrl &file = m_allVideoFileList.at(i);
        if (passesFilter(file, m_videoFileFilterGroupA)) {
            QString location = file.toString();
            const bool saved = location.contains(u"Saved_Videos"_s);
            keys.push_back({saved, file.fileName(), std::move(location), i});
        }
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        if (a.saved != b.saved) {
            return a.saved;
        }
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    });
    m_filteredVideoFileList.clear();
    m_filteredVideoFileList.reserve(qsizetype(keys.size()));
    QStringList locations;
    locations.reserve(qsizetype(keys.size()));
    for (Key &key : keys) {
        m_filteredVideoFileList.append(m_allVideoFileList.at(key.index));
        locations.append(std::move(key.location));
    }
    findPartners(locations);
    endResetModel();
}

int RecordingLibrary::rowOf(const QUrl &file) const
{
    return file.isEmpty() ? -1 : int(m_filteredVideoFileList.indexOf(file));
}

int RecordingLibrary::rowToSelectAfterRefresh(const QUrl &playing) const
{
    if (m_filteredVideoFileList.isEmpty()) {
        return -1;
    }
    return std::max(rowOf(playing), 0);
}

QUrl RecordingLibrary::urlAt(int row) const
{
    return row >= 0 && row < m_filteredVideoFileList.size() ? m_filteredVideoFileList.at(row) : QUrl();
}

int RecordingLibrary::partnerRow(int row) const
{
    return row >= 0 && row < m_partnerRows.size() ? m_partnerRows.at(row) : -1;
}

void RecordingLibrary::findPartners(const QStringList &locations)
{
    // Partners sort next to each other, so one pass over the rows finds them all: arePartners()
    // with each row's partner string made once. The row after wins over the row before.
    const qsizetype count = locations.size();
    QList<bool> mp4(count);
    for (qsizetype row = 0; row < count; ++row) {
        mp4[row] = hasMp4Extension(QStringView(locations.at(row)));
    }
    m_partnerRows.fill(-1, count);
    for (qsizetype row = 0; row < count; ++row) {
        if (!mp4.at(row)) {
            continue;
        }
        const QString partner = partnerString(locations.at(row));
        for (const qsizetype candidate : {row + 1, row - 1}) {
            if (candidate >= 0 && candidate < count && mp4.at(candidate) && locations.at(candidate) == partner) {
                m_partnerRows[row] = int(candidate);
                break;
            }
        }
    }
}

QUrl RecordingLibrary::takeBigVideoURL(int row, bool isVideoSwitched) const
{
    if (!isVideoSwitched) {
        return urlAt(row);
    }
    const int partner = partnerRow(row);
    return partner >= 0 ? urlAt(partner) : urlAt(row);
}

int RecordingLibrary::nextRow(int row) const
{
    const int count = rowCount();
    if (row < 0 || row >= count) {
        return -1;
    }
    int next = row + 1 < count ? row + 1 : 0;
    if (next != row && arePartners(urlAt(row), urlAt(next))) {
        next = row + 2 < count ? row + 2 : 0;
    }
    return next;
}

int RecordingLibrary::previousRow(int row) const
{
    if (row <= 0 || row >= rowCount()) {
        return -1;
    }
    const int previous = row - 1;
    const QUrl current = urlAt(row);
    const QUrl before = urlAt(previous);
    // Row PREVIOUS is the rear file of a pair whose front file sits just before it.
    const auto isRearOfPairBefore = [this, previous, &before] {
        const QString text = before.toString();
        if (previous < 1 || before.fileName().contains(u"F."_s)) {
            return false;
        }
        const QString front = PartnerName::replaceInFileName(text, u"R.", u"F.");
        return !front.isNull() && urlAt(previous - 1).toString() == front;
    };
    if (hasMp4Extension(current) && hasMp4Extension(before)) {
        if (arePartners(current, before) || row == 1) {
            return previous;
        }
        return isRearOfPairBefore() ? row - 2 : previous;
    }
    if (row >= 2 && isRearOfPairBefore()) {
        return row - 2;
    }
    return previous;
}

bool RecordingLibrary::removeFileAt(int row)
{
    const QUrl file = urlAt(row);
    // By the file system's own bytes: a name that is not UTF-8 is deleted too, and only itself.
    if (file.isEmpty() || ::unlink(LocalPath::encode(file.toLocalFile()).constData()) != 0) {
        return false;
    }
    beginResetModel();
    m_filteredVideoFileList.removeAt(row);
    m_allVideoFileList.removeAll(file);
    QStringList locations;
    locations.reserve(m_filteredVideoFileList.size());
    for (const QUrl &url : std::as_const(m_filteredVideoFileList)) {
        locations.append(url.toString());
    }
    findPartners(locations);
    endResetModel();
    return true;
}

int RecordingLibrary::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_filteredVideoFileList.size());
}

QVariant RecordingLibrary::data(const QModelIndex &index, int role) const
{
    const QUrl file = urlAt(index.row());
    if (!index.isValid() || file.isEmpty()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        // A name that is not UTF-8 shows its odd bytes as U+FFFD; the row keeps the bytes.
        return LocalPath::displayText(file.fileName());
    case RowColorRole:
        return int(rowColor(file));
    case FileUrlRole:
        return file;
    default:
        return {};
    }
}
