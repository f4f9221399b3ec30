#include "VolumeSliderView.h"

#include "ui/NamedImage.h"

#include <QLabel>
#include <QMouseEvent>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView BarImage{"volume_bar"};
constexpr QLatin1StringView LevelImage{"volume_level"};

QLabel *stretchedImageView(QWidget *parent, const QString &objectName)
{
    auto *view = new QLabel(parent);
    view->setObjectName(objectName);
    view->setScaledContents(true);
    view->setGeometry(parent->rect());
    return view;
}
} // namespace

VolumeSliderView::VolumeSliderView(QWidget *parent) : QWidget(parent)
{
    m_bgImageView = stretchedImageView(this, u"bgImageView"_s);
    m_gaugeImageView = stretchedImageView(this, u"gaugeImageView"_s);
    NamedImage::setImage(m_bgImageView, QString(BarImage));
    NamedImage::setImage(m_gaugeImageView, QString(LevelImage));
    m_gauge.setViewWidth(width());
    setVolume(1.0f);
}

void VolumeSliderView::setVolume(float volume)
{
    fitToWidth();
    m_gauge.setVolume(volume);
    showLevel();
}

void VolumeSliderView::setIsMuted(bool muted)
{
    fitToWidth();
    m_gauge.setIsMuted(muted);
    showLevel();
    sendVolumeChangedEvent();
}

void VolumeSliderView::setVolumeGaugeWithXPoint(double x)
{
    fitToWidth();
    m_gauge.setVolumeGaugeWithXPoint(x);
    showLevel();
}

void VolumeSliderView::fitToWidth()
{
    if (m_bgImageView->size() == size()) {
        return;
    }
    m_bgImageView->setGeometry(rect());
    m_gaugeImageView->resize(m_gaugeImageView->width(), height());
    // Pictures are drawn at the size they are shown, so they stay sharp.
    NamedImage::setImage(m_bgImageView, QString(BarImage));
    const QPixmap level = NamedImage::pixmap(QString(LevelImage), size());
    if (!level.isNull()) {
        m_gaugeImageView->setPixmap(level);
    }
    m_gauge.setViewWidth(width());
    showLevel();
}

void VolumeSliderView::showLevel()
{
    m_gaugeImageView->resize(static_cast<int>(std::lround(m_gauge.levelWidth())), m_gaugeImageView->height());
}

void VolumeSliderView::sendVolumeChangedEvent()
{
    Q_EMIT volumeChanged(m_gauge.volume());
}

void VolumeSliderView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToWidth();
}

void VolumeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}

void VolumeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    setVolumeGaugeWithXPoint(event->position().x());
    sendVolumeChangedEvent();
}
