#include "ConversionCheck.h"

#include "FfmpegProgress.h"
#include "core/LocalPath.h"

#include <QRegularExpression>

#include <sys/stat.h>

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

bool ConversionCheck::showsWriteError(const QString &log)
{
    static const QRegularExpression failedWrite(u"No space left on device|Disk quota exceeded|Input/output error|"
                                                u"Read-only file system|Error writing trailer|"
                                                u"av_interleaved_write_frame\\(\\)|Error submitting a packet to the "
                                                u"muxer|Error closing file"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    return failedWrite.match(log).hasMatch();
}

QByteArray ConversionCheck::sourceKey(const QString &path)
{
    const QByteArray bytes = LocalPath::encode(path);
    struct stat status;
    if (::stat(bytes.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {};
    }
    const qsizetype slash = bytes.lastIndexOf('/');
    return bytes.sliced(slash + 1) + '\n' + QByteArray::number(qint64(status.st_size)) + '\n' +
           QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(status.st_mtim.tv_nsec));
}
