#pragma once

#include <QString>

#include <memory>

namespace qv {

// True when no top-level window has exactly this title: on X11 by the server's
// window list, and, so that the answer holds offscreen and on Wayland too, by the
// per-display marker that a window holding the title keeps (see TitleMarker).
bool no_window_titled(const QString& title);

// True when the X server lists a top-level window with exactly this title. False
// without an X display.
bool x11HasWindowTitled(const QString& title);

// A marker that says "a window titled T is open on this display" (X display or
// Wayland socket). It is a lock file in the user's runtime folder: held while the
// object lives, and released by the system if the process dies, so a crashed show
// never blocks the next one.
class TitleMarker {
public:
    explicit TitleMarker(const QString& title);
    ~TitleMarker();
    TitleMarker(const TitleMarker&) = delete;
    TitleMarker& operator=(const TitleMarker&) = delete;

    // False when another live process holds the marker.
    bool held() const;

    static bool isHeldElsewhere(const QString& title);

private:
    struct Lock;
    std::unique_ptr<Lock> lock_;
};

} // namespace qv
