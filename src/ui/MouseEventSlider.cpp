#include "MouseEventSlider.h"

#include <QMouseEvent>

MouseEventSlider::MouseEventSlider(QWidget *parent) : MouseEventSlider(Qt::Horizontal, parent)
{
}

MouseEventSlider::MouseEventSlider(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    setMouseTracking(true);
}

void MouseEventSlider::enterEvent(QEnterEvent *event)
{
    QSlider::enterEvent(event);
    Q_EMIT sliderTouchedDown(this);
}

void MouseEventSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    Q_EMIT sliderTouchedUp(this);
}

void MouseEventSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    Q_EMIT sliderTouchedDown(this);
}

void MouseEventSlider::mouseReleaseEvent(QMouseEvent *event)
{
    // The drag ends here: up for the drag that finished, down because the pointer is still over us.
    QSlider::mouseReleaseEvent(event);
    Q_EMIT sliderTouchedUp(this);
    Q_EMIT sliderTouchedDown(this);
}
