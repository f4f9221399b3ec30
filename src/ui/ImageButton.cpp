#include "ImageButton.h"

#include "NamedImage.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

ImageButton::ImageButton(QWidget *parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::setImage(const QString &name)
{
    m_imageName = name;
    showImageNamed(name);
    resetImageNames();
}

void ImageButton::setAllowAutoMouseEventImage(bool allow)
{
    m_allowAutoMouseEventImage = allow;
    resetImageNames();
}

void ImageButton::resetImageNames()
{
    if (!m_allowAutoMouseEventImage || m_imageName.isEmpty()) {
        m_normalImageName.clear();
        m_hoverImageName.clear();
        m_clickImageName.clear();
        return;
    }
    const QString base = m_imageName.chopped(1);
    m_normalImageName = base + u'1';
    m_hoverImageName = base + u'2';
    m_clickImageName = base + u'3';
}

void ImageButton::ShowNormalImage()
{
    showImageNamed(m_normalImageName);
}

void ImageButton::ShowClickImage()
{
    showImageNamed(m_clickImageName);
}

void ImageButton::showImageNamed(const QString &name)
{
    // A state picture the skin lacks keeps the one shown, so the button never goes blank.
    const QPixmap picture = NamedImage::pixmap(name, size());
    if (picture.isNull()) {
        return;
    }
    m_shownImageName = name;
    m_picture = picture;
    update();
}

QSize ImageButton::sizeHint() const
{
    return m_picture.isNull() ? QSize(24, 24) : m_picture.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(0.4); // a disabled control stays visible but reads as unavailable
    }
    if (!m_picture.isNull()) {
        painter.drawPixmap(rect(), m_picture);
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void ImageButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    // Pictures are drawn for the button's size; SVGs stay sharp when it changes.
    if (!m_shownImageName.isEmpty()) {
        const QString shown = m_shownImageName;
        m_shownImageName.clear();
        showImageNamed(shown);
    }
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled() && m_allowAutoMouseEventImage) {
        m_isMouseDown = false;
        showImageNamed(m_hoverImageName);
        Q_EMIT hovered(this);
    }
}

void ImageButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    if (isEnabled() && m_allowAutoMouseEventImage) {
        m_isMouseDown = false;
        showImageNamed(m_normalImageName);
        Q_EMIT hoverExited(this);
    }
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (isEnabled() && m_allowAutoMouseEventImage) {
        showImageNamed(m_clickImageName);
    }
    m_isMouseDown = true;
    event->accept();
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // While pressed, Qt keeps sending moves to this button even outside it; leaving its area is
    // the same as the pointer leaving, which cancels the click.
    if (m_isMouseDown && !rect().contains(event->position().toPoint())) {
        QEvent leave(QEvent::Leave);
        leaveEvent(&leave);
    }
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (!isEnabled()) {
        return;
    }
    if (m_allowAutoMouseEventImage && rect().contains(event->position().toPoint())) {
        showImageNamed(m_hoverImageName);
    }
    if (m_isMouseDown) {
        m_isMouseDown = false;
        Q_EMIT clicked(false);
    }
}
