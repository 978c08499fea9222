#pragma once

#include "config_ui/arranging/show_name_dialog.h"

namespace qv {

// "Load Slideshow": reads a saved show into the editor. A show that cannot be read
// keeps the dialog open so that another can be chosen.
class cload final : public ShowNameDialog {
    Q_OBJECT
public:
    explicit cload(QWidget* parent = nullptr);

    static void openModal(QWidget* parent);

protected:
    void SSCommand1_Click() override;
    void SSCommand2_Click() override;
};

} // namespace qv
