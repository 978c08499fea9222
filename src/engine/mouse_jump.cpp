#include "engine/mouse_jump.h"

#include <cstdlib>

namespace qv {

bool MouseJumpDetector::moved(int x, int y, bool rememberJumps)
{
    if (!last_) {
        last_ = Point{x, y};
        return false;
    }
    const bool jump = std::abs(x - last_->x) > tolerance_ || std::abs(y - last_->y) > tolerance_;
    if (!jump || rememberJumps)
        last_ = Point{x, y};
    return jump;
}

} // namespace qv
