#include "VideoConverter.h"

#include "FfmpegProgress.h"
#include "Utils.h"
#include "core/LocalPath.h"
#include "core/PartnerName.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView TempVideoFolder{"temp_video"};

// Whether there is anything at PATH, a link to nothing included.
bool isPresent(const QString &path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(LocalPath::encode(path).constData(), &status) == 0;
}
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

QString VideoConverter::workingBaseName(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    if (LocalPath::isLossless(name) && name.toUtf8().size() <= MaxWorkingNameBytes) {
        return name;
    }
    // The first letters, whole characters only, within three quarters of the limit; the hash
    // keeps two names that start alike (or differ only in bytes that are not UTF-8) apart.
    const QString readable = LocalPath::sanitizedName(name);
    QString kept;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < readable.size();) {
        const qsizetype length = readable.at(i).isHighSurrogate() && i + 1 < readable.size() ? 2 : 1;
        const qsizetype size = readable.sliced(i, length).toUtf8().size();
        if (bytes + size > MaxWorkingNameBytes * 3 / 4) {
            break;
        }
        kept += readable.sliced(i, length);
        bytes += size;
        i += length;
    }
    const QByteArray hash = QCryptographicHash::hash(LocalPath::encode(name), QCryptographicHash::Sha1).toHex();
    return kept + u'~' + QString::fromLatin1(hash.first(16));
}

QString VideoConverter::conversionFolder(const QString &workingDirectory, const QString &path)
{
    const QFileInfo info(LocalPath::openable(path));
    if (info.filePath().isEmpty() || !info.isFile()) {
        return {};
    }
    const QByteArray folderHash =
        QCryptographicHash::hash(LocalPath::encode(QFileInfo(path).absolutePath()), QCryptographicHash::Sha1).toHex();
    return workingDirectory + u'/' + TempVideoFolder + u'/' + workingBaseName(path) + u'_' +
           QString::number(info.size()) + u'_' + QString::fromLatin1(folderHash.first(8));
}

QString VideoConverter::keyPath(const QString &output)
{
    const QFileInfo info(output);
    return info.dir().filePath(u'.' + info.fileName() + u".source"_s);
}

QString VideoConverter::cutShortPath(const QString &output)
{
    const QFileInfo info(output);
    return info.dir().filePath(u'.' + info.fileName() + u".cut"_s);
}

QUrl VideoConverter::otherCameraUrl(const QUrl &url)
{
    return PartnerName::otherCamera(url);
}

QStringList VideoConverter::inputArguments(const QString &input)
{
    QStringList arguments{u"-protocol_whitelist"_s, u"file"_s};
    const QString extension = QFileInfo(input).suffix().toLower();
    if (extension == u"mp4") {
        arguments << u"-f"_s << u"mov"_s << u"-enable_drefs"_s << u"0"_s;
    } else if (extension == u"avi") {
        arguments << u"-f"_s << u"avi"_s;
    }
    arguments << u"-i"_s << input;
    return arguments;
}

int VideoConverter::tagType(int aviType, const QString &codec)
{
    if (codec.isEmpty()) {
        return aviType;
    }
    if (codec == u"hevc") {
        return Utils::AviTypeIso4Hvc1;
    }
    if (codec == u"h264") {
        return aviType == Utils::AviTypeIso4Hvc1 ? Utils::AviTypeOther : aviType;
    }
    // Copied with the tag it has: neither "avc1" nor "hvc1" fits another codec.
    return Utils::AviTypeH264;
}

QStringList VideoConverter::oneStreamArguments(int aviType, const QString &input, const QString &output)
{
    const QStringList copy{u"-vcodec"_s, u"copy"_s, u"-acodec"_s, u"copy"_s};
    switch (aviType) {
    case Utils::AviTypeIso4Hvc1:
        return inputArguments(input) + copy + QStringList{u"-y"_s, u"-vtag"_s, u"hvc1"_s, output};
    case Utils::AviTypeH264:
        return inputArguments(input) + copy + QStringList{u"-y"_s, output};
    default:
        return QStringList{u"-v"_s, u"10"_s} + inputArguments(input) + copy +
               QStringList{u"-vtag"_s, u"avc1"_s, u"-y"_s, output};
    }
}

