#include "VexoCancelEventView.h"

#include "VexoViewController.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMetaObject>

namespace {
// One Escape handler for the whole program: only the frontmost screen may be cancelled.
QPointer<VexoViewController> &escapeHandler()
{
    static QPointer<VexoViewController> handler;
    return handler;
}

double secondsSinceEpoch()
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}
} // namespace

VexoCancelEventView::VexoCancelEventView(QWidget *parent) : QWidget(parent), m_clock(&secondsSinceEpoch)
{
    setFocusPolicy(Qt::StrongFocus);
}

VexoViewController *VexoCancelEventView::currentEscapeHandler()
{
    return escapeHandler();
}

void VexoCancelEventView::setEvnetHandlViewController(VexoViewController *controller)
{
    m_evnetHandlViewController = escapeHandler();
    escapeHandler() = controller;
}

void VexoCancelEventView::restoreEventHandler()
{
    escapeHandler() = m_evnetHandlViewController;
}

void VexoCancelEventView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        event->ignore();
        return;
    }
    event->accept();
    const double now = m_clock();
    VexoViewController *handler = escapeHandler();
    if (now - m_lastESCDate > EscapeRepeatSeconds && handler != nullptr && handler->handlesCancel()) {
        QMetaObject::invokeMethod(handler, &VexoViewController::cancelButtonTouched, Qt::QueuedConnection);
        m_lastESCDate = now;
    }
}
