#include "TripsJob.h"

#include "CardTrips.h"
#include "recording/TrackCache.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

namespace {
// The calling thread's nice value on Linux (where it is per thread): a build of a large card is
// seconds of processor time, and on two cores it would otherwise take turns with the window's
// thread and with the player's threads the window waits on.
constexpr int kWorkerNice = 10;
constexpr qint64 kProgressIntervalMs = 100;

void lowerWorkerPriority()
{
    ::setpriority(PRIO_PROCESS, id_t(::gettid()), kWorkerNice);
}
} // namespace

TripsJob::TripsJob(QObject *parent) : QObject(parent)
{
}

TripsJob::~TripsJob()
{
    stopThread();
    // Builds let go of earlier end here too: nothing of them may run on after the object.
    for (const QPointer<QThread> &thread : std::as_const(m_released)) {
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

bool TripsJob::isRunning() const
{
    return m_busy;
}

void TripsJob::stopThread()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
}

void TripsJob::releaseThread()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
    if (!m_thread) {
        return;
    }
    if (m_thread->isFinished()) {
        delete m_thread;
    } else {
        // It stops at its next recording; the window does not wait for that.
        connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
        m_released.removeAll(nullptr);
        m_released.append(m_thread);
    }
    m_thread = nullptr;
}

void TripsJob::cancel()
{
    if (!m_thread) {
        return;
    }
    ++m_generation;
    releaseThread();
    if (m_busy) {
        m_busy = false;
        emit cancelled();
    }
}

void TripsJob::start(const QString &root, const QString &cacheFolder, const TripBuilder::Options &options)
{
    if (m_thread) {
        cancel();
    }
    releaseThread();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_skipped.clear();
    m_busy = true;
    const quint64 generation = ++m_generation;
    const std::shared_ptr<std::atomic<bool>> flag = m_cancel;
    const QPointer<TripsJob> self(this);
    const Finishing finishing = m_finishing;
    m_thread = QThread::create([=] {
        lowerWorkerPriority();
        const TrackCache cache(cacheFolder);
        const auto cancelled = [flag] {
            return flag->load();
        };
        // A card of thousands of recordings would otherwise repaint the window's progress thousands
        // of times a second: told at most every kProgressIntervalMs, and always at the end.
        QElapsedTimer sinceTold;
        const auto progress = [=, &sinceTold](qsizetype done, qsizetype total) {
            if (done < total && sinceTold.isValid() && sinceTold.elapsed() < kProgressIntervalMs) {
                return;
            }
            sinceTold.start();
            QMetaObject::invokeMethod(
                self,
                [=] {
                    if (self && self->m_generation == generation) {
                        emit self->progress(done, total);
                    }
                },
                Qt::QueuedConnection);
        };
        CardTrips::Card card = CardTrips::read(root, &cache, progress, cancelled);
        if (flag->load()) {
            return;
        }
        if (!card.failure.isEmpty()) {
            QMetaObject::invokeMethod(
                self,
                [=, failure = card.failure] {
                    if (self && self->m_generation == generation) {
                        self->m_busy = false;
                        emit self->failed(failure);
                    }
                },
                Qt::QueuedConnection);
            return;
        }
        const QList<TripRecording> recordings = std::move(card.recordings);
        const QList<CardTrips::Skipped> skipped = std::move(card.skipped);
        const QList<Trip> trips = TripBuilder::build(recordings, options);
        const QVariant prepared = finishing ? finishing(trips, recordings) : QVariant();
        if (flag->load()) {
            return;
        }
        QMetaObject::invokeMethod(
            self,
            [=] {
                if (self && self->m_generation == generation) {
                    self->m_busy = false;
                    self->m_skipped = skipped;
                    emit self->finished(trips, recordings, prepared);
                }
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
}
