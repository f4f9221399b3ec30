#pragma once

#include "core/AtomicFileWriter.h"

#include <QFile>
#include <QString>

#include <atomic>
#include <functional>

// Saves a copy of a recording where the user chose. The copy is written under a temporary name
// beside the destination and takes the destination's name only once it is complete, so a failed
// or cancelled copy (full disk, card pulled out, the user's Cancel) never leaves a truncated file
// and never destroys a file the user chose to replace. The reasons for a failure are localized
// sentences naming the file.
//
// open() only opens both files, so it can run where the user is waiting; copy() moves the bytes
// and is the long part (a gigabyte from a slow card takes minutes), for a worker thread.
class RecordingCopy
{
public:
    // Called after each block with the bytes copied so far and the recording's size.
    using Progress = std::function<void(qint64 copied, qint64 total)>;

    RecordingCopy(const QString &source, const QString &destination);

    // Opens the recording and starts the temporary file; false (and why) when either cannot be.
    bool open();
    // Copies block by block and commits; false (and why) on failure, or when CANCELLED became
    // true between blocks (then without a reason). The temporary file is gone either way.
    bool copy(const Progress &progress = {}, const std::atomic_bool *cancelled = nullptr);

    qint64 size() const { return m_size; }
    bool wasCancelled() const { return m_cancelled; }
    QString errorString() const { return m_error; }

    // Copies the file at SOURCE to DESTINATION, replacing what is there. On failure returns false
    // and, when ERROR is given, says why in a sentence naming the file.
    static bool save(const QString &source, const QString &destination, QString *error = nullptr);

private:
    bool cannotRead(const QString &why);
    bool cannotWrite(const QString &why);

    QString m_source;
    QString m_destination;
    QFile m_in;
    AtomicFileWriter m_out;
    qint64 m_size = 0;
    bool m_cancelled = false;
    QString m_error;
};
