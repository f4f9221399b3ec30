#pragma once

#include "recording/CardTimeZone.h"
#include "recording/DirectPlayRoute.h"

#include "app/ConversionProgress.h"
#include "playback/clock/PlaybackStopCause.h"
#include "playback/clock/RecordingLoad.h"
#include "sensor/SubtitleData.h"
#include "sensor/TrackTimes.h"
#include "sensor/VexoClipData.h"

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

// Loads a chosen recording for the players: its route (its own files when the player can open
// them, else its converted copies), the conversion with its indicator, the sensor track read off
// the GUI thread, and what is said when it gives nothing to play or plays cut short. Only the
// newest recording's answers are acted on. QtCore only: the players and the alerts are the
// controller's, which hears the outcome through the signals.
class PlaybackLoader : public QObject
{
    Q_OBJECT

public:
    // A recording's sensor track as read from its files, before it replaces the current one.
    struct Track
    {
        VexoClipData clipData;
        std::optional<SubtitleData> subtitleData;
        // The play times of its hard jolts, for the seek slider's marks.
        QList<double> hardEventSeconds;
        // The time of each sample and the zone its card states, for the camera's clock of a frame.
        TrackTimes times;
        std::optional<CardTimeZone> zone;
    };
    // Gives the files to play (absent or empty: nothing) and why not, or why it ends early.
    using ConversionDone = std::function<void(const std::optional<QList<QUrl>> &files, const QString &messageKey)>;
    using ConversionShare = std::function<void(double share)>;
    // Converts a recording off the GUI thread; both callbacks come back on the GUI thread.
    using Converter = std::function<void(const QUrl &url, ConversionDone done, ConversionShare share)>;

    // CONVERT makes a recording's playable copies; DROP gives up the one under way.
    PlaybackLoader(Converter convert, std::function<void()> drop, QObject *parent = nullptr);
    ~PlaybackLoader() override;

    // Loads URL: whatever was on its way for the recording before is no longer wanted.
    void load(const QUrl &url);
    // Nothing of the recording being loaded is wanted any more: its probe and track read stop,
    // no conversion starts for it, and the conversion indicator goes.
    void abandon();
    // Gives up the conversion under way, if there is one: whether there was.
    bool giveUpConversion();
    // Answers on their way for the current recording are dropped (it has gone from the players).
    void forget() { m_load.begin(); }

    // Off the GUI thread: what the card shows of the file PLAYED (the recording's own or its
    // converted copy), read between FROM and TO of its length, and of RECORDING; THEN hears the
    // cause on the GUI thread, while the same recording is still the one loaded.
    void inspect(const QString &played, const QString &recording, double from, double to,
                 std::function<void(PlaybackStopCause::Cause)> then);

    // The players could not open PLAYED, the loaded copy of the recording at RECORDING: what the
    // card says of it is said in failed(), after gone() when the file is no longer there.
    void explainPlayerFailure(const QString &played, const QString &recording);

    // Which answers belong to the recording now loaded, and whether it starts by itself.
    RecordingLoad &state() { return m_load; }
    const RecordingLoad &state() const { return m_load; }
    ConversionProgress *progress() const { return m_progress; }

    // Reads the track of the recording at URL whose front camera plays from FRONTFILE (for an
    // MP4, its subtitle file lies beside it). Reads files only, so it runs on any thread.
    static std::shared_ptr<Track> readTrack(const QUrl &url, const QString &frontFile,
                                            const std::atomic_bool *cancelled);

Q_SIGNALS:
    // The recording goes the conversion route (Stop gives it up from now on).
    void conversionStarted();
    // URL is to play from FILES, front first, with TRACK: only the recording last loaded.
    void loaded(const QUrl &url, const QList<DirectPlayRoute::Source> &files, const std::shared_ptr<Track> &track);
    // The conversion gave nothing to play; why follows in failed().
    void nothingToPlay();
    // Why the recording gives nothing to play (MESSAGEKEY), titled TITLEKEY (empty: after what the
    // message concerns).
    void failed(const QString &messageKey, const QString &titleKey);
    // It plays, but only the part before MESSAGEKEY's reason.
    void cutShort(const QString &messageKey);
    // The loaded recording's file is no longer there: nothing of it may play from what the
    // players still hold.
    void gone();

private:
    // Off the GUI thread: plays the recording as it is when the probe allows, else converts it.
    void chooseRoute(const QUrl &url, quint64 generation);
    void convert(const QUrl &url, quint64 generation);
    void conversionDone(const QUrl &url, const std::optional<QList<QUrl>> &files, const QString &messageKey);
    // Nothing came of the conversion: MESSAGEKEY, or what the card says of URL.
    void explainFailure(const QUrl &url, const QString &messageKey);
    // Reads the track on the reader's thread, then hands files and track on in loaded().
    void startTrackRead(const QUrl &url, const QList<DirectPlayRoute::Source> &files, quint64 generation);
    void readTrackAndHandOn(const QUrl &url, const QList<DirectPlayRoute::Source> &files, quint64 generation,
                            const std::shared_ptr<const std::atomic_bool> &cancelled);

    Converter m_convert;
    std::function<void()> m_drop;
    ConversionProgress *m_progress = nullptr;
    RecordingLoad m_load;
    // A conversion for the recording being loaded is under way.
    bool m_converting = false;
    // Reads sensor tracks off the GUI thread: a long AVI is scanned whole for its sensor records.
    // Last, so it is waited for while everything else is still there.
    QThreadPool m_reader;
};
