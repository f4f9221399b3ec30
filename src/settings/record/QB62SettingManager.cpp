#include "QB62SettingManager.h"

#include "core/AtomicFileWriter.h"
#include "core/RegularFileReader.h"
#include "core/VexoLanguages.h"

#include "export/Utils.h"
#include "platform/SystemVolumes.h"
#include "platform/VolumeSource.h"
#include "settings/record/CardRecognition.h"
#include "settings/record/CardWriteProtection.h"
#include "settings/record/SettingAlertPresenter.h"
#include "settings/record/SettingDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView SettingFolder{"SETTING"};
constexpr QLatin1StringView LowerSettingFolder{"setting"};
constexpr QLatin1StringView RecordFileName{"setup.cfg"};

std::shared_ptr<QB62SettingManager> &sharedManager()
{
    static std::shared_ptr<QB62SettingManager> shared;
    return shared;
}

// Whether anything (a file, a folder, a link even when it leads nowhere, a pipe) is at PATH.
bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The card file at PATH of the card at ROOT, read whole when WHOLE (nothing when larger than
// LIMIT), else at most LIMIT bytes from its start. Nothing when it is not a regular file inside the
// card: a link, a pipe, a device, or a file in a folder that is a link out of the card.
std::optional<QByteArray> readCardFile(const QString &root, const QString &path, qint64 limit, bool whole,
                                       qint64 *fileSize = nullptr, QString *error = nullptr)
{
    if (!RegularFileReader::liesInside(path, root)) {
        if (error != nullptr) {
            *error = u"%1 lies outside the card (its folder is a link): it is neither read nor replaced"_s.arg(path);
        }
        return std::nullopt;
    }
    if (whole) {
        std::optional<QByteArray> bytes = RegularFileReader::readWhole(path, limit, error);
        if (bytes && fileSize != nullptr) {
            *fileSize = bytes->size();
        }
        return bytes;
    }
    return RegularFileReader::readHead(path, limit, fileSize, error);
}
} // namespace

std::shared_ptr<QB62SettingManager> QB62SettingManager::SharedQB62SettingManager()
{
    std::shared_ptr<QB62SettingManager> &shared = sharedManager();
    if (!shared) {
        shared = std::make_shared<QB62SettingManager>();
    }
    return shared;
}

void QB62SettingManager::ChagneQB62SettingManager(std::shared_ptr<QB62SettingManager> manager)
{
    if (!manager) {
        return;
    }
    std::shared_ptr<QB62SettingManager> &shared = sharedManager();
    if (shared && shared != manager) {
        if (!manager->m_alertPresenter) {
            manager->m_alertPresenter = shared->m_alertPresenter;
        }
        if (!manager->m_volumes) {
            manager->m_volumes = shared->m_volumes;
        }
        if (manager->m_chosenCardPath.isEmpty()) {
            manager->m_chosenCardPath = shared->m_chosenCardPath;
        }
    }
    shared = std::move(manager);
}

QB62SettingManager::QB62SettingManager() = default;
QB62SettingManager::~QB62SettingManager() = default;

int QB62SettingManager::getSettingVariableCount() const
{
    return SettingRecordLayout::fieldCountForModel(m_modelType, m_firmwareVersionInt);
}

int QB62SettingManager::getSaveDataSize() const
{
    return SettingRecordLayout::recordSize(getSettingVariableCount());
}

int QB62SettingManager::offsetFromValue(int field) const
{
    return SettingRecordLayout::offsetOf(field);
}

QString QB62SettingManager::settingFolderPath() const
{
    // On a case-sensitive copy of a card the folder may be spelt either way; the record that the
    // recognition found is the one read and replaced, never a second folder beside it.
    const QString record = CardRecognition::settingRecordPath(m_settingDirPath);
    if (!record.isNull()) {
        return QFileInfo(record).path();
    }
    const QDir card(m_settingDirPath);
    for (const QLatin1StringView name : {SettingFolder, LowerSettingFolder}) {
        if (QFileInfo(card.filePath(name)).isDir()) {
            return card.filePath(name);
        }
    }
    return card.filePath(SettingFolder);
}

QString QB62SettingManager::recordFilePath() const
{
    return QDir(settingFolderPath()).filePath(RecordFileName);
}

int QB62SettingManager::fieldCountForFile(qint64 fileSize) const
{
    const int layout = getSettingVariableCount();
    if (m_modelType != CardRecognition::LengthFieldModel || fileSize < 0) {
        return layout;
    }
    // The unlisted cameras' records start with their own length, by which the card is recognised:
    // they keep exactly the whole fields they hold, so that length stays true.
    int count = 0;
    qint64 end = 0;
    while (count < layout && end + SettingRecordLayout::field(count).width <= fileSize) {
        end += SettingRecordLayout::field(count).width;
        ++count;
    }
    return count;
}

void QB62SettingManager::chooseModelType(qint64 type)
{
    m_modelType = type;
    m_modelChosen = true;
}

