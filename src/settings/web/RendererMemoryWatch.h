#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// Keeps the settings page's renderer process from taking the machine's memory: the page comes
// from the card, and a page that allocates without end would otherwise drive the computer into
// the kernel's out-of-memory killer. The process's resident memory is read from /proc every
// IntervalMs; past the limit the process is killed (a script in an endless loop cannot be
// stopped any other way) and limitExceeded tells the window, which says so.
class RendererMemoryWatch : public QObject
{
    Q_OBJECT

public:
    // The camera's page needs a few tens of megabytes; a renderer of its own starts near 100.
    static constexpr qint64 DefaultLimitBytes = 512LL * 1024 * 1024;
    static constexpr int IntervalMs = 100;

    explicit RendererMemoryWatch(QObject *parent = nullptr);

    // The resident memory of process PID, or nothing when it cannot be read (no such process).
    static std::optional<qint64> residentBytes(qint64 pid);

    void setLimitBytes(qint64 limit) { m_limitBytes = limit; }
    qint64 limitBytes() const { return m_limitBytes; }
    // Watches process PID from now on (0 or less: nothing).
    void watch(qint64 pid);
    // Watches whatever process SOURCE names at each look (a page's renderer may be replaced).
    void follow(std::function<qint64()> source);
    void stop();
    qint64 watchedPid() const { return m_pid; }
    // One look at the process: kills it and reports when it is past the limit. True when it was.
    bool check();

Q_SIGNALS:
    void limitExceeded(qint64 residentBytes);

private:
    QTimer m_timer;
    std::function<qint64()> m_pidSource;
    qint64 m_pid = 0;
    qint64 m_limitBytes = DefaultLimitBytes;
};
