#pragma once

#include "export/ConversionCheck.h"
#include "export/FfmpegRunner.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// Turns a camera recording into files the player takes: ffmpeg re-muxes it, without re-encoding,
// into one ".mov" file per camera in the working folder (front first, rear second), and for MP4
// recordings also writes the subtitle stream that carries the sensor data as a ".srt" file beside
// the front file. A recording already converted is reused: its conversion folder is named after
// the file's name, size and folder, and each output is reused only while the file it was made
// from (the front or the rear recording) keeps its source key (ConversionCheck::sourceKey, in a
// hidden key file beside the output), so a changed or replaced recording is converted again.
//
// A card's file is only ever read as the container its name says (".mp4" as MP4/QuickTime, ".avi"
// as AVI), from local files only and without following references inside it, so a playlist or
// manifest named like a recording cannot bring in files from outside the card; and a link is
// never converted. Such a front file is refused as damaged; such a rear file is left out.
//
// An output counts only when ffmpeg's report of it holds the streams and the duration of its
// source and its log shows no failed write (ConversionCheck); a source that changed while it was
// converted gives nothing. Working names stay within the file system's name length and apart:
// a long name, or one that is not UTF-8, is shortened and given a hash of the whole name.
//
// Outputs are written under a hidden temporary name in the same folder and renamed only when
// ffmpeg ends with status 0, so a failed or interrupted run never leaves a half-written file that
// the reuse rule would take as finished; such leftovers are removed by the next conversion. A
// recording counts as converted only when all of its outputs are there: any that is missing is
// made again.
class VideoConverter
{
public:
    // What checkAndConvertVideo does when it does not convert: nothing to play (absent), or the
    // list of files to play (possibly empty).
    using Playable = std::optional<QList<QUrl>>;
    // Why the last checkAndConvertVideo gave nothing (or less) to play.
    enum class Failure
    {
        None,
        NoVideoStream,         // an AVI without a picture
        ConversionFailed,      // ffmpeg failed or made nothing
        Incomplete,            // an output lacks streams or duration, or ffmpeg could not write it
        SourceChanged,         // the recording changed while it was converted
        FrontUnreadable,       // the rear camera converted, the front one did not
        WorkingFolderUnusable, // the conversion folder could not be made
        RecordingUnreadable,   // the recording's size could not be read (gone, unreadable)
        NotItsContainer,       // a link, or a file that is not the container its name says
        Cancelled
    };

    VideoConverter() = default;

    // The folder under which "temp_video" lives; Utils::GetWorkingDirectoryPath() when empty.
    void setWorkingDirectory(const QString &path) { m_workingDirectory = path; }
    // With planning on, ffmpeg runs only to read stream lists: conversions are noted in the
    // runner, nothing is written, and the result lists the files a conversion would produce.
    void setPlanOnly(bool planOnly) { m_planOnly = planOnly; }
    // Raised by another thread when this conversion is no longer wanted: a running ffmpeg is
    // killed, nothing more is started, nothing half-made is kept, and the result is absent.
    void setCancelFlag(FfmpegRunner::CancelFlag flag) { m_runner.setCancelFlag(std::move(flag)); }
    // Hears, on the converting thread, the share of the conversion done so far (0 to 1, rising),
    // from ffmpeg's own progress reports against the recording's duration. A recording whose
    // files are all in place converts nothing and reports nothing.
    using Progress = std::function<void(double share)>;
    void setProgressHandler(Progress handler) { m_progress = std::move(handler); }
    FfmpegRunner &runner() { return m_runner; }
    const FfmpegRunner &runner() const { return m_runner; }

    // The files to play for the recording at URL, front first and rear (if any) second:
    // - absent for an empty URL, or when the conversion folder cannot be made or the recording's
    //   size read (it was deleted since it was listed), or when the conversion was cancelled;
    // - URL alone when it is neither an AVI nor an MP4;
    // - empty for an AVI without a video stream, or when ffmpeg produced nothing.
    Playable checkAndConvertVideo(const QUrl &url);
    // Why the last conversion gave nothing to play (None when it gave something).
    Failure failure() const { return m_failure; }
    // Whether what the last conversion gives to play is only the part of a recording cut short
    // (the file ends before the samples its index lists): it plays, and the user is told.
    bool cutShort() const { return m_cutShort; }
    // The working folder the last conversion used (or tried to use).
    QString usedWorkingDirectory() const { return m_usedWorkingDirectory; }

    // The conversion folder of the recording at PATH under WORKINGDIRECTORY: "temp_video/" and the
    // file's working name (workingBaseName), "_", its size in bytes, "_" and a short hash of its
    // folder (recordings of one name and size in two folders stay apart). Null when the size
    // cannot be read.
    static QString conversionFolder(const QString &workingDirectory, const QString &path);
    // The name the files made of the recording at PATH start with: its name without extension,
    // or, when that is longer than MaxWorkingNameBytes or not UTF-8, its first letters (bytes
    // that are not UTF-8 as "_") and "~" and a hash of the whole name, so it stays unique.
    static QString workingBaseName(const QString &path);
    static constexpr qsizetype MaxWorkingNameBytes = 200;
    // The hidden file beside OUTPUT holding the source key it was made from.
    static QString keyPath(const QString &output);
    // The hidden file beside OUTPUT that is there when it holds only part of a recording cut short.
    static QString cutShortPath(const QString &output);
    // The other camera's recording of URL: in its file name (never in the folders above it) every
    // "F." becomes "R.", else every "R." becomes "F.", else "F_BC." and "R_BC." likewise. An empty
    // URL when the file name has none of them.
    static QUrl otherCameraUrl(const QUrl &url);