QB62SettingManager::LoadResult QB62SettingManager::loadData()
{
    m_lastError.clear();
    const QString path = m_settingDirPath.isEmpty() ? QString() : recordFilePath();
    if (path.isEmpty() || !somethingAt(path)) {
        loadDefaultValue();
        return LoadResult::Defaults;
    }
    loadLanguages();
    qint64 size = 0;
    const std::optional<QByteArray> data =
        readCardFile(m_settingDirPath, path, MaxRecordFileSize, true, &size, &m_lastError);
    if (!data) {
        return LoadResult::Unreadable;
    }
    m_record.read(*data, fieldCountForFile(size));
    // A record no camera of ours wrote is another camera's: laying our layout over it would destroy
    // it, so it is only rewritten when the user chose the model it is to be read as.
    if (!m_modelChosen && CardRecognition::modelTypeForRecord(*data, size) == CardRecognition::NoModel) {
        m_lastError = u"%1 is not a record of a known model: it was read but not rewritten"_s.arg(path);
        return LoadResult::ReadNotRewritten;
    }
    // Every read brings the card's record to the current layout at once.
    saveData();
    return LoadResult::Read;
}

bool QB62SettingManager::saveData()
{
    m_lastError.clear();
    if (m_settingDirPath.isEmpty() || getSaveDataSize() == 0) {
        m_lastError = u"no card folder to write the settings to"_s;
        showMemoryCardAlert();
        return false;
    }
    // The card's root is never made: a card taken out leaves its path behind, and making it again
    // would put the settings on this computer's own disk. SETTING inside it may be made.
    if (!QFileInfo(m_settingDirPath).isDir()) {
        m_lastError = u"the card folder %1 is gone"_s.arg(m_settingDirPath);
        showMemoryCardAlert();
        return false;
    }
    const QString folder = settingFolderPath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() && !QDir(m_settingDirPath).mkdir(folderInfo.fileName())) {
        m_lastError = u"cannot make the folder %1"_s.arg(folder);
        showWriteFailedAlert();
        return false;
    }
    const QString path = QDir(folder).filePath(RecordFileName);
    // Bytes beyond our layout belong to a newer layout or to the camera; they stay as they are. A
    // present record we cannot read (a link, a pipe, a file too large) is never replaced, since its
    // tail could not be kept.
    std::optional<QByteArray> present;
    if (somethingAt(path) || !RegularFileReader::liesInside(path, m_settingDirPath)) {
        present = readCardFile(m_settingDirPath, path, MaxRecordFileSize, true, nullptr, &m_lastError);
        if (!present) {
            showMemoryCardAlert();
            return false;
        }
    }
    QByteArray buffer = m_record.bytes(fieldCountForFile(present ? present->size() : -1));
    if (present && present->size() > buffer.size()) {
        buffer.append(present->sliced(buffer.size()));
    }
    if (!AtomicFileWriter::writeFile(path, buffer, &m_lastError)) {
        showWriteFailedAlert();
        return false;
    }
    return true;
}

void QB62SettingManager::loadDefaultValue()
{
    if (const std::optional<SettingDefaults::Set> set = SettingDefaults::setForModel(m_modelType)) {
        SettingDefaults::apply(m_record, *set, m_localID);
    }
}

bool QB62SettingManager::loadDefaultDataFromDefaultCfgFile()
{
    if (m_settingDirPath.isEmpty()) {
        return false;
    }
    const QString path = QDir(settingFolderPath()).filePath(u"default.cfg"_s);
    if (!somethingAt(path)) {
        return false;
    }
    const std::optional<QByteArray> data = readCardFile(m_settingDirPath, path, MaxRecordFileSize, true);
    if (!data) {
        return false;
    }
    m_record.read(*data, SettingRecordLayout::FieldCount);
    return true;
}

void QB62SettingManager::loadDefaultDataForQA41()
{
    SettingDefaults::apply(m_record, SettingDefaults::QA41, m_localID);
}

void QB62SettingManager::loadDefaultDataForQB62()
{
    SettingDefaults::apply(m_record, SettingDefaults::QB62, m_localID);
}

void QB62SettingManager::loadDefaultDataForQC23()
{
    SettingDefaults::apply(m_record, SettingDefaults::QC23, m_localID);
}

void QB62SettingManager::loadDefaultDataForQD34()
{
    SettingDefaults::apply(m_record, SettingDefaults::QD34, m_localID);
}

void QB62SettingManager::loadDefaultDataForQE86()
{
    SettingDefaults::apply(m_record, SettingDefaults::QE86, m_localID);
}

