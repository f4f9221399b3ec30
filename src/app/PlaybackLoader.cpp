#include "PlaybackLoader.h"

#include "RecordingMoments.h"
#include "recording/RecordingTrack.h"
#include "recording/SampleClock.h"

#include "export/ConversionFailure.h"
#include "settings/zone/CardClockZone.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
bool isMp4(const QUrl &url)
{
    return QFileInfo(url.path()).suffix().toLower() == u"mp4";
}
} // namespace

PlaybackLoader::PlaybackLoader(Converter convert, std::function<void()> drop, QObject *parent)
    : QObject(parent), m_convert(std::move(convert)), m_drop(std::move(drop)), m_progress(new ConversionProgress(this))
{
    // A sensor track still being read when the program quits is not wanted: its scan stops at once
    // instead of keeping the process alive after the window has gone.
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { m_load.cancelTrackRead(); });
    }
    m_reader.setMaxThreadCount(1);
}

PlaybackLoader::~PlaybackLoader()
{
    m_load.cancelTrackRead();
    m_reader.clear();
}

void PlaybackLoader::load(const QUrl &url)
{
    // A new number: the conversion and track read of the recording before are no longer wanted
    // (its scan is cancelled), and nothing acts on players that hold no movie yet.
    const quint64 generation = m_load.begin();
    m_reader.clear();
    // The recording before it is no longer wanted: a conversion of it stops.
    m_drop();
    m_converting = false;
    m_progress->end();
    chooseRoute(url, generation);
}

void PlaybackLoader::chooseRoute(const QUrl &url, quint64 generation)
{
    // A recording the player can open as it is plays from its own files; the probe that decides
    // reads a few headers of the card, so it runs off the GUI thread with the track read.
    m_reader.clear();
    m_reader.start([this, url, generation, cancelled = m_load.trackCancel()] {
        if (cancelled->load()) {
            return;
        }
        if (const std::optional<QList<DirectPlayRoute::Source>> sources = DirectPlayRoute::sources(url)) {
            readTrackAndHandOn(url, *sources, generation, cancelled);
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, url, generation, cancelled] {
                if (m_load.isCurrent(generation) && !cancelled->load()) {
                    convert(url, generation);
                }
            },
            Qt::QueuedConnection);
    });
}

void PlaybackLoader::abandon()
{
    m_load.cancelTrackRead();
    m_progress->end();
}

bool PlaybackLoader::giveUpConversion()
{
    if (!std::exchange(m_converting, false)) {
        return false;
    }
    m_drop();
    abandon();
    return true;
}

void PlaybackLoader::convert(const QUrl &url, quint64 generation)
{
    // Converting can take a while on a long recording: it runs off the GUI thread, and only the
    // newest request is acted on when it returns. The indicator starts anew for this recording;
    // the one before it was cancelled with its conversion.
    m_progress->begin(url.fileName());
    m_converting = true;
    Q_EMIT conversionStarted();
    m_convert(
        url,
        [this, url, generation](const std::optional<QList<QUrl>> &files, const QString &messageKey) {
            if (m_load.isCurrent(generation)) {
                conversionDone(url, files, messageKey);
            }
        },
        [this, generation](double share) {
            if (m_load.isCurrent(generation)) {
                m_progress->setShare(share);
            }
        });
}

void PlaybackLoader::conversionDone(const QUrl &url, const std::optional<QList<QUrl>> &files, const QString &messageKey)
{
    m_converting = false;
    if (!files || files->isEmpty()) {
        m_progress->end();
        Q_EMIT nothingToPlay();
        explainFailure(url, messageKey);
        return;
    }
    m_progress->complete();
    if (!messageKey.isEmpty()) {
        // It plays, and the user learns why it ends early (a recording cut short).
        Q_EMIT cutShort(messageKey);
    }
    // The converted copies hold one picture each: the player takes its own.
    QList<DirectPlayRoute::Source> playable;
    for (const QUrl &file : *files) {
        playable.append({file.toLocalFile(), 0});
    }
    startTrackRead(url, playable, m_load.current());
}

