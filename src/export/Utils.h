#pragma once

#include <QString>
#include <QUrl>

class VolumeSource;

// Class operations shared by conversion and card handling.
class Utils
{
public:
    // Name of the environment variable that points at a particular ffmpeg (tests, odd installs).
    static constexpr const char *FFMPEGEnvironmentVariable = "VELMORA_FFMPEG";

    // The ffmpeg program to run: the one named by $VELMORA_FFMPEG when set, else an "ffmpeg"
    // beside our executable, else the first "ffmpeg" on PATH. Empty when there is none.
    static QString GetFFMPEGPath();

    // Whether URL (a volume or a folder on it) lies on a local, removable volume, where a camera
    // card sits: a USB stick, a card in a USB reader or an SD slot; never a network share, an
    // internal disk or a mounted image. False for an empty URL, one that is not a local file, or
    // a location that does not exist. The second form asks VOLUMES instead of the system.
    static bool isEXteranlMemoryWithURL(const QUrl &url);
    static bool isEXteranlMemoryWithURL(const QUrl &url, const VolumeSource &volumes);

    // The private working folder for converted copies: "Velmora" in the user's documents folder,
    // created when missing. Empty when it cannot be created.
    static QString GetWorkingDirectoryPath();
    // Removes what the program put into the working folder ("temp_video") and then the folder
    // itself if that left it empty. Anything else found there is the user's and stays.
    static void RemoveWorkingDirectory();
};
