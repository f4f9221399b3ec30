#pragma once

#include "settings/record/CardLanguage.h"
#include "settings/web/WebDashcam.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <optional>

// One opening of the camera's own settings page: what the settings window knows and decides
// without drawing anything. It names the card's files, builds the connection's script calls from
// them, keeps what the page reports through the bridge (the clock setting, the page's alert), and
// writes the card on Save. The window runs the scripts and shows the alerts.
//
// Only SETTING/setup.cfg, SETTING/time.dat (both atomically, on Save) and SETTING/ADAS_CAL.dat
// (removed when the page asks) are ever touched on the card, and only while the SETTING folder is
// the card's own; every card file is read as a regular file, never through a link or from a pipe.
class WebSettingSession : public QObject
{
    Q_OBJECT

public:
    WebSettingSession(const QString &folder, const CardLanguageList &languages, QObject *parent = nullptr);
    ~WebSettingSession() override;

    // Why the card in FOLDER cannot be opened on its settings page: a settings folder that is a
    // link or lies outside the card, or a page that is not a regular file of the card (a pipe would
    // block the web engine). Empty when it can.
    static QString cardProblem(const QString &folder);

    // Whether cards of model type TYPE carry their own settings page (types 16, 17 and 20 to 26).
    static bool isWebSettingModel(qint64 type) { return type == 16 || type == 17 || (type >= 20 && type <= 26); }

    QString folder() const { return m_folder; }
    CardLanguageList languages() const { return m_languages; }
    WebDashcam *webDashcam() { return &m_webDashcam; }

    // The card's files.
    QUrl indexHtmlUrl() const;
    QString settingFolder() const;
    QString cfgFilename() const;
    QString defaultCfgFilename() const;
    QString adasFilename() const;
    QString timedateFilename() const;

    // Settings files larger than this are not read, and page answers that would make one are not
    // written.
    static constexpr qint64 MaxCfgFileSize = 16 * 1024 * 1024;

    // The hex form of setup.cfg (of default.cfg); "" when it is missing, unreadable or too large.
    QString cfgString() const;
    QString defaultCfgString() const;

    // --- Connection ------------------------------------------------------------------------------
    bool didLoadHtml() const { return m_didLoadHtml; }
    // Starts the connection: true the first time, false ever after (nothing is to be sent again).
    bool beginConnection();
    // The page's answers to model.name and model.cfgSize.
    void setModelName(const QVariant &value);
    void setCfgSize(const QVariant &value);
    QString modelName() const { return m_modelName; }
    qint32 cfgSize() const { return m_cfgSize; }
    // The calls after the two questions, in order: set_cfg, setParamLanguage, set_language (when
    // setup.cfg holds a language index that names one of the card's languages), and the three
    // clock calls (when time.dat holds a clock setting, which this also takes as the one to keep).
    QStringList connectionScripts();
    // Reset's call: set_cfg with default.cfg ("" when the card has none).
    QString resetScript() const;

    // --- Clock setting ---------------------------------------------------------------------------
    QString websettingDate() const { return m_date; }
    QString websettingHour() const { return m_hour; }
    QString websettingMin() const { return m_minute; }
    bool websettingDateTimeUse() const { return m_dateTimeUse; }
    void setWebsettingDate(const QString &pageDate);
    void setWebsettingHour(const QString &hour) { m_hour = hour; }
    void setWebsettingMin(const QString &minute) { m_minute = minute; }
    void setWebsettingDateTimeUse(bool use) { m_dateTimeUse = use; }

    // --- Requests from the page ------------------------------------------------------------------
    // Queued: they act after the page's call has returned.
    void requestConnection();
    void requestShowTabs(bool showTabs);
    void requestBackButton();
    // Deletes SETTING/ADAS_CAL.dat; a missing file or a failure changes nothing else.
    void removeAdasCalibration();
    // The page asks for an alert. One is shown at a time; while one is up, and when a page keeps
    // asking (more than MaxAlertsInBurst within AlertBurstMs), further requests are dropped, so a
    // page cannot keep the user from the window's own buttons.
    void showAlert(const QString &title, const QString &message, int notiIndex, const QString &notiValue,
                   int buttonCount);
    static constexpr int MaxAlertsInBurst = 5;
    static constexpr qint64 AlertBurstMs = 10000;
    bool isAlertShown() const { return m_alertShown; }
    int userNotificationIndex() const { return m_userNotificationIndex; }
    QString userNotificationValue() const { return m_userNotificationValue; }
    // The answer to the alert shown: 1000 (its first button) gives update_cancel, any other code
    // update_ok with the alert's index and value. "" when no alert is shown.
    QString alertAnswerScript(int returnCode);

    // --- Save ------------------------------------------------------------------------------------
    enum class SaveResult
    {
        Saved,
        NotHexText, // get_cfg() gave no text, an empty one, or one too long for a settings file
        WriteFailed // the card did not take a file; what it held before is still there
    };
    // Writes the decoded answer of get_cfg() to setup.cfg, then the clock setting (when the page
    // asked for it) to time.dat, both atomically. An answer that is not usable writes nothing, and
    // a setup.cfg the card refuses leaves time.dat as it was.
    SaveResult saveConfig(const QVariant &getCfgAnswer, QString *error = nullptr);

Q_SIGNALS:
    void connectionRequested();
    void showTabsRequested(bool showTabs);
    void backButtonRequested();
    void alertRequested(const QString &title, const QString &message, int buttonCount);

private:
    QString cardFile(const QString &name) const;
    QString hexOfFile(const QString &path) const;
    std::optional<QByteArray> readCardFile(const QString &path, qint64 limit) const;

    QString m_folder;
    CardLanguageList m_languages;
    WebDashcam m_webDashcam{this};
    bool m_didLoadHtml = false;
    QString m_modelName;
    qint32 m_cfgSize = 0;
    QString m_date;
    QString m_hour;
    QString m_minute;
    bool m_dateTimeUse = false;
    bool m_alertShown = false;
    int m_userNotificationIndex = 0;
    QString m_userNotificationValue;
    QList<qint64> m_alertTimesMs;
    QElapsedTimer m_clock;
};
