#pragma once

#include <QString>

class QWidget;

// The settings screens draw their check boxes, radio cells and sliders without text of their own:
// the caption is a label beside the control, and the row's title a label above it. This gives each
// such control that caption (with the row's title before it) as its tooltip and the name a screen
// reader announces, so "button" becomes "Parking mode: On". Run it after the captions change.
class ControlCaptions
{
public:
    // Describes every control under ROOT that shows no text; a name set by hand stays.
    static void describe(QWidget *root);
    // "Title: caption", the caption or the title alone, or empty when CONTROL has neither.
    static QString captionOf(const QWidget *control);
};
