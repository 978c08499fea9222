#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <memory>

namespace qv {

// What one transition needs to know before its first frame. `grain` is the effect's
// unit in pixels (edge step, block size, line height...; larger is coarser) and is
// clamped to 1..255. `seed` makes the random effects repeatable.
struct TransitionSetup {
    int effect = 0;
    int grain = 1;
    std::uint32_t seed = 0;
    QSize size;
};

// Composes the frames of one transition between two pictures of the same size.
// The constructor prepares everything the effect needs (tables, masks); render()
// then allocates nothing and costs about the same at any progress. One renderer
// draws one frame at a time: render() reuses small working tables kept inside it.
class TransitionRenderer {
public:
    explicit TransitionRenderer(const TransitionSetup& setup);
    ~TransitionRenderer();
    TransitionRenderer(TransitionRenderer&&) noexcept;
    TransitionRenderer& operator=(TransitionRenderer&&) noexcept;

    // from, to, out: QImage::Format_RGB32 (ARGB32 and its premultiplied form are
    // accepted too, pixels are only moved, never mixed), all of
    // setup.size; out is preallocated by the caller. progress is clamped to 0..1:
    // 0 gives `from` exactly, 1 gives `to` exactly. Images of another size or
    // depth leave `out` untouched.
    void render(const QImage& from, const QImage& to, double progress, QImage& out) const;

    // As render(), for a player that keeps one frame on screen: `out` holds the frame
    // of this renderer's previous advance() (its first call draws the whole frame)
    // and is brought to `progress`, redrawing only what differs. Returns the part of
    // `out` that changed, empty when the frame at `progress` looks the same.
    QRegion advance(const QImage& from, const QImage& to, double progress, QImage& out);
    // The least progress above `progress` at which the frame looks different; above
    // 1 when nothing changes before the end. Effects that move the pictures change
    // all the time and give `progress` itself.
    double nextChange(double progress) const;
    // True when every frame is drawn whole from the two pictures alone (the effects
    // that move them), so a frame may as well be drawn where it is shown.
    bool drawsWholeFrames() const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

// True for the effect numbers this renderer draws (1 to 113).
bool isTransitionImplemented(int effect);

} // namespace qv
