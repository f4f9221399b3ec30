#include "QB62SettingManager.h"

#include "core/VexoLanguages.h"

#include "export/Utils.h"
#include "platform/SystemVolumes.h"
#include "platform/VolumeSource.h"
#include "settings/record/CardRecognition.h"
#include "settings/record/SettingAlertPresenter.h"
#include "settings/record/SettingDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView SettingFolder{"SETTING"};
constexpr QLatin1StringView RecordFileName{"setup.cfg"};

std::shared_ptr<QB62SettingManager> &sharedManager()
{
    static std::shared_ptr<QB62SettingManager> shared;
    return shared;
}

// The whole file at PATH, or nothing when it cannot be opened or read whole, or is larger than
// LIMIT bytes.
std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const qint64 size = file.size();
    if (size > limit) {
        return std::nullopt;
    }
    QByteArray data(size, '\0');
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(data.data() + done, size - done);
        if (got <= 0) {
            return std::nullopt;
        }
        done += got;
    }
    return data;
}

// At most COUNT bytes from the start of the file at PATH; empty when it cannot be read.
QByteArray readFileHead(const QString &path, qint64 count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(count);
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

QString QB62SettingManager::cardFilePath(const QString &relative) const
{
    return QDir(m_settingDirPath).filePath(relative);
}

QB62SettingManager::LoadResult QB62SettingManager::loadData()
{
    const QString path = cardFilePath(SettingFolder + u'/' + RecordFileName);
    if (m_settingDirPath.isEmpty() || !QFileInfo::exists(path)) {
        loadDefaultValue();
        return LoadResult::Defaults;
    }
    loadLanguages();
    const std::optional<QByteArray> data = readWholeFile(path, MaxRecordFileSize);
    if (!data) {
        return LoadResult::Unreadable;
    }
    m_record.read(*data, getSettingVariableCount());
    // Every read brings the card's record to the current layout at once.
    saveData();
    return LoadResult::Read;
}

bool QB62SettingManager::saveData()
{
    const int size = getSaveDataSize();
    if (m_settingDirPath.isEmpty() || size == 0) {
        showMemoryCardAlert();
        return false;
    }
    QByteArray buffer = m_record.bytes(getSettingVariableCount());

    const QString folder = cardFilePath(SettingFolder);
    if (!QDir().mkpath(folder)) {
        showMemoryCardAlert();
        return false;
    }
    const QString path = QDir(folder).filePath(RecordFileName);
    // Bytes beyond our layout belong to a newer layout or to the camera; they stay as they are. A
    // present record we cannot read is never replaced, since its tail could not be kept.
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> present = readWholeFile(path, MaxRecordFileSize);
        if (!present) {
            showMemoryCardAlert();
            return false;
        }
        if (present->size() > buffer.size()) {
            buffer.append(present->sliced(buffer.size()));
        }
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer) != buffer.size() || !file.commit()) {
        showMemoryCardAlert();
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
    const QString path = cardFilePath(SettingFolder + u"/default.cfg"_s);
    if (!QFileInfo::exists(path)) {
        return false;
    }
    const std::optional<QByteArray> data = readWholeFile(path, MaxRecordFileSize);
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
        QFile file(recordPath);
        if (file.open(QIODevice::ReadOnly)) {
            const qint64 size = file.size();
            const QByteArray head = file.read(CardRecognition::RecordHeadSize);
            QString cardModelName;
            const qint64 type = CardRecognition::modelTypeForRecord(head, size, &cardModelName);
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
    return CardRecognition::localIDFromRecord(readFileHead(recordPath, CardRecognition::LocalIDRecordSize));
}

QString QB62SettingManager::loadVersionSDPath(const QString &root) const
{
    const QString recordPath = root.isEmpty() ? QString() : CardRecognition::settingRecordPath(root);
    if (recordPath.isNull()) {
        return {};
    }
    return CardRecognition::versionFromRecord(readFileHead(recordPath, CardRecognition::VersionFieldEnd));
}

void QB62SettingManager::loadVersionInfo()
{
    recognizeCardAtPath(findSDCardPath());
}

void QB62SettingManager::recognizeCardAtPath(const QString &root)
{
    m_settingDirPath = root;
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
        QFile file(cardFilePath(SettingFolder + u"/lang/ver.dat"_s));
        if (file.open(QIODevice::ReadOnly)) {
            found = CardRecognition::languagesFromVerDat(file.read(MaxLanguageFileSize));
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
    if (!m_alertPresenter) {
        return;
    }
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    m_alertPresenter->showAlert(languages.localized(u"메모리카드 오류"_s),
                                languages.localized(u"메모리카드를 확인하여 주시기 바랍니다."_s), u"OK"_s);
}
