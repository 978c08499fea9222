#include "config_ui/configuration_mode.h"

#include "config_ui/common/window_openers.h"

// Each window group adds its header here.
// [window headers]
#include "config_ui/arranging/add_files.h"
#include "config_ui/arranging/cload.h"
#include "config_ui/arranging/csave.h"
#include "config_ui/arranging/cus_add2.h"
#include "config_ui/arranging/frmremove.h"
#include "config_ui/arranging/insert.h"
#include "config_ui/arranging/swap.h"
#include "config_ui/slide_dialogs/cpic.h"
#include "config_ui/slide_dialogs/delays.h"
#include "config_ui/slide_dialogs/desc_2.h"
#include "config_ui/slide_dialogs/effects.h"
#include "config_ui/slide_dialogs/wav.h"
#include "config_ui/editor/create_sequence.h"
#include "config_ui/effects/frm_effects.h"
#include "config_ui/options/frm_border.h"
#include "config_ui/options/frm_options.h"
#include "config_ui/options/password.h"
#include "config_ui/title/frm_title.h"
#include "config_ui/title/loading.h"
#include "config_ui/random_setup/r_andom.h"

namespace qv {

void registerConfigurationWindows()
{
    WindowOpeners& openers = windowOpeners();
    // Each window group registers its windows here.
    // [window registrations]
    openers.pictureViewer = &cpic::openModal;
    EditorDialogOpeners& slideDialogs = editorDialogOpeners();
    slideDialogs.descriptionDialog = &desc_2::openModal;
    slideDialogs.delayDialog = &delays::openModal;
    slideDialogs.effectDialog = &effects::openModal;
    slideDialogs.soundDialog = &wav::openModal;
    EditorDialogOpeners& arrangingDialogs = editorDialogOpeners();
    arrangingDialogs.replacePictureDialog = &cus_add2::openModal;
    arrangingDialogs.addPicturesDialog = &Add_files::openModal;
    arrangingDialogs.insertDialog = &insert::openModal;
    arrangingDialogs.swapDialog = &Swap::openModal;
    arrangingDialogs.loadDialog = &cload::openModal;
    arrangingDialogs.saveDialog = &csave::openModal;
    arrangingDialogs.removeDialog = &frmremove::openModal;
    openers.customShowEditor = [] { create_sequence::open(); };
    openers.randomSetup = [] { r_andom::open(); };
    openers.effectChooser = &frmEffects::openModal;
    openers.globalOptions = &frmoptions::openModal;
    openers.borderDesigner = &FrmBorder::openModal;
    openers.passwordDialog = &Password::openModal;
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
    Password::openForHost(hostWindow);
}

} // namespace qv
