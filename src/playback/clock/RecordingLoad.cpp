#include "RecordingLoad.h"

RecordingLoad::RecordingLoad() : m_trackCancel(std::make_shared<std::atomic_bool>(false))
{
}

quint64 RecordingLoad::begin()
{
    m_trackCancel->store(true);
    m_trackCancel = std::make_shared<std::atomic_bool>(false);
    m_ready = false;
    m_stopHeld = false;
    return ++m_load;
}

void RecordingLoad::stopPressed()
{
    if (m_load != 0 && !m_ready) {
        m_stopHeld = true;
    }
}

bool RecordingLoad::becomeReady()
{
    m_ready = true;
    return !m_stopHeld;
}
