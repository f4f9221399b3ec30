#include "RecordingCopyJob.h"

#include "RecordingCopy.h"

#include <QThread>

#include <cmath>

namespace {
// Less than this and the pace says more about the start (the file's opening, the first reads)
// than about the rest.
constexpr qint64 kPaceKnownAfterMs = 1000;
} // namespace

RecordingCopyJob::RecordingCopyJob(QObject *parent) : QObject(parent)
{
}

RecordingCopyJob::~RecordingCopyJob()
{
    if (m_thread != nullptr) {
        m_cancel = true;
        m_thread->wait();
    }
}

bool RecordingCopyJob::start(const QString &source, const QString &destination)
{
    if (m_copy != nullptr) {
        return false;
    }
    m_source = source;
    m_destination = destination;
    m_copy = std::make_unique<RecordingCopy>(source, destination);
    if (!m_copy->open()) {
        m_error = m_copy->errorString();
        return false;
    }
    m_total = m_copy->size();
    m_running = true;
    m_sinceStart.start();
    m_thread = QThread::create([this] {
        m_workerSaved = m_copy->copy(
            [this](qint64 bytes, qint64) {
                QMetaObject::invokeMethod(
                    this, [this, bytes] { copied(bytes); }, Qt::QueuedConnection);
            },
            &m_cancel);
    });
    m_thread->setParent(this);
    m_thread->setObjectName(QStringLiteral("velmora.recordingCopy"));
    connect(m_thread, &QThread::finished, this, &RecordingCopyJob::workerEnded);
    m_thread->start();
    return true;
}

void RecordingCopyJob::cancel()
{
    m_cancel = true;
}

double RecordingCopyJob::share() const
{
    if (m_total <= 0) {
        return m_saved ? 1.0 : 0.0;
    }
    return qBound(0.0, double(m_copied) / double(m_total), 1.0);
}

int RecordingCopyJob::secondsLeft() const
{
    return m_running ? secondsLeft(m_copied, m_total, m_sinceStart.elapsed()) : -1;
}

int RecordingCopyJob::secondsLeft(qint64 copied, qint64 total, qint64 elapsedMs)
{
    if (copied <= 0 || elapsedMs < kPaceKnownAfterMs) {
        return -1;
    }
    const double remaining = double(qMax<qint64>(0, total - copied));
    return int(std::ceil(remaining * double(elapsedMs) / double(copied) / 1000.0));
}

void RecordingCopyJob::copied(qint64 bytes)
{
    m_copied = bytes;
    Q_EMIT progressed();
}

void RecordingCopyJob::workerEnded()
{
    // The worker's progress reports were queued before its end; its outcome is read once it is
    // gone.
    m_thread->wait();
    m_running = false;
    m_saved = m_workerSaved;
    m_cancelled = m_copy->wasCancelled();
    m_error = m_copy->errorString();
    if (m_saved) {
        m_copied = m_total;
    }
    Q_EMIT finished();
}
