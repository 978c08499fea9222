#include "showdata/effect_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace qv {
namespace {

struct EffectPreviewState {
    bool running = false;
    QEventLoop* waiting = nullptr;  // the innermost WaitForEffect's loop, if any
};

EffectPreviewState& previewState()
{
    static EffectPreviewState state;
    return state;
}

} // namespace

void MarkEffectRunning() { previewState().running = true; }

void MarkEffectDone()
{
    EffectPreviewState& state = previewState();
    state.running = false;
    if (state.waiting != nullptr)
        state.waiting->quit();
}

bool effectRunning() { return previewState().running; }

void WaitForEffect(std::chrono::milliseconds limit)
{
    EffectPreviewState& state = previewState();
    if (state.running && QCoreApplication::instance() != nullptr) {
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(limit);
        // A handler inside may start a second wait; each wait restores the one it interrupted.
        QEventLoop* const outer = std::exchange(state.waiting, &loop);
        loop.exec();
        state.waiting = outer;
        // The flag is shared: once this wait ends, the one it interrupted has nothing to wait for.
        if (outer != nullptr)
            outer->quit();
    }
    state.running = false;
}

} // namespace qv
