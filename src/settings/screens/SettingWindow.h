#pragma once

#include <QDialog>
#include <QPointer>

class QAction;
class QMenu;
class VexoViewController;

// The modal window every settings screen and chooser runs in: borderless or titled, centred on the
// window that opened it, with the screen's controller taking its keys. A screen ends the run with
// endModal(view, code): 1 confirmed, 0 cancelled. Generic on purpose: it hosts any
// VexoViewController screen.
class SettingWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SettingWindow(QWidget *parent = nullptr);
    ~SettingWindow() override;

    // Shows VIEW (the controller's view) modally over PARENTWINDOW and returns the run's result.
    int showModalWindow(QWidget *parentWindow, QWidget *targetView, VexoViewController *targetViewController,
                        bool showTitleBar);

    // Ends the modal run of the settings window that holds VIEW with CODE. False when VIEW is in no
    // settings window (a screen built for a test, say).
    static bool endModal(QWidget *view, int code);

    VexoViewController *keyEventDelegate() const { return m_keyEventDelegate; }
    QWidget *pWindowController() const { return m_parentWindow; }

    // The language menu while the window is up (its context menu).
    QMenu *languageMenu() const { return m_languageMenu; }
    void languageChangeToEnglish();
    void languageChangeToFrench();
    void languageChangeToPortuguese();
    void languageChangeToJapanese();
    void languageChange(const QString &code);
    static void markRadio(QAction *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildLanguageMenu();

    QPointer<VexoViewController> m_keyEventDelegate;
    QPointer<QWidget> m_parentWindow;
    QPointer<QWidget> m_view;
    QMenu *m_languageMenu = nullptr;
    QAction *m_englishItem = nullptr;
    QAction *m_frenchItem = nullptr;
    QAction *m_japaneseItem = nullptr;
};
