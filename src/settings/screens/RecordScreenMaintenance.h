#pragma once

#include <functional>
#include <memory>

class QB62SettingViewController;
class VolumeSource;

// Gives the record editor's format and touch-calibration buttons their work: the card maintenance
// sheets over the editor's window, on the card being edited, and the recording list refreshed
// after a format.
class RecordScreenMaintenance
{
public:
    static void attach(QB62SettingViewController &screen, std::shared_ptr<const VolumeSource> volumes,
                       std::function<void()> refreshVideoFileList);
};
