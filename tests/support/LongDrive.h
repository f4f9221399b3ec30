#pragma once

#include "sensor/AviWriter.h"
#include "sensor/Mp4SubtitleWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Recordings longer than the player's 65 s: three minutes of a drive due north at 20 km/h, ten
// samples a second, in an AVI's text chunks or an MP4's subtitle samples.
namespace LongDrive {
constexpr int kSeconds = 180;

// Second S's position record: due north 0.01 minute of latitude a second (about 18.5 m), dated
// 08:00:00 UTC plus S.
inline QByteArray rmc(int second)
{
    return QStringLiteral("GNRMC,08%1%2.00,A,37%3,N,12658.0000,E,20.0,0,071226,,,A")
        .arg(second / 60, 2, 10, QChar(u'0'))
        .arg(second % 60, 2, 10, QChar(u'0'))
        .arg(10.0 + second * 0.01, 7, 'f', 4, QChar(u'0'))
        .toLatin1();
}

// Three minutes of an AVI's text chunks: ten acceleration records and a position record a second.
inline QByteArray avi()
{
    AviWriter writer;
    writer.beginList("movi");
    for (int second = 0; second < kSeconds; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            writer.textChunk(2, QStringLiteral("gsensor,%1,2,3").arg(second % 100).toLatin1());
        }
        writer.textChunk(2, rmc(second));
    }
    return writer.bytes();
}

// Three minutes of an MP4's subtitle samples from FIRST_SECOND of the drive on, the position
// joined to each second's last one.
inline QByteArray mp4(int firstSecond)
{
    QList<QByteArray> texts;
    for (int second = firstSecond; second < firstSecond + kSeconds; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            texts.append("gsensori,1,128,1,2,3" + (tenth == 9 ? ';' + rmc(second) : QByteArray()));
        }
    }
    return Mp4SubtitleWriter::file(texts, 10, false, kSeconds * 1000);
}
} // namespace LongDrive
