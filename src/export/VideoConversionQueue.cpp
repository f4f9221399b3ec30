#include "VideoConversionQueue.h"

VideoConversionQueue::VideoConversionQueue(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    // Keep the worker between recordings played one after the other.
    m_pool.setExpiryTimeout(60 * 1000);
}

VideoConversionQueue::~VideoConversionQueue()
{
    m_pool.waitForDone();
}

void VideoConversionQueue::convert(const QUrl &url, Done done)
{
    const QString workingDirectory = m_workingDirectory;
    m_pool.start([this, url, workingDirectory, done = std::move(done)] {
        VideoConverter converter;
        converter.setWorkingDirectory(workingDirectory);
        const VideoConverter::Playable files = converter.checkAndConvertVideo(url);
        // Posted to this object: dropped by Qt if the queue is gone before it is delivered.
        QMetaObject::invokeMethod(
            this, [done, files] { done(files); }, Qt::QueuedConnection);
    });
}

void VideoConversionQueue::waitForDone()
{
    m_pool.waitForDone();
}
