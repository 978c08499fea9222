#include "config_ui/common/window_openers.h"

#include "components/platform/message_box.h"
#include "config_ui/common/config_ui_state.h"

namespace qv {
namespace {

void sayMissing()
{
    showMessage(Message{QStringLiteral("This window is not part of this build of Quintavue."),
                        QString(), MessageButtons::Ok, MessageIcon::Information});
}

void openModal(const std::function<void(QWidget*)>& opener, QWidget* parent)
{
    if (opener)
        opener(parent);
    else
        sayMissing();
}

void openModeless(const std::function<void()>& opener)
{
    if (opener) {
        opener();
        return;
    }
    sayMissing();
    // The caller waits for the window to clear this; nothing will.
    configUiState().editorOpen = false;
}

} // namespace

WindowOpeners& windowOpeners()
{
    static WindowOpeners openers;
    return openers;
}

EditorDialogOpeners& editorDialogOpeners()
{
    static EditorDialogOpeners openers;
    return openers;
}

void open_custom_show_editor() { openModeless(windowOpeners().customShowEditor); }
void open_random_setup() { openModeless(windowOpeners().randomSetup); }
void open_global_options(QWidget* parent) { openModal(windowOpeners().globalOptions, parent); }
void open_border_designer(QWidget* parent) { openModal(windowOpeners().borderDesigner, parent); }
void open_password_dialog(QWidget* parent) { openModal(windowOpeners().passwordDialog, parent); }
void open_effect_chooser(QWidget* parent) { openModal(windowOpeners().effectChooser, parent); }
void open_picture_viewer(QWidget* parent) { openModal(windowOpeners().pictureViewer, parent); }

void open_description_dialog(QWidget* parent) { openModal(editorDialogOpeners().descriptionDialog, parent); }
void open_delay_dialog(QWidget* parent) { openModal(editorDialogOpeners().delayDialog, parent); }
void open_effect_dialog(QWidget* parent) { openModal(editorDialogOpeners().effectDialog, parent); }
void open_sound_dialog(QWidget* parent) { openModal(editorDialogOpeners().soundDialog, parent); }
void open_replace_picture_dialog(QWidget* parent) { openModal(editorDialogOpeners().replacePictureDialog, parent); }
void open_add_pictures_dialog(QWidget* parent) { openModal(editorDialogOpeners().addPicturesDialog, parent); }
void open_insert_dialog(QWidget* parent) { openModal(editorDialogOpeners().insertDialog, parent); }
void open_swap_dialog(QWidget* parent) { openModal(editorDialogOpeners().swapDialog, parent); }
void open_load_dialog(QWidget* parent) { openModal(editorDialogOpeners().loadDialog, parent); }
void open_save_dialog(QWidget* parent) { openModal(editorDialogOpeners().saveDialog, parent); }
void open_remove_dialog(QWidget* parent) { openModal(editorDialogOpeners().removeDialog, parent); }

} // namespace qv
