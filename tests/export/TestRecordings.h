#pragma once

#include "export/FfmpegRunner.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Small real recordings made by ffmpeg at test time: two seconds of test pictures at a few frames
// a second, so a test converts them in a fraction of a second. Each camera gets its own picture
// size, so a converted file shows which camera it came from.
namespace TestRecordings {
inline constexpr const char *FrontSize = "160x96";
inline constexpr const char *RearSize = "128x72";

inline QString ffmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

inline bool make(const QStringList &arguments)
{
    QStringList all{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-threads"), QStringLiteral("2")};
    all << arguments;
    const FfmpegRunner::Result result = FfmpegRunner::runProgram(ffmpeg(), all);
    return result.succeeded();
}

inline QStringList picture(const char *size)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc=duration=2:rate=10:size=") + QString::fromLatin1(size)};
}

inline QStringList sound()
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=duration=2:sample_rate=8000")};
}

inline QStringList h264()
{
    return {QStringLiteral("-c:v"),      QStringLiteral("libx264"),  QStringLiteral("-preset"),
            QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")};
}

// An AVI with the front picture (and the rear one when REAR) and, when AUDIO, one sound stream
// after the pictures. TAG replaces the picture code of the stream headers ("avc1").
inline bool avi(const QString &path, bool rear, bool audio, const QString &tag = {})
{
    QStringList arguments = picture(FrontSize);
    if (rear) {
        arguments << picture(RearSize);
    }
    if (audio) {
        arguments << sound();
    }
    const int inputs = 1 + (rear ? 1 : 0) + (audio ? 1 : 0);
    for (int i = 0; i < inputs; ++i) {
        arguments << QStringLiteral("-map") << QString::number(i);
    }
    arguments << h264();
    if (!tag.isEmpty()) {
        arguments << QStringLiteral("-vtag") << tag;
    }
    arguments << QStringLiteral("-c:a") << QStringLiteral("pcm_s16le") << QStringLiteral("-y") << path;
    return make(arguments);
}

// An MP4 of one camera with sound and, when SUBTITLES is given, a subtitle stream made from that
// subtitle file. With HEVC the picture is HEVC.
inline bool mp4(const QString &path, const char *size, const QString &subtitles = {}, bool hevc = false)
{
    QStringList arguments = picture(size);
    arguments << sound();
    if (!subtitles.isEmpty()) {
        arguments << QStringLiteral("-i") << subtitles;
    }
    arguments << QStringLiteral("-map") << QStringLiteral("0") << QStringLiteral("-map") << QStringLiteral("1");
    if (!subtitles.isEmpty()) {
        arguments << QStringLiteral("-map") << QStringLiteral("2") << QStringLiteral("-c:s")
                  << QStringLiteral("mov_text");
    }
    if (hevc) {
        arguments << QStringLiteral("-c:v") << QStringLiteral("libx265") << QStringLiteral("-preset")
                  << QStringLiteral("ultrafast") << QStringLiteral("-x265-params") << QStringLiteral("log-level=error")
                  << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    } else {
        arguments << h264();
    }
    arguments << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-y") << path;
    return make(arguments);
}

using TestFiles::writeFile;
inline QByteArray readFile(const QString &path)
{
    return TestFiles::readAll(path);
}
} // namespace TestRecordings
