#pragma once

#include <QPointer>
#include <QProgressDialog>

class RecordingCopyJob;

// The small window that follows a copy being saved: the file's name, the share done, the time left
// and Cancel. It blocks nothing (the main window stays usable while it runs) and shows only for a
// copy that takes a moment, so a quick one does not flash it. Cancel, Escape and closing it all
// cancel the copy; the owner removes it when the job has finished.
class SaveCopyProgressView : public QProgressDialog
{
    Q_OBJECT

public:
    SaveCopyProgressView(RecordingCopyJob *job, QWidget *parent);

    // The texts and the bar from the job.
    void refresh();

    // SECONDS as the time left reads: "0:42", "12:05", "1:02:09".
    static QString durationText(int seconds);

private:
    QPointer<RecordingCopyJob> m_job;
};
