#pragma once

#include <QMetaType>
#include <QtGlobal>

class SubtitleData;
class VexoClipData;

// What one tick of the play timer shows for play time t: the sample it reads and which readouts,
// meter and map it refreshes. Readouts refresh at most about three times a second and the map
// once a second of play time; the timer itself runs 33 times a second. No widgets and no timers
// here, so the rules can be driven with made-up times and tracks.
class PlaybackTicker
{
public:
    // The single-precision 0.3 the readouts' rhythm has always used: 0.30000001192092896.
    static constexpr double SensorInterval = double(0.3f);
    static constexpr double MapInterval = 1.0;

    enum class MapAction
    {
        None,
        Move,        // updateMapWithLat:lng: with the sample's position
        ShowAndMove, // a derived position while the map was hidden: uncover, show and move
        Cover,       // no position: cover the map
    };

    struct Tick
    {
        qint32 sampleIndex = 0;
        // All readouts (accelerations, position) and the speed meter.
        bool updateSensorInfo = false;
        // Only the three acceleration readouts.
        bool updateAcceleration = false;
        // Only the latitude and longitude readouts.
        bool updatePosition = false;
        float gx = 0.0f;
        float gy = 0.0f;
        float gz = 0.0f;
        float lat = 0.0f;
        float lng = 0.0f;
        // The speed meter's new value, when it gets one.
        bool updateSpeed = false;
        quint32 speed = 0;
        MapAction map = MapAction::None;
    };

    // Sample index of play time T: ten samples a second, truncated toward zero.
    static qint32 sampleIndex(double seconds);
    // Raw acceleration counts in g: 128 counts are 1 g.
    static float accelerationDisplayValue(qint32 raw);

    // The tracks of the current recording; with a subtitle track, it is the source of every value.
    void setTrack(const VexoClipData *clipData, const SubtitleData *subtitleData);
    // After a seek (or a new recording) the next tick refreshes everything at once.
    void resetThrottles();

    // MAPVISIBLE: whether the map is shown now (derived positions only uncover a hidden map).
    Tick tick(double seconds, bool mapVisible);

    double lastUpdatedSensorInfoTime() const { return m_lastUpdatedSensorInfoTime; }
    double lastUpdatedMapTime() const { return m_lastUpdatedMapTime; }

private:
    Tick tickFromTrack(double seconds, Tick result);
    Tick tickFromSubtitles(double seconds, bool mapVisible, Tick result);

    const VexoClipData *m_clipData = nullptr;
    const SubtitleData *m_subtitleData = nullptr;
    double m_lastUpdatedSensorInfoTime = 0.0;
    double m_lastUpdatedMapTime = 0.0;
};

Q_DECLARE_METATYPE(PlaybackTicker::Tick)
