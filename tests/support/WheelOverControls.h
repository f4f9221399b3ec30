#pragma once

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QScrollBar>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>

// The settings screens' rule for the wheel, seen from outside: one notch of the wheel over each
// visible slider, pop-up and spin field of VIEW that has no keyboard focus. Returns the controls it
// changed (which should be none) and counts those it reached.
namespace wheeltest {

inline QString valueOf(const QWidget *widget)
{
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(widget)) {
        return QString::number(slider->value());
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        return QString::number(combo->currentIndex());
    }
    if (const auto *date = qobject_cast<const QDateTimeEdit *>(widget)) {
        return date->dateTime().toString(Qt::ISODate);
    }
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget)) {
        return spin->text();
    }
    return {};
}

// Turns the wheel one notch over WIDGET.
inline void wheel(QWidget *widget, int notch)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notch), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

inline QStringList controlsTheWheelChanged(QWidget *view, int &reached)
{
    QStringList changed;
    for (QWidget *widget : view->findChildren<QWidget *>()) {
        if (valueOf(widget).isNull() || !widget->isVisible() || widget->hasFocus() ||
            qobject_cast<QScrollBar *>(widget) != nullptr) {
            continue;
        }
        ++reached;
        const QString before = valueOf(widget);
        for (const int notch : {1, -1}) {
            wheel(widget, notch);
            if (valueOf(widget) != before) {
                changed << widget->objectName();
                break;
            }
        }
    }
    return changed;
}

} // namespace wheeltest
