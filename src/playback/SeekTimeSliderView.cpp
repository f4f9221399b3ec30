#include "SeekTimeSliderView.h"

#include "ui/NamedImage.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView SliderImage{"progress_bar"};
}

SeekTimeSliderView::SeekTimeSliderView(QWidget *parent) : QWidget(parent)
{
    m_sliderImageView = new QLabel(this);
    m_sliderImageView->setObjectName(u"sliderImageView"_s);
    m_sliderImageView->setScaledContents(true);
    m_sliderImageView->setGeometry(0, 0, kSliderWidth, kSliderHeight);
    const QPixmap knob = NamedImage::pixmap(QString(SliderImage), m_sliderImageView->size());
    if (!knob.isNull()) {
        m_sliderImageView->setPixmap(knob);
    }
    // The travel is measured with the knob's own width, whatever its picture is drawn at.
    m_geometry.setSliderWidth(m_sliderImageView->width());
    m_geometry.setViewWidth(width());
}

void SeekTimeSliderView::setMaxSliderValue(double value)
{
    m_geometry.setMaxSliderValue(value);
}

void SeekTimeSliderView::setCurrentSliderValue(double value)
{
    m_geometry.setViewWidth(width());
    m_currentSliderValue = m_geometry.limitedValue(value);
    if (!m_isSliderTouching) {
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
    }
}

void SeekTimeSliderView::moveSliderImageViewWithXPoint(double x)
{
    m_sliderImageView->move(static_cast<int>(std::lround(m_geometry.sliderXForPoint(x))), m_sliderImageView->y());
}

void SeekTimeSliderView::moveSliderImageViewWithSliderValue(double value)
{
    if (const auto x = m_geometry.sliderXForValue(value)) {
        m_sliderImageView->move(static_cast<int>(std::lround(*x)), m_sliderImageView->y());
    }
}

void SeekTimeSliderView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The groove the knob runs in, so the slider can be found before anything plays.
    QPainter painter(this);
    const int middle = height() / 2;
    painter.fillRect(QRect(0, middle - 1, width(), 3), QColor(0x3a, 0x4a, 0x5c));
    // The hard jolts: short bars across the groove, under the knob.
    for (const double seconds : std::as_const(m_eventMarks)) {
        if (const std::optional<double> x = eventMarkX(seconds)) {
            painter.fillRect(QRectF(*x - 1.0, middle - 6, 3.0, 13.0), QColor(0xf5, 0xa6, 0x23));
        }
    }
}

void SeekTimeSliderView::setEventMarks(const QList<double> &seconds)
{
    if (m_eventMarks != seconds) {
        m_eventMarks = seconds;
        update();
    }
}

std::optional<double> SeekTimeSliderView::eventMarkX(double seconds) const
{
    if (!(seconds >= 0.0) || seconds > m_geometry.maxSliderValue()) {
        return std::nullopt;
    }
    // Under the knob's middle when it stands at that time.
    const std::optional<double> left = m_geometry.sliderXForValue(seconds);
    return left ? std::optional<double>(*left + m_geometry.sliderHalfWidth()) : std::nullopt;
}

void SeekTimeSliderView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_geometry.setViewWidth(width());
    m_sliderImageView->resize(m_sliderImageView->width(), std::min(kSliderHeight, height()));
    if (!m_isSliderTouching) {
        moveSliderImageViewWithSliderValue(m_currentSliderValue);
    }
}

void SeekTimeSliderView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A slider disabled while held never sees the release; let the timer move the knob again.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_isSliderTouching = false;
    }
}

void SeekTimeSliderView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const double x = event->position().x();
    m_geometry.setViewWidth(width());
    m_isSliderTouching = true;
    moveSliderImageViewWithXPoint(x);
    m_currentSliderValue = m_geometry.calculateSliderValueFromSliderXPosition(x);
    Q_EMIT seekTimeSliderTouchedDown(m_currentSliderValue);
}

void SeekTimeSliderView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const double x = event->position().x();
    m_geometry.setViewWidth(width());
    m_isSliderTouching = true;
    moveSliderImageViewWithXPoint(x);
    m_currentSliderValue = m_geometry.calculateSliderValueFromSliderXPosition(x);
    Q_EMIT seekTimeSliderDragged(m_currentSliderValue);
}

void SeekTimeSliderView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // The knob stays where the last press or drag put it.
    m_geometry.setViewWidth(width());
    m_currentSliderValue = m_geometry.calculateSliderValueFromSliderXPosition(event->position().x());
    Q_EMIT seekTimeSliderTouchedUp(m_currentSliderValue);
    m_isSliderTouching = false;
}
