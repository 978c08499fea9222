#include "components/transitions/transition_renderer.h"

#include <algorithm>
#include <cstring>

namespace qv {

struct TransitionRenderer::Impl {
    TransitionSetup setup;
};

TransitionRenderer::TransitionRenderer(const TransitionSetup& setup)
    : impl_(std::make_unique<Impl>(Impl{setup}))
{
}

TransitionRenderer::~TransitionRenderer() = default;
TransitionRenderer::TransitionRenderer(TransitionRenderer&&) noexcept = default;
TransitionRenderer& TransitionRenderer::operator=(TransitionRenderer&&) noexcept = default;

void TransitionRenderer::render(const QImage& from, const QImage& to, double progress,
                                QImage& out) const
{
    const QSize size = impl_->setup.size;
    if (from.size() != size || to.size() != size || out.size() != size || from.depth() != 32
        || to.depth() != 32 || out.depth() != 32)
        return;
    const double p = std::clamp(progress, 0.0, 1.0);
    const int edge = static_cast<int>(p * size.width());
    for (int y = 0; y < size.height(); ++y) {
        auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        const auto* a = reinterpret_cast<const std::uint32_t*>(from.constScanLine(y));
        const auto* b = reinterpret_cast<const std::uint32_t*>(to.constScanLine(y));
        std::memcpy(dst, b, sizeof(std::uint32_t) * static_cast<std::size_t>(edge));
        std::memcpy(dst + edge, a + edge,
                    sizeof(std::uint32_t) * static_cast<std::size_t>(size.width() - edge));
    }
}

bool isTransitionImplemented(int effect)
{
    return effect >= 1 && effect <= 113;
}

} // namespace qv
