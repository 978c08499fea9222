// Cost of drawing one frame of the caption a random show puts under its pictures: a
// file path in the show's caption font on a 1920x1080 screen, for every text effect
// the show draws from, across the whole run of the effect. Times are for 60 frames
// (one second of animation) on the thread that draws them, in real time.
// caption_bench [--benchmark_filter=...]
#include "components/label/caption_layout.h"
#include "components/label/caption_renderer.h"
#include "components/label/fx_label.h"
#include "engine/caption_effects.h"
#include "engine/slide_look.h"

#include <QApplication>
#include <QSemaphore>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace qv;

constexpr int kScreenHeight = 1080;
constexpr int kFramesPerRun = 60;

const CaptionLayout& showCaption()
{
    static const CaptionLayout layout = [] {
        const QString text = QStringLiteral("/home/someone/Pictures/Holidays 2024/Lake shore at dusk.jpg");
        const QFont font = captionFont(captionFont(kScreenHeight), 96.0);
        return layoutCaption(text, font, captionExtent(text, font, 96.0), 96.0);
    }();
    return layout;
}

// The show draws its captions on Qt's shared pool, where Qt fills paths on the
// drawing thread alone. Drawn on any other thread, Qt splits each fill across that
// pool and waits for it: three times the processor time for a caption this size.
template <typename Draw>
void onSharedPool(const Draw& draw)
{
    QSemaphore done;
    QThreadPool::globalInstance()->start([&draw, &done] {
        draw();
        done.release();
    });
    done.acquire();
}

// The look every screen's caption has in the show.
CaptionLook showLook()
{
    FXLabel caption;
    styleCaption(caption);
    return caption.look();
}

// One frame per step of a whole run, so effects that move only some letters at a
// time are weighed as the show meets them.
void drawRun(benchmark::State& state, TextEffectSettings effect)
{
    const CaptionLayout& layout = showCaption();
    const CaptionLook look = showLook();
    for (auto _ : state) {
        onSharedPool([&] {
            for (int frame = 0; frame < kFramesPerRun; ++frame)
                benchmark::DoNotOptimize(renderCaptionFrame(layout, look, effect, double(frame) / kFramesPerRun));
        });
    }
    state.SetItemsProcessed(state.iterations() * kFramesPerRun);
}

void drawResting(benchmark::State& state)
{
    const CaptionLayout& layout = showCaption();
    const CaptionLook look = showLook();
    for (auto _ : state)
        onSharedPool([&] { benchmark::DoNotOptimize(renderRestingCaption(layout, look)); });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const CaptionEffect& row : init_label_effects()) {
        const TextEffectSettings effect{row.effect, row.settingA, row.settingB};
        benchmark::RegisterBenchmark(("caption_frame/effect_" + std::to_string(row.effect)).c_str(), drawRun, effect)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("caption_frame/resting", drawResting)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
