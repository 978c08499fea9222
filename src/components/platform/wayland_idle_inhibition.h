#pragma once

namespace qv {

// A Wayland compositor without the freedesktop ScreenSaver service (sway, Hyprland
// and their kin) keeps the desktop from going idle only while a surface that asks
// for it is on screen (the idle-inhibit protocol). While held, every shown window
// of the program carries that request: all the show's windows, those of a screen
// plugged in later included, and the request goes with a window that closes. Does
// nothing off Wayland or where the compositor does not offer the protocol.
class WaylandIdleInhibition {
public:
    // On Wayland, and the compositor offers the protocol.
    static bool available();
    static void hold();      // idempotent
    static void release();   // idempotent
    static bool held();
};

} // namespace qv
