#pragma once

#include "VexoViewController.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// The root view of a settings screen: Escape anywhere on it means Cancel. Screens stack (a chooser
// over the settings window, say), so the view remembers whose Escape it took over and gives it
// back when its screen goes. Escape autorepeat is damped to one Cancel per half second, so a held
// key cannot cancel two stacked screens at once.
class VexoCancelEventView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double EscapeRepeatSeconds = 0.5;

    explicit VexoCancelEventView(QWidget *parent = nullptr);

    // The screen that Escape currently cancels, if any.
    static VexoViewController *currentEscapeHandler();

    // Remembers the current handler, then makes CONTROLLER current.
    void setEvnetHandlViewController(VexoViewController *controller);
    VexoViewController *evnetHandlViewController() const { return m_evnetHandlViewController; }
    // Makes the remembered handler current again.
    void restoreEventHandler();

    double lastESCDate() const { return m_lastESCDate; }
    // Seconds since 1970; tests replace the clock.
    void setClock(std::function<double()> clock) { m_clock = std::move(clock); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<VexoViewController> m_evnetHandlViewController;
    double m_lastESCDate = 0.0;
    std::function<double()> m_clock;
};
