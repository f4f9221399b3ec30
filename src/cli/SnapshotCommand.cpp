#include "SnapshotCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"
#include "core/LocalPath.h"
#include "library/RecordingLibrary.h"

#include "export/ConversionFailure.h"
#include "export/SnapshotName.h"
#include "export/Utils.h"
#include "export/VideoConverter.h"
#include "export/snapshot/SnapshotWriter.h"
#include "playback/MpvPlayer.h"

#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
// Loading and seeking a local file takes well under a second; a loaded machine gets far more.
constexpr int LoadTimeoutMs = 30000;

// Runs the event loop until DONE holds or MS pass; whether DONE held.
bool waitUntil(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired()) {
            loop.quit();
        }
    });
    poll.start();
    if (!done()) {
        loop.exec();
    }
    return done();
}

// The recording the snapshot is named after: with --rear, an MP4's rear partner when it is there
// (the viewer names a snapshot after the recording its large player shows).
QString namedRecording(const QString &path, bool rear)
{
    if (!rear || QFileInfo(path).suffix().toLower() != u"mp4") {
        return path;
    }
    const QUrl partner(RecordingLibrary::partnerString(QUrl::fromLocalFile(path).toString()));
    return partner.isLocalFile() && QFileInfo::exists(LocalPath::openable(partner.toLocalFile()))
               ? partner.toLocalFile()
               : path;
}
} // namespace

int SnapshotCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption rearOption(u"rear"_s, u"the rear camera's picture"_s);
    const QCommandLineOption outputOption(QStringList{u"o"_s, u"output"_s}, u"where the PNG goes"_s, u"FILE"_s);
    const QCommandLineOption folderOption(u"working-folder"_s, u"where converted files go"_s, u"DIR"_s);
    parser.addOption(rearOption);
    parser.addOption(outputOption);
    parser.addOption(folderOption);
    parser.addPositionalArgument(u"RECORDING"_s, u"recording file"_s);
    parser.addPositionalArgument(u"SECONDS"_s, u"play time of the frame"_s);
    if (!parser.parse(QStringList{u"snapshot"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        return io.usageError(u"snapshot takes a RECORDING and SECONDS"_s);
    }
    bool isNumber = false;
    const double seconds = positional.at(1).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(seconds) || seconds < 0.0) {
        return io.usageError(u"SECONDS must be a play time of 0 or more, not \""_s + positional.at(1) + u'"');
    }
    const QString path = QFileInfo(positional.at(0)).absoluteFilePath();
    if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const QString extension = QFileInfo(path).suffix().toLower();
    if ((extension == u"avi" || extension == u"mp4") && Utils::GetFFMPEGPath().isEmpty()) {
        return io.inputError(u"no ffmpeg found: install it or name it in $"_s +
                             QString::fromLatin1(Utils::FFMPEGEnvironmentVariable));
    }

    // The files the viewer would play.
    VideoConverter converter;
    if (parser.isSet(folderOption)) {
        const QString folder = QFileInfo(parser.value(folderOption)).absoluteFilePath();
        if (!QDir().mkpath(folder)) {
            return io.inputError(u"cannot create "_s + folder);
        }
        converter.setWorkingDirectory(folder);
    }
    const QList<QUrl> files = converter.checkAndConvertVideo(QUrl::fromLocalFile(path)).value_or(QList<QUrl>());
    if (files.isEmpty()) {
        if (ConversionFailure::classify(converter.failure(), path, converter.usedWorkingDirectory()) ==
            ConversionFailure::Reason::Damaged) {
            return io.inputError(path + u" is damaged and cannot be played"_s);
        }
        return io.inputError(path + u" does not play: nothing playable in it"_s);
    }
    const bool rear = parser.isSet(rearOption);
    if (rear && files.size() < 2) {
        return io.inputError(path + u" has no rear camera"_s);
    }
    const QString movie = files.at(rear ? 1 : 0).toLocalFile();

    // A player without a window: it renders its frames into memory as the viewer's would.
    MpvPlayer player;
    if (!player.isValid()) {
        return io.inputError(u"the player (libmpv) could not be started"_s);
    }
    bool loaded = false;
    QString failure;
    QObject::connect(&player, &MpvPlayer::fileLoaded, [&] { loaded = true; });
    QObject::connect(&player, &MpvPlayer::loadFailed, [&](const QString &reason) { failure = reason; });
    QObject::connect(&player, &MpvPlayer::frameReady, [&] { player.frame(QSize(64, 36)); });
    player.loadFile(movie);
    if (!waitUntil([&] { return loaded || !failure.isEmpty(); }, LoadTimeoutMs) || !loaded) {
        return io.inputError(path + u" does not play"_s + (failure.isEmpty() ? QString() : u": "_s + failure));
    }
    if (!player.hasVideo()) {
        return io.inputError(path + u" has no picture"_s);
    }
    const double duration = player.duration();
    if (seconds > duration) {
        return io.inputError(u"%1 s is past the end of %2 (%3 s long)"_s.arg(seconds).arg(path).arg(duration));
    }

    bool restarted = false;
    QObject::connect(&player, &MpvPlayer::playbackRestarted, [&] { restarted = true; });
    player.seekAbsoluteExact(seconds);
    QImage frame;
    const bool shown = waitUntil(
        [&] {
            if (!restarted) {
                return false;
            }
            frame = player.screenshot();
            return !frame.isNull();
        },
        LoadTimeoutMs);
    if (!shown) {
        return io.inputError(u"no frame at %1 s in %2"_s.arg(seconds).arg(path));
    }

    // At the very end the player shows the last frame but may report a time past the end (where
    // the sound stops): the frame's time never lies beyond the recording.
    const double time = std::clamp(player.timePos(), 0.0, duration);
    const QString output =
        parser.isSet(outputOption)
            ? QFileInfo(parser.value(outputOption)).absoluteFilePath()
            : QDir::current().absoluteFilePath(SnapshotName::proposedFileName(namedRecording(path, rear), time));
    QString error;
    if (!SnapshotWriter::write(frame, output, &error)) {
        return io.inputError(error);
    }
    return io.printJson(QJsonObject{{u"file"_s, output},
                                    {u"width"_s, frame.width()},
                                    {u"height"_s, frame.height()},
                                    {u"milliseconds"_s, SnapshotName::milliseconds(time)}});
}
