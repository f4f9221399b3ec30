#include "KRVSettingManager.h"

#include "core/AppResources.h"
#include "core/AtomicFileWriter.h"
#include "core/RegularFileReader.h"
#include "core/VexoLanguages.h"

#include "settings/record/CardSettingFolders.h"
#include "settings/record/CardWriteProtection.h"
#include "settings/record/QB62SettingManager.h"
#include "settings/record/SettingAlertPresenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView SettingFile{"SETTING/blackbox.cfg"};
// Cards copied to a case-sensitive disk may spell the folder in lower case; the camera's own
// file system does not care, so neither do we when the upper-case one is absent.
constexpr QLatin1StringView LowerCaseSettingFile{"setting/blackbox.cfg"};

std::shared_ptr<KRVSettingManager> &sharedManager()
{
    static std::shared_ptr<KRVSettingManager> shared;
    return shared;
}

// The settings text in the regular file at PATH; nothing when it is not a regular file (a link,
// a pipe, a device), cannot be read whole, is larger than the cap or is not UTF-8.
std::optional<KRVSettingText> readSettingText(const QString &path)
{
    const std::optional<QByteArray> bytes = RegularFileReader::readWhole(path, KRVSettingManager::MaxSettingFileSize);
    return bytes ? KRVSettingText::fromBytes(*bytes) : std::nullopt;
}
} // namespace

std::shared_ptr<KRVSettingManager> KRVSettingManager::SharedKRVSettingManager()
{
    std::shared_ptr<KRVSettingManager> &shared = sharedManager();
    if (!shared) {
        shared = std::make_shared<KRVSettingManager>();
    }
    return shared;
}

const QList<QMap<QString, QString>> &KRVSettingManager::memoryPartitionRatiosArray()
{
    static const QList<QMap<QString, QString>> presets = [] {
        const auto preset = [](const char16_t *continuous, const char16_t *event, const char16_t *park,
                               const char16_t *manual) {
            return QMap<QString, QString>{{u"continuous"_s, QString::fromUtf16(continuous)},
                                          {u"event"_s, QString::fromUtf16(event)},
                                          {u"park"_s, QString::fromUtf16(park)},
                                          {u"manual"_s, QString::fromUtf16(manual)}};
        };
        return QList<QMap<QString, QString>>{preset(u"60", u"22", u"4", u"9"), preset(u"35", u"17", u"4", u"39"),
                                             preset(u"53", u"19", u"14", u"9")};
    }();
    return presets;
}

KRVSettingManager::KRVSettingManager() = default;
KRVSettingManager::~KRVSettingManager() = default;

void KRVSettingManager::setCardSettings(std::shared_ptr<QB62SettingManager> settings)
{
    m_cardSettings = std::move(settings);
}

std::shared_ptr<QB62SettingManager> KRVSettingManager::cardSettings() const
{
    // The shared settings object may be replaced (the record editor's reset does), so it is asked
    // for each time rather than kept.
    return m_cardSettings ? m_cardSettings : QB62SettingManager::SharedQB62SettingManager();
}

void KRVSettingManager::setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter)
{
    m_alertPresenter = std::move(presenter);
}

QString KRVSettingManager::settingFilePath() const
{
    const QString root = cardSettings()->settingDirPath();
    if (root.isEmpty()) {
        return {};
    }
    const QDir card(root);
    const QString path = card.filePath(SettingFile);
    const QString lowerCase = card.filePath(LowerCaseSettingFile);
    if (!QFileInfo::exists(path) && QFileInfo::exists(lowerCase)) {
        return lowerCase;
    }
    return path;
}

KRVSettingManager::LoadResult KRVSettingManager::loadData()
{
    const QString path = settingFilePath();
    // A dangling link or anything else that merely sits there still counts as a file, so it is
    // reported unreadable instead of being replaced by the factory settings on the next save.
    if (path.isEmpty() || (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())) {
        loadDefaultData_QF27();
        return LoadResult::Defaults;
    }
    // Only the card's own file: not one in a settings folder that leads out of the card.
    std::optional<KRVSettingText> text =
        CardSettingFolders::isCardFile(path, cardSettings()->settingDirPath()) ? readSettingText(path) : std::nullopt;
    if (text) {
        m_text = std::move(*text);
        m_hasText = true;
        return LoadResult::Card;
    }
    m_text = KRVSettingText(QStringList(), m_text.separator());
    m_hasText = false;
    return LoadResult::Unreadable;
}

void KRVSettingManager::loadDefaultValue()
{
    if (cardSettings()->modelType() == ModelTypeQF27) {
        loadDefaultData_QF27();
    }
}

bool KRVSettingManager::loadDefaultData_QF27()
{
    // Our own resource (which an installation may well reach through a link), not a card file.
    const QString path = AppResources::pathForResource(u"default_QF27"_s, u"cfg"_s);
    QFile file(path);
    std::optional<KRVSettingText> text;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        text = KRVSettingText::fromBytes(file.read(MaxSettingFileSize));
    }
    if (!text) {
        m_text = KRVSettingText();
        m_hasText = false;
        return false;
    }
    m_text = std::move(*text);
    m_hasText = true;
    return true;
}

bool KRVSettingManager::saveData()
{
    const QString root = cardSettings()->settingDirPath();
    // Lines that stand for no file (an unreadable one was loaded) would replace it with clock lines
    // alone and lose it. A file read whole is written back whatever it holds, an empty one too.
    if (root.isEmpty() || !m_hasText) {
        showMemoryCardAlert();
        return false;
    }
    // A card taken out leaves its folder path behind; creating it again would write the settings
    // to the computer's own disk.
    if (!QFileInfo(root).isDir()) {
        showMemoryCardAlert();
        return false;
    }
    const QString path = settingFilePath();
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() && !folder.isSymLink()) {
        QDir(root).mkdir(folder.fileName());
    }
    // Never through a settings folder that leads out of the card.
    if (!CardSettingFolders::isCardFile(path, root) || QFileInfo(path).isDir()) {
        showMemoryCardAlert();
        return false;
    }
    QString error;
    if (!AtomicFileWriter::writeFile(path, m_text.toBytes(), &error)) {
        showAlert(CardWriteProtection::writeFailedMessageKey(root));
        return false;
    }
    return true;
}

void KRVSettingManager::showMemoryCardAlert()
{
    showAlert(CardWriteProtection::checkCardMessageKey());
}

void KRVSettingManager::showAlert(const QString &messageKey)
{
    const std::shared_ptr<SettingAlertPresenter> presenter =
        m_alertPresenter ? m_alertPresenter : cardSettings()->alertPresenter();
    if (!presenter) {
        return;
    }
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    presenter->showAlert(languages.localized(CardWriteProtection::alertTitleKey()), languages.localized(messageKey),
                         u"OK"_s);
}
