#pragma once

class QWidget;

// What the settings flow needs from the window that owns the Settings button.
class SettingsFlowHost
{
public:
    virtual ~SettingsFlowHost() = default;

    // The window the settings windows are centred on and modal over.
    virtual QWidget *settingsParentWindow() const = 0;
    virtual void pauseVideo() = 0;
    // Re-reads which card and model are in use and shows them.
    virtual void updateModelInfo() = 0;
};
