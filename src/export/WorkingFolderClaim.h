#pragma once

#include <QMutex>
#include <QString>

// The part of the working folder that belongs to one running program. Several viewers (and
// velmora-cli runs) of one user share the working folder; each converts into a subfolder of its
// own, "viewer-<process>-<random>", which holds a lock file locked for as long as the program
// runs, and removes only that subfolder when it quits. A subfolder whose lock nobody holds was
// left by a program that died (killed, crashed); the next program to claim its own removes it.
//
// The subfolder is made under a hidden name, locked, and only then given its visible name, so
// no other program ever sees it unlocked.
class WorkingFolderClaim
{
public:
    // Claims a subfolder of LOCATION (the working folder) when first asked for it.
    explicit WorkingFolderClaim(QString location);
    // Lets the lock go; the subfolder stays unless remove() was called.
    ~WorkingFolderClaim();
    WorkingFolderClaim(const WorkingFolderClaim &) = delete;
    WorkingFolderClaim &operator=(const WorkingFolderClaim &) = delete;

    QString location() const;
    // Claims in LOCATION from now on (the user's documents folder moved); an earlier claim's
    // subfolder is let go as a program that ended would leave it.
    void relocate(const QString &location);
    // This program's subfolder, made (and the abandoned ones removed) on the first call. Empty
    // when it cannot be made (the working folder is a file, read-only, …). Any thread.
    QString path();
    // Removes this program's subfolder with everything in it, then the working folder when that
    // left it empty. What other programs own, and anything else found there, stays.
    void remove();

    // Removes the subfolders of LOCATION whose programs are gone; how many.
    static int removeAbandoned(const QString &location);
    // Whether FOLDER (a subfolder of the working folder) belongs to a program still running.
    static bool isHeld(const QString &folder);

    // The claim of this program on the user's working folder (Utils::WorkingDirectoryLocation()).
    static WorkingFolderClaim &SharedWorkingFolderClaim();

    static constexpr const char *LockName = ".lock";

private:
    mutable QMutex m_mutex;
    QString m_location;
    QString m_path;
    int m_lockFd = -1;
};
