#include "components/transitions/transition_renderer.h"

#include "components/transitions/column_turn.h"
#include "components/transitions/effect_recipe.h"
#include "components/transitions/row_splitter.h"
#include "components/transitions/threshold_grid.h"

#include <cmath>
#include <optional>
#include <thread>
#include <utility>
#include <variant>

namespace qv {

using namespace transitions;

namespace {

struct RowMove {
    RowPlanner planner;
    int grain;
};

// An effect without a recipe simply cuts to the new picture at the end.
struct Cut {};

using Plan = std::variant<Cut, ThresholdGrid, RowMove, ColumnTurn>;

Plan makePlan(const TransitionSetup& setup, int grain)
{
    const EffectRecipe* recipe = effectRecipe(setup.effect);
    if (recipe == nullptr || setup.size.isEmpty())
        return Cut{};
    if (recipe->threshold != nullptr)
        return ThresholdGrid(recipe->threshold, recipe->cells, grain, setup.seed, setup.size);
    if (recipe->rows != nullptr)
        return RowMove{recipe->rows, grain};
    if (recipe->columns != nullptr)
        return ColumnTurn(recipe->columns, grain, setup.size);
    return Cut{};
}

// A turn reads each output row from hundreds of source rows, so it is bound by
// memory latency rather than bandwidth, and a second core nearly halves its wall
// time. A move that squeezes or stretches rows is bound by its arithmetic. Either
// kind at 4K holds the thread that paints every screen for 7 to 13 ms a frame, long
// enough to make another screen's frame late. Below about 4 megapixels (1440p) one
// core already composes a frame in a few milliseconds and the hand-over is not
// worth a thread.
constexpr qint64 kSplitFromPixels = 4'000'000;

std::unique_ptr<RowSplitter> splitterFor(const Plan& plan, QSize size)
{
    const bool dear = (std::holds_alternative<ColumnTurn>(plan) || std::holds_alternative<RowMove>(plan))
                   && qint64{size.width()} * size.height() >= kSplitFromPixels;
    if (!dear || std::thread::hardware_concurrency() < 2)
        return nullptr;
    return std::make_unique<RowSplitter>();
}

// Any 0xAARRGGBB layout will do: the renderer only moves whole pixels, never mixes them.
bool fitsFrame(const QImage& image, QSize size)
{
    const QImage::Format format = image.format();
    return !image.isNull() && image.size() == size
        && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
            || format == QImage::Format_ARGB32_Premultiplied);
}

void copyWhole(const QImage& source, QImage& out)
{
    const FramePixels frame(source, source, out);
    for (int y = 0; y < frame.height; ++y)
        copyPixels(frame.outRow(y), frame.fromRow(y), frame.width);
}

std::uint32_t quantisedProgress(double progress)
{
    return static_cast<std::uint32_t>(std::lround(progress * 65536.0));
}

} // namespace

struct TransitionRenderer::Impl {
    TransitionSetup setup;
    Plan plan;
    std::unique_ptr<RowSplitter> splitter;
    std::optional<std::uint32_t> advancedTo; // the progress of the last advance()

    void compose(const FramePixels& frame, double progress) const
    {
        std::visit(
            [&](const auto& chosen) { composeWith(chosen, frame, progress, splitter.get()); }, plan);
    }

private:
    static void composeWith(const Cut&, const FramePixels& frame, double, RowSplitter*)
    {
        for (int y = 0; y < frame.height; ++y)
            copyPixels(frame.outRow(y), frame.fromRow(y), frame.width);
    }

    static void composeWith(const ThresholdGrid& grid, const FramePixels& frame, double progress,
                            RowSplitter*)
    {
        grid.prepareSpans(quantisedProgress(progress));
        grid.composeRows(frame, 0, frame.height);
    }

