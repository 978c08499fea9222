#include "startup/control_form.h"
#include "startup/event_waiting.h"
#include "startup/program_windows.h"
#include "startup/startup_state.h"

#include <QPointer>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ControlForm, TheLabelCoversTheHostClientAreaInTwips)
{
    EXPECT_EQ(previewLabelTwips(QSize(152, 112), 15, 15), QSize(2280, 1680));
    EXPECT_EQ(previewLabelTwips(QSize(152, 112), 10, 12), QSize(1520, 1344));
}

TEST(ControlForm, WithoutAHostItUnloadsAtItsFirstTickAndShowsNothing)
{
    startupState().hostWindow = 0;
    ControlForm::load();
    ASSERT_TRUE(anyProgramWindowOpen());
    let_events_run_until([] { return !anyProgramWindowOpen(); }, std::chrono::milliseconds(100));
    EXPECT_FALSE(anyProgramWindowOpen());
}

} // namespace
} // namespace qv
