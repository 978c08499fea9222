#include "config_ui/slide_dialogs/desc.h"

#include "config_ui/common/config_ui_state.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "showdata/custom_show.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

desc::desc(QWidget* parent)
    : DescriptionForm(parent,
                      {QStringLiteral("Enter descriptions for selected pictures"),
                       QStringLiteral("Please &enter a description of this picture to be displayed during the slide "
                                      "show"),
                       QStringLiteral("&Next")},
                      {510, 180, 2115, 2685}, true)
{
    setObjectName(QStringLiteral("desc"));
    ConfigUiState& state = configUiState();
    walk_ = DescriptionWalk::start(state.newSlideFirst, state.newSlideLast);
    state.newSlidePosition = std::int16_t(walk_.position);
    state.newSlideTotal = std::int16_t(walk_.total);
    showSlide();
    takeAutoPreviewSetting();
}

void desc::openModal(QWidget* parent)
{
    desc dialog(parent);
    dialog.exec();
}

std::int16_t& desc::autoPreviewSetting() { return configUiState().descAutoPreview; }

void desc::showSlide()
{
    Label3->setText(walk_.positionText());
    Label2->setPath(picturePath());
    Text1->clear();
    if (walk_.onLastSlide())
        SSCommand1[1]->setText(QStringLiteral("&Ok"));
}

bool desc::moveOn()
{
    if (!walk_.advance())
        return false;
    ConfigUiState& state = configUiState();
    state.newSlideFirst = std::int16_t(walk_.slide);
    state.newSlidePosition = std::int16_t(walk_.position);
    showSlide();
    // The last slide's picture must not stand beside the next slide's entry.
    hidePreview();
    if (autoPreview())
        preview();
    Text1->setFocus();
    return true;
}

} // namespace qv
