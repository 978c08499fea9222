#pragma once

namespace qv {

// What every configuration window does alike from the keyboard, installed once for
// the whole application:
// - the control with the keyboard focus wears a ring that stands out on the light
//   dialogs and on the title screen's dark panel alike (the style's own pale outline
//   cannot be seen on the panel);
// - Return or Enter on a focused push button presses it, as Space does, in every
//   window and not only in dialogs.
void installWindowConventions();

} // namespace qv