QStringList VideoConverter::twoStreamArguments(int aviType, int audioStreams, const QString &input, bool rear,
                                               const QString &output)
{
    QStringList arguments = inputArguments(input);
    arguments << u"-map"_s << (rear ? u"0:1"_s : u"0:0"_s);
    if (audioStreams > 0) {
        arguments << u"-map"_s << u"0:2"_s;
    }
    arguments << u"-c"_s << u"copy"_s << u"-y"_s << u"-v"_s << u"10"_s << u"-vcodec"_s << u"copy"_s << u"-acodec"_s
              << u"copy"_s << vtag(aviType) << output;
    return arguments;
}

QStringList VideoConverter::subtitleArguments(const QString &input, const QString &output)
{
    return inputArguments(input) + QStringList{u"-vn"_s, u"-an"_s, u"-c:s"_s, u"text"_s, output};
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

bool VideoConverter::isMade(const QString &output, const QByteArray &key) const
{
    if (!exists(output) || key.isEmpty()) {
        return false;
    }
    QFile stamp(keyPath(output));
    return stamp.open(QIODevice::ReadOnly) && stamp.read(key.size() + 1) == key;
}

QString VideoConverter::sourceReportText(const QString &source)
{
    if (const auto found = m_reports.constFind(source); found != m_reports.cend()) {
        return *found;
    }
    // Measures only: not noted among the conversions.
    const QString text = FfmpegRunner::runProgram(m_runner.program(), inputArguments(source), m_runner.timeoutMs(),
                                                  m_runner.cancelFlag())
                             .output;
    m_reports.insert(source, text);
    return text;
}

ConversionCheck::Report VideoConverter::sourceReport(const QString &source)
{
    return ConversionCheck::read(sourceReportText(source));
}

bool VideoConverter::finish(const Job &job, const FfmpegRunner::Result &result)
{
    const QString temporary = temporaryPath(job.output);
    const auto fail = [&](Failure failure) {
        QFile::remove(temporary);
        if (job.required && m_failure == Failure::None) {
            m_failure = failure;
        }
        return false;
    };
    if (!result.succeeded() || !QFileInfo(temporary).isFile()) {
        return fail(Failure::ConversionFailed);
    }
    if (ConversionCheck::sourceKey(job.origin) != job.key) {
        return fail(Failure::SourceChanged);
    }
    const ConversionCheck::Report made = ConversionCheck::read(
        FfmpegRunner::runProgram(m_runner.program(), {u"-i"_s, temporary}, m_runner.timeoutMs(), m_runner.cancelFlag())
            .output);
    const ConversionCheck::Report source = sourceReport(job.source);
    bool complete = job.subtitles ? ConversionCheck::subtitlesAreComplete(source, made)
                                  : ConversionCheck::movieIsComplete(source, made);
    // A recording cut short plays as far as it goes, rather than not at all.
    const bool cutShort = !complete && !job.subtitles && ConversionCheck::movieHoldsPartOf(source, made) &&
                          ConversionCheck::mp4EndsEarly(job.source);
    complete = complete || cutShort;
    if (!complete || ConversionCheck::showsWriteError(result.output) || QFileInfo(temporary).size() == 0) {
        return fail(Failure::Incomplete);
    }
    QFile::remove(job.output);
    QFile::remove(keyPath(job.output));
    QFile::remove(cutShortPath(job.output));
    if (!QFile::rename(temporary, job.output)) {
        return fail(Failure::Incomplete);
    }
    if (cutShort) {
        QFile mark(cutShortPath(job.output));
        mark.open(QIODevice::WriteOnly);
    }
    // Without its key the output is made again next time: never reused on trust.
    QFile stamp(keyPath(job.output));
    if (!stamp.open(QIODevice::WriteOnly) || stamp.write(job.key) != job.key.size() || !stamp.flush()) {
        stamp.close();
        QFile::remove(keyPath(job.output));
    }
    return true;
}

void VideoConverter::runAllInto(QList<Job> &jobs)
{
    QList<QStringList> argumentLists;
    for (const Job &job : std::as_const(jobs)) {
        argumentLists.append(job.arguments(temporaryPath(job.output)));
    }
    if (m_planOnly) {
        for (const QStringList &arguments : std::as_const(argumentLists)) {
            m_runner.note(arguments);
        }
        return;
    }
    for (const Job &job : std::as_const(jobs)) {
        QFile::remove(temporaryPath(job.output)); // a leftover would make ffmpeg ask whether to overwrite it
    }
    const QList<FfmpegRunner::Result> results =
        jobs.size() == 1 ? QList<FfmpegRunner::Result>{m_runner.run(argumentLists.constFirst())}
                         : m_runner.runAll(argumentLists);
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        if (m_runner.isCancelled()) {
            QFile::remove(temporaryPath(jobs.at(i).output));
            continue;
        }
        finish(jobs.at(i), results.at(i));
    }
}

