#include "engine/play_order.h"

#include <algorithm>
#include <cmath>

namespace qv {

void PlayOrder::reset()
{
    built_ = false;
    lastIndex_ = 99999;
}

int PlayOrder::next(int count, bool shuffled, RandomSource& random)
{
    if (count < 1)
        return 0;
    if (!built_ || lastIndex_ + 1 > count || static_cast<int>(order_.size()) != count + 1) {
        buildPass(count, shuffled, random);
        lastIndex_ = 1;
    } else {
        ++lastIndex_;
    }
    return order_[static_cast<std::size_t>(lastIndex_)];
}

void PlayOrder::buildPass(int count, bool shuffled, RandomSource& random)
{
    built_ = true;
    order_.assign(static_cast<std::size_t>(count) + 1, 0);
    if (!shuffled) {
        for (int i = 1; i <= count; ++i)
            order_[static_cast<std::size_t>(i)] = i;
        return;
    }
    // Each position draws until it finds a number not used yet. Drawing from the
    // numbers still free gives the same even shuffle without the quadratic search
    // that makes a pass over 32,500 pictures stall the show.
    random.reseedFromClock();
    std::vector<int> unused(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        unused[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 1; i <= count; ++i) {
        const auto remaining = static_cast<double>(unused.size());
        auto pick = static_cast<std::size_t>(std::floor(random.next() * remaining));
        pick = std::min(pick, unused.size() - 1);
        order_[static_cast<std::size_t>(i)] = unused[pick];
        unused[pick] = unused.back();
        unused.pop_back();
    }
}

} // namespace qv
