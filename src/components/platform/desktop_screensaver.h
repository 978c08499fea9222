#pragma once

namespace qv {

// The desktop's idle screen saver. While a show or the configuration runs, the
// desktop must not start its own saver over it: the program holds an inhibition
// through the freedesktop ScreenSaver service where the session bus offers one,
// otherwise on Wayland through the compositor's idle-inhibit protocol on every shown
// window of the program, and does nothing where neither exists. The inhibition
// belongs to the process's bus or display connection, so the desktop drops it when
// the process ends, however it ends.
class DesktopScreenSaver {
public:
    static void inhibit();   // idempotent
    static void release();   // idempotent
    static bool inhibited();
};

} // namespace qv
