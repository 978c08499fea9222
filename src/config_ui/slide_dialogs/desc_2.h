#pragma once

#include "config_ui/slide_dialogs/description_form.h"

namespace qv {

// Edits the description of the slide being edited.
class desc_2 : public DescriptionForm {
    Q_OBJECT

public:
    explicit desc_2(QWidget* parent = nullptr);
    static void openModal(QWidget* parent);

protected:
    int slide() const override { return slide_; }
    bool moveOn() override;
    std::int16_t& autoPreviewSetting() override;

private:
    int slide_;
};

} // namespace qv
