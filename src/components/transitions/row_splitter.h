#pragma once

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace qv::transitions {

// Composes the lower rows of a frame on a second thread while the caller composes
// the upper rows. Made once per transition, so a frame starts no thread and
// allocates nothing; only effects whose frames are dear enough to gain from the
// second core use one.
class RowSplitter {
public:
    RowSplitter();
    ~RowSplitter();
    RowSplitter(const RowSplitter&) = delete;
    RowSplitter& operator=(const RowSplitter&) = delete;

    // Calls compose(firstRow, endRow) for the upper half here and the lower half on
    // the helper thread, and returns when both are done.
    template <typename Compose>
    void run(int rows, const Compose& compose)
    {
        runErased(rows, &compose, [](const void* job, int firstRow, int endRow) {
            (*static_cast<const Compose*>(job))(firstRow, endRow);
        });
    }

private:
    using Call = void (*)(const void* job, int firstRow, int endRow);

    void runErased(int rows, const void* job, Call call);
    void serve(const std::stop_token& stop);

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::condition_variable finished_;
    const void* job_ = nullptr;
    Call call_ = nullptr;
    int firstRow_ = 0;
    int endRow_ = 0;
    bool pending_ = false;
    std::jthread helper_; // last, so it starts after and stops before everything it reads
};

} // namespace qv::transitions
