#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/stat.h>

// A stand-in for ffmpeg that takes its time: a bash script that notes each run (process id and
// arguments) in a log, waits SECONDS and then becomes the real ffmpeg with the same arguments
// (exec). It starts no other process while it waits (bash's own timed read on a FIFO nobody
// writes to), so killing it leaves nothing behind. Point VELMORA_FFMPEG at program().
// LEADING arguments go before the given ones: "-readrate", "2" makes every conversion read its
// input at twice the recording's own pace, so a conversion takes a known time and reports its
// progress along the way.
class SlowFfmpeg
{
public:
    struct Run
    {
        qint64 pid = 0;
        QStringList arguments;
    };

    explicit SlowFfmpeg(double seconds, const QStringList &leading = {})
    {
        const QString real = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        const QString fifo = m_folder.filePath(QStringLiteral("never"));
        if (!m_folder.isValid() || real.isEmpty() || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) {
            return;
        }
        QString before;
        for (const QString &argument : leading) {
            before += QStringLiteral(" '") + argument + QLatin1Char('\'');
        }
        const QString script = QStringLiteral("#!/bin/bash\n"
                                              "line=\"$( printf '%s' \"$$\"; printf '\\t%s' \"$@\" )\"\n"
                                              "printf '%s\\n' \"$line\" >> '%1'\n"
                                              "read -r -t %2 <> '%3'\n"
                                              "exec '%4'%5 \"$@\"\n")
                                   .arg(log(), QString::number(seconds), fifo, real, before);
        QFile file(program());
        if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0) {
            return;
        }
        file.close();
        m_valid = file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    ~SlowFfmpeg()
    {
        // Whatever the test asserted, no stand-in outlives it.
        for (const Run &run : runs()) {
            if (isAlive(run.pid)) {
                ::kill(pid_t(run.pid), SIGKILL);
            }
        }
    }

    bool isValid() const { return m_valid; }
    QString program() const { return m_folder.filePath(QStringLiteral("ffmpeg")); }

    // Every run started so far, oldest first.
    QList<Run> runs() const
    {
        QList<Run> all;
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly)) {
            return all;
        }
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
            Run run;
            run.pid = fields.takeFirst().toLongLong();
            run.arguments = fields;
            all.append(run);
        }
        return all;
    }

    // The runs whose arguments mention TEXT.
    QList<Run> runsMentioning(const QString &text) const
    {
        QList<Run> found;
        for (const Run &run : runs()) {
            if (run.arguments.join(QLatin1Char(' ')).contains(text)) {
                found.append(run);
            }
        }
        return found;
    }

    // Whether any run is still a live process.
    bool anyAlive() const
    {
        for (const Run &run : runs()) {
            if (isAlive(run.pid)) {
                return true;
            }
        }
        return false;
    }

    // A process that has ended but not been reaped yet (a zombie) counts as gone.
    static bool isAlive(qint64 pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray text = stat.readAll();
        const qsizetype close = text.lastIndexOf(')');
        return close > 0 && close + 2 < text.size() && text.at(close + 2) != 'Z' && text.at(close + 2) != 'X';
    }

private:
    QString log() const { return m_folder.filePath(QStringLiteral("runs.log")); }

    QTemporaryDir m_folder;
    bool m_valid = false;
};
