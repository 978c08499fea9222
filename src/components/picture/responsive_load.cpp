#include "components/picture/responsive_load.h"

#include "components/picture/picture_cache.h"
#include "components/platform/thread_priority.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThreadPool>

#include <memory>

namespace qv {
namespace {

// Decoding and drawing pictures ahead run on threads of their own at a lowered
// priority, so that they never hold up a frame of the transition on screen. Qt's
// shared pool is no place for that: it also scales and converts images that the
// screen is waiting for.
Q_GLOBAL_STATIC(QThreadPool, pictureWorkers)

void lowerThisWorkerOnce()
{
    thread_local bool lowered = false;
    if (!lowered) {
        lowerCurrentThreadPriority();
        lowered = true;
    }
}

// Shared by the waiting thread and the worker; whichever lives longer frees it.
struct PendingJob {
    bool done = false;
    QPointer<QEventLoop> waiting;
};

} // namespace

void runWhileEventsRun(const std::function<void()>& job)
{
    QCoreApplication* const application = QCoreApplication::instance();
    if (application == nullptr) {
        job();
        return;
    }
    auto pending = std::make_shared<PendingJob>();
    QEventLoop loop;
    pending->waiting = &loop;
    // The worker may use `job` by reference: this thread waits below until it is done.
    pictureWorkers()->start([pending, &job, application] {
        lowerThisWorkerOnce();
        job();
        QMetaObject::invokeMethod(
            application,
            [pending] {
                pending->done = true;
                if (pending->waiting)
                    pending->waiting->quit();
            },
            Qt::QueuedConnection);
    });
    // A nested wait started by a handler may deliver our result while it runs; the
    // flag, not the loop's return, says when we are done.
    while (!pending->done)
        loop.exec();
}

namespace {

DecodeOutcome decodeWhileEventsRun(const QString& path, QSize target)
{
    DecodeOutcome outcome;
    runWhileEventsRun([&] { outcome = decodePictureFile(path, target); });
    return outcome;
}

} // namespace

DecodeOutcome loadPictureResponsively(const QString& path, QSize target)
{
    const std::optional<PictureKey> key = pictureKeyFor(path, target);
    if (key) {
        if (PictureHandle cached = sharedPictureCache().find(*key))
            return {LoadResult::Loaded, std::move(cached)};
    }
    DecodeOutcome outcome = decodeWhileEventsRun(path, target);
    if (key && outcome.code == LoadResult::Loaded)
        sharedPictureCache().insert(*key, outcome.picture);
    return outcome;
}

} // namespace qv
