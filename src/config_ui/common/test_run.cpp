#include "config_ui/common/test_run.h"

#include "engine/qvtour52.h"
#include "engine/show_state.h"
#include "settings/global_settings.h"
#include "startup/shared_routines.h"
#include "startup/event_waiting.h"

#include <utility>

namespace qv {
namespace {

std::function<void()>& replacementRunner()
{
    static std::function<void()> runner;
    return runner;
}

} // namespace

void setTestShowRunner(std::function<void()> runner) { replacementRunner() = std::move(runner); }

void run_test_show()
{
    GlobalSettings& settings = globalSettings();
    settings.previewRun = 1;
    showRunning() = true;
    if (replacementRunner())
        replacementRunner()();
    else
        qvtour52::open();
    let_events_run_until([] { return !showRunning(); });
    settings.previewRun = 0;
}

} // namespace qv
