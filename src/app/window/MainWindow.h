#pragma once

#include "app/KeyCommandTable.h"

#include <QMainWindow>
#include <QPoint>

class MainWindowController;

// The borderless, skinned main window. It turns the keyboard commands into calls on its
// controller whatever widget has the focus, and lets the user drag it by its background.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Not owned: the controller owns this window.
    void setKeyEventDelegate(MainWindowController *delegate) { m_keyEventDelegate = delegate; }
    MainWindowController *keyEventDelegate() const { return m_keyEventDelegate; }

    // Maps a key press to a command and runs it; false when the key means nothing here.
    bool handleKeyEvent(QKeyEvent *event);

Q_SIGNALS:
    void resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    MainWindowController *m_keyEventDelegate = nullptr;
    QPoint m_lastWindowDragLocation;
    bool m_isMovingWindow = false;
};
