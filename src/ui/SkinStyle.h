#pragma once

#include <QString>

// The dark skin's colours as style sheets, in one place, so a window opened beside the main window
// (the Trips list, say) looks like it and stays readable whatever the desktop's own theme is: a
// light list under a dark desktop theme would show pale text on white.
class SkinStyle
{
public:
    // Panels and labels: the skin's background and text.
    static QString panelSheet();
    // Lists and tables: every row, the alternate ones included, light text on dark.
    static QString listSheet();
    // Labels, push buttons and progress bars drawn in the skin (for windows without a drawn skin of
    // their own: the main window's labels keep their colours).
    static QString controlSheet();
};
