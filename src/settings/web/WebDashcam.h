#pragma once

#include <QString>
#include <QStringList>

class WebSettingSession;

// The object the camera's page knows as "Dashcam". Every method is open to the page under its
// script name (scriptNames()); most keep their own name, the clock setters and the alert do not
// ("setdate", "setdate:hour", "setdate:min", "setdate:ampm", "setdate:use", "userNoti"). String
// arguments arrive as text; a missing one arrives as "".
//
// The session owns this object; the page reaches it through the bridge script and deliver().
class WebDashcam
{
public:
    explicit WebDashcam(WebSettingSession *controller) : m_controller(controller) {}

    WebSettingSession *controller() const { return m_controller; }

    static const QStringList &scriptNames();

    // A call as the bridge script sends it: a JSON array of the script name and the arguments as
    // text. False (and nothing done) for anything else, or a name the bridge does not have.
    bool deliver(const QString &message);
    // The call of the method with script name NAME; false when there is none.
    bool call(const QString &name, const QStringList &arguments);

    void log(const QString &text);
    void getCfg(const QString &text);
    void popup(const QString &text);
    void format();
    void reset();
    void adasreset();
    void docLoadComplete();
    void languageSetComplete();
    void clickedList();
    void SetDate(const QString &date);
    void SetDateHour(const QString &hour);
    void SetDateMin(const QString &minute);
    void SetDateAmPm(const QString &ampm);
    void SetDateUse(const QString &use);
    void showPopup(const QString &notification);

    // Calls the page may send at most: longer messages are not read.
    static constexpr qsizetype MaxMessageLength = 1024 * 1024;

private:
    WebSettingSession *m_controller;
};
