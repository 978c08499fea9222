#include "config_ui/arranging/frmremove.h"

#include "components/platform/message_box.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/show_file_actions.h"
#include "config_ui/arranging/show_name_dialog.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

frmremove::frmremove(QWidget* parent) : QDialog(parent), files_(new ShowFileList(this))
{
    setObjectName(QStringLiteral("frmremove"));
    setWindowTitle(QStringLiteral("Delete Slideshow"));

    auto* prompt = new QLabel(QStringLiteral("&Slideshow to delete:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setBuddy(files_->list());
    SSCommand1_[0] = commandButton(this, QStringLiteral("SSCommand1_0"), QStringLiteral("&Ok"));
    SSCommand1_[1] = commandButton(this, QStringLiteral("SSCommand1_1"), QStringLiteral("&Cancel"));
    SSCommand1_[0]->setEnabled(false);
    SSCommand1_[0]->setDefault(true);
    for (int index = 0; index < 2; ++index)
        connect(SSCommand1_[index], &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
    connect(files_, &ShowFileList::fileChosen, this, [this] { SSCommand1_[0]->setEnabled(true); });
    connect(files_, &ShowFileList::fileDoubleClicked, this, [this] { SSCommand1_Click(0); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SSCommand1_[0]);
    buttons->addWidget(SSCommand1_[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(files_->list(), 1);
    layout->addWidget(files_->pathLabel());
    layout->addLayout(buttons);

    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Adding"));
    files_->list()->setFocus();
}

void frmremove::openModal(QWidget* parent)
{
    frmremove dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void frmremove::SSCommand1_Click(int index)
{
    if (index == 1) {
        reject();
        return;
    }
    const QString fileName = files_->chosenFileName();
    if (index != 0 || fileName.isEmpty())
        return;
    const MessageAnswer answer =
        showMessage(Message{QStringLiteral("Are you sure?"), QStringLiteral("Delete Slideshow"), MessageButtons::YesNo,
                            MessageIcon::Critical, MessageAnswer::No});
    if (answer == MessageAnswer::Yes)
        deleteShowFile(files_->folder(), fileName);
    accept();
}

} // namespace qv
