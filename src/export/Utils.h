#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QUrl>

class VolumeSource;

// Class operations shared by conversion and card handling: where ffmpeg is, running it and reading
// its stream report, the codec type of a recording, the working folder, and small path and
// geometry helpers. Utils holds no state.
class Utils
{
public:
    // Name of the environment variable that points at a particular ffmpeg (tests, odd installs).
    static constexpr const char *FFMPEGEnvironmentVariable = "VELMORA_FFMPEG";

    // Codec types of a recording (GetAviType), the index of the name found in its header.
    enum AviType
    {
        AviTypeH264 = 0,     // "H264": H.264 in an AVI
        AviTypeAVC1 = 1,     // "AVC1": H.264 under the other four-character code
        AviTypeIso4Hvc1 = 2, // "iso4hvc1": an MP4 of HEVC whose file-type box lists those brands
        AviTypeOther = 3
    };

    // The one instance, for callers that want an object; every operation is a class operation.
    static const Utils &sharedUtils();

    // The ffmpeg program to run: the one named by $VELMORA_FFMPEG when set, else an "ffmpeg"
    // beside our executable, else the first "ffmpeg" on PATH. Empty when there is none.
    static QString GetFFMPEGPath();

    // Runs the program at LAUNCHPATH with ARGUMENTS (none for an empty list), standard output and
    // standard error joined, and returns what it printed, decoded as UTF-8. Empty when it cannot be
    // started; a run that does not end within ten minutes is killed.
    static QString DoTaskWithLaunchPath(const QString &launchPath, const QStringList &arguments = {});
    // ffmpeg's report on the recording at PATH ("-i" PATH): its stream list among other lines.
    static QString GetFFMPEGVideoInfo(const QString &path);
    // The number of video (audio) stream lines in an ffmpeg report.
    static int GetVideoStreamCountFromVideoInfo(const QString &info);
    static int GetAudioStreamCountFromVideoInfo(const QString &info);
    static int GetVideoStreamCountFromVideoPath(const QString &path);
    static int GetAudioStreamCountFromVideoPath(const QString &path);
    // Run ffmpeg with ARGUMENTS; true when it ended with status 0.
    static bool ConvertAviToMovWithArguments(const QStringList &arguments);
    static bool ExtractMP4ToSrtWithArguments(const QStringList &arguments);

    // The codec type of the recording at PATH, read from its header (AviType); AviTypeOther when
    // it cannot be read.
    static int GetAviType(const QString &path);

    // This program's own part of the private working folder for converted copies ("Velmora" in
    // the user's documents folder): a subfolder no other running viewer uses (WorkingFolderClaim),
    // created when missing. Empty when it cannot be created.
    static QString GetWorkingDirectoryPath();
    // Where the working folder is, without creating it.
    static QString WorkingDirectoryLocation();
    // Removes this program's subfolder of the working folder and then the folder itself if that
    // left it empty. What other viewers use, and anything else found there, stays.
    static void RemoveWorkingDirectory();
    // Removes the folder (with everything in it) or the file at PATH; whether it succeeded.
    static bool RemoveDirectory(const QString &path);
    // Makes the file at PATH readable and executable by everyone and writable by its owner only
    // (0755); whether it succeeded.
    static bool EnableFileExcutableMode(const QString &path);

    // PATH without the extension of its last component ("/a/b.c.mp4" gives "/a/b.c"); a null
    // string for a null PATH.
    static QString removeFileExtensionFromFilePath(const QString &path);
    // PATH with its extension replaced by EXTENSION ("/a/b.mp4", "srt" gives "/a/b.srt"); a null
    // string for a null PATH.
    static QString replaceFileExtensionFromFilePath(const QString &path, const QString &extension);
    // True when ERROR holds no error message.
    static bool CheckError(const QString &error);
    // The operating system's version, split at "."; parts it does not have leave their numbers
    // unchanged.
    static void GetOSVersion(int *major, int *minor, int *bugfix);
    // The index in SCREENS of the first screen whose horizontal extent holds the horizontal centre
    // of WINDOW (left edge included, right edge excluded); -1 for none, meaning the main screen.
    static qsizetype GetCurrentScreen(const QRect &window, const QList<QRect> &screens);
    // Whether POINT lies in FRAME: left and top (lowest y) edges included, the other two excluded.
    static bool CheckPointInFrame(const QPointF &point, const QRectF &frame);

    // Whether URL (a volume or a folder on it) lies on a local, removable volume, where a camera
    // card sits: a USB stick, a card in a USB reader or an SD slot; never a network share, an
    // internal disk or a mounted image. False for an empty URL, one that is not a local file, or
    // a location that does not exist. The second form asks VOLUMES instead of the system.
    static bool isEXteranlMemoryWithURL(const QUrl &url);
    static bool isEXteranlMemoryWithURL(const QUrl &url, const VolumeSource &volumes);
};
