#include "components/picture/transition_player.h"

#include "components/picture/transition_timing.h"
#include "components/transitions/transition_renderer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qv {

TransitionPlayer::TransitionPlayer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TransitionPlayer::step);
}

TransitionPlayer::~TransitionPlayer()
{
    if (isRunning())
        QCoreApplication::instance()->removeEventFilter(this);
}

PreparedTransition::PreparedTransition() = default;
PreparedTransition::~PreparedTransition() = default;
PreparedTransition::PreparedTransition(PreparedTransition&&) noexcept = default;
PreparedTransition& PreparedTransition::operator=(PreparedTransition&&) noexcept = default;

PreparedTransition TransitionPlayer::prepare(const TransitionRequest& request, QImage from, QImage to)
{
    PreparedTransition prepared;
    prepared.request = request;
    prepared.to = std::move(to);
    if (request.effect == 0 || !isTransitionImplemented(request.effect) || from.size() != prepared.to.size())
        return prepared;
    prepared.from = std::move(from);
    prepared.frame = QImage(prepared.to.size(), QImage::Format_RGB32);
    prepared.frame.setDevicePixelRatio(prepared.to.devicePixelRatio());
    prepared.renderer = std::make_unique<TransitionRenderer>(TransitionSetup{
        request.effect, request.grain, QRandomGenerator::global()->generate(), prepared.to.size()});
    prepared.renderer->advance(prepared.from, prepared.to, 0.0, prepared.frame);
    return prepared;
}

void TransitionPlayer::start(PreparedTransition prepared)
{
    finishNow();
    request_ = prepared.request;
    to_ = std::move(prepared.to);
    if (!prepared.renderer) {
        frame_ = to_;
        to_ = QImage();
        emit frameChanged(frame_.rect());
        emit finished();
        return;
    }
    from_ = std::move(prepared.from);
    frame_ = std::move(prepared.frame);
    renderer_ = std::move(prepared.renderer);
    duration_ = transitionDuration(request_.speed, request_.grain, request_.logicalArea);
    pointerAtStart_ = QCursor::pos();
    QCoreApplication::instance()->installEventFilter(this);
    stats_.begin();
    stats_.frameDrawn();
    clock_.start();
    scheduleNextFrame(0.0);
    emit frameChanged(frame_.rect());
}

void TransitionPlayer::step()
{
    if (!isRunning())
        return;
    const double progress = double(clock_.elapsed()) / double(std::max<qint64>(1, duration_.count()));
    if (progress >= 1.0) {
        finishNow();
        return;
    }
    if (renderer_->drawsWholeFrames()) {
        undrawnProgress_ = progress;
        stats_.frameDrawn();
        scheduleNextFrame(progress);
        emit frameChanged(frame_.rect());
        return;
    }
    const QRegion changed = renderer_->advance(from_, to_, progress, frame_);
    if (!changed.isEmpty())
        stats_.frameDrawn();
    scheduleNextFrame(progress);
    if (!changed.isEmpty())
        emit frameChanged(changed);
}

const QImage& TransitionPlayer::frame() const
{
    if (undrawnProgress_ && renderer_)
        renderer_->render(from_, to_, *undrawnProgress_, frame_);
    undrawnProgress_.reset();
    return frame_;
}

bool TransitionPlayer::drawFrameInto(QImage& target) const
{
    if (!undrawnProgress_ || !renderer_ || target.size() != frame_.size() || target.depth() != 32)
        return false;
    renderer_->render(from_, to_, *undrawnProgress_, target);
    return true;
}

void TransitionPlayer::scheduleNextFrame(double progress)
{
    const auto interval = frameInterval(request_.refreshRate);
    const double next = renderer_->nextChange(progress);
    if (next <= progress) {
        timer_.start(interval);
        return;
    }
    // Nothing to see before `next` (or before the end): sleep until then, but never
    // wake more often than the display refreshes.
    const double due = std::min(next, 1.0) * double(duration_.count());
    const auto wait = std::max(interval, std::chrono::milliseconds(std::llround(std::ceil(due - double(clock_.elapsed())))));
    stats_.pauseUntil(stats_.elapsedMs() + wait.count(), interval.count());
    timer_.start(wait);
}

void TransitionPlayer::finishNow()
{
    if (!isRunning())
        return;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    renderer_.reset();
    undrawnProgress_.reset();
    // The final frame is `to` exactly; sharing it saves drawing it once more.
    frame_ = std::move(to_);
    to_ = QImage();
    from_ = QImage();
    stats_.frameDrawn();
    if (frameStatsWanted())
        std::fprintf(stderr, "%s\n", qPrintable(stats_.summary(request_.effect, duration_.count())));
    emit frameChanged(frame_.rect());
    emit finished();
}

bool TransitionPlayer::cutsTransition(const QEvent* event) const
{
    if (event->type() == QEvent::KeyPress)
        return true;
    if (event->type() != QEvent::MouseMove || request_.cancelMode != CancelMode::KeyPressOrMouseMove)
        return false;
    // Some systems send mouse moves without any movement; only a real move counts.
    const auto* move = static_cast<const QMouseEvent*>(event);
    return move->globalPosition().toPoint() != pointerAtStart_;
}

bool TransitionPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (isRunning() && cutsTransition(event))
        finishNow();
    return QObject::eventFilter(watched, event);
}

} // namespace qv
