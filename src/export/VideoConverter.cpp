#include "VideoConverter.h"

#include "FfmpegProgress.h"
#include "Utils.h"
#include "core/PartnerName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView TempVideoFolder{"temp_video"};
constexpr QLatin1StringView TemporaryPrefix{".partial-"};

QStringList vtag(int aviType)
{
    switch (aviType) {
    case Utils::AviTypeIso4Hvc1:
        return {u"-vtag"_s, u"hvc1"_s};
    case Utils::AviTypeH264:
        return {};
    default:
        return {u"-vtag"_s, u"avc1"_s};
    }
}
} // namespace

QString VideoConverter::conversionFolder(const QString &workingDirectory, const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return {};
    }
    return workingDirectory + u'/' + TempVideoFolder + u'/' + info.completeBaseName() + u'_' +
           QString::number(info.size());
}

QUrl VideoConverter::otherCameraUrl(const QUrl &url)
{
    // Edited on the path for files, so a "?" or "%" in a name (written "%3F", "%25" in URL text)
    // can neither hide nor fake an "F.". Only the file name carries the camera letter.
    const QString text = url.isLocalFile() ? url.toLocalFile() : url.toString();
    static constexpr std::pair<QStringView, QStringView> edits[] = {
        {u"F.", u"R."},
        {u"R.", u"F."},
        {u"F_BC.", u"R_BC."},
        {u"R_BC.", u"F_BC."},
    };
    for (const auto &[from, to] : edits) {
        const QString edited = PartnerName::replaceInFileName(text, from, to);
        if (!edited.isNull()) {
            return url.isLocalFile() ? QUrl::fromLocalFile(edited) : QUrl(edited);
        }
    }
    return {};
}

QStringList VideoConverter::oneStreamArguments(int aviType, const QString &input, const QString &output)
{
    switch (aviType) {
    case Utils::AviTypeIso4Hvc1:
        return {u"-i"_s,   input,   u"-vcodec"_s, u"copy"_s, u"-acodec"_s,
                u"copy"_s, u"-y"_s, u"-vtag"_s,   u"hvc1"_s, output};
    case Utils::AviTypeH264:
        return {u"-i"_s, input, u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s, u"-y"_s, output};
    default:
        return {u"-v"_s,      u"10"_s,   u"-i"_s,    input,     u"-vcodec"_s, u"copy"_s,
                u"-acodec"_s, u"copy"_s, u"-vtag"_s, u"avc1"_s, u"-y"_s,      output};
    }
}

QStringList VideoConverter::twoStreamArguments(int aviType, int audioStreams, const QString &input, bool rear,
                                               const QString &output)
{
    QStringList arguments{u"-i"_s, input, u"-map"_s, rear ? u"0:1"_s : u"0:0"_s};
    if (audioStreams > 0) {
        arguments << u"-map"_s << u"0:2"_s;
    }
    arguments << u"-c"_s << u"copy"_s << u"-y"_s << u"-v"_s << u"10"_s << u"-vcodec"_s << u"copy"_s << u"-acodec"_s
              << u"copy"_s << vtag(aviType) << output;
    return arguments;
}

QStringList VideoConverter::subtitleArguments(const QString &input, const QString &output)
{
    return {u"-i"_s, input, u"-vn"_s, u"-an"_s, u"-c:s"_s, u"text"_s, output};
}

QString VideoConverter::temporaryPath(const QString &output)
{
    const QFileInfo info(output);
    return info.dir().filePath(TemporaryPrefix + info.fileName());
}

bool VideoConverter::exists(const QString &path) const
{
    return !m_planOnly && QFileInfo(path).isFile();
}

template <typename Arguments> void VideoConverter::runInto(const QString &output, Arguments arguments)
{
    const QString temporary = temporaryPath(output);
    if (m_planOnly) {
        m_runner.note(arguments(temporary));
        return;
    }
    // A leftover of an interrupted run would make ffmpeg ask whether to overwrite it.
    QFile::remove(temporary);
    const FfmpegRunner::Result result = m_runner.run(arguments(temporary));
    if (result.succeeded() && QFileInfo(temporary).isFile()) {
        QFile::remove(output);
        if (QFile::rename(temporary, output)) {
            return;
        }
    }
    QFile::remove(temporary);
}

void VideoConverter::runAllInto(const QList<Job> &jobs)
{
    QList<QStringList> argumentLists;
    QStringList temporaries;
    for (const Job &job : jobs) {
        temporaries.append(temporaryPath(job.output));
        argumentLists.append(job.arguments(temporaries.constLast()));
    }
    if (m_planOnly) {
        for (const QStringList &arguments : std::as_const(argumentLists)) {
            m_runner.note(arguments);
        }
        return;
    }
    for (const QString &temporary : std::as_const(temporaries)) {
        QFile::remove(temporary); // a leftover would make ffmpeg ask whether to overwrite it
    }
    const QList<FfmpegRunner::Result> results = m_runner.runAll(argumentLists);
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const QString &temporary = temporaries.at(i);
        if (results.at(i).succeeded() && QFileInfo(temporary).isFile()) {
            QFile::remove(jobs.at(i).output);
            if (QFile::rename(temporary, jobs.at(i).output)) {
                continue;
            }
        }
        QFile::remove(temporary);
    }
}

