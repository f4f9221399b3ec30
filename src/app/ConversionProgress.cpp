#include "ConversionProgress.h"

#include <QTimer>

#include <cmath>

ConversionProgress::ConversionProgress(QObject *parent) : QObject(parent), m_showTimer(new QTimer(this))
{
    m_showTimer->setSingleShot(true);
    connect(m_showTimer, &QTimer::timeout, this, &ConversionProgress::showDelayEnded);
}

void ConversionProgress::begin(const QString &recordingName)
{
    const bool wasVisible = m_visible;
    m_active = true;
    m_visible = false;
    m_share = 0.0;
    m_recordingName = recordingName;
    m_sinceBegin.start();
    m_showTimer->start(m_showDelayMs);
    if (wasVisible) {
        Q_EMIT changed();
    }
}

void ConversionProgress::setShare(double share)
{
    if (!m_active || std::isnan(share)) {
        return;
    }
    const double clamped = qBound(0.0, share, 1.0);
    const bool moved = clamped > m_share;
    if (moved) {
        m_share = clamped;
    }
    const bool wasVisible = m_visible;
    updateVisibility();
    if (moved && wasVisible) {
        Q_EMIT changed();
    }
}

void ConversionProgress::complete()
{
    if (!m_visible) {
        end();
        return;
    }
    m_showTimer->stop();
    if (m_share < 1.0) {
        m_share = 1.0;
        Q_EMIT changed();
    }
}

void ConversionProgress::end()
{
    m_showTimer->stop();
    const bool wasVisible = m_visible;
    m_active = false;
    m_visible = false;
    if (wasVisible) {
        Q_EMIT changed();
    }
}

int ConversionProgress::percent() const
{
    return int(std::floor(m_share * 100.0));
}

void ConversionProgress::showDelayEnded()
{
    // A coarse timer may end a little early; wait out the rest rather than stay hidden until the
    // next report.
    const qint64 rest = m_showDelayMs - m_sinceBegin.elapsed();
    if (m_active && rest > 0) {
        m_showTimer->start(int(rest));
        return;
    }
    updateVisibility();
}

void ConversionProgress::updateVisibility()
{
    // Shown once preparing the recording has taken longer than the delay, whether or not ffmpeg
    // has reported anything yet: one that hangs must not leave an empty player without a word.
    const bool visible = m_active && m_sinceBegin.isValid() && m_sinceBegin.elapsed() >= m_showDelayMs;
    if (visible != m_visible) {
        m_visible = visible;
        Q_EMIT changed();
    }
}
