#include "RendererMemoryWatch.h"

#include <QByteArrayList>
#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRendererMemory, "velmora.settings.web.memory")

namespace {
// The fields of /proc/PID/statm (size resident shared text lib data dt), in pages.
std::optional<QByteArrayList> statm(qint64 pid)
{
    if (pid <= 0) {
        return std::nullopt;
    }
    QFile file(u"/proc/%1/statm"_s.arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(256).simplified().split(' ');
}

std::optional<qint64> pagesAt(const QByteArrayList &fields, qsizetype index)
{
    bool ok = false;
    const qint64 pages = fields.value(index).toLongLong(&ok);
    return ok ? std::optional<qint64>(pages * ::sysconf(_SC_PAGESIZE)) : std::nullopt;
}
} // namespace

RendererMemoryWatch::RendererMemoryWatch(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RendererMemoryWatch::check);
}

std::optional<qint64> RendererMemoryWatch::residentBytes(qint64 pid)
{
    const std::optional<QByteArrayList> fields = statm(pid);
    return fields ? pagesAt(*fields, 1) : std::nullopt;
}

std::optional<qint64> RendererMemoryWatch::anonymousBytes(qint64 pid)
{
    // Resident less shared: what is left is the process's own heaps, not libraries and fonts
    // mapped from files, which grow as the window draws and would count against the page.
    const std::optional<QByteArrayList> fields = statm(pid);
    if (!fields) {
        return std::nullopt;
    }
    const std::optional<qint64> resident = pagesAt(*fields, 1);
    const std::optional<qint64> shared = pagesAt(*fields, 2);
    return resident && shared ? std::optional<qint64>(*resident - *shared) : std::nullopt;
}

void RendererMemoryWatch::start()
{
    m_ownBaseline = anonymousBytes(::getpid()).value_or(0);
    m_timer.start();
}

void RendererMemoryWatch::watch(qint64 pid)
{
    m_pid = pid;
    if (pid > 0) {
        start();
    } else {
        m_timer.stop();
    }
}

void RendererMemoryWatch::follow(std::function<qint64()> source)
{
    m_pidSource = std::move(source);
    m_pid = m_pidSource ? m_pidSource() : 0;
    if (m_pidSource) {
        start();
    } else {
        m_timer.stop();
    }
}

void RendererMemoryWatch::stop()
{
    m_pidSource = {};
    watch(0);
}

qint64 RendererMemoryWatch::pageBytes()
{
    if (m_pidSource) {
        m_pid = m_pidSource();
    }
    const qint64 renderer = residentBytes(m_pid).value_or(0);
    const qint64 ownGrowth = std::max<qint64>(0, anonymousBytes(::getpid()).value_or(0) - m_ownBaseline);
    return renderer + ownGrowth;
}

bool RendererMemoryWatch::check()
{
    if (!m_timer.isActive()) {
        return false;
    }
    const qint64 held = pageBytes();
    if (held <= m_limitBytes) {
        return false;
    }
    qCWarning(lcRendererMemory, "the settings page (renderer %lld) holds %lld MiB, over %lld MiB: stopped", m_pid,
              held >> 20, m_limitBytes >> 20);
    if (m_pid > 0) {
        ::kill(pid_t(m_pid), SIGKILL);
    }
    stop();
    Q_EMIT limitExceeded(held);
    return true;
}
