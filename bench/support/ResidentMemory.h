#pragma once

#include <benchmark/benchmark.h>

// The process's resident memory over a run of recordings loaded in turn, as both memory benchmarks
// report it: after the tenth load, at the end, the peak, and what malloc_trim gives back at the end
// (memory the allocator held but no longer used).
class ResidentMemory
{
public:
    static double residentMb();

    // After load LOAD (counted from 0) has played.
    void sampleAfterLoad(int load);
    // At the end of the run: the last figure, then the trim, outside the timed part.
    void finish(benchmark::State &state);
    // rss_after_10_mb, rss_after_100_mb, rss_peak_mb, growth_after_10_mb, malloc_trim_gave_back_mb.
    void report(benchmark::State &state) const;

private:
    double m_afterTen = 0.0;
    double m_atEnd = 0.0;
    double m_peak = 0.0;
    double m_trimmed = 0.0;
};
