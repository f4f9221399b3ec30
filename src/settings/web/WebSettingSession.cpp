#include "WebSettingSession.h"

#include "WebSettingData.h"
#include "WebSettingScript.h"
#include "core/AtomicFileWriter.h"
#include "core/RegularFileReader.h"
#include "core/TextNumbers.h"

#include "settings/record/CardSettingFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <optional>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWebSetting, "velmora.settings.web")

namespace {
constexpr qint64 MaxTimeFileSize = 4096;

} // namespace

WebSettingSession::WebSettingSession(const QString &folder, const CardLanguageList &languages, QObject *parent)
    : QObject(parent), m_folder(folder), m_languages(languages)
{
    m_clock.start();
}

WebSettingSession::~WebSettingSession() = default;

QUrl WebSettingSession::indexHtmlUrl() const
{
    // A file URL built from the path, so a card whose path holds "#", "%", "?" or any non-ASCII
    // character still names its own page.
    return QUrl::fromLocalFile(QDir(settingFolder()).filePath(u"html/index.html"_s));
}

QString WebSettingSession::settingFolder() const
{
    return QDir(m_folder).filePath(u"SETTING"_s);
}

QString WebSettingSession::cardFile(const QString &name) const
{
    return QDir(settingFolder()).filePath(name);
}

QString WebSettingSession::cfgFilename() const
{
    return cardFile(u"setup.cfg"_s);
}

QString WebSettingSession::defaultCfgFilename() const
{
    return cardFile(u"default.cfg"_s);
}

QString WebSettingSession::adasFilename() const
{
    return cardFile(u"ADAS_CAL.dat"_s);
}

QString WebSettingSession::timedateFilename() const
{
    return cardFile(u"time.dat"_s);
}

QString WebSettingSession::cardProblem(const QString &folder)
{
    if (QString problem = CardSettingFolders::problem(folder); !problem.isEmpty()) {
        return problem;
    }
    const QString page = QDir(folder).filePath(u"SETTING/html/index.html"_s);
    if (!RegularFileReader::isRegularFile(page)) {
        return u"%1 is not a regular file of the card"_s.arg(page);
    }
    return {};
}

std::optional<QByteArray> WebSettingSession::readCardFile(const QString &path, qint64 limit) const
{
    // Only a regular file of the card itself: never through a link, never a pipe or a device
    // (which would block the window), never in a settings folder that leads out of the card.
    if (!CardSettingFolders::isCardFile(path, m_folder)) {
        qCInfo(lcWebSetting, "%s lies outside the card: not read", qUtf8Printable(path));
        return std::nullopt;
    }
    QString error;
    std::optional<QByteArray> bytes = RegularFileReader::readWhole(path, limit, &error);
    if (!bytes && QFileInfo::exists(path)) {
        qCInfo(lcWebSetting, "%s", qUtf8Printable(error));
    }
    return bytes;
}

QString WebSettingSession::hexOfFile(const QString &path) const
{
    const std::optional<QByteArray> bytes = readCardFile(path, MaxCfgFileSize);
    return bytes ? WebSettingData::cfgStringWithData(*bytes) : QString();
}

QString WebSettingSession::cfgString() const
{
    return hexOfFile(cfgFilename());
}

QString WebSettingSession::defaultCfgString() const
{
    return hexOfFile(defaultCfgFilename());
}

bool WebSettingSession::beginConnection()
{
    if (m_didLoadHtml) {
        return false;
    }
    m_didLoadHtml = true;
    return true;
}

void WebSettingSession::setModelName(const QVariant &value)
{
    m_modelName = value.toString();
}

