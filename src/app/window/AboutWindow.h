#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutWindow;
}

// The "About Velmora" window of the application menu: the version, the program's licence, and the
// libraries it is built on with their licences, the map library and its map data's attribution.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

    void retranslate();
    // Everything the window says, as plain text (for tests and screen readers alike).
    QString plainText() const;

private:
    std::unique_ptr<Ui::AboutWindow> m_ui;
};
