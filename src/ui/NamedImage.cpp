#include "NamedImage.h"

#include "core/AppResources.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>

QPixmap NamedImage::pixmap(const QString &name, const QSize &size)
{
    const QString path = AppResources::imagePath(name);
    if (path.isEmpty()) {
        return {};
    }
    if (size.isValid() && !size.isEmpty()) {
        return QIcon(path).pixmap(size);
    }
    return QPixmap(path);
}

QIcon NamedImage::icon(const QString &name)
{
    const QString path = AppResources::imagePath(name);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

bool NamedImage::setImage(QLabel *view, const QString &name)
{
    if (view == nullptr) {
        return false;
    }
    const QPixmap picture = pixmap(name, view->size());
    if (picture.isNull()) {
        return false;
    }
    view->setPixmap(picture);
    return true;
}

bool NamedImage::setImage(QAbstractButton *button, const QString &name)
{
    if (button == nullptr) {
        return false;
    }
    const QIcon picture = icon(name);
    if (picture.isNull()) {
        return false;
    }
    button->setIcon(picture);
    return true;
}
