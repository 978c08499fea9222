#include "config_ui/configuration_mode.h"

#include "config_ui/common/window_openers.h"

// Each window group adds its header here.
// [window headers]
#include "config_ui/title/frm_title.h"
#include "config_ui/title/loading.h"

namespace qv {

void registerConfigurationWindows()
{
    WindowOpeners& openers = windowOpeners();
    // Each window group registers its windows here.
    // [window registrations]
    (void)openers;
}

void showSplashWindow()
{
    // [splash opener]
    loading::open();
}

void showTitleScreen()
{
    // [title opener]
    FrmTitle::open();
}

void showPasswordDialogForHost(std::uint32_t hostWindow)
{
    // [password opener]
    (void)hostWindow;
}

} // namespace qv
