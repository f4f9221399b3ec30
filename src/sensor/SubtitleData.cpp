#include "SubtitleData.h"

#include "SensorArithmetic.h"
#include "SensorFile.h"
#include "SensorText.h"

#include <QRegularExpression>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
const QRegularExpression &timingPattern()
{
    static const QRegularExpression pattern(u"\\d{2}:(\\d{2}):(\\d{2}(,\\d+))\\s*-->\\s*([0-9:\\.]+)"_s,
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

const QRegularExpression &emptyLinePattern()
{
    static const QRegularExpression pattern(u"^\\s*$"_s, QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}
} // namespace

SubtitleData SubtitleData::fromPath(const QString &path)
{
    SubtitleData data;
    data.loadFromPath(path);
    return data;
}

void SubtitleData::loadFromPath(const QString &path)
{
    QByteArray bytes;
    if (!SensorFile::readSmallFile(path, bytes)) {
        m_entries.clear();
        return;
    }
    loadFromBytes(bytes);
}

void SubtitleData::loadFromBytes(const QByteArray &bytes)
{
    m_entries.clear();
    QString decoded;
    if (!SensorText::decodeUtf8(bytes, decoded)) {
        return;
    }
    // CR LF is one line break: otherwise every line would be followed by an empty one and each
    // entry would end right after its timing line, losing all of its values.
    const QString text = SensorText::withLfLineEnds(decoded);
    std::optional<SubtitleEntry> current;
    for (const QStringView line : SensorText::splitLines(text)) {
        if (emptyLinePattern().match(line).hasMatch()) {
            if (current) {
                m_entries.append(*current);
                current.reset();
            }
            continue;
        }
        const QRegularExpressionMatch timing = timingPattern().match(line);
        if (timing.hasMatch()) {
            current = SubtitleEntry::entryWithTime(timing, line);
            continue;
        }
        if (!current) {
            continue;
        }
        for (const QStringView part : line.split(u';')) {
            const SubtitleEntry::Fields fields = part.split(u',');
            const QStringView tag = fields.constFirst();
            if (tag == u"gsensor") {
                current->parseSensor(fields);
            } else if (tag == u"gsensori") {
                current->parseSensorI(fields);
            } else if (tag == u"GPRMC" || tag == u"GNRMC") {
                current->parseGprmc(fields);
            }
        }
    }
    // The last entry counts even when no line break follows it.
    if (current) {
        m_entries.append(*current);
    }
}

bool SubtitleData::getSensorAt(int index, qint32 *x, qint32 *y, qint32 *z) const
{
    const qint64 target = qint64(index) * 100;
    for (const SubtitleEntry &entry : m_entries) {
        if (entry.cts() == target) {
            if (x) {
                *x = entry.gx();
            }
            if (y) {
                *y = entry.gy();
            }
            if (z) {
                *z = entry.gz();
            }
            return true;
        }
    }
    return false;
}

int SubtitleData::getGpsAt(int index, float *lat, float *lng, quint32 *speed) const
{
    const qint64 target = qint64(index) * 100;
    if (m_entries.isEmpty()) {
        return GpsNone;
    }
    const auto give = [&](float latValue, float lngValue, quint32 speedValue) {
        if (lat) {
            *lat = latValue;
        }
        if (lng) {
            *lng = lngValue;
        }
        if (speed) {
            *speed = speedValue;
        }
    };
    const SubtitleEntry *best = nullptr;
    const SubtitleEntry *second = nullptr;
    qint64 bestDistance = 1000;
    qint64 secondDistance = 1000;
    for (const SubtitleEntry &entry : m_entries) {
        if (entry.lat() == SubtitleEntry::kNoCoordinate) {
            continue;
        }
        if (entry.cts() == target) {
            give(entry.lat(), entry.lng(), entry.speed());
            return GpsExact;
        }
        const qint64 distance = qAbs(qint64(entry.cts()) - target);
        if (distance > 1000) {
            continue;
        }
        // The entry displaced from best becomes second, but the second distance stays as it was.
        if (distance < bestDistance) {
            second = best;
            best = &entry;
            bestDistance = distance;
        } else if (distance < secondDistance) {
            second = &entry;
            secondDistance = distance;
        }
    }
    if (!best) {
        return GpsNone;
    }
    // Two fixes at the same time (times repeat after an hour) give no direction to interpolate in:
    // the nearest fix is given as it is rather than a division by zero.
    if (!second || second->cts() == best->cts()) {
        give(best->lat(), best->lng(), best->speed());
        return GpsInterpolated;
    }
    const float f = float(target - best->cts()) / float(qint64(second->cts()) - best->cts());
    const float latValue = (second->lat() - best->lat()) * f + best->lat();
    const float lngValue = (second->lng() - best->lng()) * f + best->lng();
    const auto speedDifference = qint32(second->speed() - best->speed());
    const float speedValue = float(speedDifference) * f + float(best->speed());
    give(latValue, lngValue, SensorArithmetic::low32(SensorArithmetic::truncToInt64(double(speedValue))));
    return GpsInterpolated;
}
