#include "PlaybackStopCause.h"

#include "core/RegularFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Whether the file has no data at all: every byte a hole, as a file reserved in advance and never
// written leaves it on a file system that keeps holes.
bool holdsNoData(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    const off_t data = ::lseek(fd, 0, SEEK_DATA);
    const bool none = data < 0 && errno == ENXIO;
    ::close(fd);
    return none;
}

// Reads LENGTH bytes from OFFSET in chunks; false at the first read error.
bool readsBack(QFile &file, qint64 offset, qint64 length)
{
    if (!file.seek(offset)) {
        return false;
    }
    constexpr qint64 Chunk = 256 * 1024;
    QByteArray buffer(Chunk, Qt::Uninitialized);
    for (qint64 left = length; left > 0;) {
        const qint64 got = file.read(buffer.data(), std::min(left, Chunk));
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        left -= got;
    }
    return true;
}

bool allZero(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char byte) { return byte == 0; });
}

// Up to HeadBytes from OFFSET; an unreadable part counts as not zero (the read check says more).
QByteArray readAt(QFile &file, qint64 offset)
{
    if (!file.seek(std::max<qint64>(0, offset))) {
        return QByteArrayLiteral("\1");
    }
    const QByteArray bytes = file.read(PlaybackStopCause::HeadBytes);
    return file.error() == QFileDevice::NoError ? bytes : QByteArrayLiteral("\1");
}

double clampedFraction(double fraction)
{
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
}
} // namespace

PlaybackStopCause::Cause PlaybackStopCause::classify(const Findings &findings)
{
    if (!findings.fileExists) {
        return findings.folderExists ? Cause::RecordingGone : Cause::CardRemoved;
    }
    if (!findings.readable) {
        return Cause::CardUnreadable;
    }
    return findings.empty ? Cause::Empty : Cause::Damaged;
}

PlaybackStopCause::Findings PlaybackStopCause::inspect(const QString &path, double fromFraction, double toFraction)
{
    Findings findings;
    const QFileInfo info(path);
    findings.fileExists = info.exists();
    findings.folderExists = info.dir().exists();
    if (!findings.fileExists || !RegularFileReader::isRegularFile(path)) {
        return findings;
    }
    const qint64 size = info.size();
    QString error;
    const std::optional<QByteArray> head = RegularFileReader::readHead(path, HeadBytes, nullptr, &error);
    if (!head) {
        findings.readable = false;
        return findings;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        findings.readable = false;
        return findings;
    }
    // Zeros at its start, middle and end: a file reserved in advance and never written into (a
    // damaged header alone leaves the rest of the recording in place).
    findings.empty = size == 0 || holdsNoData(path) ||
                     (allZero(*head) && allZero(readAt(file, size / 2)) && allZero(readAt(file, size - HeadBytes)));
    if (findings.empty) {
        return findings;
    }
    const double from = clampedFraction(std::min(fromFraction, toFraction));
    const double to = clampedFraction(std::max(fromFraction, toFraction));
    const qint64 start = std::min(qint64(from * double(size)), size);
    const qint64 length = std::min<qint64>(qint64((to - from) * double(size)) + HeadBytes, ReadLimit);
    findings.readable = readsBack(file, start, length);
    return findings;
}

QString PlaybackStopCause::titleKey(Cause cause)
{
    switch (cause) {
    case Cause::Damaged:
        return u"손상된 녹화 파일"_s;
    case Cause::Empty:
        return u"빈 녹화 파일"_s;
    case Cause::CardUnreadable:
    case Cause::RecordingGone:
    case Cause::CardRemoved:
        break;
    }
    return u"메모리카드 오류"_s;
}

QString PlaybackStopCause::stoppedMessageKey(Cause cause)
{
    switch (cause) {
    case Cause::Damaged:
        return u"녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다."_s;
    case Cause::CardUnreadable:
        return u"이 지점부터 메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다."_s;
    case Cause::Empty:
    case Cause::RecordingGone:
    case Cause::CardRemoved:
        break;
    }
    return failedMessageKey(cause);
}

QString PlaybackStopCause::failedMessageKey(Cause cause)
{
    switch (cause) {
    case Cause::Damaged:
        return u"녹화 파일이 손상되어 재생할 수 없습니다."_s;
    case Cause::CardUnreadable:
        return u"메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다."_s;
    case Cause::RecordingGone:
        return u"녹화 파일이 더 이상 메모리카드에 없습니다."_s;
    case Cause::CardRemoved:
        return u"메모리카드 폴더가 제거되었거나 연결이 해제되었습니다."_s;
    case Cause::Empty:
        break;
    }
    return u"녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다."_s;
}
