#pragma once
// A player whose reports the test makes: it notes what the view asks of it and says nothing until
// the test emits its signals (fileLoaded, loadFailed, durationChanged, endReached…) itself, in the
// order the test wants. Header only: programs that include it link velmora_player.
#include "playback/MoviePlayer.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <memory>

class StandInPlayer : public MoviePlayer
{
public:
    bool isValid() const override { return true; }
    void loadFile(const QString &path, int videoTrack) override
    {
        loadedPath = path;
        loadedTrack = videoTrack;
    }
    bool isPaused() const override { return playRate == 0.0; }
    void setPaused(bool paused) override
    {
        if (paused) {
            playRate = 0.0;
        }
    }
    double rate() const override { return playRate; }
    void setRate(double rate) override { playRate = rate; }
    double timePos() const override { return position; }
    double duration() const override { return length; }
    bool eofReached() const override { return false; }
    bool isWaitingForData() const override { return waiting; }
    bool hasVideo() const override { return true; }
    double volume() const override { return loudness; }
    void setVolume(double volume) override { loudness = volume; }
    void setMute(bool) override {}
    void seekAbsoluteExact(double seconds) override { position = seconds; }
    void frameStep() override { ++steps; }
    void frameBackStep() override { --steps; }
    QImage screenshot() const override { return {}; }
    const QImage &frame(const QSize &) override { return picture; }

    QString loadedPath;
    int loadedTrack = 0;
    double playRate = 0.0;
    double position = 0.0;
    double length = 0.0;
    double loudness = 100.0;
    int steps = 0;
    bool waiting = false;
    QImage picture;
};

// Makes stand-ins for a view (VexoAVView::setPlayerFactory) and keeps track of them.
class StandInPlayers
{
public:
    std::function<std::unique_ptr<MoviePlayer>()> factory()
    {
        return [this] {
            auto player = std::make_unique<StandInPlayer>();
            m_made.append(player.get());
            return player;
        };
    }
    // The newest stand-in, while the view still holds it; null otherwise.
    StandInPlayer *latest() const { return m_made.isEmpty() ? nullptr : m_made.constLast().data(); }
    qsizetype count() const { return m_made.size(); }

private:
    QList<QPointer<StandInPlayer>> m_made;
};
