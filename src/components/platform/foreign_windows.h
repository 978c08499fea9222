#pragma once

#include <QSize>

#include <cstdint>

namespace qv {

// Questions about windows of other programs, by their X11 window id. Without an X
// display every window counts as missing.
using ForeignWindowId = std::uint32_t;

// `IsWindow`: the id names an existing window.
bool foreignWindowExists(ForeignWindowId window);

// The size of the window's client area, in pixels; empty when it does not exist.
QSize foreignClientSize(ForeignWindowId window);

// The window's parent, or 0 when it has none or does not exist.
ForeignWindowId foreignParentOf(ForeignWindowId window);

// The root window of the default screen, or 0 without an X display.
ForeignWindowId foreignRootWindow();

// True when the window exists and is mapped (a host that withdraws its preview's
// window unmaps it).
bool foreignWindowMapped(ForeignWindowId window);

} // namespace qv
