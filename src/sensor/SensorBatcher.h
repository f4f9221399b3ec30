#pragma once

#include "NmeaTime.h"

#include <QStringView>

#include <array>
#include <vector>

class SensorTrack;

// Turns the cameras' free-running acceleration records and their once-a-second position records
// into the track's ten samples per second. Every reader that batches (all but the tail block) goes
// through this one class, so the sample choice is the same whatever the file format:
// acceleration records wait in a pending list; a position record turns whatever is pending into
// exactly ten track samples that all carry that position.
class SensorBatcher
{
public:
    struct Acceleration
    {
        qint16 x = 0;
        qint16 y = 0;
        qint16 z = 0;
    };

    // A position as the records give it: millionths of a degree, the hemisphere letters (the
    // first character of their fields, 0 for an empty field) and the speed in km/h. The default is
    // "no fix": (0, 0), "N", "E", speed 0. FIX_TIME is the record's own UTC date and time
    // (NmeaTime), which the ten samples of its second carry a tenth of a second apart.
    struct Position
    {
        quint32 latMillionths = 0;
        char16_t latHemisphere = u'N';
        quint32 lngMillionths = 0;
        char16_t lngHemisphere = u'E';
        quint32 speedKmh = 0;
        qint64 fixTime = NmeaTime::kNoTime;
    };

    // PENDING_LIMIT: how many acceleration records may wait for the next position record; later
    // ones are dropped until it arrives (at most kMaxPending). CAPACITY: the most track samples
    // stored, the capacity of the track they are committed to.
    SensorBatcher(int pendingLimit, int capacity);

    static constexpr int kMaxPending = 650;

    // Appends one pending sample; false when the pending list is full and the sample was dropped.
    bool appendPending(const Acceleration &sample);
    // Appends a copy of the last pending sample (the subtitle files' filler record); false when
    // nothing is pending or the list is full.
    bool repeatLastPending();
    qsizetype pendingCount() const { return m_pendingCount; }

    // A position record: remembers POSITION as the current one, then turns the pending samples into
    // ten track samples at that position (nothing when none is pending).
    void positionRecord(const Position &position);
    // Turns the pending samples into ten track samples at POSITION without changing the current one.
    void flushPending(const Position &position);
    // The samples still pending at the end of the input: ten more at the current position, but
    // without its fix time, which belongs to the second before them.
    void flushPendingAfterLastPosition();
    // Every pending sample becomes one track sample at POSITION, in order (a recording that never
    // had a position record keeps all of its acceleration samples this way).
    void storePendingOneByOne(const Position &position);

    const Position &currentPosition() const { return m_current; }
    void setCurrentPosition(const Position &position) { m_current = position; }
    int storedCount() const { return int(m_stored.size()); }
    bool isFull() const;
    bool positionSeen() const { return m_positionSeen; }

    // The end of the input, as the subtitle and text-record readers finish it: pending samples
    // become ten more samples at the current position when some were stored before; when none
    // was stored and no position record was ever seen, each becomes one sample without a fix.
    void finishAfterRecords();

    // Writes the stored samples into TRACK from index 0, with positions converted to signed
    // degrees and the fix times of their seconds (sample k of a batch at the record's time plus
    // k tenths of a second), sets its gpsDataCount and returns the number of samples. With none stored the arrays
    // are left as they are and gpsDataCount becomes 0.
    int commit(SensorTrack &track) const;

    // A position record's fields: status "A" gives the fix from the coordinate fields (NMEA
    // ddmm.mmmm), their hemisphere letters and the speed in knots; any other status gives no fix.
    static Position positionFromFields(QStringView status, QStringView latitude, QStringView latHemisphere,
                                       QStringView longitude, QStringView lngHemisphere, QStringView knots);
    // Knots to whole km/h, rounded half up.
    static quint32 kmhFromKnots(float knots);
    // Which pending sample feeds each of the ten track samples of a batch of N pending ones; the
    // result holds fewer than ten entries only when N is 0.
    static int batchSources(int n, std::array<int, 10> &sources);

private:
    void store(const Acceleration &sample, const Position &position, int slot);

    struct Stored
    {
        Acceleration acceleration;
        Position position;
        // The sample's place among the ten of its batch.
        int slot = 0;
    };

    std::array<Acceleration, kMaxPending> m_pending{};
    // Grows as samples are stored, so a long track costs only what it holds.
    std::vector<Stored> m_stored;
    int m_pendingLimit;
    int m_capacity;
    int m_pendingCount = 0;
    Position m_current;
    bool m_positionSeen = false;
};
