// The allocator's arenas, counted in fresh runs of this program.
#include "core/AllocatorArenas.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <barrier>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;
#include <vector>

namespace {
constexpr int Threads = 12;
constexpr const char *ChildVariable = "VELMORA_ARENAS_CHILD";

// Runs THREADS threads that all allocate while the others are alive (as a player's threads do);
// the number of arenas the allocator then has.
int arenasAfterThreads()
{
    std::barrier allAlive(Threads);
    std::vector<std::thread> workers;
    for (int i = 0; i < Threads; ++i) {
        workers.emplace_back([&allAlive] {
            void *block = std::malloc(64 * 1024);
            std::memset(block, 1, 64 * 1024);
            allAlive.arrive_and_wait();
            allAlive.arrive_and_wait();
            std::free(block);
        });
    }
    for (std::thread &worker : workers) {
        worker.join();
    }
    char *report = nullptr;
    size_t size = 0;
    FILE *stream = ::open_memstream(&report, &size);
    ::malloc_info(0, stream);
    std::fclose(stream);
    int heaps = 0;
    for (const char *at = report; (at = std::strstr(at, "<heap nr=")) != nullptr; ++at) {
        ++heaps;
    }
    std::free(report);
    return heaps;
}

// The arenas counted in a fresh run of this test program (the allocator fixes its cap when the
// first thread's arena is made: only a new process shows the setting's effect).
int arenasInFreshProcess(bool limited)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), limited ? u"limited"_s : u"default"_s);
    environment.remove(u"MALLOC_ARENA_MAX"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=AllocatorArenasTest.*"_s});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return child.exitCode();
}

TEST(AllocatorArenasTest, ThreadsShareAFewArenasOnceLimited)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "under AddressSanitizer its own allocator serves malloc: the C library's arenas are not in use";
#endif
    const QByteArray role = qgetenv(ChildVariable);
    if (!role.isEmpty()) {
        if (role == "limited") {
            AllocatorArenas::limit();
        }
        ::_exit(arenasAfterThreads());
    }
    const int limited = arenasInFreshProcess(true);
    EXPECT_GE(limited, 1);
    EXPECT_LE(limited, AllocatorArenas::Limit);
    // The comparator: without the cap, the threads get arenas of their own.
    EXPECT_GT(arenasInFreshProcess(false), AllocatorArenas::Limit);
}
} // namespace
