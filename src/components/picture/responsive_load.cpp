#include "components/picture/responsive_load.h"

#include "components/picture/picture_cache.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThreadPool>

#include <memory>

namespace qv {
namespace {

// Shared by the waiting thread and the worker; whichever lives longer frees it.
struct PendingDecode {
    DecodeOutcome outcome;
    bool done = false;
    QPointer<QEventLoop> waiting;
};

DecodeOutcome decodeWhileEventsRun(const QString& path, QSize target)
{
    QCoreApplication* const application = QCoreApplication::instance();
    if (application == nullptr)
        return decodePictureFile(path, target);
    auto pending = std::make_shared<PendingDecode>();
    QEventLoop loop;
    pending->waiting = &loop;
    QThreadPool::globalInstance()->start([pending, path, target, application] {
        DecodeOutcome outcome = decodePictureFile(path, target);
        QMetaObject::invokeMethod(
            application,
            [pending, outcome = std::move(outcome)]() mutable {
                pending->outcome = std::move(outcome);
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
    return std::move(pending->outcome);
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
