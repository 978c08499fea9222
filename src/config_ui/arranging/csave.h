#pragma once

#include "config_ui/arranging/show_name_dialog.h"

namespace qv {

// "Save Slideshow": writes the show under a name of the user's choice, replacing a
// saved show of that name. Cancelling, or a save that fails, tells the editor that
// the show was not saved.
class csave final : public ShowNameDialog {
    Q_OBJECT
public:
    explicit csave(QWidget* parent = nullptr);

    static void openModal(QWidget* parent);

protected:
    void SSCommand1_Click() override;
    void SSCommand2_Click() override;
};

} // namespace qv
