#pragma once

#include "SubtitleEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The subtitle file of an MP4 recording as a list of timed entries, so that the instruments can
// be shown by play time: acceleration at the exact time of an entry, position at an exact time or
// interpolated between the two nearest fixes within a second.
class SubtitleData
{
public:
    enum GpsResult
    {
        GpsExact = 0,
        GpsInterpolated = 1,
        GpsNone = 2
    };

    static SubtitleData fromPath(const QString &path);
    // Replaces the entries with those of the file at PATH (none when it cannot be read).
    void loadFromPath(const QString &path);
    // The same on the file's bytes.
    void loadFromBytes(const QByteArray &bytes);

    // Acceleration at play time INDEX x 100 ms: the first entry starting exactly then. False, with
    // nothing written, when there is none.
    bool getSensorAt(int index, qint32 *x, qint32 *y, qint32 *z) const;
    // Position and speed at play time INDEX x 100 ms: exact (GpsExact), from the nearest fixes
    // within a second (GpsInterpolated), or nothing written (GpsNone).
    int getGpsAt(int index, float *lat, float *lng, quint32 *speed) const;

    const QList<SubtitleEntry> &entries() const { return m_entries; }
    void setEntries(const QList<SubtitleEntry> &entries) { m_entries = entries; }

private:
    QList<SubtitleEntry> m_entries;
};
