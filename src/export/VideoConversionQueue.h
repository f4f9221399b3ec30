#pragma once

#include "export/VideoConverter.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUrl>

#include <functional>

// Converts recordings on a worker thread so the window keeps responding while ffmpeg re-muxes a
// long recording from a slow card. Requests run one at a time in the order they were made (two
// conversions of one recording must not write the same files at once), and each answer is
// delivered on the thread that owns the queue, with exactly the result that
// VideoConverter::checkAndConvertVideo gives.
class VideoConversionQueue : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const VideoConverter::Playable &files)>;

    explicit VideoConversionQueue(QObject *parent = nullptr);
    // Waits for the conversion in progress; answers not yet delivered are dropped.
    ~VideoConversionQueue() override;

    // The folder under which "temp_video" lives; the user's working folder when empty.
    void setWorkingDirectory(const QString &path) { m_workingDirectory = path; }

    // Converts the recording at URL after every earlier request and then calls DONE, from the
    // event loop of this object's thread, never before convert() has returned.
    void convert(const QUrl &url, Done done);
    // Waits until every request made so far has been converted (their answers are still queued).
    void waitForDone();

private:
    QThreadPool m_pool;
    QString m_workingDirectory;
};
