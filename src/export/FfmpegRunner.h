#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Runs ffmpeg (or any program) with an argument list and collects what it printed, standard output
// and standard error together. Never through a shell: every element is one argument, so names with
// spaces, quotes, "#" or non-ASCII letters reach the program unchanged. Standard input is empty,
// so a question ffmpeg asks (overwrite an existing file?) is answered "no" at once instead of
// waiting for a reply that never comes. A run that has not ended within the time bound is killed.
//
// The runner remembers every argument list it was given, in order, so callers can report or check
// which runs took place, and can note a list without running it (to show what a conversion would do).
class FfmpegRunner
{
public:
    struct Result
    {
        // The program could be started.
        bool started = false;
        // It ended by itself (neither crashed nor killed) with this status.
        bool exitedNormally = false;
        int exitCode = -1;
        // It was killed after the time bound.
        bool timedOut = false;
        // Standard output and standard error as one text, decoded as UTF-8.
        QString output;

        bool succeeded() const { return started && exitedNormally && exitCode == 0; }
    };

    // Long enough for a long recording on a slow card reader; a stream copy of a camera's
    // one-minute file takes well under a second.
    static constexpr int DefaultTimeoutMs = 10 * 60 * 1000;

    // Runs Utils::GetFFMPEGPath().
    FfmpegRunner();
    // Runs the program at PROGRAM (tests, other tools).
    explicit FfmpegRunner(QString program);

    QString program() const { return m_program; }
    void setTimeoutMs(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeoutMs() const { return m_timeoutMs; }

    // Runs the program with ARGUMENTS and waits for it to end. An empty program path (no ffmpeg
    // installed) gives a result that did not start.
    Result run(const QStringList &arguments);
    // Runs the program once for each argument list, all at the same time, and waits for every
    // run; results in the order given. The runs are noted in that order too.
    QList<Result> runAll(const QList<QStringList> &argumentLists);
    // Remembers ARGUMENTS as if they had been run, without running anything.
    void note(const QStringList &arguments) { m_runs.append(arguments); }
    // The argument lists given to run() and note(), oldest first.
    const QList<QStringList> &runs() const { return m_runs; }
    void clearRuns() { m_runs.clear(); }

    // Runs PROGRAM with ARGUMENTS once, without recording it.
    static Result runProgram(const QString &program, const QStringList &arguments, int timeoutMs = DefaultTimeoutMs);

private:
    QString m_program;
    int m_timeoutMs = DefaultTimeoutMs;
    QList<QStringList> m_runs;
};
