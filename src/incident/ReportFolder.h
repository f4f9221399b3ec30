#pragma once

#include <QString>

// Where a report is written: a hidden folder beside the chosen one, renamed to the chosen name
// only when every file is complete. A report that fails half way (a full or read-only disk, a
// cancelled run, a crash) never shows under the chosen name, and what was written is removed.
//
// The chosen folder must not exist yet, or be empty (a folder the user just made for it); a
// report is never mixed into a folder holding other files.
class ReportFolder
{
public:
    explicit ReportFolder(const QString &target);
    ~ReportFolder();
    ReportFolder(const ReportFolder &) = delete;
    ReportFolder &operator=(const ReportFolder &) = delete;

    // Why TARGET cannot take a report (it is a file, a link, a folder with files in it, or its
    // parent folder is missing); empty when it can.
    static QString targetProblem(const QString &target);

    // Makes the hidden folder; false, with ERROR for the user, when it cannot be made.
    bool prepare(QString *error);
    // The path of NAME in the folder being written.
    QString filePath(const QString &name) const;
    // Gives the folder its chosen name; false, with ERROR, when that fails (the hidden folder is
    // removed then).
    bool commit(QString *error);
    // Removes what was written; the chosen folder stays as it was.
    void discard();

    QString target() const { return m_target; }
    QString stagingPath() const { return m_staging; }

private:
    QString m_target;
    QString m_staging;
    bool m_committed = false;
};
