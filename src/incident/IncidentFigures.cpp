#include "IncidentFigures.h"

#include "sensor/FloatText.h"
#include "sensor/TrackExport.h"
#include "sensor/VexoClipData.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

double IncidentFigures::magnitude(int gx, int gy, int gz)
{
    return std::sqrt(double(gx) * gx + double(gy) * gy + double(gz) * gz) / CountsPerG;
}

namespace {
std::optional<IncidentFigures::Peak> strongest(const VexoClipData &track, int first, int end)
{
    std::optional<IncidentFigures::Peak> peak;
    for (int i = first; i < end; ++i) {
        const double g = IncidentFigures::magnitude(track.getGx(i), track.getGy(i), track.getGz(i));
        if (!peak || g > peak->g) {
            peak = IncidentFigures::Peak{i, g, i / 10.0, track.getGx(i), track.getGy(i), track.getGz(i)};
        }
    }
    return peak;
}
} // namespace

std::optional<IncidentFigures::Peak> IncidentFigures::strongestSample(const VexoClipData &track)
{
    return strongest(track, 0, int(track.clipDataCount()));
}

IncidentFigures IncidentFigures::compute(const VexoClipData &track, const IncidentWindow &window)
{
    IncidentFigures figures;
    const int count = int(track.clipDataCount());
    figures.m_first = std::clamp(window.firstSample(), 0, count);
    figures.m_end = std::clamp(window.endSample(), figures.m_first, count);
    figures.m_peak = strongest(track, figures.m_first, figures.m_end);
    for (int i = figures.m_first; i < figures.m_end; ++i) {
        if (TrackExport::hasFix(track, i)) {
            figures.m_fixes.append({i, i / 10.0, track.getGpsLat(i), track.getGpsLng(i), track.getGpsSpeed(i)});
        }
    }
    return figures;
}

std::optional<quint32> IncidentFigures::topSpeed() const
{
    if (m_fixes.isEmpty()) {
        return std::nullopt;
    }
    return std::max_element(m_fixes.cbegin(), m_fixes.cend(),
                            [](const Fix &a, const Fix &b) { return a.speed < b.speed; })
        ->speed;
}

std::optional<IncidentFigures::Fix> IncidentFigures::start() const
{
    return m_fixes.isEmpty() ? std::nullopt : std::optional<Fix>(m_fixes.constFirst());
}

std::optional<IncidentFigures::Fix> IncidentFigures::end() const
{
    return m_fixes.isEmpty() ? std::nullopt : std::optional<Fix>(m_fixes.constLast());
}

QJsonObject IncidentFigures::positionJson(const Fix &fix)
{
    return QJsonObject{{u"lat"_s, FloatText::json(fix.lat)}, {u"lng"_s, FloatText::json(fix.lng)}};
}

QJsonObject IncidentFigures::json() const
{
    const QJsonValue null(QJsonValue::Null);
    const std::optional<quint32> speed = topSpeed();
    return QJsonObject{{u"peakG"_s, m_peak ? QJsonValue(m_peak->g) : null},
                       {u"peakAt"_s, m_peak ? QJsonValue(m_peak->at) : null},
                       {u"topSpeed"_s, speed ? QJsonValue(qint64(*speed)) : null},
                       {u"start"_s, hasPosition() ? QJsonValue(positionJson(*start())) : null},
                       {u"end"_s, hasPosition() ? QJsonValue(positionJson(*end())) : null}};
}
