#include "components/platform/thread_priority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace qv {

#if defined(__linux__)

void lowerCurrentThreadPriority()
{
    // On Linux a nice value belongs to a thread, named by its kernel id. Ten steps
    // give the thread about a tenth of a busy core, never nothing (as the idle class
    // would while anything else runs).
    constexpr int kSteps = 10;
    constexpr int kWeakest = 19;
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, thread);
    if (current == -1 && errno != 0)
        return;
    setpriority(PRIO_PROCESS, thread, current + kSteps > kWeakest ? kWeakest : current + kSteps);
}

#else

void lowerCurrentThreadPriority() {}

#endif

} // namespace qv
