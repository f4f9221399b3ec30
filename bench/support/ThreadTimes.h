#pragma once

// Processor time the calling thread has used so far, and the time it waited for a processor while
// ready to run (the scheduler's own count; 0 where the kernel does not keep it). The stall
// benchmarks split a gap of the GUI thread into its own work, the wait for a processor and the
// rest (blocked on a lock, a read or another thread).
struct ThreadTimes
{
    double cpuMs = 0.0;
    double waitMs = 0.0;

    static ThreadTimes now();
};
