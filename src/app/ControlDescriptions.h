#pragma once

#include "app/KeyCommandTable.h"

#include <QList>
#include <QString>

#include <optional>

// What every control of the main window and its full-screen strip says it does, for the tooltip
// and the name a screen reader announces. A control that runs a keyboard command takes its text
// from the command, so the tooltip, the key table and the shortcuts window say the same thing.
// Controls that have nothing to do on this computer (the cloud and brand buttons) are marked
// unavailable: they stay in place, disabled, and say why.
class ControlDescriptions
{
public:
    struct Description
    {
        QString objectName;
        // The Korean source text of what the control does; for a command row, the command's text.
        QString textKey;
        std::optional<KeyCommandTable::Command> command;
        bool unavailable = false;
    };

    // Every described control, in the order they appear from the transport row to the strip.
    static const QList<Description> &mainWindow();
    // The row for OBJECTNAME, if any.
    static std::optional<Description> find(const QString &objectName);
    // The Korean source text of the note on unavailable controls.
    static QString unavailableTextKey();
    // The tooltip from the localized NAME and, when there is one, the text of the control's key or
    // the localized note that it is unavailable: "Zoom in (+)".
    static QString toolTip(const QString &name, const QString &keyOrNote);
};
