#pragma once

#include "export/VideoConverter.h"

#include <QString>

// What to tell the user when a recording gives nothing to play. The converter knows what went
// wrong with its own runs; the state of the card and of the working folder says why: a recording
// that is gone, a card folder that was removed or unmounted, a working folder that is full, read
// only or not a folder at all. Each reason has its own message (a Korean key looked up through
// VexoLanguages); only a recording ffmpeg cannot read at all keeps the unsupported-format one.
class ConversionFailure
{
public:
    enum class Reason
    {
        Unsupported,
        Damaged,
        FrontUnreadable,
        SourceChanged,
        WorkingFolderFull,
        WorkingFolderNotWritable,
        RecordingGone,
        FolderGone,
        PermissionDenied,
        CutShort // it plays, as far as the recording goes
    };

    // Why the recording at RECORDING gave nothing to play, after the converter said FAILURE while
    // converting into WORKINGDIRECTORY.
    static Reason classify(VideoConverter::Failure failure, const QString &recording, const QString &workingDirectory);
    // The message key of REASON.
    static QString messageKey(Reason reason);
    // Whether REASON concerns the working folder (its path is worth showing).
    static bool concernsWorkingFolder(Reason reason);

    // The key of the message for a recording the converter gave nothing for: classify and
    // messageKey together.
    static QString messageKeyFor(VideoConverter::Failure failure, const QString &recording,
                                 const QString &workingDirectory);
};
