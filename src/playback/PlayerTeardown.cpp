#include "PlayerTeardown.h"

#include <QCoreApplication>
#include <QThreadPool>

// Any C library header says which C library this is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {
// The application's teardown pool, made the first time a player ends; a child of the
// application object so that it lives and ends with it.
QThreadPool *teardownPool(bool create)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (application == nullptr) {
        return nullptr;
    }
    const QString name = u"velmora.playerTeardown"_s;
    auto *pool = application->findChild<QThreadPool *>(name, Qt::FindDirectChildrenOnly);
    if (pool == nullptr && create) {
        pool = new QThreadPool(application);
        pool->setObjectName(name);
        pool->setMaxThreadCount(PlayerTeardown::MaxThreads);
    }
    return pool;
}
} // namespace

void PlayerTeardown::run(std::function<void()> release)
{
    // A player frees hundreds of megabytes across the allocator arenas of the threads it ran
    // (decoders, demuxer, renderer); the allocator keeps them for reuse, and over many recordings
    // the program's memory grows by what each player left in them. Handing the free pages back
    // after each player keeps the memory of a long session flat.
    auto releaseAndTrim = [release = std::move(release)] {
        release();
#if defined(__GLIBC__)
        ::malloc_trim(0);
#endif
    };
    if (QThreadPool *pool = teardownPool(true)) {
        pool->start(std::move(releaseAndTrim));
    } else {
        releaseAndTrim();
    }
}

bool PlayerTeardown::waitForDone(int msecs)
{
    QThreadPool *pool = teardownPool(false);
    return pool == nullptr || pool->waitForDone(msecs);
}
