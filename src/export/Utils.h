#pragma once

#include <QString>

// Class operations shared by conversion and card handling.
class Utils
{
public:
    // Name of the environment variable that points at a particular ffmpeg (tests, odd installs).
    static constexpr const char *FFMPEGEnvironmentVariable = "VELMORA_FFMPEG";

    // The ffmpeg program to run: the one named by $VELMORA_FFMPEG when set, else an "ffmpeg"
    // beside our executable, else the first "ffmpeg" on PATH. Empty when there is none.
    static QString GetFFMPEGPath();
};