void VideoConverter::removeStalePartials(const QString &folder) const
{
    // Left by a run that was killed, or by a viewer that died while converting: nobody finishes
    // them, and the reuse rule never looks at them.
    const QDir dir(folder);
    const QStringList stale =
        dir.entryList({TemporaryPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : stale) {
        QFile::remove(dir.filePath(name));
    }
}

void VideoConverter::followProgress(qsizetype jobCount, qint64 durationUs)
{
    // The runs of one recording go on together and each writes the whole recording (the rear
    // camera's and the subtitles are as long as the front one): the share is their mean.
    auto shares = std::make_shared<QList<double>>(jobCount, 0.0);
    auto reported = std::make_shared<double>(0.0);
    m_runner.setProgressHandler([this, shares, reported, durationUs](qsizetype run, qint64 outTimeUs, bool ended) {
        if (run < 0 || run >= shares->size()) {
            return;
        }
        (*shares)[run] = ended ? 1.0 : FfmpegProgress::share(outTimeUs, durationUs);
        double sum = 0.0;
        for (const double share : std::as_const(*shares)) {
            sum += share;
        }
        const double share = sum / double(shares->size());
        // Rising only: a run that reports a little behind another must not move the bar back.
        if (share > *reported) {
            *reported = share;
            m_progress(share);
        }
    });
}

VideoConverter::Playable VideoConverter::checkAndConvertVideo(const QUrl &url)
{
    if (url.isEmpty()) {
        return std::nullopt;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.path();
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension != u"avi" && extension != u"mp4") {
        return QList<QUrl>{url};
    }

    QString working = m_workingDirectory;
    if (working.isEmpty()) {
        working = m_planOnly ? Utils::WorkingDirectoryLocation() : Utils::GetWorkingDirectoryPath();
    }
    if (working.isEmpty()) {
        return std::nullopt;
    }
    const QString folder = conversionFolder(working, path);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    if (!m_planOnly && !QDir().mkpath(folder)) {
        return std::nullopt;
    }
    if (!m_planOnly) {
        removeStalePartials(folder);
    }
    const QString baseName = QFileInfo(path).completeBaseName();
    const QString front = folder + u'/' + baseName + u"_f.mov"_s;
    const QString rear = folder + u'/' + baseName + u"_r.mov"_s;
    bool hasRear = false;

    int videoStreams = 1;
    QString info;
    if (extension == u"avi") {
        info = m_runner.run({u"-i"_s, path}).output;
        if (m_runner.isCancelled()) {
            return std::nullopt;
        }
        videoStreams = Utils::GetVideoStreamCountFromVideoInfo(info);
        if (videoStreams == 0) {
            return QList<QUrl>{};
        }
    }

    // A recording is converted only when all of its outputs are in place; each missing one is
    // made again, so a run killed after some of them (the ".mov" but not yet its ".srt") is
    // completed by the next conversion instead of being reused as it is for good.
    QList<Job> jobs;
    const auto need = [&](const QString &output, std::function<QStringList(const QString &)> arguments) {
        if (!exists(output)) {
            jobs.append({output, std::move(arguments)});
        }
    };
    if (videoStreams >= 2) {
        hasRear = true;
        if (!exists(front) || !exists(rear)) {
            const int type = Utils::GetAviType(path);
            // The report read for the stream count lists the sound streams as well.
            const int audioStreams = Utils::GetAudioStreamCountFromVideoInfo(info);
            need(front, [=](const QString &o) { return twoStreamArguments(type, audioStreams, path, false, o); });
            need(rear, [=](const QString &o) { return twoStreamArguments(type, audioStreams, path, true, o); });
        }
    } else {
        const int type = Utils::GetAviType(path);
        need(front, [=](const QString &o) { return oneStreamArguments(type, path, o); });
        if (extension == u"mp4") {
            need(Utils::replaceFileExtensionFromFilePath(front, u"srt"_s),
                 [=](const QString &o) { return subtitleArguments(path, o); });
            const QUrl other = otherCameraUrl(url);
            const QString otherPath = other.isLocalFile() ? other.toLocalFile() : other.path();
            if (!other.isEmpty() && QFileInfo(otherPath).isFile()) {
                hasRear = true;
                need(rear, [=](const QString &o) { return oneStreamArguments(type, otherPath, o); });
                need(Utils::replaceFileExtensionFromFilePath(rear, u"srt"_s),
                     [=](const QString &o) { return subtitleArguments(otherPath, o); });
            } else {
                // The partner may be gone since it was converted: what was made of it still plays.
                hasRear = exists(rear);
            }
        }
    }
    if (m_progress && !m_planOnly && !jobs.isEmpty()) {
        // The stream report of an AVI was read for its stream count; an MP4 is asked for one
        // (a run not noted among the conversions: it only measures).
        if (info.isEmpty()) {
            info = FfmpegRunner::runProgram(m_runner.program(), {u"-i"_s, path}, m_runner.timeoutMs(),
                                            m_runner.cancelFlag())
                       .output;
        }
        followProgress(jobs.size(), FfmpegProgress::durationUs(info));
    }
    if (jobs.size() == 1) {
        runInto(jobs.constFirst().output, jobs.constFirst().arguments);
    } else if (!jobs.isEmpty()) {
        runAllInto(jobs);
    }
    m_runner.setProgressHandler({});
    if (m_runner.isCancelled()) {
        return std::nullopt;
    }

    QList<QUrl> files;
    if (m_planOnly || exists(front)) {
        files.append(QUrl::fromLocalFile(front));
    }
    if (hasRear && (m_planOnly || exists(rear))) {
        files.append(QUrl::fromLocalFile(rear));
    }
    return files;
}
