#pragma once

#include <QList>
#include <QRegularExpressionMatch>
#include <QStringView>

// One timed entry of a recording's subtitle file: its start time and the acceleration, position
// and speed of its records. A new entry has no data: acceleration -512 on each axis, position
// (512, 512) and speed 1024, the values the instruments take as "nothing to show".
class SubtitleEntry
{
public:
    using Fields = QList<QStringView>;

    static constexpr int kNoAcceleration = -512;
    static constexpr float kNoCoordinate = 512.0f;
    static constexpr quint32 kNoSpeed = 1024;

    SubtitleEntry() = default;
    explicit SubtitleEntry(qint32 cts) : m_cts(cts) {}

    // An entry starting at the time of MATCH, a match of the timing-line pattern (minutes in group
    // 1, seconds with their fraction after "," in group 2; the hours are not used). LINE is the
    // line it was found in.
    static SubtitleEntry entryWithTime(const QRegularExpressionMatch &match, QStringView line);
    // Milliseconds for a timing line's minutes and "ss,fff" seconds, in single precision as the
    // camera's players have always computed them (16.3 s is 16299 ms).
    static qint32 millisecondsFrom(QStringView minutes, QStringView seconds);

    // Fill the entry from a "gsensor", "gsensori" or "GPRMC"/"GNRMC" record; a record with fewer
    // fields than it uses changes nothing.
    void parseSensor(const Fields &fields);
    void parseSensorI(const Fields &fields);
    void parseGprmc(const Fields &fields);

    // Signed decimal degrees for an NMEA coordinate (ddmm.mmmm) and its hemisphere letter; 0 when
    // the coordinate has fewer than two characters or the letter is missing.
    static float degree(QStringView value, QStringView compass);

    qint32 cts() const { return m_cts; }
    void setCts(qint32 cts) { m_cts = cts; }
    qint32 gx() const { return m_gx; }
    qint32 gy() const { return m_gy; }
    qint32 gz() const { return m_gz; }
    // The acceleration setters keep their value within -512 to 512 (±4 g).
    void setGx(qint32 value);
    void setGy(qint32 value);
    void setGz(qint32 value);
    float lat() const { return m_lat; }
    void setLat(float lat) { m_lat = lat; }
    float lng() const { return m_lng; }
    void setLng(float lng) { m_lng = lng; }
    quint32 speed() const { return m_speed; }
    void setSpeed(quint32 speed) { m_speed = speed; }

private:
    qint32 m_cts = 0;
    qint32 m_gx = kNoAcceleration;
    qint32 m_gy = kNoAcceleration;
    qint32 m_gz = kNoAcceleration;
    float m_lat = kNoCoordinate;
    float m_lng = kNoCoordinate;
    quint32 m_speed = kNoSpeed;
};
