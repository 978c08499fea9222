#pragma once

#include "showdata/random_source.h"

#include <QString>

namespace qv {

// One screen's random choices: the order of its pictures, its effects and its
// captions' looks, each a sequence of its own named after the screen. What one
// screen draws then never depends on what another draws, or on which screens there
// are, or on how often a shown picture was passed over: under a fixed seed a screen
// shows the same pictures and effects alone as beside others.
struct ScreenRandom {
    explicit ScreenRandom(const QString& screenName = {});

    SeededRandom order;
    SeededRandom effects;
    SeededRandom captions;
};

} // namespace qv
