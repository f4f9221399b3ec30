#pragma once

#include <QtGlobal>

#include <atomic>
#include <memory>

// The recording being made ready to play, from the moment it is chosen until its players are
// ready: which answers (conversion, sensor track) still belong to it, whether its sensor track is
// still wanted, and whether it starts by itself. QtCore only, so the rules are tested alone.
// - Choosing another recording makes every answer of the one before stale and cancels its
//   sensor-track read (a long AVI is scanned whole: only the newest read may run).
// - Stop pressed while it loads holds: it does not start by itself when its players are ready.
//   Play clears that.
class RecordingLoad
{
public:
    RecordingLoad();

    // Another recording was chosen: its number.
    quint64 begin();
    quint64 current() const { return m_load; }
    bool isCurrent(quint64 load) const { return load == m_load; }
    // The flag the current load's track read checks; raised when the load is superseded.
    std::shared_ptr<const std::atomic_bool> trackCancel() const { return m_trackCancel; }
    // Nothing read any more is wanted (the window goes away).
    void cancelTrackRead() { m_trackCancel->store(true); }

    void stopPressed();
    void playPressed() { m_stopHeld = false; }
    // The players are ready; whether playback starts by itself.
    bool becomeReady();
    bool isReady() const { return m_ready; }

private:
    quint64 m_load = 0;
    std::shared_ptr<std::atomic_bool> m_trackCancel;
    bool m_ready = false;
    bool m_stopHeld = false;
};
