#pragma once

#include <QString>

class QLabel;

// The instruments' pictures: a view shows a named picture drawn at its size and remembers the
// name, so the dashboard (and its tests) can tell which digit or frame is up.
class InstrumentImage
{
public:
    static constexpr const char *NameProperty = "imageName";

    // Shows the picture called NAME; a missing picture leaves the view as it was.
    static void show(QLabel *view, const QString &name);
    // Shows no picture.
    static void clear(QLabel *view);
    // The name of the picture the view shows, empty when none.
    static QString name(const QLabel *view);
};
