#pragma once

#include <functional>
#include <memory>

class SettingsFlow;
class VolumeSource;

// Gives the Settings button's flow the screens that live outside it: the QF27 camera's INI editor
// (run in a settings window like the record editor) and the camera's own settings page (a window
// of its own), whose format button runs the card maintenance sheets.
class SettingsScreenOpeners
{
public:
    static void install(SettingsFlow &flow, std::shared_ptr<const VolumeSource> volumes,
                        std::function<void()> refreshVideoFileList);
};
