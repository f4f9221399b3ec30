#include "SnapshotComposer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
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

QImage SnapshotComposer::stamped(const QImage &picture, const QString &text)
{
    if (picture.isNull() || text.isEmpty()) {
        return picture;
    }
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&result);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, result.height() / 24));
    painter.setFont(font);
    const int margin = std::max(2, font.pixelSize() / 3);
    QRect box = painter.fontMetrics().boundingRect(text).adjusted(-margin, -margin, margin, margin);
    box.moveBottomLeft(QPoint(margin, result.height() - 1 - margin));
    painter.fillRect(box, QColor(0, 0, 0, 160));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.end();
    return result;
}
