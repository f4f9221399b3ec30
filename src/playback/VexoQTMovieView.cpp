#include "VexoQTMovieView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

VexoQTMovieView::VexoQTMovieView(QWidget *parent) : VexoAVView(parent)
{
    setMouseTracking(true);
}

void VexoQTMovieView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void VexoQTMovieView::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void VexoQTMovieView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::RightButton && m_isEnabled) {
        Q_EMIT fullscreenButtonTouched(this);
    }
}

void VexoQTMovieView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_isEnabled || (event->buttons() & Qt::LeftButton)) {
        return;
    }
    // Measured up from the bottom edge: the strip belongs to the lowest quarter of the picture.
    const double fromBottom = double(height()) - event->position().y();
    if (fromBottom > 0.75 * double(height())) {
        Q_EMIT showFullscreenMovieControlWindow();
    } else {
        Q_EMIT hideFullscreenMovieControlWindow();
    }
}

void VexoQTMovieView::keyPressEvent(QKeyEvent *event)
{
    event->ignore(); // passed on to the window
}
