#pragma once

#include "VexoAVView.h"

// The player as shown full screen: the mouse does not drive the player, a right click asks to
// leave full screen, and the control strip appears while the pointer is in the bottom quarter.
class VexoQTMovieView : public VexoAVView
{
    Q_OBJECT

public:
    explicit VexoQTMovieView(QWidget *parent = nullptr);

    bool isViewEnabled() const { return m_isEnabled; }
    void setViewEnabled(bool enabled) { m_isEnabled = enabled; }

Q_SIGNALS:
    void fullscreenButtonTouched(VexoQTMovieView *view);
    void showFullscreenMovieControlWindow();
    void hideFullscreenMovieControlWindow();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_isEnabled = true;
};
