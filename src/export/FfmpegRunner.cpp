#include "FfmpegRunner.h"

#include "FfmpegProgress.h"
#include "Utils.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <algorithm>
#include <climits>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace {
// How often a waiting run looks at its cancel flag: short enough that a superseded conversion or
// quitting never waits noticeably for a run nobody wants any more.
constexpr int CancelPollMs = 25;

bool raised(const FfmpegRunner::CancelFlag &cancel)
{
    return cancel && cancel->load();
}

void prepare(QProcess &process)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    // The kernel kills the child when the thread that started it ends, which includes this
    // program being killed: a viewer that crashed or was killed leaves no ffmpeg behind writing
    // into its working folder. Runs in the child between fork and exec (async-signal-safe calls only).
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The parent may have died before the line above: nobody would send the signal then.
        if (::getppid() != parent) {
            ::_exit(127);
        }
    });
}

// One started program: its process, what it printed so far and its progress report.
struct Running
{
    std::unique_ptr<QProcess> process;
    QByteArray output;
    FfmpegProgress report;
    bool waiting = false;
};

// Takes what RUN printed since the last look; tells PROGRESS when a report moved its output time.
void collect(Running &run, qsizetype index, const FfmpegRunner::Progress &progress)
{
    const QByteArray fresh = run.process->readAll();
    if (fresh.isEmpty()) {
        return;
    }
    run.output.append(fresh);
    if (progress && run.report.feed(fresh)) {
        progress(index, run.report.outTimeUs(), run.report.ended());
    }
}
} // namespace

FfmpegRunner::FfmpegRunner() : m_program(Utils::GetFFMPEGPath())
{
}

FfmpegRunner::FfmpegRunner(QString program) : m_program(std::move(program))
{
}

FfmpegRunner::Result FfmpegRunner::run(const QStringList &arguments)
{
    m_runs.append(arguments);
    return runPrograms(m_program, {arguments}, m_timeoutMs, m_cancel, m_progress).constFirst();
}

QList<FfmpegRunner::Result> FfmpegRunner::runAll(const QList<QStringList> &argumentLists)
{
    m_runs.append(argumentLists);
    // Independent conversions of one recording (front, rear, their subtitles) overlap: the
    // player waits for all of them, so their longest run is what the user waits for.
    return runPrograms(m_program, argumentLists, m_timeoutMs, m_cancel, m_progress);
}

FfmpegRunner::Result FfmpegRunner::runProgram(const QString &program, const QStringList &arguments, int timeoutMs,
                                              const CancelFlag &cancel)
{
    return runPrograms(program, {arguments}, timeoutMs, cancel, {}).constFirst();
}

QStringList FfmpegRunner::progressArguments()
{
    // "-nostats" keeps the terminal's status line out of the shared pipe: the report says it all.
    return {QStringLiteral("-progress"), QStringLiteral("pipe:1"), QStringLiteral("-nostats")};
}

QList<FfmpegRunner::Result> FfmpegRunner::runPrograms(const QString &program, const QList<QStringList> &argumentLists,
                                                      int timeoutMs, const CancelFlag &cancel, const Progress &progress)
{
    QList<Result> results(argumentLists.size());
    if (program.isEmpty()) {
        return results;
    }
    std::vector<Running> runs(size_t(argumentLists.size()));
    for (qsizetype i = 0; i < argumentLists.size(); ++i) {
        if (raised(cancel)) {
            results[i].cancelled = true;
            continue;
        }
        Running &run = runs[size_t(i)];
        run.process = std::make_unique<QProcess>();
        prepare(*run.process);
        run.process->start(program, progress ? progressArguments() + argumentLists.at(i) : argumentLists.at(i),
                           QIODevice::ReadOnly);
        results[i].started = run.process->waitForStarted();
        run.waiting = results[i].started;
    }

    // Every run is looked at in turn, a slice of time each, so none fills its pipe while another
    // is waited for, and a raised cancel flag or a report is noticed within a few tens of
    // milliseconds. A lone run that nobody can cancel or follow is simply waited for.
    const QDeadlineTimer deadline(timeoutMs);
    const auto waitingCount = [&runs] {
        return std::count_if(runs.begin(), runs.end(), [](const Running &run) { return run.waiting; });
    };
    const bool poll = cancel || progress || waitingCount() > 1;
    while (const auto waiting = waitingCount()) {
        const bool cancelled = raised(cancel);
        if (cancelled || deadline.hasExpired()) {
            for (qsizetype i = 0; i < argumentLists.size(); ++i) {
                if (runs[size_t(i)].waiting) {
                    (cancelled ? results[i].cancelled : results[i].timedOut) = true;
                    runs[size_t(i)].waiting = false;
                }
            }
            break;
        }
        const qint64 remaining = deadline.remainingTime(); // -1 when there is no bound
        const qint64 left = remaining < 0 ? qint64(INT_MAX) : qMin<qint64>(remaining, INT_MAX);
        const int slice = int(poll ? qMin<qint64>(qMax<qint64>(CancelPollMs / waiting, 1), left) : left);
        for (qsizetype i = 0; i < argumentLists.size(); ++i) {
            Running &run = runs[size_t(i)];
            if (!run.waiting) {
                continue;
            }
            run.process->waitForFinished(slice);
            collect(run, i, progress);
            run.waiting = run.process->state() != QProcess::NotRunning;
        }
    }

    for (qsizetype i = 0; i < argumentLists.size(); ++i) {
        Running &run = runs[size_t(i)];
        Result &result = results[i];
        if (!result.started) {
            continue;
        }
        QProcess &process = *run.process;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(-1);
        }
        // A killed run's last words are kept in its output but are no progress.
        const bool killed = result.cancelled || result.timedOut;
        collect(run, i, killed ? Progress() : progress);
        if (progress && !killed && !run.report.ended()) {
            // It ended without saying so (it failed before writing anything): it is over all the same.
            progress(i, run.report.outTimeUs(), true);
        }
        result.output = QString::fromUtf8(run.output);
        result.exitedNormally = !result.timedOut && !result.cancelled && process.exitStatus() == QProcess::NormalExit;
        result.exitCode = result.exitedNormally ? process.exitCode() : -1;
    }
    return results;
}
