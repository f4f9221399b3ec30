#include "VexoAVView.h"

#include "MoviePlayer.h"
#include "MpvPlayer.h"

#include "ui/NamedImage.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

VexoAVView::VexoAVView(QWidget *parent) : QWidget(parent), m_playerFactory([] { return std::make_unique<MpvPlayer>(); })
{
    qRegisterMetaType<VexoAVViewStatus>();
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_noVideoView = new QLabel(this);
    m_noVideoView->setObjectName(u"noVideoView"_s);
    m_noVideoView->setAlignment(Qt::AlignCenter);
    m_noVideoView->setScaledContents(false);
    NamedImage::setImage(m_noVideoView, u"no_video"_s);
    m_noVideoView->hide();
}

VexoAVView::~VexoAVView()
{
    removeObservers();
}

QString VexoAVView::statusName(qint32 status)
{
    switch (status) {
    case VexoAVViewStatusInit:
        return u"VexoAVViewStatusInit"_s;
    case VexoAVViewStatusLoading:
        return u"VexoAVViewStatusLoading"_s;
    case VexoAVViewStatusPrepared:
        return u"VexoAVViewStatusPrepared"_s;
    case VexoAVViewStatusPlaying:
        return u"VexoAVViewStatusPlaying"_s;
    case VexoAVViewStatusPaused:
        return u"VexoAVViewStatusPaused"_s;
    case VexoAVViewStatusEnded:
        return u"VexoAVViewStatusEnded"_s;
    case VexoAVViewStatusUnknown:
        return u"VexoAVViewStatusUnknown"_s;
    case VexoAVViewStatusError:
        return u"VexoAVViewStatusError"_s;
    default:
        return u"Unknown"_s;
    }
}

void VexoAVView::setStatus(VexoAVViewStatus status)
{
    m_status = status;
    // Listeners hear of the change after the current call returns, with the value of this change,
    // unless another file was loaded (or the view closed) meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this, status, load = m_load] {
            if (load == m_load) {
                Q_EMIT vexoAVViewDidUpdateStatus(this, status);
            }
        },
        Qt::QueuedConnection);
}

QUrl VexoAVView::fileURL() const
{
    return m_fileName.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_fileName);
}

bool VexoAVView::hasMovie() const
{
    return m_status != VexoAVViewStatusInit && m_status != VexoAVViewStatusError;
}

void VexoAVView::setFileName(const QString &path, int videoTrack)
{
    if (m_player) {
        closePlayer();
    }
    ++m_load;
    ++m_jumps;
    m_fileName = path;
    m_videoTrack = path.isEmpty() ? 0 : videoTrack;
    setStatus(VexoAVViewStatusInit);
    if (path.isEmpty()) {
        return;
    }
    prepareAsset();
}

void VexoAVView::prepareAsset()
{
    if (m_status == VexoAVViewStatusLoading) {
        return;
    }
    m_noVideoView->hide();
    m_loadFailed = false;
    m_player = m_playerFactory();
    rebuildObservers();
    setStatus(VexoAVViewStatusLoading);
    if (fileURL().isEmpty() || !m_player->isValid()) {
        setStatus(VexoAVViewStatusError);
        return;
    }
    m_player->loadFile(m_fileName, m_videoTrack);
}

void VexoAVView::onFileLoaded()
{
    if (m_loadFailed) {
        return;
    }
    // A new movie starts unmirrored.
    m_upsideDown = false;
    m_leftsideRight = false;
    if (!m_player->hasVideo()) {
        // Sound only: say so, and still let it become ready to play behind the notice.
        m_noVideoView->setGeometry(rect());
        m_noVideoView->show();
        setStatus(VexoAVViewStatusError);
    }
    // The item's status is unknown for a moment, then ready.
    setStatus(VexoAVViewStatusUnknown);
    setStatus(VexoAVViewStatusPrepared);
    update();
}

void VexoAVView::rebuildObservers()
{
    removeObservers();
    if (!m_player) {
        return;
    }
    MoviePlayer *player = m_player.get();
    m_observers = {
        connect(player, &MoviePlayer::fileLoaded, this, &VexoAVView::onFileLoaded),
        connect(player, &MoviePlayer::loadFailed, this,
                [this] {
                    m_loadFailed = true;
                    setStatus(VexoAVViewStatusError);
                }),
        connect(player, &MoviePlayer::timePosChanged, this, &VexoAVView::onTime),
        connect(player, &MoviePlayer::durationChanged, this,
                [this](double seconds) { Q_EMIT vexoAVViewDidUpdateDuration(this, seconds); }),
        connect(player, &MoviePlayer::rateChanged, this, &VexoAVView::onRate),
        connect(player, &MoviePlayer::endReached, this, &VexoAVView::onEnd),
        connect(player, &MoviePlayer::frameReady, this, qOverload<>(&QWidget::update)),
    };
    m_lastTimeTick = -1;
}

void VexoAVView::removeObservers()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_observers)) {
        disconnect(connection);
    }
    m_observers.clear();
}

void VexoAVView::closePlayer()
{
    if (m_player) {
        m_player->setPaused(true);
    }
    removeObservers();
    m_player.reset();
    m_noVideoView->hide();
    m_fileName.clear();
    m_videoTrack = 0;
    setStatus(VexoAVViewStatusInit);
    update();
}

void VexoAVView::close()
{
    ++m_load;
    ++m_jumps;
    closePlayer();
}

