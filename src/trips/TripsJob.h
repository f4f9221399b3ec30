#pragma once

#include "Trip.h"
#include "TripBuilder.h"
#include "TripRecording.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

// Builds the trips of a card on a worker thread, so the window never waits for it: the
// recordings are found and their tracks loaded (through the track cache), then joined. Progress
// is told after each recording; a build can be cancelled (a new start cancels the one running) and
// the object's end cancels and waits for it. Signals arrive on the object's own thread.
class TripsJob : public QObject
{
    Q_OBJECT

public:
    explicit TripsJob(QObject *parent = nullptr);
    ~TripsJob() override;

    // CACHE_FOLDER empty: no track cache.
    void start(const QString &root, const QString &cacheFolder, const TripBuilder::Options &options = {});
    void cancel();
    // True from a start until its result or its cancelling has been told.
    bool isRunning() const;

signals:
    void progress(qsizetype done, qsizetype total);
    void finished(const QList<Trip> &trips, const QList<TripRecording> &recordings);
    void cancelled();

private:
    void stopThread();

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    // Results of a build that was replaced or cancelled are dropped.
    quint64 m_generation = 0;
    bool m_busy = false;
};
