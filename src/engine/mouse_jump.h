#pragma once

#include <optional>

namespace qv {

// Tells a deliberate jump of the mouse from the small movements of a hand resting
// on it: only a jump of more than the tolerance between two reported positions
// counts, so a slow drift across the whole screen never does.
class MouseJumpDetector {
public:
    explicit MouseJumpDetector(int tolerance) : tolerance_(tolerance) {}

    // True when the movement to (x, y) is a jump. A jump leaves the remembered
    // position where it was when `rememberJumps` is false.
    bool moved(int x, int y, bool rememberJumps);

    // Forgets the position: the next report is only remembered.
    void forget() { last_.reset(); }
    bool remembers() const { return last_.has_value(); }

private:
    struct Point {
        int x;
        int y;
    };
    int tolerance_;
    std::optional<Point> last_;
};

} // namespace qv
