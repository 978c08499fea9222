#pragma once

#include "config_ui/slide_dialogs/description_form.h"
#include "config_ui/slide_dialogs/slide_edits.h"

namespace qv {

// Walks through the slides just added (configUiState().newSlideFirst to newSlideLast)
// and asks for a description of each.
class desc : public DescriptionForm {
    Q_OBJECT

public:
    explicit desc(QWidget* parent = nullptr);
    static void openModal(QWidget* parent);

protected:
    int slide() const override { return walk_.slide; }
    bool moveOn() override;
    std::int16_t& autoPreviewSetting() override;

private:
    void showSlide();
    DescriptionWalk walk_;
};

} // namespace qv
