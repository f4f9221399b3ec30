#include "MainWindowLayout.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
// Whole seconds toward zero; anything not a sensible time reads as 0.
qint64 wholeSeconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0.0 || seconds > double(std::numeric_limits<int>::max())) {
        return 0;
    }
    return qint64(std::trunc(seconds));
}

QString minutesAndSeconds(double seconds)
{
    const qint64 whole = wholeSeconds(seconds);
    return u"%1:%2"_s.arg(whole / 60, 2, 10, QChar(u'0')).arg(whole % 60, 2, 10, QChar(u'0'));
}
} // namespace

MainWindowLayout::GroupPositions MainWindowLayout::groupPositions(int width)
{
    const int offset = int(std::trunc(double(width - DesignWidth) * 0.5));
    return {offset + 25, offset + 18, offset + 10, offset + 43};
}

QString MainWindowLayout::playTimeText(double currentSeconds, double durationSeconds)
{
    return minutesAndSeconds(currentSeconds) + u'/' + minutesAndSeconds(durationSeconds);
}
