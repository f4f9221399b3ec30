#include "ConversionCheck.h"

#include "FfmpegProgress.h"
#include "core/ByteOrder.h"
#include "core/LocalPath.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

ConversionCheck::Report ConversionCheck::read(const QString &ffmpegReport)
{
    Report report;
    // Only the first input's streams: "Stream #0:1(und): Audio: …", "Stream #0:0: Video: …".
    static const QRegularExpression stream(uR"(^\s*Stream #0:\d+\S*: (Video|Audio|Subtitle):)"_s,
                                           QRegularExpression::MultilineOption);
    for (auto it = stream.globalMatch(ffmpegReport); it.hasNext();) {
        const QString kind = it.next().captured(1);
        if (kind == u"Video") {
            ++report.video;
        } else if (kind == u"Audio") {
            ++report.audio;
        } else {
            ++report.subtitle;
        }
    }
    report.durationUs = FfmpegProgress::durationUs(ffmpegReport);
    return report;
}

ConversionCheck::Input ConversionCheck::readInput(const QString &ffmpegReport)
{
    // "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '…':" comes only once the container was read.
    static const QRegularExpression input(uR"(^Input #0, )"_s, QRegularExpression::MultilineOption);
    static const QRegularExpression video(uR"(^\s*Stream #0:\d+\S*: Video: (\w+))"_s,
                                          QRegularExpression::MultilineOption);
    return {input.match(ffmpegReport).hasMatch(), video.match(ffmpegReport).captured(1)};
}

qint64 ConversionCheck::durationToleranceUs(qint64 sourceUs)
{
    return std::max<qint64>(1'000'000, sourceUs / 20);
}

bool ConversionCheck::movieIsComplete(const Report &source, const Report &output)
{
    if (output.video < 1 || (source.audio > 0 && output.audio < 1)) {
        return false;
    }
    if (source.durationUs <= 0) {
        return true; // nothing to measure against
    }
    return output.durationUs >= 0 && output.durationUs >= source.durationUs - durationToleranceUs(source.durationUs);
}

bool ConversionCheck::subtitlesAreComplete(const Report &source, const Report &output)
{
    return source.subtitle < 1 || output.subtitle >= 1;
}

bool ConversionCheck::movieHoldsPartOf(const Report &source, const Report &output)
{
    return output.video >= 1 && (source.audio < 1 || output.audio >= 1) && output.durationUs > 0;
}

bool ConversionCheck::boxesRunPastTheEnd(QIODevice &device)
{
    const qint64 size = device.size();
    qint64 at = 0;
    for (int i = 0; i < MaxTopLevelBoxes && size - at >= 8; ++i) {
        if (!device.seek(at)) {
            return false;
        }
        const QByteArray header = device.read(16);
        if (header.size() < 8) {
            return false;
        }
        quint64 length = ByteOrder::be32(header, 0);
        if (length == 1) {
            if (header.size() < 16) {
                return true; // the large size itself is cut off
            }
            length = ByteOrder::be64(header, 8);
        } else if (length == 0) {
            return false; // runs to the end of the file, wherever that is
        }
        if (length < 8) {
            return false; // not a box: not ours to call cut short
        }
        if (length > quint64(size - at)) {
            return true;
        }
        at += qint64(length);
    }
    return false;
}

bool ConversionCheck::mp4EndsEarly(const QString &path)
{
    if (QFileInfo(path).suffix().toLower() != u"mp4") {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && boxesRunPastTheEnd(file);
}

bool ConversionCheck::showsWriteError(const QString &log)
{
    static const QRegularExpression failedWrite(u"No space left on device|Disk quota exceeded|Input/output error|"
                                                u"Read-only file system|Error writing trailer|"
                                                u"av_interleaved_write_frame\\(\\)|Error submitting a packet to the "
                                                u"muxer|Error closing file"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    return failedWrite.match(log).hasMatch();
}

namespace {
// Reads up to COUNT bytes at OFFSET of the open file FD.
QByteArray bytesAt(int fd, qint64 offset, qint64 count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(count - done), off_t(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}
} // namespace

QByteArray ConversionCheck::sourceKey(const QString &path)
{
    const QByteArray bytes = LocalPath::encode(path);
    // Opened as itself: a link is not a recording, and a pipe never blocks the key.
    const int fd = ::open(bytes.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat status;
    QByteArray key;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const qint64 size = status.st_size;
        QCryptographicHash digest(QCryptographicHash::Sha256);
        digest.addData(bytesAt(fd, 0, std::min(size, SampledBytes)));
        digest.addData(bytesAt(fd, std::max<qint64>(0, size - SampledBytes), std::min(size, SampledBytes)));
        key = bytes + '\n' + QByteArray::number(size) + '\n' + QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' +
              QByteArray::number(qint64(status.st_mtim.tv_nsec)) + '\n' + digest.result().toHex();
    }
    ::close(fd);
    return key;
}
