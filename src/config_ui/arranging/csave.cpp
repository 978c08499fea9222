#include "config_ui/arranging/csave.h"

#include "components/platform/message_box.h"
#include "config_ui/arranging/show_file_actions.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"
#include "showdata/name_lookup.h"

namespace qv {

csave::csave(QWidget* parent)
    : ShowNameDialog(parent, QStringLiteral("csave"), QStringLiteral("Save Slideshow"),
                     QStringLiteral("Save Slideshow &as:"))
{
}

void csave::openModal(QWidget* parent)
{
    csave dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void csave::SSCommand1_Click()
{
    if (isReservedShowName(enteredName())) {
        showMessage(Message{QStringLiteral("Quintavue uses the name \"%1\" for its own working copies. "
                                           "Please choose another name.")
                                .arg(enteredName()),
                            windowTitle(), MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    // Another saved show of that name is replaced only when the user says so; No goes
    // back to the name entry. Saving the open show under its own name asks nothing.
    const QString fileName = enteredName() + QStringLiteral(".css");
    const QStringList existing = namesMatchingIgnoringCase(globalSettings().slideshowPath, fileName);
    if (!existing.isEmpty() && fileName.compare(globalSettings().activeCss, Qt::CaseInsensitive) != 0
        && showMessage(Message{existing.first() + QStringLiteral(" already exists. Replace it?"), windowTitle(),
                               MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No})
               != MessageAnswer::Yes)
        return;
    const bool saved = saveShowNamed(enteredName()) == 0;
    closeDialog(saved);
}

void csave::SSCommand2_Click()
{
    configUiState().dialogCancelled = 1;
    closeDialog(false);
}

} // namespace qv
