#pragma once

#include "export/VideoConverter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

// Converts recordings on a worker thread so the window keeps responding while ffmpeg re-muxes a
// long recording from a slow card. Only the newest request is wanted (the user has moved on to
// another recording): a new request cancels every earlier one, so one not yet started never runs
// ffmpeg and a running one has its ffmpeg killed; neither answers. One conversion runs at a time
// (two conversions of one recording must not write the same files at once). The answer is
// delivered on the thread that owns the queue, with exactly the result that
// VideoConverter::checkAndConvertVideo gives.
class VideoConversionQueue : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const VideoConverter::Playable &files)>;
    // The same, with the key of the message that says why nothing plays (ConversionFailure) when
    // FILES is absent or empty; empty otherwise.
    using DoneWithReason = std::function<void(const VideoConverter::Playable &files, const QString &messageKey)>;
    // The share of the conversion done so far (0 to 1, rising); see VideoConverter::Progress.
    using Progress = std::function<void(double share)>;

    explicit VideoConversionQueue(QObject *parent = nullptr);
    // Cancels everything and waits the moment it takes to kill a running ffmpeg; no answer follows.
    ~VideoConversionQueue() override;

    // The folder under which "temp_video" lives; the user's working folder when empty.
    void setWorkingDirectory(const QString &path) { m_workingDirectory = path; }

    // Converts the recording at URL, cancelling every earlier request, and then calls DONE from
    // the event loop of this object's thread, never before convert() has returned, and only when
    // no newer request or cancelAll() came first. PROGRESS, when given, hears the share done the
    // same way: on this object's thread, in order, before DONE, and never once the request has
    // been superseded or cancelled.
    void convert(const QUrl &url, Done done, Progress progress = {});
    void convert(const QUrl &url, DoneWithReason done, Progress progress = {});
    // Cancels every request made so far (none of them answers) and returns once the worker has
    // stopped: a running ffmpeg is killed, so this takes a moment, not a conversion's time.
    void cancelAll();
    // The same without waiting: the worker kills a running ffmpeg and ends on its own. For a
    // recording chosen next that plays without converting.
    void cancelRequests();
    // Waits until every request made so far has been converted or cancelled (answers still queued).
    void waitForDone();

private:
    QThreadPool m_pool;
    QString m_workingDirectory;
    // The cancel flags of the requests not yet superseded or cancelled.
    QList<std::shared_ptr<std::atomic_bool>> m_requests;
};
