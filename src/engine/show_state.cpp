#include "engine/show_state.h"

namespace qv {

ShowState& showState()
{
    static ShowState state;
    return state;
}

bool& showRunning()
{
    static bool running = false;
    return running;
}

void reset_show_state()
{
    ShowState& s = showState();
    s.slideBusy = false;
    s.firstSlide = true;
    s.readyForNext = true;
    s.quitRequested = false;
    s.imageMouse.forget();
    s.formMouse.forget();
}

} // namespace qv