bool VideoConverter::isPlainFile(const QString &path)
{
    struct stat status;
    return ::lstat(LocalPath::encode(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool VideoConverter::readsAsItsContainer(const QString &source)
{
    if (ConversionCheck::readInput(sourceReportText(source)).opened || m_runner.isCancelled()) {
        return true;
    }
    m_failure = Failure::NotItsContainer;
    return false;
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
    m_failure = Failure::None;
    m_cutShort = false;
    m_reports.clear();
    if (url.isEmpty()) {
        return std::nullopt;
    }
    Recording recording;
    recording.url = url;
    recording.path = url.isLocalFile() ? url.toLocalFile() : url.path();
    recording.extension = QFileInfo(recording.path).suffix().toLower();
    if (recording.extension != u"avi" && recording.extension != u"mp4") {
        // The player opens what Qt can name: a name that is not UTF-8 through its stand-in.
        const QString openable = url.isLocalFile() ? LocalPath::openable(recording.path) : recording.path;
        return QList<QUrl>{openable == recording.path || openable.isEmpty() ? url : QUrl::fromLocalFile(openable)};
    }
    if (Outcome outcome = prepareWorkingFolder(recording)) {
        return *outcome;
    }
    if (Outcome outcome = probeStreams(recording)) {
        return *outcome;
    }
    // The plan's argument lists read its picture tags: it stays here until the runs are over.
    Plan plan;
    planJobs(recording, plan);
    if (Outcome outcome = settleTags(recording, plan)) {
        return *outcome;
    }
    return runAndVerify(recording, plan);
}

VideoConverter::Outcome VideoConverter::prepareWorkingFolder(Recording &recording)
{
    QString working = m_workingDirectory;
    if (working.isEmpty()) {
        working = m_planOnly ? Utils::WorkingDirectoryLocation() : Utils::GetWorkingDirectoryPath();
    }
    m_usedWorkingDirectory = working.isEmpty() ? Utils::WorkingDirectoryLocation() : working;
    if (working.isEmpty()) {
        m_failure = Failure::WorkingFolderUnusable;
        return Playable();
    }
    // Qt and ffmpeg open the recording by this name; the working names come from its own.
    recording.source = LocalPath::openable(recording.path);
    recording.folder = recording.source.isEmpty() ? QString() : conversionFolder(working, recording.path);
    if (recording.folder.isEmpty()) {
        m_failure = Failure::RecordingUnreadable;
        return Playable();
    }
    if (!isPlainFile(recording.path)) {
        // A link may lead anywhere outside the card: it is not the camera's recording.
        m_failure = Failure::NotItsContainer;
        return Playable(QList<QUrl>{});
    }
    if (!m_planOnly && !QDir().mkpath(recording.folder)) {
        m_failure = Failure::WorkingFolderUnusable;
        return Playable();
    }
    if (!m_planOnly) {
        removeStalePartials(recording.folder);
    }
    const QString baseName = workingBaseName(recording.path);
    recording.front = recording.folder + u'/' + baseName + u"_f.mov"_s;
    recording.rear = recording.folder + u'/' + baseName + u"_r.mov"_s;
    return std::nullopt;
}

VideoConverter::Outcome VideoConverter::probeStreams(Recording &recording)
{
    if (recording.extension != u"avi") {
        return std::nullopt;
    }
    recording.info = m_runner.run(inputArguments(recording.source)).output;
    if (m_runner.isCancelled()) {
        m_failure = Failure::Cancelled;
        return Playable();
    }
    m_reports.insert(recording.source, recording.info);
    if (!readsAsItsContainer(recording.source)) {
        return Playable(QList<QUrl>{});
    }
    recording.videoStreams = Utils::GetVideoStreamCountFromVideoInfo(recording.info);
    if (recording.videoStreams == 0) {
        m_failure = Failure::NoVideoStream;
        return Playable(QList<QUrl>{});
    }
    return std::nullopt;
}

void VideoConverter::need(Plan &plan, const QString &output, std::function<QStringList(const QString &)> arguments,
                          const QString &from, const QString &origin, const QByteArray &key, bool subtitles) const
{
    if (!isMade(output, key)) {
        plan.jobs.append({output, std::move(arguments), from, origin, key, subtitles, true});
    }
}

void VideoConverter::planJobs(const Recording &recording, Plan &plan)
{
    // A recording is converted only when all of its outputs are in place and made from the files
    // as they are now; each missing or outdated one is made again, so a run killed after some of
    // them (the ".mov" but not yet its ".srt") is completed by the next conversion instead of
    // being reused as it is for good. The picture tags are settled once the runs are known (the
    // argument lists are made just before they start).
    const QByteArray frontKey = ConversionCheck::sourceKey(recording.path);
    plan.frontType = Utils::AviTypeOther;
    plan.rearType = Utils::AviTypeOther;
    const QString source = recording.source;
    int &frontType = plan.frontType;
    if (recording.videoStreams >= 2) {
        plan.hasRear = true;
        if (!isMade(recording.front, frontKey) || !isMade(recording.rear, frontKey)) {
            // The report read for the stream count lists the sound streams as well.
            const int audioStreams = Utils::GetAudioStreamCountFromVideoInfo(recording.info);
            need(
                plan, recording.front,
                [=, &frontType](const QString &o) {
                    return twoStreamArguments(frontType, audioStreams, source, false, o);
                },
                source, recording.path, frontKey, false);
            need(
                plan, recording.rear,
                [=, &frontType](const QString &o) {
                    return twoStreamArguments(frontType, audioStreams, source, true, o);
                },
                source, recording.path, frontKey, false);
        }
        return;
    }
    need(
        plan, recording.front, [=, &frontType](const QString &o) { return oneStreamArguments(frontType, source, o); },
        source, recording.path, frontKey, false);
    if (recording.extension == u"mp4") {
        need(
            plan, Utils::replaceFileExtensionFromFilePath(recording.front, u"srt"_s),
            [=](const QString &o) { return subtitleArguments(source, o); }, source, recording.path, frontKey, true);
        planPartner(recording, plan);
    }
}

void VideoConverter::planPartner(const Recording &recording, Plan &plan)
{
    const QUrl other = otherCameraUrl(recording.url);
    const QString otherPath = other.isLocalFile() ? other.toLocalFile() : other.path();
    plan.otherSource = other.isEmpty() ? QString() : LocalPath::openable(otherPath);
    const QString otherSource = plan.otherSource;
    if (!otherSource.isEmpty() && QFileInfo(otherSource).isFile() && isPlainFile(otherPath)) {
        plan.hasRear = true;
        const QByteArray rearKey = ConversionCheck::sourceKey(otherPath);
        int &rearType = plan.rearType;
        need(
            plan, recording.rear,
            [=, &rearType](const QString &o) { return oneStreamArguments(rearType, otherSource, o); }, otherSource,
            otherPath, rearKey, false);
        need(
            plan, Utils::replaceFileExtensionFromFilePath(recording.rear, u"srt"_s),
            [=](const QString &o) { return subtitleArguments(otherSource, o); }, otherSource, otherPath, rearKey, true);
    } else if (!isPresent(otherPath)) {
        // The partner may be gone since it was converted: what was made of it still plays.
        // A partner that is a link plays nothing, neither now nor from before.
        plan.hasRear = exists(recording.rear);
    }
}

VideoConverter::Outcome VideoConverter::settleTags(const Recording &recording, Plan &plan)
{
    if (plan.jobs.isEmpty()) {
        return std::nullopt;
    }
    if (!readsAsItsContainer(recording.source)) {
        // Never the rear camera in the front camera's place, and the user is told why.
        if (plan.hasRear) {
            m_failure = Failure::FrontUnreadable;
        }
        return Playable(QList<QUrl>{});
    }
    plan.frontType = tagType(Utils::GetAviType(recording.source),
                             ConversionCheck::readInput(sourceReportText(recording.source)).videoCodec);
    if (plan.hasRear && !plan.otherSource.isEmpty()) {
        plan.rearType = tagType(Utils::GetAviType(plan.otherSource),
                                ConversionCheck::readInput(sourceReportText(plan.otherSource)).videoCodec);
    }
    return std::nullopt;
}

VideoConverter::Playable VideoConverter::runAndVerify(const Recording &recording, Plan &plan)
{
    // A rear camera that fails leaves the front playing alone, as a recording without a partner;
    // subtitles are wanted only from a recording that has a subtitle stream.
    const QString frontSubtitles = Utils::replaceFileExtensionFromFilePath(recording.front, u"srt"_s);
    for (Job &job : plan.jobs) {
        job.required = job.output == recording.front ||
                       (job.output == frontSubtitles && (m_planOnly || sourceReport(job.source).subtitle > 0));
    }
    if (m_progress && !m_planOnly && !plan.jobs.isEmpty()) {
        // The stream report of an AVI was read for its stream count; an MP4 is asked for one.
        followProgress(plan.jobs.size(), sourceReport(recording.source).durationUs);
    }
    if (!plan.jobs.isEmpty()) {
        runAllInto(plan.jobs);
    }
    m_runner.setProgressHandler({});
    if (m_runner.isCancelled()) {
        m_failure = Failure::Cancelled;
        return std::nullopt;
    }
    return verify(recording, plan);
}

VideoConverter::Playable VideoConverter::verify(const Recording &recording, const Plan &plan)
{
    if (m_planOnly) {
        QList<QUrl> files{QUrl::fromLocalFile(recording.front)};
        if (plan.hasRear) {
            files.append(QUrl::fromLocalFile(recording.rear));
        }
        return files;
    }
    const bool rearMade = plan.hasRear && exists(recording.rear);
    if (!exists(recording.front)) {
        // Never the rear camera in the front camera's place.
        if (rearMade) {
            m_failure = Failure::FrontUnreadable;
        } else if (m_failure == Failure::None) {
            m_failure = Failure::ConversionFailed;
        }
        return QList<QUrl>{};
    }
    if (m_failure != Failure::None) {
        // The front subtitles are missing: playing without the sensor data would pass for a
        // recording that has none.
        return QList<QUrl>{};
    }
    QList<QUrl> files{QUrl::fromLocalFile(recording.front)};
    if (rearMade) {
        files.append(QUrl::fromLocalFile(recording.rear));
    }
    m_cutShort = exists(cutShortPath(recording.front)) || (rearMade && exists(cutShortPath(recording.rear)));
    return files;
}
