#pragma once

#include <QString>

// The arithmetic of the main window's layout and labels. The skin is drawn for a window 1024
// points wide; wider windows keep it centred.
class MainWindowLayout
{
public:
    static constexpr int DesignWidth = 1024;

    struct GroupPositions
    {
        int toolbarBg3;
        int dashBg3;
        int toolbarButtons;
        int dashboardCtrls;
    };

    // x of the four layout groups for a window WIDTH wide.
    static GroupPositions groupPositions(int width);
    // "mm:ss/mm:ss" of whole seconds; minutes are not limited to 59.
    static QString playTimeText(double currentSeconds, double durationSeconds);
};
