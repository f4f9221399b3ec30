#pragma once

#include "app/KeyCommandTable.h"

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class AboutWindow;
class KeyboardShortcutsWindow;
class QAction;
class QMenu;

// Makes every control of the main window and its full-screen strip say what it does: a localized
// tooltip naming the action and its key, and the same name for screen readers, from
// ControlDescriptions, again on every change of language. Controls with nothing to do on this
// computer are disabled, with a tooltip saying so. It also presses the button a keyboard command
// stands for, and adds the "Keyboard shortcuts" and "About Velmora" items to the application menu.
class ControlHelp : public QObject
{
    Q_OBJECT

public:
    // ROOTS are the windows whose controls are described (the main window, the strip's window);
    // the two items go into MENU before BEFORE.
    ControlHelp(const QList<QWidget *> &roots, QMenu *menu, QAction *before, QObject *parent = nullptr);
    ~ControlHelp() override;

    // The key as the user reads it ("Ctrl+P", "PgDown").
    static QString keyText(QKeyCombination key);

    // Sets tooltips, names and the unavailable controls' state in the current language.
    void apply();
    // Clicks the button whose action COMMAND stands for, as the mouse would: nothing happens when
    // the command has no button or the button is disabled. True when it was clicked.
    bool pressButtonFor(KeyCommandTable::Command command) const;

    QAction *shortcutsAction() const { return m_shortcutsAction; }
    QAction *aboutAction() const { return m_aboutAction; }
    // Opened (and created) by the menu items; null before.
    KeyboardShortcutsWindow *shortcutsWindow() const;
    AboutWindow *aboutWindow() const;
    void showShortcutsWindow();
    void showAboutWindow();

private:
    QWidget *findControl(const QString &objectName) const;
    QWidget *dialogParent() const;

    QList<QPointer<QWidget>> m_roots;
    QAction *m_shortcutsAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QPointer<KeyboardShortcutsWindow> m_shortcutsWindow;
    QPointer<AboutWindow> m_aboutWindow;
};
