#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QSaveFile;

// The one way a whole file is written, on the card or wherever the user saves: the new content goes
// to a temporary file beside the target, and the target is replaced only when every byte has been
// written and reached the file system. A full or read-only file system, a removed card or a target
// that is not a regular file leave the old file as it was and report why.
//
// Content too large to hold whole (a recording's copy) goes through the streaming form: open(),
// write() block by block, then commit(); any failure on the way, or destruction without commit(),
// removes the temporary file and leaves the target untouched.
class AtomicFileWriter
{
public:
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

    // Why PATH cannot be replaced before anything is written: it is a link, a folder, a pipe, a
    // device or a socket. An empty string when it is a regular file or does not exist yet.
    static QString targetProblem(const QString &path);

    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // Starts the temporary file; false when the target is refused or the file cannot be created.
    bool open();
    // Appends BYTES whole; false (and every later call false) when any of them could not be written.
    bool write(QByteArrayView bytes);
    // Makes the written content the target's; false when anything on the way failed.
    bool commit();
    // Drops what was written; the target stays as it was.
    void cancel();
    // Why the last open, write or commit failed.
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);

    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QString m_error;
    bool m_failed = false;
};
