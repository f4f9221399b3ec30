#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// Keeps the settings page from taking the machine's memory: the page comes from the card, and a
// page that allocates without end would otherwise drive the computer into the kernel's
// out-of-memory killer. What the page holds lives in two processes: its renderer (scripts, the
// document) and this one, where the web engine's browser side keeps what the page stores
// (Blobs, IndexedDB and cache storage of the off-the-record profile are all kept in memory here).
// Every IntervalMs the renderer's resident memory and this process's growth in anonymous memory
// since the watch started are read from /proc and added; past the limit the renderer is killed (a
// script in an endless loop cannot be stopped any other way, and the Blobs it holds go with it)
// and limitExceeded tells the window, which says so.
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
    // The resident memory of process PID not backed by files (its heaps), or nothing.
    static std::optional<qint64> anonymousBytes(qint64 pid);

    void setLimitBytes(qint64 limit) { m_limitBytes = limit; }
    qint64 limitBytes() const { return m_limitBytes; }
    // Watches process PID from now on (0 or less: nothing); this process's growth counts from now.
    void watch(qint64 pid);
    // Watches whatever process SOURCE names at each look (a page's renderer may be replaced); this
    // process's growth counts from now.
    void follow(std::function<qint64()> source);
    void stop();
    qint64 watchedPid() const { return m_pid; }
    // What the page holds now: the renderer's resident memory and this process's growth.
    qint64 pageBytes();
    // One look: kills the renderer and reports when the page is past the limit. True when it was.
    bool check();

Q_SIGNALS:
    void limitExceeded(qint64 pageBytes);

private:
    void start();

    QTimer m_timer;
    std::function<qint64()> m_pidSource;
    qint64 m_pid = 0;
    qint64 m_limitBytes = DefaultLimitBytes;
    qint64 m_ownBaseline = 0;
};
