#pragma once

#include "showdata/random_source.h"

#include <vector>

namespace qv {

// The order in which a show walks through its pictures or sounds: passes of 1 to
// count, shuffled without repeats within a pass, or in sequence.
class PlayOrder {
public:
    // The next item number (1-based). A new pass starts when the last one is used
    // up, when nothing was built yet, or when the count changed under it; a shuffled
    // pass reseeds the sequence from the clock first.
    int next(int count, bool shuffled, RandomSource& random);

    // Starts over at the next call.
    void reset();

    // The current pass, positions 1 to count (position 0 unused).
    const std::vector<int>& order() const { return order_; }

private:
    void buildPass(int count, bool shuffled, RandomSource& random);

    std::vector<int> order_ = std::vector<int>(1, 0);
    int lastIndex_ = 99999;
    bool built_ = false;
};

} // namespace qv
