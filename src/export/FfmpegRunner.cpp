#include "FfmpegRunner.h"

#include "Utils.h"

#include <QElapsedTimer>
#include <QProcess>

#include <memory>
#include <vector>

FfmpegRunner::FfmpegRunner() : m_program(Utils::GetFFMPEGPath())
{
}

FfmpegRunner::FfmpegRunner(QString program) : m_program(std::move(program))
{
}

FfmpegRunner::Result FfmpegRunner::run(const QStringList &arguments)
{
    m_runs.append(arguments);
    return runProgram(m_program, arguments, m_timeoutMs);
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
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        process->start(m_program, argumentLists.at(i), QIODevice::ReadOnly);
        results[i].started = process->waitForStarted();
        processes.push_back(std::move(process));
    }
    QElapsedTimer clock;
    clock.start();
    for (qsizetype i = 0; i < argumentLists.size(); ++i) {
        QProcess &process = *processes[size_t(i)];
        Result &result = results[i];
        if (!result.started) {
            continue;
        }
        const int left = int(qMax<qint64>(0, qint64(m_timeoutMs) - clock.elapsed()));
        if (!process.waitForFinished(left)) {
            result.timedOut = process.state() != QProcess::NotRunning;
            if (result.timedOut) {
                process.kill();
                process.waitForFinished();
            }
        }
        result.output = QString::fromUtf8(process.readAll());
        result.exitedNormally = !result.timedOut && process.exitStatus() == QProcess::NormalExit;
        result.exitCode = result.exitedNormally ? process.exitCode() : -1;
    }
    return results;
}

FfmpegRunner::Result FfmpegRunner::runProgram(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Result result;
    if (program.isEmpty()) {
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted()) {
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        result.timedOut = process.state() != QProcess::NotRunning;
        if (result.timedOut) {
            process.kill();
            process.waitForFinished();
        }
    }
    result.output = QString::fromUtf8(process.readAll());
    result.exitedNormally = !result.timedOut && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = result.exitedNormally ? process.exitCode() : -1;
    return result;
}
