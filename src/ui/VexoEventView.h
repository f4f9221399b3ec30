#pragma once

#include <QWidget>

class VexoEventViewDelegate;

// A transparent layer that hands the mouse and key events over it to a delegate (the zoomed
// picture, say). Events are never passed on to the views beneath, delegate or not.
class VexoEventView : public QWidget
{
    Q_OBJECT

public:
    explicit VexoEventView(QWidget *parent = nullptr);

    // Not owned; the delegate must outlive the view or be cleared first.
    void setEventHandleDelegate(VexoEventViewDelegate *delegate) { m_delegate = delegate; }
    VexoEventViewDelegate *eventHandleDelegate() const { return m_delegate; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    VexoEventViewDelegate *m_delegate = nullptr;
};
