#include "config_ui/common/partly_read_show.h"

#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "config_ui/common/config_ui_state.h"

namespace qv {

bool mayReplacePartlyReadShow(const QString& fileName)
{
    ConfigUiState& state = configUiState();
    if (state.partlyReadShow.isEmpty() || fileName.compare(state.partlyReadShow, Qt::CaseInsensitive) != 0)
        return true;
    const bool replace
        = showMessage(Message{displayFileName(fileName)
                                  + QStringLiteral(" could not be read whole. Saving replaces it with the slides "
                                                   "shown in the editor, and the rest of the file is lost. Replace it?"),
                              QString(), MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::No})
          == MessageAnswer::Yes;
    if (replace)
        state.partlyReadShow.clear();
    return replace;
}

bool editorCanHold(int slideCount, const QString& fileName)
{
    if (slideCount <= mostEditableSlides)
        return true;
    showMessage(Message{QStringLiteral("%1 holds %2 slides, and the editor can hold at most %3. The show is not "
                                       "opened, and its file stays as it is.")
                            .arg(displayFileName(fileName))
                            .arg(slideCount)
                            .arg(mostEditableSlides),
                        QString(), MessageButtons::Ok, MessageIcon::Warning});
    return false;
}

} // namespace qv
