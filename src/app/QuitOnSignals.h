#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM from a logout or `kill`, SIGINT from
// Ctrl+C in a terminal) into quitRequested() on the event loop, so they end the viewer as its Quit
// command does: conversions cancelled, converted copies removed. The handler itself only writes
// one byte into a pipe (all a signal handler may safely do); the rest runs on the event loop.
// One instance at a time; the signals' earlier handlers come back when it goes.
class QuitOnSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject *parent = nullptr);
    ~QuitOnSignals() override;

    // Whether the handlers are in place (the pipe could be made).
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    // SIGNAL (SIGTERM or SIGINT) arrived.
    void quitRequested(int signal);

private:
    void readSignals();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previousTerm = {};
    struct sigaction m_previousInt = {};
};
