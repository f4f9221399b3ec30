#include "IncidentReport.h"

#include "IncidentPdf.h"
#include "core/AtomicFileWriter.h"
#include "core/LocalPath.h"
#include "core/PartnerName.h"
#include "incident/IncidentClips.h"
#include "incident/IncidentFigures.h"
#include "incident/IncidentWindow.h"
#include "incident/ReportFolder.h"
#include "recording/RecordingTime.h"
#include "recording/RecordingTrack.h"
#include "recording/SampleClock.h"

#include "export/ConversionFailure.h"
#include "export/Utils.h"
#include "export/VideoConverter.h"
#include "sensor/TrackExport.h"
#include "sensor/VexoClipData.h"
#include "settings/zone/CardClockZone.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QString name(const char *file)
{
    return QString::fromLatin1(file);
}

// The last lines ffmpeg printed, enough to say why it failed.
QString ffmpegReason(const FfmpegRunner::Result &run)
{
    if (!run.started) {
        return u"ffmpeg could not be started"_s;
    }
    if (run.timedOut) {
        return u"ffmpeg did not finish in time"_s;
    }
    QStringList lines = run.output.trimmed().split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) {
        return u"ffmpeg ended with status %1"_s.arg(run.exitCode);
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - 2)).join(u' ').trimmed();
}
} // namespace

QString IncidentReport::frontRecording(const QString &path)
{
    if (QFileInfo(path).suffix().toLower() != u"mp4" || QFileInfo(path).fileName().contains(u"F."_s)) {
        return path;
    }
    for (const auto &[rear, front] : {std::pair{u"R."_s, u"F."_s}, std::pair{u"R_BC."_s, u"F_BC."_s}}) {
        const QString other = PartnerName::replaceInFileName(path, rear, front);
        if (!other.isNull() && QFileInfo(LocalPath::openable(other)).isFile()) {
            return other;
        }
    }
    return path;
}

