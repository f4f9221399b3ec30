#pragma once

#include "playback/SeekSliderGeometry.h"

#include <QList>
#include <QWidget>

#include <optional>

class QLabel;

// The play-position slider: a knob picture that moves along the view. The play timer sets the
// value while a recording plays; the user's press, drag and release are reported through the
// three signals with the value under the pointer. While the user holds the knob, the timer's
// values are kept but do not move it.
class SeekTimeSliderView : public QWidget
{
    Q_OBJECT

public:
    // The knob's size when its picture does not say otherwise.
    static constexpr int kSliderWidth = 10;
    static constexpr int kSliderHeight = 33;

    explicit SeekTimeSliderView(QWidget *parent = nullptr);

    double maxSliderValue() const { return m_geometry.maxSliderValue(); }
    void setMaxSliderValue(double value);
    double currentSliderValue() const { return m_currentSliderValue; }
    // The program's update (the play timer): never above the maximum.
    void setCurrentSliderValue(double value);

    // Play times (seconds) marked along the groove: the recording's hard jolts. Marks beyond the
    // maximum are not drawn.
    void setEventMarks(const QList<double> &seconds);
    const QList<double> &eventMarks() const { return m_eventMarks; }
    // The middle of the mark at SECONDS, or nothing beyond the maximum or while there is none.
    std::optional<double> eventMarkX(double seconds) const;

    bool isSliderTouching() const { return m_isSliderTouching; }
    QLabel *sliderImageView() const { return m_sliderImageView; }
    const SeekSliderGeometry &geometryModel() const { return m_geometry; }

Q_SIGNALS:
    void seekTimeSliderTouchedDown(double value);
    void seekTimeSliderDragged(double value);
    void seekTimeSliderTouchedUp(double value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void moveSliderImageViewWithXPoint(double x);
    void moveSliderImageViewWithSliderValue(double value);

    QLabel *m_sliderImageView = nullptr;
    SeekSliderGeometry m_geometry;
    double m_currentSliderValue = 0.0;
    bool m_isSliderTouching = false;
    QList<double> m_eventMarks;
};
