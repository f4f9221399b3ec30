#include "ReportFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}
} // namespace

ReportFolder::ReportFolder(const QString &target) : m_target(QFileInfo(target).absoluteFilePath())
{
}

ReportFolder::~ReportFolder()
{
    discard();
}

QString ReportFolder::targetProblem(const QString &target)
{
    const QFileInfo info(target);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    if (info.isSymLink()) {
        return shown + u" is a link; name a new folder for the report"_s;
    }
    if (info.exists() && !info.isDir()) {
        return shown + u" is a file, not a folder"_s;
    }
    if (info.exists() &&
        !QDir(info.absoluteFilePath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        return shown + u" already holds files; name a new or empty folder for the report"_s;
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        return u"the folder "_s + QDir::toNativeSeparators(info.absolutePath()) + u" does not exist"_s;
    }
    return {};
}

bool ReportFolder::prepare(QString *error)
{
    if (const QString problem = targetProblem(m_target); !problem.isEmpty()) {
        *error = problem;
        return false;
    }
    const QFileInfo info(m_target);
    const QString parent = info.absolutePath();
    // A name of our own beside the target, on the same file system, so the last step is a rename.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = QDir(parent).filePath(
            u".%1.partial-%2-%3"_s.arg(info.fileName()).arg(QCoreApplication::applicationPid()).arg(attempt));
        if (::mkdir(QFile::encodeName(candidate).constData(), 0777) == 0) {
            m_staging = candidate;
            return true;
        }
        if (errno != EEXIST) {
            *error = u"cannot write into %1: %2"_s.arg(QDir::toNativeSeparators(parent), systemError(errno));
            return false;
        }
    }
    *error = u"cannot make a folder in "_s + QDir::toNativeSeparators(parent);
    return false;
}

QString ReportFolder::filePath(const QString &name) const
{
    return QDir(m_staging).filePath(name);
}

bool ReportFolder::commit(QString *error)
{
    if (m_staging.isEmpty()) {
        *error = u"the report was not written"_s;
        return false;
    }
    // rename() takes the place of an empty folder and refuses one with files in it, so a folder
    // filled meanwhile is never replaced.
    if (std::rename(QFile::encodeName(m_staging).constData(), QFile::encodeName(m_target).constData()) != 0) {
        *error = u"cannot name the report folder %1: %2"_s.arg(QDir::toNativeSeparators(m_target), systemError(errno));
        discard();
        return false;
    }
    m_committed = true;
    m_staging.clear();
    return true;
}

void ReportFolder::discard()
{
    if (!m_committed && !m_staging.isEmpty()) {
        QDir(m_staging).removeRecursively();
        m_staging.clear();
    }
}
