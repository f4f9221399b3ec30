#include "WheelNeedsFocus.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWidget>

namespace {
// A scroll bar is how the page scrolls: it keeps the wheel.
bool takesTheWheel(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractSlider *>(widget) != nullptr ||
           qobject_cast<const QComboBox *>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox *>(widget) != nullptr;
}
} // namespace

void WheelNeedsFocus::guard(QWidget *root)
{
    if (root == nullptr || root->findChild<WheelNeedsFocus *>(QString(), Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    auto *filter = new WheelNeedsFocus(root);
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!takesTheWheel(widget)) {
            continue;
        }
        // A click or Tab gives the focus; the wheel alone never does.
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(filter);
    }
}

bool WheelNeedsFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel) {
        return false;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->hasFocus()) {
        return false;
    }
    // The page around the control scrolls instead. Handed on explicitly: Qt offers an unaccepted
    // wheel event to the parents only when it came from the window system.
    for (QWidget *up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(up)) {
            QCoreApplication::sendEvent(area->viewport(), event);
            return true;
        }
    }
    event->ignore();
    return true;
}
