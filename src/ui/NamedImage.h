#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;

// Pictures of the skin, found by the names the screens use. A name the program has no picture for
// leaves the view as it was, so a missing file never blanks a control.
class NamedImage
{
public:
    // The picture at its natural size (SVGs rendered at SIZE when given). Null when missing.
    static QPixmap pixmap(const QString &name, const QSize &size = {});
    static QIcon icon(const QString &name);

    // Show the picture in a view; returns false, changing nothing, when it is missing.
    static bool setImage(QLabel *view, const QString &name);
    static bool setImage(QAbstractButton *button, const QString &name);
};
