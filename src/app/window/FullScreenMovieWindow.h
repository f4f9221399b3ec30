#pragma once

#include <QPointer>
#include <QWidget>

class MainWindow;
class VexoAVView;

// The window that shows one player full screen. It borrows the player from its place in the main
// window and gives it back; keys go to the main window's key commands (so Escape and Return work
// here too), and the pointer's height is reported so the control strip can follow it.
class FullScreenMovieWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FullScreenMovieWindow(MainWindow *mainWindow);
    ~FullScreenMovieWindow() override;

    // Puts VIEW into this window, filling it; the caller has taken it from its place.
    void setMovieView(VexoAVView *view);
    VexoAVView *movieView() const { return m_movieView; }
    // Gives the player back (its parent is then this window until the caller re-homes it).
    VexoAVView *takeMovieView();

Q_SIGNALS:
    // The pointer moved to height Y (from the top) of the picture of HEIGHT.
    void pointerMoved(double y, double height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<MainWindow> m_mainWindow;
    QPointer<VexoAVView> m_movieView;
    bool m_viewTrackedMouse = false;
};
