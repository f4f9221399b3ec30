#pragma once

#include "settings/record/CardLanguage.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QDialog;
class RendererMemoryWatch;
class QMessageBox;
class QPushButton;
class QWidget;
class WebSettingSession;
class WebSettingWebView;
namespace Ui {
class WebSettingWindowController;
}

// The window that hosts the camera's own settings page (SETTING/html/index.html on the card) and
// connects it to the card through the "Dashcam" bridge. One window at a time: it stays open in an
// application-modal session until Save (which writes the card) or Cancel, and tells the main window
// nothing when it closes. The decisions live in WebSettingSession; this class runs the page's
// scripts, in order, one after the other's answer, and shows the buttons and alerts.
class WebSettingWindowController : public QObject
{
    Q_OBJECT

public:
    // The card maintenance sheets that askFormat runs over WINDOW for the card at FOLDER.
    using FormatSequence = std::function<void(QWidget *window, const QString &folder)>;

    // Opens the settings page of the card at CARDROOT over MAINWINDOW, with the card's LANGUAGES,
    // unless a settings window is open already (then nothing happens and this returns null). A card
    // whose settings folder is a link or leads out of the card, or whose page is no regular file,
    // gets the memory-card alert instead (and null).
    // ASKFORMAT, when given, is what the window's format control runs.
    static WebSettingWindowController *showWebSettingWindow(QWidget *mainWindow, const QString &cardRoot,
                                                            const CardLanguageList &languages,
                                                            FormatSequence askFormat = {});
    // The open settings window, or null.
    static WebSettingWindowController *instance();

    WebSettingWindowController(const QString &folder, const CardLanguageList &languages, QObject *parent = nullptr);
    ~WebSettingWindowController() override;

    // The window, loaded (and the page requested) the first time it is asked for.
    QDialog *window();
    WebSettingWebView *webView();
    WebSettingSession *session() const { return m_session; }
    QPushButton *backButton();
    QPushButton *resetButton();
    QPushButton *cancelButton();
    QPushButton *saveButton();
    QPushButton *formatButton();
    // The page's alert now shown, or null.
    QMessageBox *yesNoAlert() const;
    // What keeps the page's renderer within its memory; past the limit the page is stopped and an
    // alert says so.
    RendererMemoryWatch *memoryWatch() const { return m_memoryWatch; }
    // The memory-card alert over PARENT, or over the whole application without one; MESSAGEKEY
    // (the memory-card message when empty) says what is wrong.
    static QMessageBox *showMemoryCardAlertOver(QWidget *parent, const QString &messageKey = {});

    void setAskFormat(FormatSequence askFormat);

    // Places the window so that its centre is PARENT's centre; its size stays.
    void centerInWindow(QWidget *parent);
    // Shows the window in its application-modal session and makes it the instance; returns at once.
    void beginModal();
    void endModalSession();

    void resetCfg();
    void startWebBrowserConnection();
    void showTabs(bool showTabsNow);
    // Writes the page's settings to the card and closes the window; when the card does not take
    // them, says so in the memory-card alert and stays open.
    void saveConfig();
    void showAlertWithTitle(const QString &title, const QString &message, int buttonCount);
    // RETURNCODE: 1000 for the alert's first button, 1001 for the second.
    void yesNoAlertDidSelected(int returnCode);
    void askFormat();

    void onBtnBack();
    void onBtnReset();
    void onBtnCancel();
    void onBtnSave();

Q_SIGNALS:
    // The connection's calls have all been answered by the page.
    void connectionFinished();
    // Save ended: written (and the window closing), or refused with the memory-card alert shown.
    void saveFinished(bool written);

private:
    void windowDidLoad();
    void windowWillClose();
    void evaluate(const QString &script, std::function<void(const QVariant &)> done = {});
    void runScripts(QStringList scripts, std::function<void()> done = {});
    void pageStopped();
    void setSaving(bool saving);

    std::unique_ptr<Ui::WebSettingWindowController> m_ui;
    QPointer<QDialog> m_window;
    WebSettingWebView *m_webView = nullptr; // owned by the window
    WebSettingSession *m_session = nullptr;
    RendererMemoryWatch *m_memoryWatch = nullptr;
    bool m_pageStopped = false;
    QPointer<QMessageBox> m_yesNoAlert;
    FormatSequence m_askFormat;
    bool m_saving = false;
    // Runs WORK now when the page has been given the card, else once the connection's calls end.
    void whenConnected(std::function<void()> work);

    // While the connection's calls run, the page's requests to show its tabs wait for their end,
    // so the page builds its editor from everything it was given. Back and Reset wait until the
    // page has been given the card: the connection's set_cfg would otherwise undo them.
    // The page's own requests go first, so the user's press is the last word.
    bool m_connecting = false;
    bool m_connected = false;
    QList<bool> m_pendingShowTabs;
    QList<std::function<void()>> m_afterConnection;
    bool m_closing = false;
};
