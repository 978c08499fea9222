#pragma once

#include <functional>

namespace qv {

// The mouse pointer's display counter, with the semantics of the windowing system
// the program was first written for: each "show" adds one, each "hide" takes one
// away, and the pointer is visible while the counter is zero or more.
class PointerCounter {
public:
    // `onVisibilityChange` is told whenever the pointer turns visible or hidden.
    explicit PointerCounter(std::function<void(bool visible)> onVisibilityChange);

    // Returns the new counter, as the windowing system's call does.
    int showCursor(bool show);
    int counter() const { return counter_; }
    bool visible() const { return counter_ >= 0; }

private:
    int counter_ = 0;
    std::function<void(bool)> onVisibilityChange_;
};

// The program's pointer, backed by Qt's override cursor: a blank cursor over every
// window of the program while the counter is below zero.
PointerCounter& programPointer();

} // namespace qv
