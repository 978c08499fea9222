#include "frame_timing.h"

#include "components/transitions/transition_renderer.h"

#include <chrono>
#include <ctime>
#include <cstring>
#include <vector>

namespace qv::gallery {

namespace {

// Processor time of the whole process rather than wall time: the figures stay
// comparable on a machine busy with other work, and worker threads still count.
struct Clock {
    using time_point = double;
    static double now()
    {
        timespec spent{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
        return static_cast<double>(spent.tv_sec) * 1e3 + static_cast<double>(spent.tv_nsec) / 1e6;
    }
};

double millisecondsSince(Clock::time_point start, int frames)
{
    return (Clock::now() - start) / std::max(frames, 1);
}

} // namespace

FrameCost effectMillisecondsPerFrame(int effect, int grain, const QImage& older,
                                     const QImage& newer, int frames)
{
    const TransitionRenderer renderer({effect, grain, 1, older.size()});
    QImage out(older.size(), QImage::Format_RGB32);
    renderer.render(older, newer, 0.5, out);
    const auto start = Clock::now();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int i = 1; i <= frames; ++i)
        renderer.render(older, newer, static_cast<double>(i) / (frames + 1), out);
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - wallStart;
    return {millisecondsSince(start, frames), wall.count() / std::max(frames, 1)};
}

double memcpyMillisecondsPerFrame(QSize size, int frames)
{
    const auto bytes = static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()) * 4;
    std::vector<unsigned char> source(bytes, 1);
    std::vector<unsigned char> target(bytes, 0);
    std::memcpy(target.data(), source.data(), bytes);
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        source[static_cast<std::size_t>(i) % bytes] = static_cast<unsigned char>(i);
        std::memcpy(target.data(), source.data(), bytes);
    }
    const double result = millisecondsSince(start, frames);
    // Keep the copies observable so they are not optimised away.
    volatile unsigned char sink = target[bytes / 2];
    static_cast<void>(sink);
    return result;
}

} // namespace qv::gallery
