#include "ThreadTimes.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <time.h>

ThreadTimes ThreadTimes::now()
{
    ThreadTimes times;
    QFile schedstat(QStringLiteral("/proc/thread-self/schedstat"));
    if (schedstat.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = schedstat.readAll().simplified().split(' ');
        if (fields.size() >= 2) {
            times.cpuMs = double(fields.at(0).toLongLong()) / 1e6;
            times.waitMs = double(fields.at(1).toLongLong()) / 1e6;
            return times;
        }
    }
    timespec clock{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &clock);
    times.cpuMs = double(clock.tv_sec) * 1e3 + double(clock.tv_nsec) / 1e6;
    return times;
}
