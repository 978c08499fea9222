#include "components/transitions/row_splitter.h"

namespace qv::transitions {

RowSplitter::RowSplitter()
    : helper_([this](const std::stop_token& stop) { serve(stop); })
{
}

// The jthread asks the helper to stop and joins it; the wait in serve() wakes on the request.
RowSplitter::~RowSplitter() = default;

void RowSplitter::runErased(int rows, const void* job, Call call)
{
    const int split = rows / 2;
    {
        const std::scoped_lock lock(mutex_);
        job_ = job;
        call_ = call;
        firstRow_ = split;
        endRow_ = rows;
        pending_ = true;
    }
    wake_.notify_one();
    call(job, 0, split);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return !pending_; });
}

void RowSplitter::serve(const std::stop_token& stop)
{
    std::unique_lock lock(mutex_);
    while (wake_.wait(lock, stop, [this] { return pending_; })) {
        const void* job = job_;
        const Call call = call_;
        const int firstRow = firstRow_;
        const int endRow = endRow_;
        lock.unlock();
        call(job, firstRow, endRow);
        lock.lock();
        pending_ = false;
        finished_.notify_one();
    }
}

} // namespace qv::transitions
