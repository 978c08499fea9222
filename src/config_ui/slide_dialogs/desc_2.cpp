#include "config_ui/slide_dialogs/desc_2.h"

#include "config_ui/common/config_ui_state.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "showdata/custom_show.h"

#include <QLineEdit>

namespace qv {

desc_2::desc_2(QWidget* parent)
    : DescriptionForm(parent,
                      {QStringLiteral("Edit description of picture"),
                       QStringLiteral("Please &enter a description of this picture to be displayed during the "
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

std::int16_t& desc_2::autoPreviewSetting() { return configUiState().editDescAutoPreview; }

bool desc_2::moveOn()
{
    Text1->clear();
    return false;
}

} // namespace qv
