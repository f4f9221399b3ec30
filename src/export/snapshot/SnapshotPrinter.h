#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPrinter;

// Prints a snapshot on one landscape page, scaled to fit the page both ways with its proportions
// kept, centred. The printer keeps the landscape setting for later jobs.
class SnapshotPrinter
{
public:
    // Sets PRINTER to landscape; call before showing a print dialog so the dialog shows it.
    static void prepare(QPrinter &printer);
    // Where a picture of IMAGESIZE goes on a printable area of PAGE: the largest rectangle of the
    // picture's proportions that fits, centred. Empty for an empty picture or page.
    static QRectF placement(const QSizeF &imageSize, const QRectF &page);
    // Prints IMAGE on PRINTER (set up already, by prepare and perhaps a dialog); false for a null
    // image or a printer that cannot start.
    static bool print(const QImage &image, QPrinter &printer);
};
