#include "VideoConversionQueue.h"

#include "ConversionFailure.h"

VideoConversionQueue::VideoConversionQueue(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    // Keep the worker between recordings played one after the other.
    m_pool.setExpiryTimeout(60 * 1000);
}

VideoConversionQueue::~VideoConversionQueue()
{
    cancelAll();
}

void VideoConversionQueue::cancelRequests()
{
    for (const std::shared_ptr<std::atomic_bool> &cancelled : std::as_const(m_requests)) {
        cancelled->store(true);
    }
    m_requests.clear();
    // Requests still waiting for the worker are dropped without starting.
    m_pool.clear();
}

void VideoConversionQueue::convert(const QUrl &url, Done done, Progress progress)
{
    convert(
        url, [done = std::move(done)](const VideoConverter::Playable &files, const QString &) { done(files); },
        std::move(progress));
}

void VideoConversionQueue::convert(const QUrl &url, DoneWithReason done, Progress progress)
{
    cancelRequests();
    const auto cancelled = std::make_shared<std::atomic_bool>(false);
    m_requests.append(cancelled);
    const QString workingDirectory = m_workingDirectory;
    m_pool.start([this, url, workingDirectory, cancelled, done = std::move(done), progress = std::move(progress)] {
        if (cancelled->load()) {
            return;
        }
        VideoConverter converter;
        converter.setWorkingDirectory(workingDirectory);
        converter.setCancelFlag(cancelled);
        if (progress) {
            converter.setProgressHandler([this, cancelled, progress](double share) {
                if (cancelled->load()) {
                    return;
                }
                // Queued like the answer, so every report arrives before it; one superseded
                // while on its way is dropped on delivery.
                QMetaObject::invokeMethod(
                    this,
                    [progress, cancelled, share] {
                        if (!cancelled->load()) {
                            progress(share);
                        }
                    },
                    Qt::QueuedConnection);
            });
        }
        const VideoConverter::Playable files = converter.checkAndConvertVideo(url);
        if (cancelled->load()) {
            return;
        }
        // The card and the working folder are looked at here, off the GUI thread.
        const QString messageKey =
            files && !files->isEmpty()
                ? (converter.cutShort() ? ConversionFailure::messageKey(ConversionFailure::Reason::CutShort)
                                        : QString())
                : ConversionFailure::messageKeyFor(converter.failure(), url.toLocalFile(),
                                                   converter.usedWorkingDirectory());
        // Posted to this object, which waits for the worker before it goes away. A request
        // superseded after this point is dropped on delivery.
        QMetaObject::invokeMethod(
            this,
            [done, files, messageKey, cancelled] {
                if (!cancelled->load()) {
                    done(files, messageKey);
                }
            },
            Qt::QueuedConnection);
    });
}

void VideoConversionQueue::cancelAll()
{
    cancelRequests();
    m_pool.waitForDone();
}

void VideoConversionQueue::waitForDone()
{
    m_pool.waitForDone();
}
