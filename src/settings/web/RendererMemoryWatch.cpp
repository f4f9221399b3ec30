#include "RendererMemoryWatch.h"

#include <QByteArrayList>
#include <QFile>
#include <QLoggingCategory>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRendererMemory, "velmora.settings.web.memory")

RendererMemoryWatch::RendererMemoryWatch(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RendererMemoryWatch::check);
}

std::optional<qint64> RendererMemoryWatch::residentBytes(qint64 pid)
{
    if (pid <= 0) {
        return std::nullopt;
    }
    // statm: size resident shared text lib data dt, in pages.
    QFile statm(u"/proc/%1/statm"_s.arg(pid));
    if (!statm.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArrayList fields = statm.read(256).simplified().split(' ');
    bool ok = false;
    const qint64 pages = fields.value(1).toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return pages * ::sysconf(_SC_PAGESIZE);
}

void RendererMemoryWatch::watch(qint64 pid)
{
    m_pid = pid;
    if (pid > 0) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void RendererMemoryWatch::follow(std::function<qint64()> source)
{
    m_pidSource = std::move(source);
    m_pid = m_pidSource ? m_pidSource() : 0;
    if (m_pidSource) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void RendererMemoryWatch::stop()
{
    m_pidSource = {};
    watch(0);
}

bool RendererMemoryWatch::check()
{
    if (m_pidSource) {
        m_pid = m_pidSource();
    }
    const std::optional<qint64> resident = residentBytes(m_pid);
    if (!resident || *resident <= m_limitBytes) {
        return false;
    }
    qCWarning(lcRendererMemory, "the settings page's renderer (%lld) holds %lld MiB, over %lld MiB: stopped", m_pid,
              *resident >> 20, m_limitBytes >> 20);
    ::kill(pid_t(m_pid), SIGKILL);
    stop();
    Q_EMIT limitExceeded(*resident);
    return true;
}
