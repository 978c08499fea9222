// Cost of composing one frame of each effect, at the grain the show uses in normal
// grain mode, against the floor of copying the frame once.
#include "components/picture/transition_timing.h"
#include "components/transitions/effect_registry.h"
#include "components/transitions/transition_renderer.h"
#include "showdata/effect_catalogue.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace qv;

constexpr QSize kSizes[] = {QSize(1920, 1080), QSize(3840, 2160)};

// Busy content, so nothing can shortcut uniform areas.
QImage pattern(QSize size, unsigned salt)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb((x * 7 + salt) & 255, (y * 3 + salt) & 255, ((x ^ y) + salt) & 255);
    }
    return image;
}

struct Pictures {
    QImage older;
    QImage newer;
};

const Pictures& picturesFor(QSize size)
{
    static const Pictures small{pattern(kSizes[0], 11), pattern(kSizes[0], 97)};
    static const Pictures large{pattern(kSizes[1], 11), pattern(kSizes[1], 97)};
    return size == kSizes[0] ? small : large;
}

void memcpyFrame(benchmark::State& state, QSize size)
{
    const Pictures& pictures = picturesFor(size);
    QImage out(size, QImage::Format_RGB32);
    const auto bytes = static_cast<std::size_t>(pictures.older.sizeInBytes());
    for (auto _ : state) {
        std::memcpy(out.bits(), pictures.older.constBits(), bytes);
        benchmark::ClobberMemory();
    }
}

void composeFrame(benchmark::State& state, int effect, QSize size)
{
    const EffectCatalogue catalogue = standardEffectCatalogue();
    const int grain = catalogue.effectGrain[0][static_cast<std::size_t>(effect)];
    const Pictures& pictures = picturesFor(size);
    QImage out(size, QImage::Format_RGB32);
    const TransitionRenderer renderer({effect, grain, 1, size});
    // Walk through the whole transition, so every stage of the effect is paid for.
    constexpr int steps = 64;
    int step = 0;
    for (auto _ : state) {
        renderer.render(pictures.older, pictures.newer, (step + 0.5) / steps, out);
        step = (step + 1) % steps;
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string("grain ").append(std::to_string(grain)));
}

// The show's block erase (effect 36, grain 16, speed 30) played whole at 60 frames a
// second: composed anew at every refresh, as the player once did, or brought forward
// only where cells turn and only when they do, as it does now.
void playErase(benchmark::State& state, QSize size, bool onlyChanges)
{
    constexpr int effect = 36;
    constexpr int grain = 16;
    constexpr double frameMs = 1000.0 / 60.0;
    const double durationMs = double(transitionDuration(30, grain, size).count());
    const Pictures& pictures = picturesFor(size);
    QImage out(size, QImage::Format_RGB32);
    int frames = 0;
    for (auto _ : state) {
        TransitionRenderer renderer({effect, grain, 1, size});
        frames = 0;
        for (double at = 0.0; at < durationMs; ++frames) {
            const double progress = at / durationMs;
            if (onlyChanges) {
                renderer.advance(pictures.older, pictures.newer, progress, out);
                const double next = renderer.nextChange(progress);
                at = next <= progress ? at + frameMs : std::max(at + frameMs, std::min(next, 1.0) * durationMs);
            } else {
                renderer.render(pictures.older, pictures.newer, progress, out);
                at += frameMs;
            }
            benchmark::ClobberMemory();
        }
    }
    state.SetLabel(std::to_string(frames).append(" frames composed"));
}

} // namespace

int main(int argc, char** argv)
{
    for (const QSize size : kSizes) {
        // Appending, not "text" + string: GCC 12 at -O3 takes the latter for an
        // overlapping copy and warns falsely (-Wrestrict).
        const std::string suffix =
            std::string("/").append(std::to_string(size.width())).append("x").append(std::to_string(size.height()));
        benchmark::RegisterBenchmark(("memcpy" + suffix).c_str(), memcpyFrame, size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("erase/every-refresh" + suffix).c_str(), playErase, size, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("erase/only-changes" + suffix).c_str(), playErase, size, true)
            ->Unit(benchmark::kMillisecond);
        for (const EffectInfo& info : transitionEffects()) {
            char name[32];
            std::snprintf(name, sizeof name, "effect%03d", info.number);
            benchmark::RegisterBenchmark((name + suffix).c_str(), composeFrame, info.number, size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