IncidentReport::Result IncidentReport::make(const Request &request)
{
    Result result;
    const auto fail = [&result](const QString &why, bool badRequest = false) {
        result.ok = false;
        result.error = why;
        result.badRequest = badRequest;
        return result;
    };
    const auto cancelled = [&request] {
        return request.cancel && request.cancel->load();
    };
    const QString recording = frontRecording(QFileInfo(request.recording).absoluteFilePath());
    const QFileInfo recordingFile(LocalPath::openable(recording)); // its name need not be UTF-8
    if (!recordingFile.isFile() || !recordingFile.isReadable()) {
        return fail(u"cannot read the recording "_s + QDir::toNativeSeparators(recording));
    }
    if (Utils::GetFFMPEGPath().isEmpty()) {
        return fail(u"no ffmpeg found: install it or name it in $"_s +
                    QString::fromLatin1(Utils::FFMPEGEnvironmentVariable));
    }
    if (const QString problem = ReportFolder::targetProblem(request.output); !problem.isEmpty()) {
        return fail(problem, true);
    }
    // Made first: a destination that cannot be written is said before any work is done.
    ReportFolder folder(request.output);
    QString error;
    if (!folder.prepare(&error)) {
        return fail(error);
    }

    // The files the viewer plays, in its working folder or in one of our own.
    std::unique_ptr<QTemporaryDir> temporary;
    QString working = request.workingFolder;
    if (working.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(u"velmora-incident-XXXXXX"_s));
        if (!temporary->isValid()) {
            return fail(u"cannot make a temporary folder: "_s + temporary->errorString());
        }
        working = temporary->path();
    } else if (!QDir().mkpath(working)) {
        return fail(u"cannot make the working folder "_s + QDir::toNativeSeparators(working));
    }
    VideoConverter converter;
    converter.setWorkingDirectory(working);
    converter.setCancelFlag(request.cancel);
    const VideoConverter::Playable files = converter.checkAndConvertVideo(QUrl::fromLocalFile(recording));
    if (cancelled()) {
        return fail(u"the report was cancelled"_s);
    }
    if (!files || files->isEmpty()) {
        if (ConversionFailure::classify(converter.failure(), recording, working) ==
            ConversionFailure::Reason::Damaged) {
            return fail(QDir::toNativeSeparators(recording) + u" is damaged and cannot be played"_s);
        }
        return fail(QDir::toNativeSeparators(recording) + u" does not play: nothing playable in it"_s);
    }
    const QString front = files->at(0).toLocalFile();
    const QString rear = files->size() > 1 ? files->at(1).toLocalFile() : QString();

    FfmpegRunner runner;
    runner.setCancelFlag(request.cancel);
    const std::optional<double> duration =
        IncidentClips::durationFromReport(runner.run({u"-hide_banner"_s, u"-i"_s, front}).output);
    if (cancelled()) {
        return fail(u"the report was cancelled"_s);
    }
    if (!duration || *duration <= 0.0) {
        return fail(u"cannot tell how long "_s + QDir::toNativeSeparators(recording) + u" is"_s);
    }

    const auto track = std::make_unique<VexoClipData>();
    RecordingTrack::load(recording, front, *track);
    double at = *duration / 2.0;
    if (request.at) {
        at = *request.at;
    } else if (const auto strongest = IncidentFigures::strongestSample(*track)) {
        at = strongest->at;
    }
    QString why;
    const std::optional<IncidentWindow> window =
        IncidentWindow::clipped(at, request.before, request.after, *duration, &why);
    if (!window) {
        return fail(why, true);
    }
    const IncidentFigures figures = IncidentFigures::compute(*track, *window);

    // The clips and the picture at the moment, at the same time: the frame the user chose (without
    // a moment, the strongest jolt, which the graph marks as the peak). It is taken a little before
    // the very end, where there is no frame left to show.
    const double stillAt = std::clamp(window->at(), 0.0, std::max(0.0, *duration - 0.05));
    QList<QStringList> runs{
        IncidentClips::cutArguments(front, window->from(), window->length(), folder.filePath(name(FrontClip))),
        IncidentClips::stillArguments(front, stillAt, folder.filePath(name(Still)))};
    if (!rear.isEmpty()) {
        runs.append(
            IncidentClips::cutArguments(rear, window->from(), window->length(), folder.filePath(name(RearClip))));
    }
    const QList<FfmpegRunner::Result> ran = runner.runAll(runs);
    if (cancelled()) {
        return fail(u"the report was cancelled"_s);
    }
    QStringList written{name(FrontClip)};
    if (!ran.at(0).succeeded()) {
        return fail(u"cannot write the front clip into %1: %2"_s.arg(QDir::toNativeSeparators(request.output),
                                                                     ffmpegReason(ran.at(0))));
    }
    if (!rear.isEmpty()) {
        if (!ran.at(2).succeeded()) {
            return fail(u"cannot write the rear clip into %1: %2"_s.arg(QDir::toNativeSeparators(request.output),
                                                                        ffmpegReason(ran.at(2))));
        }
        written.append(name(RearClip));
    }
    QImage still;
    if (ran.at(1).succeeded()) {
        still.load(folder.filePath(name(Still)), "PNG");
    }
    if (still.isNull()) {
        // A picture the report does not show is not left beside it either.
        QFile::remove(folder.filePath(name(Still)));
    } else {
        written.append(name(Still));
    }

    const auto writeFile = [&](const char *file, const QByteArray &bytes) {
        QString reason;
        if (!AtomicFileWriter::writeFile(folder.filePath(name(file)), bytes, &reason)) {
            error = u"cannot write %1 into %2: %3"_s.arg(name(file), QDir::toNativeSeparators(request.output), reason);
            return false;
        }
        written.append(name(file));
        return true;
    };
    const TrackExport::Range range{figures.firstSample(), figures.endSample()};
    const QString recordingName = LocalPath::displayText(QFileInfo(recording).fileName());
    const TrackTimes times =
        SampleClock::times(recording, CardClockZone::forRecording(recording, request.cardRoot), *track);
    if (figures.hasSensorData() && !writeFile(Csv, TrackExport::csv(*track, range, times))) {
        return fail(error);
    }
    if (figures.hasPosition() && !writeFile(Gpx, TrackExport::gpx(*track, recordingName, range, times))) {
        return fail(error);
    }

    const std::optional<QDateTime> recordedAt = RecordingTime::fromFileName(recording);
    IncidentPdf::Content page;
    page.recordingName = recordingName;
    page.recordedAt = recordedAt;
    page.window = *window;
    page.figures = figures;
    page.track = track.get();
    page.still = still;
    page.stillAt = stillAt;
    page.texts = request.texts;
    page.producer = request.producer;
    const QByteArray pdf = IncidentPdf::render(page);
    if (pdf.isEmpty()) {
        return fail(u"the report's page could not be drawn"_s);
    }
    if (!writeFile(Pdf, pdf)) {
        return fail(error);
    }

    QJsonObject report = figures.json();
    const QJsonValue null(QJsonValue::Null);
    report.insert(u"recording"_s, recordingName);
    report.insert(u"recordedAt"_s, recordedAt ? QJsonValue(recordedAt->toString(u"yyyy-MM-ddTHH:mm:ss"_s)) : null);
    report.insert(u"duration"_s, *duration);
    // The window's ends as times of day, by the rule every export follows.
    const auto timeOf = [&times, &null](double seconds) {
        const QString text = times.text(times.msecsAtPlayTime(seconds));
        return text.isEmpty() ? null : QJsonValue(text);
    };
    report.insert(u"window"_s, QJsonObject{{u"at"_s, window->at()},
                                           {u"from"_s, window->from()},
                                           {u"to"_s, window->to()},
                                           {u"startTime"_s, timeOf(window->from())},
                                           {u"endTime"_s, timeOf(window->to())},
                                           {u"clock"_s, times.clockName()},
                                           {u"timeNote"_s, times.note()}});
    report.insert(u"samples"_s, figures.sampleCount());
    report.insert(u"fixes"_s, qsizetype(figures.fixes().size()));
    report.insert(u"peak"_s, figures.peak() ? QJsonValue(QJsonObject{{u"gx"_s, figures.peak()->gx},
                                                                     {u"gy"_s, figures.peak()->gy},
                                                                     {u"gz"_s, figures.peak()->gz}})
                                            : null);
    report.insert(u"speedUnit"_s, u"km/h"_s);
    report.insert(u"stillAt"_s, still.isNull() ? null : QJsonValue(stillAt));
    written.append(name(Json));
    report.insert(u"files"_s, QJsonArray::fromStringList(written));
    written.removeLast();
    if (!writeFile(Json, QJsonDocument(report).toJson(QJsonDocument::Indented))) {
        return fail(error);
    }
    if (cancelled()) {
        return fail(u"the report was cancelled"_s);
    }
    if (!folder.commit(&error)) {
        return fail(error);
    }

    result.ok = true;
    result.dir = folder.target();
    for (const QString &file : std::as_const(written)) {
        result.files.append(QDir(result.dir).filePath(file));
    }
    result.summary = figures.json();
    result.summary.insert(u"dir"_s, result.dir);
    result.summary.insert(u"files"_s, QJsonArray::fromStringList(result.files));
    return result;
}
