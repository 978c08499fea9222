#include "config_ui/slide_dialogs/desc_2.h"

#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"

#include <QLineEdit>

namespace qv {

desc_2::desc_2(QWidget* parent)
    : DescriptionForm(parent,
                      {QStringLiteral("Edit description of picture"),
                       QStringLiteral("Please enter a description of this picture to be displayed during the "
                                      "presentation:"),
                       QStringLiteral("&Ok")},
                      {450, 180, 2145, 2685}, false),
      slide_(configUiState().currentSlide)
{
    setObjectName(QStringLiteral("desc_2"));
    const CustomShow& show = customShow();
    if (slide_ >= 1 && slide_ <= show.slideCount)
        Text1->setText(show.description[std::size_t(slide_)]);
    Label2->setPath(picturePath());
    takeAutoPreviewSetting();
}

void desc_2::openModal(QWidget* parent)
{
    desc_2 dialog(parent);
    dialog.exec();
}

QString desc_2::picturePath() const { return slidePicture(customShow(), slide_); }

std::int16_t& desc_2::autoPreviewSetting() { return configUiState().editDescAutoPreview; }

void desc_2::SSCommand1_Click(int index)
{
    switch (index) {
    case 0:
        preview();
        return;
    case 1:
        storeDescription(customShow(), slide_, Text1->text(), false);
        Text1->clear();
        closeDialog(Accepted);
        break;
    case 2:
        closeDialog(Rejected);
        break;
    case 3:
        storeDescription(customShow(), slide_, Text1->text(), true);
        closeDialog(Accepted);
        break;
    default:
        return;
    }
    RefreshDescriptionColumn();
}

} // namespace qv
