#pragma once

#include <QSize>

#include <chrono>

namespace qv {

// How long a transition takes:
//
//   duration = (450 ms + 580 ms x sqrt(speed)) x grain factor x area factor
//   grain factor = (8 / grain)^0.3, kept within 0.6 .. 1.6
//   area factor  = sqrt(area / (1920 x 1080)), kept within 0.35 .. 2, area in logical pixels
//
// Speed 0 to 255 (values outside are clamped): larger is slower, but by the square root,
// so the catalogue's "Slow" speeds (21 times "Fast") still end within about 10 seconds
// on a full HD screen. The catalogue's base speeds at "Fast" give 0.45 to 3 seconds
// there. A fine grain (many small steps) takes longer, a coarse one less; the super-fine
// grain mode pairs small grains with small speeds, so both modes run about as long. A
// larger area takes longer, a small preview box a third of the time.
std::chrono::milliseconds transitionDuration(int speed, int grain, QSize logicalArea);

// The timer interval that draws one frame per refresh of a display at `refreshRate`
// Hz (60 Hz when unknown).
std::chrono::milliseconds frameInterval(double refreshRate);

} // namespace qv
