#include "PlayerTeardown.h"

#include <QCoreApplication>
#include <QThreadPool>

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
    if (QThreadPool *pool = teardownPool(true)) {
        pool->start(std::move(release));
    } else {
        release();
    }
}

bool PlayerTeardown::waitForDone(int msecs)
{
    QThreadPool *pool = teardownPool(false);
    return pool == nullptr || pool->waitForDone(msecs);
}