void VexoAVView::onEnd()
{
    // Playing backwards ends at the start; forwards, an end more than a second before the length
    // is a part the player could not read.
    const double at = m_player->timePos();
    const double length = m_player->duration();
    const bool backwards = m_player->rate() < 0.0 || m_rate < 0.0 || at < 0.5;
    if (!backwards && length > 0.0 && at < length - 1.0) {
        Q_EMIT vexoAVViewDidStopAtDamage(this, at);
        return;
    }
    Q_EMIT vexoAVViewDidPlayToEndTime(this);
}

void VexoAVView::onTime(double seconds)
{
    // Report every tenth of a second of play time, and after every jump.
    const qint64 tick = qint64(std::floor(seconds * 10.0));
    if (tick != m_lastTimeTick) {
        m_lastTimeTick = tick;
        Q_EMIT vexoAVViewDidUpdateTime(this, seconds);
    }
}

void VexoAVView::onRate(double rate)
{
    m_rate = std::isfinite(rate) ? rate : 0.0;
    Q_EMIT vexoAVViewDidUpdateRate(this, m_rate);
}

double VexoAVView::duration() const
{
    return m_player && hasMovie() && m_status != VexoAVViewStatusLoading ? m_player->duration() : 0.0;
}

double VexoAVView::currentTime() const
{
    return m_player ? m_player->timePos() : 0.0;
}

void VexoAVView::setCurrentTime(double seconds)
{
    if (m_player && std::isfinite(seconds)) {
        ++m_jumps;
        m_player->seekAbsoluteExact(std::round(seconds));
    }
}

void VexoAVView::seekExactly(double seconds)
{
    if (m_player && std::isfinite(seconds)) {
        ++m_jumps;
        m_player->seekAbsoluteExact(qMax(0.0, seconds));
    }
}

float VexoAVView::volume() const
{
    return m_player ? float(m_player->volume() / 100.0) : 1.0f;
}

void VexoAVView::setVolume(float volume)
{
    if (m_player) {
        m_player->setVolume(double(volume) * 100.0);
    }
}

void VexoAVView::setMute(bool mute)
{
    if (m_player) {
        m_player->setMute(mute);
    }
}

bool VexoAVView::isWaitingForData() const
{
    return m_player && m_player->isWaitingForData();
}

double VexoAVView::playerRate() const
{
    return m_player ? m_player->rate() : 0.0;
}

void VexoAVView::play()
{
    if (!m_player) {
        return;
    }
    // Playing a movie that has ended starts it again.
    if (m_player->eofReached() || (duration() > 0.0 && currentTime() >= duration())) {
        ++m_jumps;
        m_player->seekAbsoluteExact(0.0);
    }
    m_player->setRate(m_playSpeed);
}

void VexoAVView::setPlaySpeed(double speed)
{
    if (!(speed > 0.0) || !std::isfinite(speed)) {
        return;
    }
    m_playSpeed = speed;
    if (m_player && m_player->rate() > 0.0) {
        m_player->setRate(speed);
    }
}

void VexoAVView::pause()
{
    if (m_player) {
        m_player->setPaused(true);
    }
}

void VexoAVView::playPauseToggle()
{
    if (playerRate() != m_playSpeed) {
        play();
    } else {
        pause();
    }
}

void VexoAVView::fastForward()
{
    if (m_player) {
        const double rate = m_player->rate();
        m_player->setRate(rate < 2.0 ? 2.0 : rate + 2.0);
    }
}

void VexoAVView::rewind()
{
    if (m_player) {
        const double rate = m_player->rate();
        m_player->setRate(rate > -2.0 ? -2.0 : rate - 2.0);
    }
}

void VexoAVView::stepForward()
{
    if (m_player) {
        ++m_jumps;
        m_player->frameStep();
    }
}

void VexoAVView::stepBackward()
{
    if (m_player) {
        ++m_jumps;
        m_player->frameBackStep();
    }
}

void VexoAVView::setUpsideDown(bool mirrored)
{
    m_upsideDown = mirrored;
    update();
}

void VexoAVView::setLeftsideRight(bool mirrored)
{
    m_leftsideRight = mirrored;
    update();
}

QImage VexoAVView::snapshot() const
{
    return m_player ? m_player->screenshot() : QImage();
}

void VexoAVView::swapPlayerItemWith(VexoAVView *other)
{
    if (other == nullptr || other == this) {
        return;
    }
    removeObservers();
    other->removeObservers();
    ++m_jumps;
    ++other->m_jumps;
    std::swap(m_fileName, other->m_fileName);
    std::swap(m_videoTrack, other->m_videoTrack);
    std::swap(m_player, other->m_player);
    const bool noVideoHere = m_noVideoView->isVisible();
    m_noVideoView->setVisible(other->m_noVideoView->isVisible());
    other->m_noVideoView->setVisible(noVideoHere);
    rebuildObservers();
    other->rebuildObservers();
    update();
    other->update();
}

void VexoAVView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_player || m_status == VexoAVViewStatusLoading) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QImage &frame = m_player->frame((QSizeF(size()) * ratio).toSize());
    if (frame.isNull()) {
        return;
    }
    // Mirroring flips the picture in place; it never rotates it.
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(m_leftsideRight ? -1.0 : 1.0, m_upsideDown ? -1.0 : 1.0);
    painter.translate(-width() / 2.0, -height() / 2.0);
    painter.drawImage(rect(), frame);
}

void VexoAVView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_noVideoView->setGeometry(rect());
}

void VexoAVView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        Q_EMIT vexoAVViewDidRequestFullscreen(this);
    }
    QWidget::mouseReleaseEvent(event);
}
