#include "VexoEventView.h"

#include "VexoEventViewDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

VexoEventView::VexoEventView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void VexoEventView::mousePressEvent(QMouseEvent *event)
{
    if (m_delegate != nullptr) {
        m_delegate->mouseDown(event);
    }
    event->accept();
}

void VexoEventView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_delegate != nullptr) {
        if (event->buttons() & Qt::LeftButton) {
            m_delegate->mouseDragged(event);
        } else {
            m_delegate->mouseMoved(event);
        }
    }
    event->accept();
}

void VexoEventView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_delegate != nullptr) {
        m_delegate->mouseUp(event);
    }
    event->accept();
}

void VexoEventView::leaveEvent(QEvent *event)
{
    if (m_delegate != nullptr) {
        m_delegate->mouseExited();
    }
    event->accept();
}

void VexoEventView::keyPressEvent(QKeyEvent *event)
{
    if (m_delegate != nullptr) {
        m_delegate->keyDown(event);
    }
    event->accept();
}
