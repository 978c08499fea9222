#include "components/platform/thread_priority.h"

#include <gtest/gtest.h>

#include <thread>

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace qv {
namespace {

#if defined(__linux__)
int niceOfThisThread()
{
    return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}

// The lowered thread gives way, the rest of the program keeps its place, and a thread
// lowered again never wraps round or goes past the weakest value.
TEST(ThreadPriority, LowersOnlyTheCallingThread)
{
    const int before = niceOfThisThread();
    int lowered = 0;
    int loweredTwice = 0;
    std::thread worker([&] {
        lowerCurrentThreadPriority();
        lowered = niceOfThisThread();
        lowerCurrentThreadPriority();
        loweredTwice = niceOfThisThread();
    });
    worker.join();
    EXPECT_EQ(lowered, std::min(before + 10, 19));
    EXPECT_EQ(loweredTwice, std::min(before + 20, 19));
    EXPECT_EQ(niceOfThisThread(), before);
}
#endif

} // namespace
} // namespace qv