    static void composeWith(const RowMove& move, const FramePixels& frame, double progress,
                            RowSplitter* splitter)
    {
        const MoveFrame moveFrame{frame.width, frame.height, move.grain, progress};
        const auto composeRows = [&](int firstRow, int endRow) {
            for (int y = firstRow; y < endRow; ++y)
                move.planner(moveFrame, y, RowWriter(frame, y));
        };
        if (splitter == nullptr)
            composeRows(0, frame.height);
        else
            splitter->run(frame.height, composeRows);
    }

    static void composeWith(const ColumnTurn& turn, const FramePixels& frame, double progress,
                            RowSplitter* splitter)
    {
        turn.placeColumns(progress);
        if (splitter == nullptr) {
            turn.composeRows(frame, 0, frame.height);
            return;
        }
        splitter->run(frame.height, [&](int firstRow, int endRow) {
            turn.composeRows(frame, firstRow, endRow);
        });
    }
};

TransitionRenderer::TransitionRenderer(const TransitionSetup& setup)
{
    TransitionSetup clamped = setup;
    clamped.grain = std::clamp(setup.grain, 1, 255);
    clamped.size = QSize(std::max(setup.size.width(), 0), std::max(setup.size.height(), 0));
    Plan plan = makePlan(clamped, clamped.grain);
    std::unique_ptr<RowSplitter> splitter = splitterFor(plan, clamped.size);
    impl_ = std::make_unique<Impl>(Impl{clamped, std::move(plan), std::move(splitter), std::nullopt});
}

TransitionRenderer::~TransitionRenderer() = default;
TransitionRenderer::TransitionRenderer(TransitionRenderer&&) noexcept = default;
TransitionRenderer& TransitionRenderer::operator=(TransitionRenderer&&) noexcept = default;

void TransitionRenderer::render(const QImage& from, const QImage& to, double progress,
                                QImage& out) const
{
    if (!impl_) // moved from
        return;
    const QSize size = impl_->setup.size;
    if (size.isEmpty() || !fitsFrame(from, size) || !fitsFrame(to, size) || !fitsFrame(out, size))
        return;
    const double p = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    // The ends are exact by construction, whatever rounding an effect does inside.
    if (p <= 0.0) {
        copyWhole(from, out);
        return;
    }
    if (p >= 1.0) {
        copyWhole(to, out);
        return;
    }
    impl_->compose(FramePixels(from, to, out), p);
}

QRegion TransitionRenderer::advance(const QImage& from, const QImage& to, double progress, QImage& out)
{
    if (!impl_)
        return {};
    const QSize size = impl_->setup.size;
    if (size.isEmpty() || !fitsFrame(from, size) || !fitsFrame(to, size) || !fitsFrame(out, size))
        return {};
    const double p = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    const std::uint32_t target = quantisedProgress(p);
    const std::optional<std::uint32_t> drawn = std::exchange(impl_->advancedTo, target);
    const auto* grid = std::get_if<ThresholdGrid>(&impl_->plan);
    // A grid's cells only ever turn from old to new, each at its threshold, so the
    // cells that turned in between are all that differ. Its ends agree with
    // render()'s exact ends: at 0 no cell is new, at 1 every cell is.
    if (grid != nullptr && drawn && *drawn <= target)
        return grid->composeTurning(FramePixels(from, to, out), *drawn, target);
    render(from, to, p, out);
    return QRegion(QRect(QPoint(0, 0), size));
}

double TransitionRenderer::nextChange(double progress) const
{
    const auto* grid = impl_ ? std::get_if<ThresholdGrid>(&impl_->plan) : nullptr;
    if (grid == nullptr)
        return progress;
    const double p = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    return grid->nextTurn(quantisedProgress(p)) / 65536.0;
}

bool TransitionRenderer::drawsWholeFrames() const
{
    return impl_ && !std::holds_alternative<ThresholdGrid>(impl_->plan);
}

bool isTransitionImplemented(int effect)
{
    return effectRecipe(effect) != nullptr;
}

} // namespace qv
