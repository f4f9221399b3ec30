#include "SeekTracker.h"

#include <cmath>

namespace {
// Frame times are sums of a frame duration: rounded to microseconds so that ten steps back from a
// tenth of a second land on it, not a hair before (which would read the previous sensor sample).
double microseconds(double seconds)
{
    return std::round(seconds * 1e6) / 1e6;
}
} // namespace

void SeekTracker::reset()
{
    m_heard.reset();
    m_lastTarget.reset();
    m_sent.reset();
    m_taken = false;
    m_waiting.reset();
    m_expected.reset();
    m_anchor.reset();
    m_frames = 0;
}

std::optional<SeekTracker::Seek> SeekTracker::send(double target)
{
    if (m_sent) {
        m_waiting = target;
        return std::nullopt;
    }
    m_sent = Seek{++m_lastId, target};
    m_taken = false;
    m_lastTarget = target;
    return m_sent;
}

std::optional<SeekTracker::Seek> SeekTracker::seekTo(double target, double shown)
{
    // Steps after a seek count from its target, which is where its frame is.
    m_anchor = target;
    m_frames = 0;
    m_expected = shown;
    return send(target);
}

std::optional<SeekTracker::Seek> SeekTracker::step(int frames, double frameDuration, double last)
{
    if (!(frameDuration > 0.0) || frames == 0) {
        return std::nullopt;
    }
    if (!m_anchor) {
        m_anchor = position();
        m_frames = 0;
    }
    const double wanted = microseconds(*m_anchor + (m_frames + frames) * frameDuration);
    // Half a frame of slack: the anchor may lie a little after the frame it stands for.
    if (wanted < -frameDuration / 2.0 || (last > 0.0 && wanted > last + frameDuration / 2.0)) {
        return std::nullopt;
    }
    m_frames += frames;
    m_expected = std::max(0.0, wanted);
    return send(std::max(0.0, wanted - frameDuration / 2.0));
}

std::optional<SeekTracker::Seek> SeekTracker::replied(quint64 id, bool failed)
{
    if (!m_sent || m_sent->id != id) {
        return std::nullopt;
    }
    if (!failed) {
        m_taken = true;
        return std::nullopt;
    }
    m_sent.reset();
    if (m_waiting) {
        const double target = *m_waiting;
        m_waiting.reset();
        return send(target);
    }
    // Nothing will restart: the position is what the player reports next.
    m_expected.reset();
    m_anchor.reset();
    return std::nullopt;
}

std::optional<SeekTracker::Seek> SeekTracker::restarted()
{
    if (!m_sent || !m_taken) {
        return std::nullopt; // an older seek's, or the file's own start
    }
    m_sent.reset();
    if (m_waiting) {
        const double target = *m_waiting;
        m_waiting.reset();
        return send(target);
    }
    return std::nullopt;
}

bool SeekTracker::heard(double seconds)
{
    if (isSeeking()) {
        return false;
    }
    // A player that has not drawn the seek's frame yet still reports the target, which for a step
    // lies half a frame before the frame: the frame's own time stays until the player reports it.
    if (m_expected && m_lastTarget && std::abs(seconds - *m_lastTarget) < 1e-6 &&
        std::abs(*m_expected - *m_lastTarget) > 1e-6) {
        return false;
    }
    m_heard = seconds;
    m_expected.reset();
    // The next steps count from the frame the player says it shows.
    m_anchor.reset();
    m_frames = 0;
    return true;
}

double SeekTracker::position() const
{
    if (m_expected) {
        return *m_expected;
    }
    return m_heard.value_or(0.0);
}

std::optional<double> SeekTracker::pendingTarget() const
{
    if (m_waiting) {
        return m_waiting;
    }
    if (m_sent) {
        return m_sent->target;
    }
    return std::nullopt;
}
