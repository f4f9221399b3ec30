#include "FullScreenMovieWindow.h"

#include "MainWindow.h"

#include "playback/VexoAVView.h"

#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

FullScreenMovieWindow::FullScreenMovieWindow(MainWindow *mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint), m_mainWindow(mainWindow)
{
    setObjectName(u"fullScreenMovieWindow"_s);
    setWindowTitle(u"Velmora"_s);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

FullScreenMovieWindow::~FullScreenMovieWindow() = default;

void FullScreenMovieWindow::setMovieView(VexoAVView *view)
{
    m_movieView = view;
    if (view == nullptr) {
        return;
    }
    view->setParent(this);
    view->setGeometry(rect());
    // The pointer over the picture calls the control strip up.
    m_viewTrackedMouse = view->hasMouseTracking();
    view->setMouseTracking(true);
    view->installEventFilter(this);
    view->show();
}

VexoAVView *FullScreenMovieWindow::takeMovieView()
{
    VexoAVView *view = m_movieView;
    m_movieView = nullptr;
    if (view != nullptr) {
        view->removeEventFilter(this);
        view->setMouseTracking(m_viewTrackedMouse);
    }
    return view;
}

bool FullScreenMovieWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_movieView && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        Q_EMIT pointerMoved(move->position().y(), double(m_movieView->height()));
    }
    return QWidget::eventFilter(watched, event);
}

void FullScreenMovieWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_mainWindow != nullptr && m_mainWindow->handleKeyEvent(event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FullScreenMovieWindow::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT pointerMoved(event->position().y(), double(height()));
    QWidget::mouseMoveEvent(event);
}

void FullScreenMovieWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_movieView != nullptr) {
        m_movieView->setGeometry(rect());
    }
}