QString QB62SettingManager::findSDCardPath()
{
    const VolumeSource &volumes = m_volumes ? *m_volumes : *SystemVolumes::system();
    const QList<MountedVolume> mounted = volumes.mountedVolumes();
    // The card the user picked stays the card while it is mounted and recognisable, however many
    // other cards come before it in the listing.
    if (!m_chosenCardPath.isEmpty()) {
        for (const MountedVolume &volume : mounted) {
            const QUrl url = QUrl::fromLocalFile(volume.path);
            if (QDir::cleanPath(volume.path) == QDir::cleanPath(m_chosenCardPath) &&
                Utils::isEXteranlMemoryWithURL(url, volumes) &&
                loadModelTypeWithSDPath(volume.path) != CardRecognition::NoModel) {
                m_sdcardUrl = url;
                return volume.path;
            }
        }
    }
    for (const MountedVolume &volume : mounted) {
        const QUrl url = QUrl::fromLocalFile(volume.path);
        if (!Utils::isEXteranlMemoryWithURL(url, volumes)) {
            continue;
        }
        m_sdcardUrl = url;
        if (loadModelTypeWithSDPath(volume.path) != CardRecognition::NoModel) {
            return volume.path;
        }
    }
    m_sdcardUrl = QUrl();
    return {};
}

qint64 QB62SettingManager::loadModelTypeWithSDPath(const QString &root)
{
    if (root.isEmpty()) {
        return CardRecognition::NoModel;
    }
    const QString recordPath = CardRecognition::settingRecordPath(root);
    if (!recordPath.isNull()) {
        qint64 size = 0;
        const std::optional<QByteArray> head =
            readCardFile(root, recordPath, CardRecognition::RecordHeadSize, false, &size);
        if (head) {
            QString cardModelName;
            const qint64 type = CardRecognition::modelTypeForRecord(*head, size, &cardModelName);
            if (type == CardRecognition::LengthFieldModel) {
                m_modelName = cardModelName;
            }
            if (type != CardRecognition::NoModel) {
                return type;
            }
        }
    }
    return CardRecognition::hasIniSettings(root) ? CardRecognition::IniModel : CardRecognition::NoModel;
}

qint64 QB62SettingManager::loadLocalIDWithSDPath(const QString &root) const
{
    const QString recordPath = root.isEmpty() ? QString() : CardRecognition::settingRecordPath(root);
    if (recordPath.isNull()) {
        return -1;
    }
    return CardRecognition::localIDFromRecord(
        readCardFile(root, recordPath, CardRecognition::LocalIDRecordSize, false).value_or(QByteArray()));
}

QString QB62SettingManager::loadVersionSDPath(const QString &root) const
{
    const QString recordPath = root.isEmpty() ? QString() : CardRecognition::settingRecordPath(root);
    if (recordPath.isNull()) {
        return {};
    }
    return CardRecognition::versionFromRecord(
        readCardFile(root, recordPath, CardRecognition::VersionFieldEnd, false).value_or(QByteArray()));
}

void QB62SettingManager::loadVersionInfo()
{
    recognizeCardAtPath(findSDCardPath());
}

void QB62SettingManager::recognizeCardAtPath(const QString &root)
{
    m_settingDirPath = root;
    m_modelChosen = false;
    m_modelType = loadModelTypeWithSDPath(root);
    if (m_modelType == 3 || m_modelType == 4) {
        const qint64 region = loadLocalIDWithSDPath(root);
        if (region != -1) {
            m_localID = region;
        }
    }
    const QString version = loadVersionSDPath(root);
    m_record.setText(SettingRecordLayout::version, version);
    m_firmwareVersionInt = CardRecognition::firmwareVersionInt(version);
}

void QB62SettingManager::loadLanguages()
{
    CardLanguageList found;
    if (!m_settingDirPath.isEmpty()) {
        const QString path = QDir(settingFolderPath()).filePath(u"lang/ver.dat"_s);
        if (const std::optional<QByteArray> text = readCardFile(m_settingDirPath, path, MaxLanguageFileSize, false)) {
            found = CardRecognition::languagesFromVerDat(*text);
        }
    }
    m_languages = found.isEmpty() ? CardRecognition::defaultLanguages() : found;
}

const QStringList &QB62SettingManager::modelNameList() const
{
    return CardRecognition::modelNameList();
}

QString QB62SettingManager::displayModelName() const
{
    if (m_modelType == CardRecognition::LengthFieldModel) {
        return m_modelName;
    }
    if (m_modelType >= 0 && m_modelType < modelNameList().size()) {
        return modelNameList().at(m_modelType);
    }
    return {};
}

void QB62SettingManager::setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter)
{
    m_alertPresenter = std::move(presenter);
}

void QB62SettingManager::setVolumeSource(std::shared_ptr<const VolumeSource> volumes)
{
    m_volumes = std::move(volumes);
}

void QB62SettingManager::showMemoryCardAlert()
{
    showAlert(CardWriteProtection::alertTitleKey(), CardWriteProtection::checkCardMessageKey());
}

void QB62SettingManager::showWriteFailedAlert()
{
    showAlert(CardWriteProtection::alertTitleKey(), CardWriteProtection::writeFailedMessageKey(m_settingDirPath));
}

void QB62SettingManager::showAlert(const QString &titleKey, const QString &messageKey)
{
    if (!m_alertPresenter) {
        return;
    }
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    m_alertPresenter->showAlert(languages.localized(titleKey), languages.localized(messageKey), u"OK"_s);
}
