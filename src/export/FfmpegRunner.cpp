#include "FfmpegRunner.h"

#include "Utils.h"

#include <QDeadlineTimer>
#include <QProcess>

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

// Waits until PROCESS ends; kills it when DEADLINE passes or CANCEL is raised first, and says which.
void waitForEnd(QProcess &process, const QDeadlineTimer &deadline, const FfmpegRunner::CancelFlag &cancel,
                FfmpegRunner::Result &result)
{
    while (process.state() != QProcess::NotRunning) {
        if (raised(cancel)) {
            result.cancelled = true;
            break;
        }
        if (deadline.hasExpired()) {
            result.timedOut = true;
            break;
        }
        const qint64 remaining = deadline.remainingTime(); // -1 when there is no bound
        const qint64 left = remaining < 0 ? qint64(INT_MAX) : qMin<qint64>(remaining, INT_MAX);
        const int slice = int(cancel ? qMin<qint64>(CancelPollMs, left) : left);
        process.waitForFinished(slice);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(-1);
    }
}

void finish(QProcess &process, FfmpegRunner::Result &result)
{
    result.output = QString::fromUtf8(process.readAll());
    result.exitedNormally = !result.timedOut && !result.cancelled && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = result.exitedNormally ? process.exitCode() : -1;
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
    return runProgram(m_program, arguments, m_timeoutMs, m_cancel);
}

QList<FfmpegRunner::Result> FfmpegRunner::runAll(const QList<QStringList> &argumentLists)
{
    m_runs.append(argumentLists);
    QList<Result> results(argumentLists.size());
    if (m_program.isEmpty()) {
        return results;
    }
    // Independent conversions of one recording (front, rear, their subtitles) overlap: the
    // player waits for all of them, so their longest run is what the user waits for.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (qsizetype i = 0; i < argumentLists.size(); ++i) {
        auto process = std::make_unique<QProcess>();
        if (raised(m_cancel)) {
            results[i].cancelled = true;
        } else {
            prepare(*process);
            process->start(m_program, argumentLists.at(i), QIODevice::ReadOnly);
            results[i].started = process->waitForStarted();
        }
        processes.push_back(std::move(process));
    }
    const QDeadlineTimer deadline(m_timeoutMs);
    for (qsizetype i = 0; i < argumentLists.size(); ++i) {
        Result &result = results[i];
        if (!result.started) {
            continue;
        }
        QProcess &process = *processes[size_t(i)];
        waitForEnd(process, deadline, m_cancel, result);
        finish(process, result);
    }
    return results;
}

FfmpegRunner::Result FfmpegRunner::runProgram(const QString &program, const QStringList &arguments, int timeoutMs,
                                              const CancelFlag &cancel)
{
    Result result;
    if (program.isEmpty()) {
        return result;
    }
    if (raised(cancel)) {
        result.cancelled = true;
        return result;
    }
    QProcess process;
    prepare(process);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted()) {
        return result;
    }
    result.started = true;
    waitForEnd(process, QDeadlineTimer(timeoutMs), cancel, result);
    finish(process, result);
    return result;
}
