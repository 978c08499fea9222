#pragma once

#include "components/picture/frame_stats.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace qv {

class TransitionRenderer;

struct TransitionRequest {
    int effect = 0;
    int grain = 1;
    int speed = 0;
    QSize logicalArea;  // for the duration: a larger area takes longer
    double refreshRate = 60.0;
    int cancelMode = 4;
    bool operator==(const TransitionRequest&) const = default;
};

// A transition made ready for its first frame: the effect's tables built and the
// first frame drawn. Making one costs as much as drawing several frames of a large
// screen, so a caller with other screens to keep moving makes it on a worker.
struct PreparedTransition {
    PreparedTransition();
    ~PreparedTransition();
    PreparedTransition(PreparedTransition&&) noexcept;
    PreparedTransition& operator=(PreparedTransition&&) noexcept;

    TransitionRequest request;
    QImage from;
    QImage to;
    QImage frame;
    std::unique_ptr<TransitionRenderer> renderer;  // none: the transition ends at once
};

// Cancel modes: which user input cuts a running transition to its final frame.
namespace CancelMode {
inline constexpr int KeyPress = 4;
inline constexpr int KeyPressOrMouseMove = 9;  // any other value counts as KeyPress
} // namespace CancelMode

// Plays one transition at a time between two frames of equal size, composed into one
// frame prepared at the start, so playing allocates nothing. A frame is drawn per
// display refresh while the picture moves; an effect that changes in steps (a blind,
// a coarse wipe) sleeps from one step to the next, and each frame redraws and reports
// only the part that changed. Effect 0, and effects the renderer does not draw, end
// at once.
class TransitionPlayer : public QObject {
    Q_OBJECT

public:
    explicit TransitionPlayer(QObject* parent = nullptr);
    ~TransitionPlayer() override;

    // `from` and `to` must be QImage::Format_RGB32 of the same size. Touches nothing
    // but its arguments: safe on any thread.
    static PreparedTransition prepare(const TransitionRequest& request, QImage from, QImage to);
    // A running transition is finished first (with its own finished()).
    void start(PreparedTransition prepared);
    void start(const TransitionRequest& request, QImage from, QImage to) { start(prepare(request, std::move(from), std::move(to))); }
    bool isRunning() const { return renderer_ != nullptr; }
    // Cuts a running transition to its final frame.
    void finishNow();
    // The frame to show: the latest one while running, the final one afterwards.
    const QImage& frame() const;
    // Draws the latest frame into `target` (of the frame's size and depth) instead,
    // when that frame is yet to be drawn and the effect draws every frame whole: a
    // window then takes it straight into its own pixels, sparing a copy of the whole
    // screen per frame. False when `target` was left alone.
    bool drawFrameInto(QImage& target) const;

signals:
    // `changed`: the part of frame() that changed, in its pixels.
    void frameChanged(const QRegion& changed);
    // Once per start(), after the final frame is in frame().
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    void scheduleNextFrame(double progress);
    bool cutsTransition(const QEvent* event) const;

    std::unique_ptr<TransitionRenderer> renderer_;
    QImage from_;
    QImage to_;
    // Frames of effects that draw them whole are drawn when asked for: into frame_
    // by frame(), or where they are shown by drawFrameInto().
    mutable QImage frame_;
    mutable std::optional<double> undrawnProgress_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::chrono::milliseconds duration_{0};
    TransitionRequest request_;
    QPoint pointerAtStart_;
    FrameStats stats_;
};

} // namespace qv
