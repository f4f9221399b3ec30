#include "WebDashcam.h"

#include "WebSettingSession.h"
#include "core/TextNumbers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWebDashcam, "velmora.settings.web.bridge")

namespace {
using Method = std::function<void(WebDashcam &, const QString &)>;

const QList<std::pair<QString, Method>> &methods()
{
    static const QList<std::pair<QString, Method>> table = {
        {u"log"_s, &WebDashcam::log},
        {u"getCfg"_s, &WebDashcam::getCfg},
        {u"popup"_s, &WebDashcam::popup},
        {u"format"_s,
         [](WebDashcam &d, const QString &) {
             d.format();
         }},
        {u"reset"_s,
         [](WebDashcam &d, const QString &) {
             d.reset();
         }},
        {u"adasreset"_s,
         [](WebDashcam &d, const QString &) {
             d.adasreset();
         }},
        {u"docLoadComplete"_s,
         [](WebDashcam &d, const QString &) {
             d.docLoadComplete();
         }},
        {u"languageSetComplete"_s,
         [](WebDashcam &d, const QString &) {
             d.languageSetComplete();
         }},
        {u"clickedList"_s,
         [](WebDashcam &d, const QString &) {
             d.clickedList();
         }},
        {u"setdate"_s, &WebDashcam::SetDate},
        {u"setdate:hour"_s, &WebDashcam::SetDateHour},
        {u"setdate:min"_s, &WebDashcam::SetDateMin},
        {u"setdate:ampm"_s, &WebDashcam::SetDateAmPm},
        {u"setdate:use"_s, &WebDashcam::SetDateUse},
        {u"userNoti"_s, &WebDashcam::showPopup},
    };
    return table;
}
} // namespace

const QStringList &WebDashcam::scriptNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto &[name, method] : methods()) {
            list.append(name);
        }
        return list;
    }();
    return names;
}

bool WebDashcam::deliver(const QString &message)
{
    if (message.size() > MaxMessageLength) {
        qCWarning(lcWebDashcam, "a call of %lld characters was not read", qlonglong(message.size()));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().isEmpty()) {
        return false;
    }
    const QJsonArray array = document.array();
    QStringList arguments;
    for (qsizetype i = 1; i < array.size(); ++i) {
        arguments.append(array.at(i).toString());
    }
    return call(array.at(0).toString(), arguments);
}

bool WebDashcam::call(const QString &name, const QStringList &arguments)
{
    for (const auto &[scriptName, method] : methods()) {
        if (scriptName == name) {
            method(*this, arguments.value(0));
            return true;
        }
    }
    qCInfo(lcWebDashcam, "the page called Dashcam.%s, which the bridge does not have", qUtf8Printable(name));
    return false;
}

void WebDashcam::log(const QString &text)
{
    qCDebug(lcWebDashcam, "page: %s", qUtf8Printable(text));
}

// The page's requests that the camera's own firmware answers, not this program.
void WebDashcam::getCfg(const QString &)
{
}
void WebDashcam::popup(const QString &)
{
}
void WebDashcam::format()
{
}
void WebDashcam::reset()
{
}

void WebDashcam::adasreset()
{
    m_controller->removeAdasCalibration();
}

void WebDashcam::docLoadComplete()
{
    m_controller->requestConnection();
}

void WebDashcam::languageSetComplete()
{
    m_controller->requestShowTabs(false);
}

void WebDashcam::clickedList()
{
    m_controller->requestBackButton();
}

void WebDashcam::SetDate(const QString &date)
{
    m_controller->setWebsettingDate(date);
}

void WebDashcam::SetDateHour(const QString &hour)
{
    m_controller->setWebsettingHour(hour);
}

void WebDashcam::SetDateMin(const QString &minute)
{
    m_controller->setWebsettingMin(minute);
}

void WebDashcam::SetDateAmPm(const QString &)
{
}

void WebDashcam::SetDateUse(const QString &use)
{
    m_controller->setWebsettingDateTimeUse(use == u"1");
}

void WebDashcam::showPopup(const QString &notification)
{
    const QStringList fields = notification.split(u'\t');
    if (fields.size() < 5) {
        return;
    }
    m_controller->showAlert(fields.at(0), fields.at(1), TextNumbers::leadingInt(fields.at(2)), fields.at(3),
                            TextNumbers::leadingInt(fields.at(4)));
}
