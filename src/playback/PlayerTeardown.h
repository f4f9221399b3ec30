#pragma once

#include <functional>

// Where players are taken down. Ending a libmpv player waits for its threads, which on a slow card
// wait for reads already under way: seconds, for every recording left behind. That work runs on a
// thread pool of its own, never on Qt's global pool, which the window's thread waits for while it
// scales and paints pictures: a queue of teardowns there froze the window. The pool belongs to the
// application object, whose end waits for the teardowns still running; without an application
// the work runs at once.
class PlayerTeardown
{
public:
    // At most this many players are taken down at once; more wait their turn.
    static constexpr int MaxThreads = 4;

    // Runs RELEASE on the teardown pool.
    static void run(std::function<void()> release);
    // Waits up to MSECS (-1: for ever) for every teardown queued so far; false on time-out.
    static bool waitForDone(int msecs = -1);
};