    // ffmpeg's input options for the card file INPUT, ending in "-i" INPUT: only the file protocol,
    // the container its extension names forced (an MP4's external data references off), so ffmpeg
    // never picks a reader by the file's content.
    static QStringList inputArguments(const QString &input);
    // The codec type (Utils::AviType) that tags the copied picture: AVITYPE, the type the file's
    // header suggests, corrected by CODEC, ffmpeg's name of its picture codec ("hevc" is tagged
    // "hvc1", "h264" "avc1", any other codec not at all); AVITYPE alone when CODEC is empty.
    static int tagType(int aviType, const QString &codec);

    // ffmpeg arguments re-muxing a recording with one picture stream from INPUT into OUTPUT, by
    // codec type (Utils::AviType).
    static QStringList oneStreamArguments(int aviType, const QString &input, const QString &output);
    // ffmpeg arguments taking one camera of an AVI holding both: the front picture is stream 0,
    // the rear one stream 1; the sound (stream 2, when AUDIOSTREAMS is not 0) goes with both.
    static QStringList twoStreamArguments(int aviType, int audioStreams, const QString &input, bool rear,
                                          const QString &output);
    // ffmpeg arguments writing the subtitle stream of INPUT as the subtitle file OUTPUT.
    static QStringList subtitleArguments(const QString &input, const QString &output);

    // The hidden name in the same folder under which OUTPUT is written until ffmpeg succeeds. The
    // extension is kept: ffmpeg picks the file format by it.
    static QString temporaryPath(const QString &output);

private:
    // One output file, the ffmpeg arguments that write it (to the given temporary name) and what
    // it is made from.
    struct Job
    {
        QString output;
        std::function<QStringList(const QString &temporary)> arguments;
        QString source; // the recording, as Qt and ffmpeg open it
        QString origin; // the recording's own path, which its key is read from
        QByteArray key; // the recording's source key before the run
        bool subtitles = false;
        bool required = true; // its failure leaves the recording without something it has
    };
    // The recording being converted: its names, where its copies go and what ffmpeg reported of
    // its streams.
    struct Recording
    {
        QUrl url;
        QString path;      // its own path on the card
        QString extension; // lower case
        QString source;    // as Qt and ffmpeg open it
        QString folder;    // its conversion folder
        QString front;     // the front camera's copy
        QString rear;      // the rear camera's copy
        int videoStreams = 1;
        QString info; // ffmpeg's stream report of an AVI
    };
    // The runs that make a recording's missing or outdated copies. Its argument lists read the
    // picture tags, settled once the runs are known: a plan stays where it was made.
    struct Plan
    {
        QList<Job> jobs;
        bool hasRear = false;
        QString otherSource; // the partner recording of an MP4, as Qt and ffmpeg open it
        int frontType = 0;
        int rearType = 0;
    };
    // What a phase of the conversion says: the files to give (the conversion ends there), or
    // nothing when the next phase follows.
    using Outcome = std::optional<Playable>;
    // The working folder: found, made and cleared of unfinished runs for the recording at
    // RECORDING's path, whose working names it sets.
    Outcome prepareWorkingFolder(Recording &recording);
    // The stream probe: an AVI's stream count, read from ffmpeg's report of it.
    Outcome probeStreams(Recording &recording);
    // The plan: a job for each copy of RECORDING that is missing or outdated.
    void planJobs(const Recording &recording, Plan &plan);
    void planPartner(const Recording &recording, Plan &plan);
    // The picture tags of the planned runs, read from the recordings once runs are needed.
    Outcome settleTags(const Recording &recording, Plan &plan);
    // Runs PLAN and gives the copies that came out whole.
    Playable runAndVerify(const Recording &recording, Plan &plan);
    // The copies of RECORDING that are in place after the runs, front first.
    Playable verify(const Recording &recording, const Plan &plan);
    // Adds a job for OUTPUT to PLAN unless it is there, made from the source whose key is KEY.
    void need(Plan &plan, const QString &output, std::function<QStringList(const QString &)> arguments,
              const QString &from, const QString &origin, const QByteArray &key, bool subtitles) const;
    // Runs independent jobs at the same time; each output appears only when its run succeeded
    // and what it made is complete. Notes the failure of a required job.
    void runAllInto(QList<Job> &jobs);
    // Puts the temporary output of JOB in place when RESULT and the output's report say it is
    // complete; whether it did.
    bool finish(const Job &job, const FfmpegRunner::Result &result);
    // Whether OUTPUT is there and was made from the source whose key is KEY.
    bool isMade(const QString &output, const QByteArray &key) const;
    bool exists(const QString &path) const;
    ConversionCheck::Report sourceReport(const QString &source);
    // ffmpeg's stream report of SOURCE, read once per conversion.
    QString sourceReportText(const QString &source);
    // Whether the card file at PATH is a regular file of its own (not a link).
    static bool isPlainFile(const QString &path);
    // Notes why the front recording at SOURCE gives nothing when ffmpeg cannot read it as its
    // container; whether it can.
    bool readsAsItsContainer(const QString &source);
    // Removes the hidden files of earlier runs that never finished from FOLDER.
    void removeStalePartials(const QString &folder) const;
    // Makes the runner report the share done of JOBCOUNT runs over a recording of DURATIONUS
    // microseconds (-1 when unknown: only finished runs count then).
    void followProgress(qsizetype jobCount, qint64 durationUs);

    FfmpegRunner m_runner;
    QString m_workingDirectory;
    bool m_planOnly = false;
    Progress m_progress;
    Failure m_failure = Failure::None;
    bool m_cutShort = false;
    QString m_usedWorkingDirectory;
    // Stream reports of the sources, read once per conversion.
    QHash<QString, QString> m_reports;
};
