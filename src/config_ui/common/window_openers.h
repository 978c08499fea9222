#pragma once

#include <QWidget>

#include <functional>

namespace qv {

// How one configuration window opens another without depending on its library:
// the program registers every window at start-up (configuration_mode.cpp), and
// tests register recorders. A window that is not registered says so in a box.
//
// Modal windows take the window they are opened from; the call returns when they
// close. The editor and the random show setup open non-modally: their caller waits
// on `configUiState().editorOpen`.
struct WindowOpeners {
    std::function<void()> customShowEditor;           // `create_sequence`
    std::function<void()> randomSetup;                // `r_andom`
    std::function<void(QWidget*)> globalOptions;      // `frmoptions`
    std::function<void(QWidget*)> borderDesigner;     // `FrmBorder`
    std::function<void(QWidget*)> passwordDialog;     // `Password`
    std::function<void(QWidget*)> effectChooser;      // `frmEffects`
    std::function<void(QWidget*)> pictureViewer;      // `cpic`
};

WindowOpeners& windowOpeners();

// The editor's own dialogs, each modal over the window it is opened from; the slide
// and arranging dialogs register themselves here, tests register recorders.
struct EditorDialogOpeners {
    std::function<void(QWidget*)> descriptionDialog;     // `desc_2`
    std::function<void(QWidget*)> delayDialog;           // `delays`
    std::function<void(QWidget*)> effectDialog;          // `effects`
    std::function<void(QWidget*)> soundDialog;           // `wav`
    std::function<void(QWidget*)> replacePictureDialog;  // `cus_add2`
    std::function<void(QWidget*)> addPicturesDialog;     // `Add_files`
    std::function<void(QWidget*)> insertDialog;          // `insert`
    std::function<void(QWidget*)> swapDialog;            // `Swap`
    std::function<void(QWidget*)> loadDialog;            // `cload`
    std::function<void(QWidget*)> saveDialog;            // `csave`
    std::function<void(QWidget*)> removeDialog;          // `frmremove`
};

EditorDialogOpeners& editorDialogOpeners();

void open_custom_show_editor();
void open_random_setup();
void open_global_options(QWidget* parent);
void open_border_designer(QWidget* parent);
void open_password_dialog(QWidget* parent);
void open_effect_chooser(QWidget* parent);
void open_picture_viewer(QWidget* parent);

void open_description_dialog(QWidget* parent);
void open_delay_dialog(QWidget* parent);
void open_effect_dialog(QWidget* parent);
void open_sound_dialog(QWidget* parent);
void open_replace_picture_dialog(QWidget* parent);
void open_add_pictures_dialog(QWidget* parent);
void open_insert_dialog(QWidget* parent);
void open_swap_dialog(QWidget* parent);
void open_load_dialog(QWidget* parent);
void open_save_dialog(QWidget* parent);
void open_remove_dialog(QWidget* parent);

} // namespace qv
