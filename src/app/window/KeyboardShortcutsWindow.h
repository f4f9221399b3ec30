#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class KeyboardShortcutsWindow;
}

// The small window of the application menu's "Keyboard shortcuts" item: one line per row of the
// key table, the key and what it does, read from the table itself so the list cannot drift from
// what the keys do.
class KeyboardShortcutsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit KeyboardShortcutsWindow(QWidget *parent = nullptr);
    ~KeyboardShortcutsWindow() override;

    // Fills the list and the captions in the current language.
    void retranslate();
    // The key column as shown, top to bottom.
    QStringList listedKeys() const;

private:
    std::unique_ptr<Ui::KeyboardShortcutsWindow> m_ui;
};
