#include "config_ui/configuration_mode.h"

#include "components/platform/termination_signals.h"
#include "config_ui/arranging/add_files.h"
#include "config_ui/arranging/cload.h"
#include "config_ui/arranging/csave.h"
#include "config_ui/arranging/cus_add2.h"
#include "config_ui/arranging/frmremove.h"
#include "config_ui/arranging/insert.h"
#include "config_ui/arranging/swap.h"
#include "config_ui/common/window_conventions.h"
#include "config_ui/common/window_openers.h"
#include "config_ui/editor/create_sequence.h"
#include "config_ui/effects/frm_effects.h"
#include "config_ui/options/frm_border.h"
#include "config_ui/options/frm_options.h"
#include "config_ui/options/password.h"
#include "config_ui/random_setup/r_andom.h"
#include "config_ui/slide_dialogs/cpic.h"
#include "config_ui/slide_dialogs/delays.h"
#include "config_ui/slide_dialogs/desc_2.h"
#include "config_ui/slide_dialogs/effects.h"
#include "config_ui/slide_dialogs/wav.h"
#include "config_ui/title/frm_title.h"
#include "config_ui/title/loading.h"
#include "showdata/scratch_files.h"
#include "startup/shared_routines.h"

namespace qv {
namespace {

// A signal (a logout, `kill`, Ctrl+C in a terminal) ends configuration as its close
// box does: nothing more is saved, and the desktop's saver and pointer are restored.
// A random show's configuration set aside by a test run comes back at the next
// opening of the setup or the next show.
void endOnTerminationSignal()
{
    onTerminationSignal([] { finish_program(); });
}

// What every configuration run starts with: the signal handling above and the
// windows' shared keyboard conventions.
void startConfigurationRun()
{
    endOnTerminationSignal();
    installWindowConventions();
    // Saves and test runs killed half-way leave their files; their owners are gone.
    removeLeftoversOfEndedProcesses();
}

} // namespace

void registerConfigurationWindows()
{
    WindowOpeners& openers = windowOpeners();
    openers.customShowEditor = [] { create_sequence::open(); };
    openers.randomSetup = [] { r_andom::open(); };
    openers.globalOptions = &frmoptions::openModal;
    openers.borderDesigner = &FrmBorder::openModal;
    openers.passwordDialog = &Password::openModal;
    openers.effectChooser = &frmEffects::openModal;
    openers.pictureViewer = &cpic::openModal;

    EditorDialogOpeners& dialogs = editorDialogOpeners();
    dialogs.descriptionDialog = &desc_2::openModal;
    dialogs.delayDialog = &delays::openModal;
    dialogs.effectDialog = &effects::openModal;
    dialogs.soundDialog = &wav::openModal;
    dialogs.replacePictureDialog = &cus_add2::openModal;
    dialogs.addPicturesDialog = &Add_files::openModal;
    dialogs.insertDialog = &insert::openModal;
    dialogs.swapDialog = &Swap::openModal;
    dialogs.loadDialog = &cload::openModal;
    dialogs.saveDialog = &csave::openModal;
    dialogs.removeDialog = &frmremove::openModal;
}

void showSplashWindow()
{
    startConfigurationRun();
    loading::open();
}

void showTitleScreen()
{
    startConfigurationRun();
    FrmTitle::open();
}

void showPasswordDialogForHost(std::uint32_t hostWindow)
{
    startConfigurationRun();
    Password::openForHost(hostWindow);
}

} // namespace qv
