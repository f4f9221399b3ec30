#pragma once

class QKeyEvent;
class QMouseEvent;

// What a VexoEventView hands its events to. Each handler returns whether it took the event; the
// defaults take nothing, so a delegate overrides only what it answers.
class VexoEventViewDelegate
{
public:
    virtual ~VexoEventViewDelegate() = default;

    virtual bool mouseDown(QMouseEvent *) { return false; }
    virtual bool mouseDragged(QMouseEvent *) { return false; }
    virtual bool mouseMoved(QMouseEvent *) { return false; }
    virtual bool mouseUp(QMouseEvent *) { return false; }
    virtual bool mouseExited() { return false; }
    virtual bool keyDown(QKeyEvent *) { return false; }
};
