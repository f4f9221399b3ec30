#include "ResidentMemory.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <algorithm>
#include <malloc.h>
#include <unistd.h>

double ResidentMemory::residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? double(fields.at(1).toLongLong()) * double(::sysconf(_SC_PAGESIZE)) / 1048576.0 : 0.0;
}

void ResidentMemory::sampleAfterLoad(int load)
{
    const double now = residentMb();
    m_peak = std::max(m_peak, now);
    if (load == 9) {
        m_afterTen = now;
    }
}

void ResidentMemory::finish(benchmark::State &state)
{
    m_atEnd = residentMb();
    state.PauseTiming();
    ::malloc_trim(0);
    m_trimmed = m_atEnd - residentMb();
    state.ResumeTiming();
}

void ResidentMemory::report(benchmark::State &state) const
{
    state.counters["rss_after_10_mb"] = m_afterTen;
    state.counters["rss_after_100_mb"] = m_atEnd;
    state.counters["rss_peak_mb"] = m_peak;
    state.counters["growth_after_10_mb"] = m_atEnd - m_afterTen;
    state.counters["malloc_trim_gave_back_mb"] = m_trimmed;
}
