#include "VexoClipData.h"

#include "AviSensorReader.h"
#include "QB62RecordingReader.h"
#include "QB62SrtReader.h"
#include "SensorArithmetic.h"
#include "TailBlockReader.h"
#include "core/TextNumbers.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

VexoClipData::VexoClipData()
{
    m_fixTime.fill(NmeaTime::kNoTime);
}

void VexoClipData::clear()
{
    m_clipDataCount = 0;
    m_gpsDataCount = 0;
    m_gx.fill(0);
    m_gy.fill(0);
    m_gz.fill(0);
    m_gpsInfoLat.fill(0.0f);
    m_gpsInfoLng.fill(0.0f);
    m_gpsSpeed.fill(0);
    m_fixTime.fill(NmeaTime::kNoTime);
}

void VexoClipData::loadVideoFileCilpDataFromFilePath(const QString &path)
{
    clear();
    int count = 0;
    // Companion subtitle files are recognised by their extension alone, exactly as written.
    if (QFileInfo(path).suffix() == u"srt"_s) {
        count = getQB62AllDataFromSrtFile(path);
    } else {
        count = getQB62AllDataFromFile(path);
        if (count == 0) {
            count = getAllDataFromFileTail(path);
        }
        if (count == 0) {
            count = AviSensorReader::readFile(path, *this, AviSensorReader::Family::Standard);
        }
    }
    m_clipDataCount = quint32(count);
}

void VexoClipData::loadVideoFileCilpDataFromFilePath_KRV(const QString &path)
{
    clear();
    m_clipDataCount = quint32(AviSensorReader::readFile(path, *this, AviSensorReader::Family::KRV));
}

bool VexoClipData::isValidIndex(int index) const
{
    return index <= kCapacity - 1 && quint32(index) < m_clipDataCount;
}

qint16 VexoClipData::getGx(int index) const
{
    return isValidIndex(index) ? m_gx[std::size_t(index)] : kNoAcceleration;
}

qint16 VexoClipData::getGy(int index) const
{
    return isValidIndex(index) ? m_gy[std::size_t(index)] : kNoAcceleration;
}

qint16 VexoClipData::getGz(int index) const
{
    return isValidIndex(index) ? m_gz[std::size_t(index)] : kNoAcceleration;
}

float VexoClipData::getGpsLat(int index) const
{
    return isValidIndex(index) ? m_gpsInfoLat[std::size_t(index)] : kNoCoordinate;
}

float VexoClipData::getGpsLng(int index) const
{
    return isValidIndex(index) ? m_gpsInfoLng[std::size_t(index)] : kNoCoordinate;
}

quint32 VexoClipData::getGpsSpeed(int index) const
{
    return isValidIndex(index) ? m_gpsSpeed[std::size_t(index)] : kNoSpeed;
}

qint64 VexoClipData::getFixTime(int index) const
{
    return isValidIndex(index) ? m_fixTime[std::size_t(index)] : NmeaTime::kNoTime;
}

void VexoClipData::getClipDataWithIndex(int index, int *x, int *y, int *z, float *lat, float *lng, quint32 *speed) const
{
    if (x) {
        *x = getGx(index);
    }
    if (y) {
        *y = getGy(index);
    }
    if (z) {
        *z = getGz(index);
    }
    if (lat) {
        *lat = getGpsLat(index);
    }
    if (lng) {
        *lng = getGpsLng(index);
    }
    if (speed) {
        *speed = getGpsSpeed(index);
    }
}

quint32 VexoClipData::cal_string(QStringView coordinate)
{
    const qsizetype dot = coordinate.indexOf(u'.');
    // Two digits of minutes must stand before the ".", and degrees (possibly none) before them.
    if (dot < 2) {
        return 0;
    }
    const int degrees = TextNumbers::leadingInt(coordinate.first(dot - 2));
    const float minutes = TextNumbers::leadingFloat(coordinate.sliced(dot - 2));
    const float millionths = (float(degrees) + minutes / 60.0f) * 1000000.0f;
    return SensorArithmetic::low32(SensorArithmetic::truncToInt64(double(millionths)));
}

void VexoClipData::setSample(int index, qint16 x, qint16 y, qint16 z, float lat, float lng, quint32 speed)
{
    if (index < 0 || index >= kCapacity) {
        return;
    }
    const auto i = std::size_t(index);
    m_gx[i] = x;
    m_gy[i] = y;
    m_gz[i] = z;
    m_gpsInfoLat[i] = lat;
    m_gpsInfoLng[i] = lng;
    m_fixTime[i] = NmeaTime::kNoTime;
    m_gpsSpeed[i] = speed;
}

void VexoClipData::setFixTime(int index, qint64 utcMsecs)
{
    if (index >= 0 && index < kCapacity) {
        m_fixTime[std::size_t(index)] = utcMsecs;
    }
}

int VexoClipData::getQB62AllDataFromFile(const QString &path)
{
    return QB62RecordingReader::readFile(path, *this);
}

int VexoClipData::getQB62AllDataFromSrtFile(const QString &path)
{
    return QB62SrtReader::readFile(path, *this);
}

int VexoClipData::getAllDataFromFileTail(const QString &path)
{
    return TailBlockReader::readFile(path, *this);
}

int VexoClipData::getAllDataFromFile(const char *path)
{
    return path ? AviSensorReader::readFile(QString::fromUtf8(path), *this, AviSensorReader::Family::Standard) : 0;
}

int VexoClipData::getAllDataFromFile_KRV(const char *path)
{
    return path ? AviSensorReader::readFile(QString::fromUtf8(path), *this, AviSensorReader::Family::KRV) : 0;
}
