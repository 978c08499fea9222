#include "config_ui/common/storable_names.h"
#include "config_ui/arranging/insert.h"

#include "components/platform/message_box.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/picture_dialog_layout.h"
#include "config_ui/arranging/picture_picker.h"
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"

#include <QCheckBox>
#include <QComboBox>
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
    const DescriptionLine description = makeDescriptionLine(this, QStringLiteral("Label1"));
    Text1_ = description.entry;

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

    QVBoxLayout* previewColumn = picker_->makePreviewColumn();
    previewColumn->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listsBeside(*picker_, previewColumn), 1);
    layout->addWidget(description.prompt);
    layout->addWidget(Text1_);
    layout->addLayout(buttonRow(SSCommand1_));

    picker_->chainTabOrder(Text1_);
    tabOnThrough({Text1_}, SSCommand1_);
    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Adding"));
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
        if (!path.isEmpty() && keepStorableNames({path}).isEmpty())
            return;
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
