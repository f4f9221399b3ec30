#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;
class RecordingCopy;

// A copy of a recording saved on a worker thread, so the window keeps answering while a gigabyte
// comes off a slow card: the share done and the time left as it goes, Cancel at any moment, and
// the reason when it fails. Whatever does not finish (failed, cancelled, or the job destroyed
// half way, as when the program quits) leaves no file behind and the chosen file as it was.
class RecordingCopyJob : public QObject
{
    Q_OBJECT

public:
    explicit RecordingCopyJob(QObject *parent = nullptr);
    // Cancels a copy under way and waits for its worker (at most one block's read).
    ~RecordingCopyJob() override;

    // Opens both files here (quick) and copies on a worker; false, with the reason in
    // errorString(), when either cannot be opened. A job copies once.
    bool start(const QString &source, const QString &destination);
    // Stops the copy between two blocks; finished() follows, with wasCancelled().
    void cancel();

    QString source() const { return m_source; }
    QString destination() const { return m_destination; }
    bool isRunning() const { return m_running; }
    // 0 to 1.
    double share() const;
    // Whole seconds still to go at the pace so far; -1 until that pace is known.
    int secondsLeft() const;
    // Once finished: whether the copy is complete under the destination's name, whether it was
    // cancelled, and otherwise why it failed (a localized sentence naming the file).
    bool wasSaved() const { return m_saved; }
    bool wasCancelled() const { return m_cancelled; }
    QString errorString() const { return m_error; }

    // The time left for TOTAL bytes when COPIED took ELAPSEDMS, rounded up; -1 when nothing was
    // copied yet or too briefly to judge the pace.
    static int secondsLeft(qint64 copied, qint64 total, qint64 elapsedMs);

Q_SIGNALS:
    // The share done and the time left changed.
    void progressed();
    // The copy ended: saved, cancelled or failed.
    void finished();

private:
    void copied(qint64 bytes);
    void workerEnded();

    QString m_source;
    QString m_destination;
    std::unique_ptr<RecordingCopy> m_copy;
    QThread *m_thread = nullptr;
    std::atomic_bool m_cancel = false;
    QElapsedTimer m_sinceStart;
    qint64 m_copied = 0;
    qint64 m_total = 0;
    bool m_running = false;
    bool m_saved = false;
    // Written by the worker, read after it ended.
    bool m_workerSaved = false;
    bool m_cancelled = false;
    QString m_error;
};
