#pragma once

#include <QString>

// Why a recording stopped playing before its end, or would not play at all, and what the user is
// told. The player only says that it found nothing more to read; the card says why. A card that
// failed to read, or was pulled, is not the recording's fault: calling the recording damaged then
// would have the user delete a good one. A file the camera reserved and never wrote into is empty,
// not of an unknown format.
class PlaybackStopCause
{
public:
    enum class Cause
    {
        Damaged,
        CardUnreadable,
        RecordingGone,
        CardRemoved,
        Empty,
    };

    // What was found of the recording's file after the player gave up on it.
    struct Findings
    {
        bool fileExists = true;
        // The folder that holds it: gone with its file, the card was pulled or unmounted.
        bool folderExists = true;
        // The bytes where play stopped read back.
        bool readable = true;
        // Nothing written at all: no data in it, or zeros where its header should be.
        bool empty = false;
    };

    static Cause classify(const Findings &findings);
    // Looks at the recording at PATH, whose play stopped between FROMFRACTION and TOFRACTION of
    // its length (0 to 1): a few bounded reads there and at its start. A failing card answers
    // slowly, so this runs off the GUI thread.
    static Findings inspect(const QString &path, double fromFraction, double toFraction);

    static QString titleKey(Cause cause);
    // The message of a recording that stopped at a point of it: a damaged one is damaged from
    // there on.
    static QString stoppedMessageKey(Cause cause);
    // The message of a recording that would not start.
    static QString failedMessageKey(Cause cause);
    // The recording's file is no longer there: its players are emptied, so nothing of it plays
    // from what they still hold.
    static bool leavesRecording(Cause cause) { return cause == Cause::RecordingGone || cause == Cause::CardRemoved; }

    // The most read of one file to tell a read error from damage.
    static constexpr qint64 ReadLimit = 8 * 1024 * 1024;
    static constexpr qint64 HeadBytes = 64 * 1024;
};
