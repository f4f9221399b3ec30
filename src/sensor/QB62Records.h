#pragma once

#include "SensorBatcher.h"

#include <QList>
#include <QStringView>

// The comma-separated sensor records of the QB62 camera family, as they appear in AVI text chunks
// and in subtitle files: "gsensor" (raw acceleration), "gsensori" (acceleration with its scale),
// "GPRMC"/"GNRMC" (NMEA position) and, in subtitle files only, "CAR" (a filler sample) and
// "dummy". Both readers feed their records through here into one batcher.
class QB62Records
{
public:
    using Fields = QList<QStringView>;

    // At most this many acceleration records wait for a position record; later ones are dropped.
    static constexpr int kPendingLimit = 650;

    explicit QB62Records(SensorBatcher &batcher) : m_batcher(batcher) {}

    // One record of a recording's text chunk.
    void recordingRecord(const Fields &fields);
    // The fields of one subtitle entry (a record, or an acceleration record and a position record
    // joined by ";").
    void subtitleEntry(const Fields &fields);

    // "gsensor"/"CAR" fields 1 to 3, unscaled, each kept as its low 16 bits; false with fewer than
    // four fields.
    static bool rawSample(const Fields &fields, SensorBatcher::Acceleration &sample);
    // "gsensori" fields 1 to 5: the values times 128 over the quotient of fields 2 and 1, limited to
    // ±512 (±4 g); false (no sample) with fewer than six fields or a zero field 1.
    static bool scaledSample(const Fields &fields, SensorBatcher::Acceleration &sample);
    // The last acceleration field may run into the bytes that follow a record in the recording, so
    // at most its first three characters count.
    static int thirdFieldValue(QStringView field);
    // A position record starting at FIELDS[FIRST] (the tag); false when it has too few fields (six,
    // or eight with status "A").
    static bool position(const Fields &fields, qsizetype first, SensorBatcher::Position &position);

private:
    void positionRecord(const Fields &fields, qsizetype first);

    SensorBatcher &m_batcher;
};
