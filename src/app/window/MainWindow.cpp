#include "MainWindow.h"

#include "MainWindowController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent, Qt::FramelessWindowHint)
{
    // Keys are looked at before any child sees them: the arrows and Space drive the player even
    // while the recording list has the focus.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

bool MainWindow::handleKeyEvent(QKeyEvent *event)
{
    const auto command = KeyCommandTable::commandForKey(event->key(), event->modifiers());
    if (!command || m_keyEventDelegate == nullptr) {
        return false;
    }
    m_keyEventDelegate->performKeyCommand(*command);
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        return handleKeyEvent(static_cast<QKeyEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    m_lastWindowDragLocation = event->position().toPoint();
    m_isMovingWindow = centralWidget() != nullptr && centralWidget()->geometry().contains(m_lastWindowDragLocation);
    // Wayland does not let a program place its own window; the compositor moves it instead.
    if (m_isMovingWindow && QGuiApplication::platformName() == QLatin1StringView("wayland") && windowHandle()) {
        m_isMovingWindow = false;
        windowHandle()->startSystemMove();
    }
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_isMovingWindow) {
        // The window moves under the pointer, so the press point stays where it was in the window.
        const QPoint delta = event->position().toPoint() - m_lastWindowDragLocation;
        move(pos() + delta);
    }
    event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_isMovingWindow = false;
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Q_EMIT resized();
}
