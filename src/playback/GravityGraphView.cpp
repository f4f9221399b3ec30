#include "GravityGraphView.h"

#include <QPainter>
#include <QPainterPath>

GravityGraphView::GravityGraphView(QWidget *parent) : QWidget(parent)
{
}

void GravityGraphView::setClipData(const VexoClipData *track)
{
    m_clipData = track;
    generatePoints();
    update();
}

void GravityGraphView::generatePoints()
{
    m_points.generatePoints(m_clipData, GravityGraphPoints::baseYPointForHeight(height()));
}

void GravityGraphView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    generatePoints();
}

void GravityGraphView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The points count up from the bottom edge; the widget's rows count down.
    painter.translate(0.0, height());
    painter.scale(1.0, -1.0);
    const double viewWidth = width();
    const float base = m_points.baseYPoint();
    const std::pair<const QList<GravityGraphPoints::Point> *, QColor> axes[] = {
        {&m_points.gxPointList(), QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f)},
        {&m_points.gyPointList(), QColor::fromRgbF(1.0f, 1.0f, 0.0f, 1.0f)},
        {&m_points.gzPointList(), QColor::fromRgbF(0.0f, 0.0f, 1.0f, 1.0f)},
    };
    for (const auto &[list, colour] : axes) {
        if (list->isEmpty()) {
            continue;
        }
        QPainterPath path(QPointF(0.0, base));
        for (const GravityGraphPoints::Point &point : *list) {
            path.lineTo(point.x * viewWidth, point.y);
        }
        QPen pen(colour);
        pen.setWidthF(1.0);
        painter.setPen(pen);
        painter.strokePath(path, pen);
    }
}
