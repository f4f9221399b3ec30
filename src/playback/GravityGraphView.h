#pragma once

#include "playback/GravityGraphPoints.h"

#include <QWidget>

class VexoClipData;

// The graph of a whole recording's acceleration: for each axis a line from the left end of the
// zero line through every sample, the distance below the zero line being the magnitude. Rebuilt
// when a recording is prepared, not redrawn during playback.
class GravityGraphView : public QWidget
{
    Q_OBJECT

public:
    explicit GravityGraphView(QWidget *parent = nullptr);

    // Keeps TRACK (not owned; it must outlive the graph or be replaced first), rebuilds the points
    // and redraws. The track is read again only when it is given again or the view changes size.
    void setClipData(const VexoClipData *track);
    const VexoClipData *clipData() const { return m_clipData; }
    void generatePoints();

    const GravityGraphPoints &points() const { return m_points; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const VexoClipData *m_clipData = nullptr;
    GravityGraphPoints m_points;
};
