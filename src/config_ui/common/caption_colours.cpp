#include "config_ui/common/caption_colours.h"

#include <QPalette>
#include <QPushButton>

namespace qv {

void colourCaption(QPushButton* button, const QColor& disabledCaption)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, kEnabledCaption);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, kEnabledCaption);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledCaption);
    button->setPalette(palette);
}

} // namespace qv
