#include "SnapshotPrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

void SnapshotPrinter::prepare(QPrinter &printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
}

QRectF SnapshotPrinter::placement(const QSizeF &imageSize, const QRectF &page)
{
    if (imageSize.isEmpty() || page.isEmpty()) {
        return {};
    }
    const double scale = std::min(page.width() / imageSize.width(), page.height() / imageSize.height());
    const QSizeF size = imageSize * scale;
    return {page.x() + (page.width() - size.width()) / 2.0, page.y() + (page.height() - size.height()) / 2.0,
            size.width(), size.height()};
}

bool SnapshotPrinter::print(const QImage &image, QPrinter &printer)
{
    if (image.isNull()) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The painter's origin is the printable area's corner.
    const QRectF area(0.0, 0.0, page.width(), page.height());
    painter.drawImage(placement(QSizeF(image.size()), area), image);
    return painter.end();
}
