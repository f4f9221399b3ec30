#include "BGColorView.h"

#include <QPaintEvent>
#include <QPainter>

BGColorView::BGColorView(QWidget *parent) : QWidget(parent)
{
}

void BGColorView::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void BGColorView::paintEvent(QPaintEvent *event)
{
    if (m_color.isValid()) {
        QPainter(this).fillRect(event->rect(), m_color);
    }
}
