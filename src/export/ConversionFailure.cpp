#include "ConversionFailure.h"

#include "core/LocalPath.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
using Reason = ConversionFailure::Reason;

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.first(slash);
}

// What the recording's own state says, if anything.
std::optional<Reason> recordingState(const QString &recording)
{
    const QByteArray path = LocalPath::encode(recording);
    struct stat status;
    if (::stat(path.constData(), &status) != 0) {
        if (errno == EACCES) {
            return Reason::PermissionDenied;
        }
        // The file alone is gone, or its folder with it (a card folder removed, a card unmounted).
        struct stat folder;
        const bool folderThere = ::stat(parentOf(path).constData(), &folder) == 0 && S_ISDIR(folder.st_mode);
        return folderThere ? Reason::RecordingGone : Reason::FolderGone;
    }
    if (::access(path.constData(), R_OK) != 0 && errno == EACCES) {
        return Reason::PermissionDenied;
    }
    return std::nullopt;
}

// What the working folder's state says: the nearest part of it that exists must be a folder we
// may write to, with room for a copy the size of the recording.
std::optional<Reason> workingFolderState(const QString &workingDirectory, const QString &recording)
{
    QByteArray path = LocalPath::encode(workingDirectory);
    struct stat status;
    while (::stat(path.constData(), &status) != 0) {
        if (path == "/" || path.isEmpty()) {
            return Reason::WorkingFolderNotWritable;
        }
        path = parentOf(path);
    }
    if (!S_ISDIR(status.st_mode) || ::access(path.constData(), W_OK | X_OK) != 0) {
        return Reason::WorkingFolderNotWritable;
    }
    struct statvfs volume;
    if (::statvfs(path.constData(), &volume) != 0) {
        return std::nullopt;
    }
    if ((volume.f_flag & ST_RDONLY) != 0) {
        return Reason::WorkingFolderNotWritable;
    }
    struct stat source;
    const qint64 needed = ::stat(LocalPath::encode(recording).constData(), &source) == 0 ? qint64(source.st_size) : 0;
    const qint64 free = qint64(volume.f_bavail) * qint64(volume.f_frsize);
    // A stream copy takes about the recording's size; a folder without even a megabyte is full.
    if (free < std::max<qint64>(needed, 1024 * 1024)) {
        return Reason::WorkingFolderFull;
    }
    return std::nullopt;
}
} // namespace

ConversionFailure::Reason ConversionFailure::classify(VideoConverter::Failure failure, const QString &recording,
                                                      const QString &workingDirectory)
{
    if (const auto state = recordingState(recording)) {
        return *state;
    }
    using Failure = VideoConverter::Failure;
    const bool wrote = failure == Failure::ConversionFailed || failure == Failure::Incomplete ||
                       failure == Failure::WorkingFolderUnusable || failure == Failure::FrontUnreadable;
    if (wrote) {
        if (const auto state = workingFolderState(workingDirectory, recording)) {
            return *state;
        }
    }
    switch (failure) {
    case Failure::Incomplete:
    case Failure::NotItsContainer:
        return Reason::Damaged;
    case Failure::FrontUnreadable:
        return Reason::FrontUnreadable;
    case Failure::SourceChanged:
        return Reason::SourceChanged;
    case Failure::WorkingFolderUnusable:
        return Reason::WorkingFolderNotWritable;
    case Failure::RecordingUnreadable:
        return Reason::RecordingGone;
    default:
        return Reason::Unsupported;
    }
}

QString ConversionFailure::messageKey(Reason reason)
{
    switch (reason) {
    case Reason::Damaged:
        return u"녹화 파일이 손상되어 재생할 수 없습니다."_s;
    case Reason::FrontUnreadable:
        return u"앞 카메라 파일을 읽을 수 없습니다."_s;
    case Reason::SourceChanged:
        return u"변환하는 동안 녹화 파일이 바뀌었습니다."_s;
    case Reason::WorkingFolderFull:
        return u"작업 폴더에 남은 공간이 없습니다."_s;
    case Reason::WorkingFolderNotWritable:
        return u"작업 폴더에 쓸 수 없습니다."_s;
    case Reason::RecordingGone:
        return u"녹화 파일이 더 이상 메모리카드에 없습니다."_s;
    case Reason::FolderGone:
        return u"메모리카드 폴더가 제거되었거나 연결이 해제되었습니다."_s;
    case Reason::PermissionDenied:
        return u"녹화 파일을 읽을 권한이 없습니다."_s;
    case Reason::CutShort:
        return u"녹화가 도중에 끊긴 파일입니다. 남아 있는 부분만 재생합니다."_s;
    case Reason::Unsupported:
        break;
    }
    return u"지원하지 않는 형식으로 인코딩된 동영상입니다."_s;
}

bool ConversionFailure::concernsWorkingFolder(Reason reason)
{
    return reason == Reason::WorkingFolderFull || reason == Reason::WorkingFolderNotWritable;
}

QString ConversionFailure::messageKeyFor(VideoConverter::Failure failure, const QString &recording,
                                         const QString &workingDirectory)
{
    return messageKey(classify(failure, recording, workingDirectory));
}