void WebSettingSession::setCfgSize(const QVariant &value)
{
    // The integer value of a number or of a text that starts with one; 0 for anything else.
    if (value.typeId() == QMetaType::QString) {
        m_cfgSize = TextNumbers::leadingInt(value.toString());
        return;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    m_cfgSize = ok && number > -2147483648.0 && number < 2147483648.0 ? qint32(number) : 0;
}

QStringList WebSettingSession::connectionScripts()
{
    const QString cfg = cfgString();
    QStringList scripts{WebSettingScript::setCfg(cfg)};

    QStringList codes;
    for (const CardLanguage &language : std::as_const(m_languages)) {
        codes.append(language.code);
    }
    scripts.append(WebSettingScript::setParamLanguage(codes));

    // A short or missing record holds no language index, and an index may name no language of
    // this card: then the page keeps the language it starts with.
    const std::optional<quint32> index = WebSettingData::languageIndex(cfg);
    if (index && *index < quint32(m_languages.size())) {
        scripts.append(WebSettingScript::setLanguage(m_languages.at(qsizetype(*index)).code));
    } else {
        qCInfo(lcWebSetting, "setup.cfg names no language of the card; set_language not sent");
    }

    const std::optional<QByteArray> time = readCardFile(timedateFilename(), MaxTimeFileSize);
    const std::optional<WebSettingData::ClockSetting> clock =
        time ? WebSettingData::clockSettingFromTimeFile(*time) : std::nullopt;
    if (!clock) {
        m_dateTimeUse = false;
        return scripts;
    }
    m_date = clock->date;
    m_hour = clock->hour;
    m_minute = clock->minute;
    m_dateTimeUse = true;
    scripts.append(WebSettingScript::setTimeDate(m_date));
    scripts.append(WebSettingScript::setTimeHour(m_hour));
    scripts.append(WebSettingScript::setTimeMin(m_minute));
    return scripts;
}

QString WebSettingSession::resetScript() const
{
    return WebSettingScript::setCfg(defaultCfgString());
}

void WebSettingSession::setWebsettingDate(const QString &pageDate)
{
    m_date = WebSettingData::dateFromPage(pageDate);
}

void WebSettingSession::requestConnection()
{
    QMetaObject::invokeMethod(this, &WebSettingSession::connectionRequested, Qt::QueuedConnection);
}

void WebSettingSession::requestShowTabs(bool showTabs)
{
    QMetaObject::invokeMethod(
        this, [this, showTabs] { Q_EMIT showTabsRequested(showTabs); }, Qt::QueuedConnection);
}

void WebSettingSession::requestBackButton()
{
    Q_EMIT backButtonRequested();
}

void WebSettingSession::removeAdasCalibration()
{
    if (!CardSettingFolders::isCardFile(adasFilename(), m_folder)) {
        qCInfo(lcWebSetting, "%s lies outside the card: not removed", qUtf8Printable(adasFilename()));
        return;
    }
    if (QFileInfo::exists(adasFilename()) && !QFile::remove(adasFilename())) {
        qCInfo(lcWebSetting, "could not remove %s", qUtf8Printable(adasFilename()));
    }
}

void WebSettingSession::showAlert(const QString &title, const QString &message, int notiIndex, const QString &notiValue,
                                  int buttonCount)
{
    if (m_alertShown) {
        qCDebug(lcWebSetting, "the page asked for an alert while one is shown; dropped");
        return;
    }
    const qint64 now = m_clock.elapsed();
    while (!m_alertTimesMs.isEmpty() && now - m_alertTimesMs.constFirst() > AlertBurstMs) {
        m_alertTimesMs.removeFirst();
    }
    if (m_alertTimesMs.size() >= MaxAlertsInBurst) {
        qCWarning(lcWebSetting, "the page keeps asking for alerts; dropped");
        return;
    }
    m_alertTimesMs.append(now);
    m_userNotificationIndex = notiIndex;
    m_userNotificationValue = notiValue;
    m_alertShown = true;
    Q_EMIT alertRequested(title, message, buttonCount);
}

QString WebSettingSession::alertAnswerScript(int returnCode)
{
    if (!m_alertShown) {
        return {};
    }
    m_alertShown = false;
    if (returnCode == 1000) {
        return WebSettingScript::updateCancel(m_userNotificationIndex);
    }
    return WebSettingScript::updateOk(m_userNotificationIndex, m_userNotificationValue);
}

WebSettingSession::SaveResult WebSettingSession::saveConfig(const QVariant &getCfgAnswer, QString *error)
{
    // Nothing is written unless the page gave settings to write: an answer that is no text (the
    // page threw, or has no get_cfg), an empty one (which would wipe the card's settings), or one
    // larger than any settings file.
    if (getCfgAnswer.typeId() != QMetaType::QString) {
        if (error != nullptr) {
            *error = u"get_cfg() gave no text"_s;
        }
        return SaveResult::NotHexText;
    }
    const QString hex = getCfgAnswer.toString();
    if (hex.isEmpty() || hex.size() > 2 * MaxCfgFileSize) {
        if (error != nullptr) {
            *error = hex.isEmpty() ? u"get_cfg() gave an empty text"_s : u"get_cfg() gave too long a text"_s;
        }
        return SaveResult::NotHexText;
    }
    const QByteArray bytes = WebSettingData::dataFromHexString(hex);

    // The card may have changed since the window opened: nothing is written through a settings
    // folder that leads out of it.
    for (const QString &path : {cfgFilename(), timedateFilename()}) {
        if (!CardSettingFolders::isCardFile(path, m_folder)) {
            if (error != nullptr) {
                *error = u"%1 lies outside the card: not written"_s.arg(path);
            }
            return SaveResult::WriteFailed;
        }
    }

    // The settings first, as the record editor does: a card that refuses them keeps its clock
    // file too, so the camera never takes a new clock with the old settings.
    if (!AtomicFileWriter::writeFile(cfgFilename(), bytes, error)) {
        return SaveResult::WriteFailed;
    }
    // A clock setting the page never filled in would hand the camera a broken time file.
    if (m_dateTimeUse && !m_date.isEmpty() && !m_hour.isEmpty() && !m_minute.isEmpty()) {
        if (!AtomicFileWriter::writeFile(timedateFilename(), WebSettingData::timeFileBytes({m_date, m_hour, m_minute}),
                                         error)) {
            return SaveResult::WriteFailed;
        }
    }
    return SaveResult::Saved;
}
