#include "SnapshotComposer.h"

#include <QPainter>

#include <cmath>

QImage SnapshotComposer::sideBySide(const QImage &left, const QImage &right)
{
    if (left.isNull() || right.isNull() || right.height() <= 0) {
        return left;
    }
    const int rightWidth = std::max(1, int(std::lround(double(right.width()) * left.height() / right.height())));
    QImage both(left.width() + rightWidth, left.height(), QImage::Format_RGB32);
    both.fill(Qt::black);
    QPainter painter(&both);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(0, 0), left);
    painter.drawImage(QRect(left.width(), 0, rightWidth, left.height()), right);
    painter.end();
    return both;
}
