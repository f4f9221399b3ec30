#pragma once

#include "CardTrips.h"
#include "Trip.h"
#include "TripBuilder.h"
#include "TripRecording.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Builds the trips of a card on a worker thread of low priority, so the window never waits for
// it: the recordings are found and their tracks loaded (through the track cache), then joined.
// Progress is told at most ten times a second and after the last recording; a build can be
// cancelled (a new start cancels the one running) without waiting for its worker to notice, and
// the object's end cancels and waits for it. Signals arrive on the object's own thread. What a
// window makes of the trips (its map's drawing, its list's lookups) can be made on the worker too
// (setFinishing), so that the window only takes the finished result.
class TripsJob : public QObject
{
    Q_OBJECT

public:
    explicit TripsJob(QObject *parent = nullptr);
    ~TripsJob() override;

    // Run on the worker after each build with its trips and recordings; what it gives comes with
    // finished() as PREPARED. Set it before start(); it must not touch objects of other threads.
    using Finishing = std::function<QVariant(const QList<Trip> &trips, const QList<TripRecording> &recordings)>;
    void setFinishing(Finishing finishing) { m_finishing = std::move(finishing); }

    // CACHE_FOLDER empty: no track cache.
    void start(const QString &root, const QString &cacheFolder, const TripBuilder::Options &options = {});
    void cancel();
    // True from a start until its result, its failure or its cancelling has been told.
    bool isRunning() const;
    // The recordings the finished build left out, and why (empty until a build finishes).
    const QList<CardTrips::Skipped> &skipped() const { return m_skipped; }

signals:
    void progress(qsizetype done, qsizetype total);
    // PREPARED: what the finishing step gave (invalid without one).
    void finished(const QList<Trip> &trips, const QList<TripRecording> &recordings, const QVariant &prepared);
    void cancelled();
    // The card could not be read to its end (it went away): MESSAGE says so; no trips come.
    void failed(const QString &message);

private:
    // Cancels the running build and waits for its worker to end.
    void stopThread();
    // Cancels the running build and lets its worker end on its own (deleted when it does).
    void releaseThread();

    QThread *m_thread = nullptr;
    Finishing m_finishing;
    // Workers of cancelled builds that had not ended yet.
    QList<QPointer<QThread>> m_released;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    // Results of a build that was replaced or cancelled are dropped.
    quint64 m_generation = 0;
    QList<CardTrips::Skipped> m_skipped;
    bool m_busy = false;
};
