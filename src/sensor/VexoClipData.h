#pragma once

#include "NmeaTime.h"
#include "SensorTrack.h"

#include <QString>
#include <QStringView>

#include <array>

// The sensor track of the recording being played: at most 650 samples, ten per second, of
// three-axis acceleration (signed counts, 128 counts = 1 g), position (signed decimal degrees,
// (0, 0) = no fix) and speed (whole km/h). The readers of the cameras' formats fill it; the
// playback clock, the acceleration graph and the map read it by sample index. It is a fixed block
// of arrays, reloaded in place for every recording, so reading a sample never allocates.
class VexoClipData : public SensorTrack
{
public:
    static constexpr int kCapacity = 650;
    // What every getter returns for an index outside the track: consumers take these as "no data".
    static constexpr qint16 kNoAcceleration = -512;
    static constexpr float kNoCoordinate = 512.0f;
    static constexpr quint32 kNoSpeed = 1024;

    VexoClipData();

    int capacity() const override { return kCapacity; }

    // Loads the track of a recording, or of a companion subtitle file (extension "srt"), with the
    // first reader that recognises it; an unrecognised or unreadable file leaves the track empty.
    void loadVideoFileCilpDataFromFilePath(const QString &path);
    // Loads the track of a recording of the KRV camera family with that family's reader alone.
    void loadVideoFileCilpDataFromFilePath_KRV(const QString &path);

    qint16 getGx(int index) const;
    qint16 getGy(int index) const;
    qint16 getGz(int index) const;
    float getGpsLat(int index) const;
    float getGpsLng(int index) const;
    quint32 getGpsSpeed(int index) const;
    // All six values of one sample; for an index outside the track the out-of-range values.
    void getClipDataWithIndex(int index, int *x, int *y, int *z, float *lat, float *lng, quint32 *speed) const;

    // The UTC time of a sample as its position record states it, in milliseconds since
    // 1970-01-01T00:00:00Z: the exports date their points with it, playback never reads it. It is
    // kept beside the six arrays above, which it never changes. NmeaTime::kNoTime where the
    // recording gives no date and time for the sample, and for an index outside the track.
    qint64 getFixTime(int index) const;

    quint32 clipDataCount() const { return m_clipDataCount; }
    void setClipDataCount(quint32 count) override { m_clipDataCount = count; }
    quint32 gpsDataCount() const { return m_gpsDataCount; }
    void setGpsDataCount(quint32 count) override { m_gpsDataCount = count; }

    // Millionths of a degree for an NMEA coordinate field (ddmm.mmmm or dddmm.mmmm); 0 when the
    // field has no "." or fewer than two characters before it.
    static quint32 cal_string(QStringView coordinate);

    // The readers. Each fills the arrays from index 0, sets gpsDataCount and returns the number of
    // samples stored (0 to 650); 0 means "not this format, or no data", and then nothing in the
    // arrays was changed. The caller sets clipDataCount from the result.
    int getQB62AllDataFromFile(const QString &path);
    int getQB62AllDataFromSrtFile(const QString &path);
    int getAllDataFromFileTail(const QString &path);
    // These two take the path as NUL-terminated UTF-8 bytes.
    int getAllDataFromFile(const char *path);
    int getAllDataFromFile_KRV(const char *path);

    // Stores one sample at INDEX (0 to 649); the readers' one way into the arrays. The sample has
    // no fix time until setFixTime gives it one.
    void setSample(int index, qint16 x, qint16 y, qint16 z, float lat, float lng, quint32 speed) override;
    void setFixTime(int index, qint64 utcMsecs) override;
    // Empties the track: both counters 0 and every array zero-filled.
    void clear() override;

private:
    bool isValidIndex(int index) const;

    std::array<qint16, kCapacity> m_gx{};
    std::array<qint16, kCapacity> m_gy{};
    std::array<qint16, kCapacity> m_gz{};
    std::array<float, kCapacity> m_gpsInfoLat{};
    std::array<float, kCapacity> m_gpsInfoLng{};
    std::array<quint32, kCapacity> m_gpsSpeed{};
    std::array<qint64, kCapacity> m_fixTime{};
    quint32 m_clipDataCount = 0;
    quint32 m_gpsDataCount = 0;
};
