#pragma once

// Include this last: Xlib defines macros such as None that clash with other names.
#include <X11/Xlib.h>

#include <memory>

namespace qv::test {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The test's own connection to the X server, closed when the test ends.
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

} // namespace qv::test
