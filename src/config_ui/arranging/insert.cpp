#include "config_ui/arranging/insert.h"

#include "components/platform/message_box.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/picture_picker.h"
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

insert::insert(QWidget* parent) : QDialog(parent), picker_(new PicturePicker(this, false, QRect(4380, 360, 2055, 1695)))
{
    setObjectName(QStringLiteral("insert"));
    setWindowTitle(QStringLiteral("Insert Picture"));

    FileBrowser& browser = picker_->browser();
    auto* description = new QLabel(QStringLiteral("&Enter a description of picture"), this);
    description->setObjectName(QStringLiteral("Label1"));
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setMaxLength(255);
    keepDescriptionCharacters(Text1_);
    description->setBuddy(Text1_);

    SSCommand1_[0] = commandButton(this, QStringLiteral("SSCommand1_0"), QStringLiteral("&Ok"));
    SSCommand1_[1] = commandButton(this, QStringLiteral("SSCommand1_1"), QStringLiteral("&Cancel"));
    SSCommand1_[2] = commandButton(this, QStringLiteral("SSCommand1_2"), QStringLiteral("&Preview"),
                                   kAutoPreviewCaption);
    SSCommand1_[0]->setDefault(true);
    for (int index = 0; index < 3; ++index)
        connect(SSCommand1_[index], &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
    picker_->setPreviewButton(SSCommand1_[2]);
    picker_->setAutoPreview(false);
    connect(&browser, &FileBrowser::fileDoubleClicked, this, [this] { SSCommand1_Click(0); });

    QGridLayout* lists = picker_->makeListsLayout();
    QVBoxLayout* previewColumn = picker_->makePreviewColumn();
    previewColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(lists, 1);
    top->addLayout(previewColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : SSCommand1_)
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(description);
    layout->addWidget(Text1_);
    layout->addLayout(buttons);

    picker_->chainTabOrder(Text1_);
    setTabOrder(Text1_, SSCommand1_[0]);
    setTabOrder(SSCommand1_[0], SSCommand1_[1]);
    setTabOrder(SSCommand1_[1], SSCommand1_[2]);
    nameControlsForAccessibility(this);
    browser.fileList()->setFocus();
}

insert::~insert() = default;

void insert::openModal(QWidget* parent)
{
    insert dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void insert::reject() { SSCommand1_Click(1); }

void insert::SSCommand1_Click(int index)
{
    switch (index) {
    case 0: {
        picker_->storeFolder();
        const QString path = picker_->pathOf(picker_->chosenFileName());
        if (!path.isEmpty()) {
            ConfigUiState& state = configUiState();
            const SlideRecord slide =
                newSlideFor(path, Text1_->text(), state.defaultDelay, globalSettings().mgrainMode);
            if (insertSlideBefore(customShow(), state.currentSlide, slide) == 0) {
                showMessage(Message{QStringLiteral("The slide show cannot hold more pictures."),
                                    windowTitle(), MessageButtons::Ok, MessageIcon::Warning});
                return;
            }
            RefreshGrid();
            ConfigureScrollBar();
        }
        QDialog::accept();
        break;
    }
    case 1:
        picker_->storeFolder();
        QDialog::reject();
        break;
    case 2:
        picker_->preview(picker_->chosenFileName());
        break;
    default:
        break;
    }
}

} // namespace qv
