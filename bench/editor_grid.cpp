// The custom show editor with a show of 1,000 slides, each timed step ending with the
// whole window painted into a picture (offscreen unless QT_QPA_PLATFORM says otherwise). Run from the
// build folder: bench/editor_bench
#include "components/platform/message_box.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/editor/create_sequence.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace qv;

constexpr int slideCount = 1000;

// Answers every box with its default, so that a failure cannot stop the run.
class SilentMessages final : public MessagePresenter {
public:
    MessageAnswer present(const Message& message) override { return message.defaultAnswer; }
};

void makeShow()
{
    CustomShow show;
    for (int n = 1; n <= slideCount; ++n) {
        AppendSlide(show);
        show.setSlide(n, SlideRecord{QStringLiteral("/home/someone/Pictures/Holiday %1/IMG_%2.jpg").arg(n / 50).arg(n),
                                     QStringLiteral("Day %1 of the journey, looking north over the bay").arg(n),
                                     15, static_cast<std::int16_t>(n % 114), 40,
                                     n % 3 == 0 ? QStringLiteral("/home/someone/Music/waves.wav") : QString(),
                                     static_cast<std::int16_t>(n % 2)});
    }
    customShow() = show;
    globalSettings().activeCss = QStringLiteral("big.css");
    SaveCustomShow();
}

std::unique_ptr<create_sequence> openEditor()
{
    globalSettings().activeCss = QStringLiteral("big.css");
    auto editor = std::make_unique<create_sequence>();
    editor->Form_Load();
    editor->show();
    benchmark::DoNotOptimize(editor->grab());
    return editor;
}

void BM_OpenEditor(benchmark::State& state)
{
    for (auto _ : state) {
        auto editor = openEditor();
        benchmark::DoNotOptimize(editor.get());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

// The same steps apart, to see where the time of an opening goes.
void BM_OpenEditorSteps(benchmark::State& state)
{
    for (auto _ : state) {
        globalSettings().activeCss = QStringLiteral("big.css");
        auto editor = std::make_unique<create_sequence>();
        if (state.range(0) >= 1)
            editor->Form_Load();
        if (state.range(0) >= 2)
            editor->show();
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditorSteps)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
    auto editor = openEditor();
    QScrollBar* bar = editor->scrollBar();
    for (auto _ : state) {
        const int next = bar->value() + 10 > bar->maximum() ? 1 : bar->value() + 10;
        bar->setValue(next);
        benchmark::DoNotOptimize(editor->grab());
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

void BM_RefreshAfterEdit(benchmark::State& state)
{
    auto editor = openEditor();
    editor->scrollBar()->setValue(500);
    int round = 0;
    for (auto _ : state) {
        customShow().description[static_cast<std::size_t>(configUiState().currentSlide)] =
            QStringLiteral("Edited %1").arg(++round);
        editor->RefreshGrid();
        benchmark::DoNotOptimize(editor->grab());
    }
}
BENCHMARK(BM_RefreshAfterEdit)->Unit(benchmark::kMillisecond);

void BM_LoadCustomShow(benchmark::State& state)
{
    globalSettings().activeCss = QStringLiteral("big.css");
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadCustomShow());
    state.counters["slides"] = customShow().slideCount;
}
BENCHMARK(BM_LoadCustomShow)->Unit(benchmark::kMillisecond);

void BM_SaveCustomShow(benchmark::State& state)
{
    globalSettings().activeCss = QStringLiteral("big.css");
    LoadCustomShow();
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveCustomShow());
}
BENCHMARK(BM_SaveCustomShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    SilentMessages messages;
    setMessagePresenter(&messages);
    globalSettings().slideshowPath = folder.path() + QLatin1Char('/');
    makeShow();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setMessagePresenter(nullptr);
    return 0;
}
