#pragma once

#include <QtGlobal>

#include <optional>

// What a player shows while seeks and frame steps are on their way, decided without asking the
// player (asking waits for its playback thread, which is busy decoding up to a keyframe interval
// of large pictures). The player feeds in what it sends and what it hears back; this answers
// which position to show and which seek to send next.
//
// - One seek is under way at a time: seeks and steps asked for meanwhile are coalesced into the
//   newest target, sent when the one under way has restarted playback. Held keys therefore cost
//   one seek, not a queue of them.
// - Frame steps count frames from an anchor (the frame shown when stepping began, or the target of
//   the seek before) and seek to an absolute time, so N steps move exactly N frames however fast
//   they come. The time sent is half a frame before the wanted frame: an exact seek shows the
//   first frame at or after its target.
// - A restart belongs to the newest seek only once the player has taken that seek (its reply came
//   first); restarts and position reports of older seeks are ignored.
// - Until the newest seek has restarted and the player has reported a position since, the
//   position is the frame the seek will show: for a step the wanted frame's time, not the time
//   sent.
class SeekTracker
{
public:
    struct Seek
    {
        quint64 id = 0;
        double target = 0.0;
    };

    // A new file (or none): at its start, nothing under way.
    void reset();
    // A seek to TARGET, whose frame is expected at SHOWN. The seek to send now, or nothing when
    // one is under way (it follows when that one has restarted).
    std::optional<Seek> seekTo(double target, double shown);
    // FRAMES frames on (negative: back) at FRAMEDURATION seconds per frame, never before 0 nor after
    // LAST (the last frame's time; no limit when not above 0). Nothing to send when coalesced or
    // when the step would leave the movie (then nothing changes).
    std::optional<Seek> step(int frames, double frameDuration, double last);
    // The player took seek ID (or refused it: FAILED); a refused newest seek ends its wait and the
    // one coalesced behind it, if any, is to be sent.
    std::optional<Seek> replied(quint64 id, bool failed);
    // Playback restarted after a seek; the coalesced seek to send now, if any.
    std::optional<Seek> restarted();
    // A position report; true when it is current (not from before the newest seek's restart).
    bool heard(double seconds);

    double position() const;
    // Whether a seek is under way or waiting to be sent.
    bool isSeeking() const { return m_sent.has_value() || m_waiting.has_value(); }
    // The target of the seek under way or waiting, if any.
    std::optional<double> pendingTarget() const;

private:
    std::optional<Seek> send(double target);

    std::optional<double> m_heard;
    // The newest seek sent, until it restarted; whether the player has taken it.
    std::optional<Seek> m_sent;
    bool m_taken = false;
    // The target of the newest seek sent: a report of it is the seek, not the frame it shows.
    std::optional<double> m_lastTarget;
    // The coalesced target waiting for the seek under way.
    std::optional<double> m_waiting;
    // The frame the newest seek will show, shown until a report follows its restart.
    std::optional<double> m_expected;
    // Steps counted from the anchor.
    std::optional<double> m_anchor;
    int m_frames = 0;
    quint64 m_lastId = 0;
};
