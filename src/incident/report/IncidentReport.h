#pragma once

#include "incident/IncidentTexts.h"

#include "export/FfmpegRunner.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// An incident report of one recording, written into a folder of its own: the front clip and, when
// the recording has one, the rear clip of the window (stream copies), the window's track as CSV
// and GPX, the front camera's picture at the moment, "report.pdf" (one page) and "report.json" (the
// same figures for other programs).
//
// The recording is converted as the viewer does before playing it (reusing a conversion already
// made in the working folder), and its sensor track read the same way. Everything is written into
// a hidden folder beside the chosen one and renamed into place at the end, so a failure (a full or
// read-only disk, a cancelled run) leaves nothing under the chosen name. The work is plain
// blocking calls on the calling thread: the viewer runs it on a worker thread.
class IncidentReport
{
public:
    struct Request
    {
        QString recording;
        // The moment of the incident in play time; absent: the strongest jolt of the recording, or
        // its middle when it has no sensor data.
        std::optional<double> at;
        double before = 15.0;
        double after = 15.0;
        // The report's folder: new, or empty.
        QString output;
        // The camera card the recording lies on, whose settings give the camera clock's time zone;
        // empty: looked for above the recording (CardClockZone::cardRootFor).
        QString cardRoot;
        // Where conversions are kept (the viewer's working folder); a private temporary folder
        // removed afterwards when empty.
        QString workingFolder;
        IncidentTexts texts;
        // Names the program in the page's footer.
        QString producer;
        // Raised by another thread when the report is no longer wanted.
        FfmpegRunner::CancelFlag cancel;
    };

    struct Result
    {
        bool ok = false;
        // The request itself is wrong (the window lies outside the recording, the folder is
        // taken), rather than the recording or the disk.
        bool badRequest = false;
        QString error;
        // The report's folder and its files' paths, once written.
        QString dir;
        QStringList files;
        // {"dir", "files", "peakG", "peakAt", "topSpeed", "start", "end"}.
        QJsonObject summary;
    };

    static Result make(const Request &request);

    // The file names in the report's folder.
    static inline const char *FrontClip = "front.mov";
    static inline const char *RearClip = "rear.mov";
    static inline const char *Still = "front.png";
    static inline const char *Csv = "track.csv";
    static inline const char *Gpx = "track.gpx";
    static inline const char *Pdf = "report.pdf";
    static inline const char *Json = "report.json";

    // The recording a report of PATH is made from: for the rear camera's MP4 of a front/rear pair,
    // the front camera's, so the "front" clip and picture are the front camera's.
    static QString frontRecording(const QString &path);
};
