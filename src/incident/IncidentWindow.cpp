#include "IncidentWindow.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// Times typed or computed in tenths (0.3 s) are not exact in binary: a hair's tolerance keeps
// 0.3 s on sample 3 rather than 2.
constexpr double Tolerance = 1e-6;

bool isTime(double value)
{
    return std::isfinite(value) && value >= 0.0;
}
} // namespace

std::optional<IncidentWindow> IncidentWindow::clipped(double at, double before, double after, double duration,
                                                      QString *why)
{
    const auto fail = [why](const QString &text) {
        if (why != nullptr) {
            *why = text;
        }
        return std::optional<IncidentWindow>();
    };
    if (!isTime(at) || !isTime(before) || !isTime(after)) {
        return fail(u"the moment and the times before and after it must be 0 s or more"_s);
    }
    if (!isTime(duration) || duration <= 0.0) {
        return fail(u"the recording has no length to cut a window from"_s);
    }
    const double from = std::max(0.0, at - before);
    const double to = std::min(duration, at + after);
    // A moment inside the recording with no time around it is an empty window, not one outside.
    if (before + after <= Tolerance && at <= duration + Tolerance) {
        return fail(
            u"the window at %1 s is empty: the time before or after the moment must be more than 0 s"_s.arg(at));
    }
    if (to - from <= Tolerance) {
        return fail(u"the window %1 s to %2 s lies outside the recording (0 s to %3 s)"_s.arg(at - before)
                        .arg(at + after)
                        .arg(duration));
    }
    return IncidentWindow(std::clamp(at, from, to), from, to);
}

int IncidentWindow::firstSample() const
{
    return int(std::floor(m_from * 10.0 + Tolerance));
}

int IncidentWindow::endSample() const
{
    return int(std::ceil(m_to * 10.0 - Tolerance));
}
