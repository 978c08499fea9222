#include "config_ui/common/storable_names.h"
#include "config_ui/arranging/add_files.h"

#include "components/platform/message_box.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/picture_dialog_layout.h"
#include "config_ui/arranging/picture_picker.h"
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/delay_entry.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/desc.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qv {

Add_files::Add_files(QWidget* parent)
    : QDialog(parent), picker_(new PicturePicker(this, true, QRect(4350, 420, 2055, 1665)))
{
    setObjectName(QStringLiteral("Add_files"));
    setWindowTitle(QStringLiteral("Add pictures to slide show"));
    FileBrowser& browser = picker_->browser();

    Option1_ = new QRadioButton(QStringLiteral("&Insert"), this);
    Option1_->setObjectName(QStringLiteral("Option1"));
    Option1_->setToolTip(QStringLiteral("Put the new pictures in front of the current slide"));
    Option2_ = new QRadioButton(QStringLiteral("Appe&nd"), this);
    Option2_->setObjectName(QStringLiteral("Option2"));
    Option2_->setToolTip(QStringLiteral("Put the new pictures after the last slide"));
    Option2_->setChecked(true);
    Option1_->setEnabled(customShow().slideCount >= 1);
    Check1_ = new QCheckBox(QStringLiteral("&Edit descriptions"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setToolTip(QStringLiteral("Give each new picture a description once they are added"));

    auto* delayLabel = new QLabel(QStringLiteral("Picture(s) &delay:"), this);
    delayLabel->setObjectName(QStringLiteral("Label1"));
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setToolTip(QStringLiteral("Seconds each new picture stays on screen"));
    delayLabel->setBuddy(Text1_);
    VScroll1_ = new QScrollBar(Qt::Vertical, this);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    VScroll1_->setToolTip(QStringLiteral("Change the delay by one second"));
    VScroll1_->setFocusPolicy(Qt::NoFocus);
    attachDelayEntry(Text1_, VScroll1_);
    Text1_->setText(QStringLiteral("15"));
    const int entryHeight = Text1_->sizeHint().height();
    VScroll1_->setFixedHeight(entryHeight);
    Text1_->setFixedWidth(Text1_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + entryHeight / 2);

    const QString captions[5] = {QStringLiteral("Add &File(s)"), QStringLiteral("&Add All"), QStringLiteral("&Cancel"),
                                 QStringLiteral("&Preview"), QStringLiteral("&Help")};
    for (int index = 0; index < 5; ++index) {
        SSCommand1_[index] = commandButton(this, QStringLiteral("SSCommand1_%1").arg(index), captions[index],
                                           index == 3 ? kAutoPreviewCaption : kDisabledCaption);
        connect(SSCommand1_[index], &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
    }
    SSCommand1_[0]->setDefault(true);
    picker_->setPreviewButton(SSCommand1_[3]);
    picker_->setAutoPreview(configUiState().addAutoPreview != 0);
    connect(picker_, &PicturePicker::autoPreviewChanged, this,
            [](bool on) { configUiState().addAutoPreview = on ? 1 : 0; });
    connect(&browser, &FileBrowser::fileDoubleClicked, this, [this] { SSCommand1_Click(0); });

    auto* modes = new QHBoxLayout;
    modes->addWidget(Option1_);
    modes->addWidget(Option2_);
    modes->addStretch();
    auto* delay = new QHBoxLayout;
    delay->addWidget(delayLabel);
    delay->addWidget(Text1_);
    delay->addWidget(VScroll1_);
    delay->addStretch();
    QVBoxLayout* side = picker_->makePreviewColumn();
    side->addSpacing(entryHeight / 2);
    side->addLayout(modes);
    side->addWidget(Check1_);
    side->addLayout(delay);
    side->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listsBeside(*picker_, side), 1);
    layout->addLayout(buttonRow(SSCommand1_));

    picker_->chainTabOrder(Option1_);
    tabOnThrough({Option1_, Option2_, Check1_, Text1_}, SSCommand1_);
    bindHelpKey(this, QStringLiteral("Adding"));
    nameControlsForAccessibility(this);
    // The folder list is where the arrow keys and Return find pictures; an empty file
    // list would take them without a word.
    browser.folderList()->setFocus();
}

Add_files::~Add_files() = default;

void Add_files::openModal(QWidget* parent)
{
    Add_files dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
    // The walk-through opens once this dialog has gone, over the window it came from.
    if (dialog.describeAfterwards_)
        desc::openModal(parent);
}

void Add_files::reject() { SSCommand1_Click(2); }

void Add_files::SSCommand1_Click(int index)
{
    switch (index) {
    case 0:
    case 1:
        addPictures(index == 1);
        break;
    case 2:
        picker_->storeFolder();
        QDialog::reject();
        break;
    case 3:
        picker_->preview(picker_->browser().currentFileName());
        break;
    case 4:
        open_help(QStringLiteral("Adding"));
        break;
    default:
        break;
    }
}

void Add_files::addPictures(bool everyFile)
{
    const int delay = delayEntryValue(Text1_);
    picker_->storeFolder();
    const FileBrowser& browser = picker_->browser();
    QStringList paths;
    for (const QString& name : everyFile ? browser.allFileNames() : browser.selectedFileNames()) {
        const QString path = picker_->pathOf(name);
        if (!path.isEmpty())
            paths << path;
    }
    paths = keepStorableNames(paths);
    const AddMode mode = Option1_->isChecked() ? AddMode::Insert : AddMode::Append;
    const AddedSlides added =
        addPicturesToShow(customShow(), configUiState(), mode, paths, delay, globalSettings().mgrainMode);
    RefreshGrid();
    ConfigureScrollBar();
    if (added.count() < paths.size()) {
        showMessage(Message{QStringLiteral("The slide show is full: %1 of the %2 pictures were added.")
                                .arg(added.count())
                                .arg(paths.size()),
                            windowTitle(), MessageButtons::Ok, MessageIcon::Warning});
    }
    describeAfterwards_ = Check1_->isChecked() && added.first > 0 && added.last > 0;
    QDialog::accept();
}

} // namespace qv