void PlaybackLoader::explainFailure(const QUrl &url, const QString &messageKey)
{
    const QString unsupported = ConversionFailure::messageKey(ConversionFailure::Reason::Unsupported);
    const QString damaged = ConversionFailure::messageKey(ConversionFailure::Reason::Damaged);
    if (!messageKey.isEmpty() && messageKey != unsupported && messageKey != damaged) {
        Q_EMIT failed(messageKey, QString());
        return;
    }
    // The converter read nothing it knows; the card may say more: a file reserved and never
    // written, or a card that failed to read.
    inspect(url.toLocalFile(), url.toLocalFile(), 0.0, 0.0, [this, messageKey](PlaybackStopCause::Cause cause) {
        if (cause == PlaybackStopCause::Cause::Damaged) {
            Q_EMIT failed(messageKey, QString());
            return;
        }
        Q_EMIT failed(PlaybackStopCause::failedMessageKey(cause), PlaybackStopCause::titleKey(cause));
    });
}

void PlaybackLoader::startTrackRead(const QUrl &url, const QList<DirectPlayRoute::Source> &files, quint64 generation)
{
    // Only the newest read runs: one still waiting is dropped, a running one was cancelled when
    // this recording was chosen.
    m_reader.clear();
    m_reader.start([this, url, files, generation, cancelled = m_load.trackCancel()] {
        if (!cancelled->load()) {
            readTrackAndHandOn(url, files, generation, cancelled);
        }
    });
}

void PlaybackLoader::readTrackAndHandOn(const QUrl &url, const QList<DirectPlayRoute::Source> &files,
                                        quint64 generation, const std::shared_ptr<const std::atomic_bool> &cancelled)
{
    // The track is read before anything of the recording is shown, as the players, the track and
    // the instruments change together; only the reading leaves the GUI thread, whose window would
    // otherwise stand still while a long recording is scanned.
    std::shared_ptr<Track> track = readTrack(url, files.constFirst().path, cancelled.get());
    if (cancelled->load()) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, url, files, track, generation] {
            if (m_load.isCurrent(generation)) {
                Q_EMIT loaded(url, files, track);
            }
        },
        Qt::QueuedConnection);
}

std::shared_ptr<PlaybackLoader::Track> PlaybackLoader::readTrack(const QUrl &url, const QString &frontFile,
                                                                 const std::atomic_bool *cancelled)
{
    auto track = std::make_shared<Track>();
    SubtitleData subtitles;
    RecordingTrack::load(url.toLocalFile(), frontFile, track->clipData, cancelled, &subtitles);
    if (isMp4(url)) {
        track->subtitleData = std::move(subtitles);
    }
    // The card's settings are read here, off the GUI thread, like the track itself.
    const QString recording = url.toLocalFile();
    track->hardEventSeconds = RecordingMoments::hardEventSeconds(track->clipData);
    track->zone = CardClockZone::forRecording(recording, QString());
    track->times = SampleClock::times(recording, track->zone, track->clipData);
    return track;
}

void PlaybackLoader::inspect(const QString &played, const QString &recording, double from, double to,
                             std::function<void(PlaybackStopCause::Cause)> then)
{
    const quint64 generation = m_load.current();
    m_reader.start([this, played, recording, from, to, generation, then = std::move(then)] {
        PlaybackStopCause::Findings findings = PlaybackStopCause::inspect(played, from, to);
        if (!recording.isEmpty() && recording != played) {
            const QFileInfo card(recording);
            findings.fileExists = findings.fileExists && card.exists();
            findings.folderExists = findings.folderExists && card.dir().exists();
        }
        const PlaybackStopCause::Cause cause = PlaybackStopCause::classify(findings);
        QMetaObject::invokeMethod(
            this,
            [this, cause, generation, then] {
                if (m_load.isCurrent(generation)) {
                    then(cause);
                }
            },
            Qt::QueuedConnection);
    });
}

void PlaybackLoader::explainPlayerFailure(const QString &played, const QString &recording)
{
    // A card that failed to read or went away is not a damaged recording.
    inspect(played, recording, 0.0, 0.0, [this](PlaybackStopCause::Cause cause) {
        if (PlaybackStopCause::leavesRecording(cause)) {
            Q_EMIT gone();
        }
        Q_EMIT failed(PlaybackStopCause::failedMessageKey(cause), PlaybackStopCause::titleKey(cause));
    });
}
