#include "Utils.h"

#include "FfmpegRunner.h"
#include "WorkingFolderClaim.h"
#include "core/TextNumbers.h"

#include "platform/SystemVolumes.h"
#include "platform/VolumeSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {
int countMatches(const QString &info, const QString &pattern)
{
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    if (!expression.isValid()) {
        return 0;
    }
    int count = 0;
    for (auto it = expression.globalMatch(info); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

// BYTES starts with NAME, ignoring the case of ASCII letters; a NAME longer than BYTES never does.
bool startsWithName(const QByteArray &bytes, QByteArrayView name)
{
    return bytes.size() >= name.size() && bytes.first(name.size()).compare(name, Qt::CaseInsensitive) == 0;
}

QByteArray bytesAt(QFile &file, qint64 offset, qint64 count)
{
    if (!file.seek(offset)) {
        return {};
    }
    return file.read(count);
}

} // namespace

QString Utils::WorkingDirectoryLocation()
{
    QString name = QCoreApplication::applicationName();
    name.remove(u' ');
    if (name.isEmpty()) {
        name = u"Velmora"_s;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' + name;
}

namespace {

// Where the extension of PATH's last component starts (its dot), or -1 when it has none. A name
// that only starts with a dot (".hidden") has no extension.
qsizetype extensionDot(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash + 1 ? dot : -1;
}
} // namespace

const Utils &Utils::sharedUtils()
{
    static const Utils utils;
    return utils;
}

QString Utils::GetFFMPEGPath()
{
    const QString fromEnvironment = qEnvironmentVariable(FFMPEGEnvironmentVariable);
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    if (QCoreApplication::instance() != nullptr) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(u"ffmpeg"_s));
        if (beside.isFile() && beside.isExecutable()) {
            return beside.absoluteFilePath();
        }
    }
    return QStandardPaths::findExecutable(u"ffmpeg"_s);
}

QString Utils::DoTaskWithLaunchPath(const QString &launchPath, const QStringList &arguments)
{
    return FfmpegRunner::runProgram(launchPath, arguments).output;
}

QString Utils::GetFFMPEGVideoInfo(const QString &path)
{
    return DoTaskWithLaunchPath(GetFFMPEGPath(), {u"-i"_s, path});
}

int Utils::GetVideoStreamCountFromVideoInfo(const QString &info)
{
    return countMatches(info, uR"((Stream #\d{1}:\d{1}(.*?): Video))"_s);
}

int Utils::GetAudioStreamCountFromVideoInfo(const QString &info)
{
    return countMatches(info, uR"((Stream #\d{1}:\d{1}(.*?): Audio))"_s);
}

int Utils::GetVideoStreamCountFromVideoPath(const QString &path)
{
    return GetVideoStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path));
}

int Utils::GetAudioStreamCountFromVideoPath(const QString &path)
{
    return GetAudioStreamCountFromVideoInfo(GetFFMPEGVideoInfo(path));
}

bool Utils::ConvertAviToMovWithArguments(const QStringList &arguments)
{
    return FfmpegRunner::runProgram(GetFFMPEGPath(), arguments).succeeded();
}

bool Utils::ExtractMP4ToSrtWithArguments(const QStringList &arguments)
{
    return FfmpegRunner::runProgram(GetFFMPEGPath(), arguments).succeeded();
}

int Utils::GetAviType(const QString &path)
{
    // In an AVI with the usual header layout, offset 112 is the codec code of the first stream
    // header; in an MP4, offset 16 starts the compatible brands of the file-type box.
    static constexpr QByteArrayView names[] = {"H264", "AVC1", "iso4hvc1"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return AviTypeOther;
    }
    for (const qint64 offset : {112, 16}) {
        const QByteArray text = bytesAt(file, offset, 16);
        for (int type = 0; type < 3; ++type) {
            if (startsWithName(text, names[type])) {
                return type;
            }
        }
    }
    return AviTypeOther;
}

QString Utils::GetWorkingDirectoryPath()
{
    WorkingFolderClaim &claim = WorkingFolderClaim::SharedWorkingFolderClaim();
    claim.relocate(WorkingDirectoryLocation());
    return claim.path();
}

void Utils::RemoveWorkingDirectory()
{
    WorkingFolderClaim::SharedWorkingFolderClaim().remove();
}

bool Utils::RemoveDirectory(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        return QDir(path).removeRecursively();
    }
    return QFile::remove(path);
}

bool Utils::EnableFileExcutableMode(const QString &path)
{
    // World-writable program files would let any local user replace what we run.
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::ExeOther);
}

QString Utils::removeFileExtensionFromFilePath(const QString &path)
{
    if (path.isNull()) {
        return {};
    }
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? path : path.first(dot);
}

QString Utils::replaceFileExtensionFromFilePath(const QString &path, const QString &extension)
{
    if (path.isNull()) {
        return {};
    }
    return removeFileExtensionFromFilePath(path) + u'.' + extension;
}

bool Utils::CheckError(const QString &error)
{
    return error.isEmpty();
}

void Utils::GetOSVersion(int *major, int *minor, int *bugfix)
{
    const QStringList parts = QSysInfo::productVersion().split(u'.');
    int *const numbers[] = {major, minor, bugfix};
    for (qsizetype i = 0; i < 3 && i < parts.size(); ++i) {
        if (numbers[i] != nullptr) {
            *numbers[i] = TextNumbers::leadingInt(parts.at(i));
        }
    }
}

qsizetype Utils::GetCurrentScreen(const QRect &window, const QList<QRect> &screens)
{
    const double centre = window.x() + window.width() / 2.0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect &screen = screens.at(i);
        if (centre >= screen.x() && centre < screen.x() + screen.width()) {
            return i;
        }
    }
    return -1;
}

bool Utils::CheckPointInFrame(const QPointF &point, const QRectF &frame)
{
    return point.x() >= frame.left() && point.x() < frame.left() + frame.width() && point.y() >= frame.top() &&
           point.y() < frame.top() + frame.height();
}

bool Utils::isEXteranlMemoryWithURL(const QUrl &url)
{
    return isEXteranlMemoryWithURL(url, *SystemVolumes::system());
}

bool Utils::isEXteranlMemoryWithURL(const QUrl &url, const VolumeSource &volumes)
{
    if (url.isEmpty() || !url.isLocalFile()) {
        return false;
    }
    return volumes.isExternalMemory(url.toLocalFile());
}
