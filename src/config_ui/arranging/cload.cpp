#include "config_ui/arranging/cload.h"

#include "config_ui/arranging/show_file_actions.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/window_placement.h"

namespace qv {
namespace {

constexpr int kGridRows = 10;
constexpr int kCellsPerRow = 7;

} // namespace

cload::cload(QWidget* parent)
    : ShowNameDialog(parent, QStringLiteral("cload"), QStringLiteral("Load Slideshow"),
                     QStringLiteral("Load Slideshow &as:"))
{
    // The click before it has put the name in the entry.
    connect(files(), &ShowFileList::fileDoubleClicked, this, [this] { SSCommand1_Click(); });
}

void cload::openModal(QWidget* parent)
{
    cload dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void cload::SSCommand1_Click()
{
    if (loadShowNamed(enteredName()) != 0)
        return;
    // The editor shows the new show from its first slide, with that slide selected.
    for (int row = 0; row < kGridRows; ++row)
        UnhighlightRow(row * kCellsPerRow);
    RefreshGrid();
    if (configUiState().currentSlide > 0)
        HighlightRow(0);
    ConfigureScrollBar();
    closeDialog(true);
}

void cload::SSCommand2_Click() { closeDialog(false); }

} // namespace qv
