#pragma once

#include <QSlider>

// A slider that tells whoever listens when the pointer is over it (touched down) and when it is
// not (touched up), so a seek slider can stop the picture from moving it while the user aims.
class MouseEventSlider : public QSlider
{
    Q_OBJECT

public:
    explicit MouseEventSlider(QWidget *parent = nullptr);
    explicit MouseEventSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

Q_SIGNALS:
    void sliderTouchedDown(MouseEventSlider *slider);
    void sliderTouchedUp(MouseEventSlider *slider);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
