#include "startup/startup_state.h"

namespace qv {

StartupState& startupState()
{
    static StartupState state;
    return state;
}

} // namespace qv
