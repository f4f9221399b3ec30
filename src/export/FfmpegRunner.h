#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

// Runs ffmpeg (or any program) with an argument list and collects what it printed, standard output
// and standard error together. Never through a shell: every element is one argument, so names with
// spaces, quotes, "#" or non-ASCII letters reach the program unchanged. Standard input is empty,
// so a question ffmpeg asks (overwrite an existing file?) is answered "no" at once instead of
// waiting for a reply that never comes. A run that has not ended within the time bound is killed,
// and so is one whose caller raised the cancel flag (checked every few tens of milliseconds). A
// child never outlives the thread that started it: when that thread or the whole program dies,
// even by SIGKILL, the kernel kills the child too, so no ffmpeg keeps writing into the working
// folder for a viewer that is gone.
//
// With a progress handler, each run is asked for ffmpeg's progress report ("-progress pipe:1
// -nostats" before the given arguments, which are noted as given) and the handler hears each
// report's output time while the run goes on.
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
        // It was killed (or never started) because the cancel flag was raised.
        bool cancelled = false;
        // Standard output and standard error as one text, decoded as UTF-8.
        QString output;

        bool succeeded() const { return started && exitedNormally && exitCode == 0; }
    };

    // Raised by another thread when the runs are no longer wanted.
    using CancelFlag = std::shared_ptr<const std::atomic_bool>;
    // Hears, on the thread that runs, how far run RUN (its place in the lists given to runAll; 0
    // for run) has written its output: the output time in microseconds of ffmpeg's latest report
    // (-1 before the first), and whether the run is over (its last report, or it ended without
    // one). A killed run reports nothing more.
    using Progress = std::function<void(qsizetype run, qint64 outTimeUs, bool ended)>;

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
    // From now on every run is killed as soon as FLAG is raised, and none starts while it is.
    void setCancelFlag(CancelFlag flag) { m_cancel = std::move(flag); }
    bool isCancelled() const { return m_cancel && m_cancel->load(); }
    const CancelFlag &cancelFlag() const { return m_cancel; }
    // From now on every run reports its progress to HANDLER (none when empty).
    void setProgressHandler(Progress handler) { m_progress = std::move(handler); }

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
    static Result runProgram(const QString &program, const QStringList &arguments, int timeoutMs = DefaultTimeoutMs,
                             const CancelFlag &cancel = {});

    // The arguments that ask ffmpeg for its progress report on standard output.
    static QStringList progressArguments();

private:
    static QList<Result> runPrograms(const QString &program, const QList<QStringList> &argumentLists, int timeoutMs,
                                     const CancelFlag &cancel, const Progress &progress);

    QString m_program;
    int m_timeoutMs = DefaultTimeoutMs;
    CancelFlag m_cancel;
    Progress m_progress;
    QList<QStringList> m_runs;
};
