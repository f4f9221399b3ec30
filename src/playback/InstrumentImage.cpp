#include "InstrumentImage.h"

#include "ui/NamedImage.h"

#include <QLabel>

void InstrumentImage::show(QLabel *view, const QString &name)
{
    if (view == nullptr || name == InstrumentImage::name(view)) {
        return;
    }
    if (NamedImage::setImage(view, name)) {
        view->setProperty(NameProperty, name);
    }
}

void InstrumentImage::clear(QLabel *view)
{
    if (view == nullptr) {
        return;
    }
    view->clear();
    view->setProperty(NameProperty, QString());
}

QString InstrumentImage::name(const QLabel *view)
{
    return view == nullptr ? QString() : view->property(NameProperty).toString();
}
