#include "FfmpegRunner.h"

#include "Utils.h"

#include <QProcess>

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
