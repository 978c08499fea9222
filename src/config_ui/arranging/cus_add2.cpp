#include "config_ui/common/storable_names.h"
#include "config_ui/arranging/cus_add2.h"

#include "components/platform/file_names.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/picture_dialog_layout.h"
#include "config_ui/arranging/picture_picker.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "showdata/custom_show.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

bool isSlide(int position) { return position >= 1 && position <= customShow().slideCount; }

} // namespace

cus_add2::cus_add2(QWidget* parent)
    : QDialog(parent), picker_(new PicturePicker(this, false, QRect(4380, 360, 2055, 1665)))
{
    setObjectName(QStringLiteral("cus_add2"));
    setWindowTitle(QStringLiteral("Select new picture"));

    const int current = configUiState().currentSlide;
    const CustomShow& show = customShow();
    Label1_ = new QLabel(isSlide(current) ? displayFileName(show.picture.at(static_cast<std::size_t>(current))) : QString(),
                         this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1_->setWordWrap(true);
    auto* currentCaption = new QLabel(QStringLiteral("Current picture:"), this);
    currentCaption->setObjectName(QStringLiteral("Label3"));

    FileBrowser& browser = picker_->browser();
    const DescriptionLine description = makeDescriptionLine(this, QStringLiteral("Label2"));
    Text1_ = description.entry;
    // The slide's own description, so that choosing another picture does not lose it
    // unless the user clears it.
    if (isSlide(current))
        Text1_->setText(show.description.at(static_cast<std::size_t>(current)));

    const QString captions[4] = {QStringLiteral("&Ok"), QStringLiteral("&Cancel"), QStringLiteral("&Preview"),
                                 QStringLiteral("&Help")};
    for (int index = 0; index < 4; ++index) {
        SSCommand1_[index] = commandButton(this, QStringLiteral("SSCommand1_%1").arg(index), captions[index],
                                           index == 2 ? kAutoPreviewCaption : kDisabledCaption);
        connect(SSCommand1_[index], &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
    }
    SSCommand1_[0]->setDefault(true);
    picker_->setPreviewButton(SSCommand1_[2]);
    picker_->setAutoPreview(configUiState().replaceAutoPreview != 0);
    connect(picker_, &PicturePicker::autoPreviewChanged, this,
            [](bool on) { configUiState().replaceAutoPreview = on ? 1 : 0; });
    connect(&browser, &FileBrowser::fileDoubleClicked, this, [this] { SSCommand1_Click(0); });

    QVBoxLayout* previewColumn = picker_->makePreviewColumn();
    previewColumn->addStretch();
    auto* layout = new QVBoxLayout(this);
    auto* currentLine = new QHBoxLayout;
    currentLine->addWidget(currentCaption);
    currentLine->addWidget(Label1_, 1);
    layout->addLayout(currentLine);
    layout->addLayout(listsBeside(*picker_, previewColumn), 1);
    layout->addWidget(description.prompt);
    layout->addWidget(Text1_);
    layout->addLayout(buttonRow(SSCommand1_));

    picker_->chainTabOrder(Text1_);
    tabOnThrough({Text1_}, SSCommand1_);
    bindHelpKey(this, QStringLiteral("Adding"));
    nameControlsForAccessibility(this);
    Label1_->setAccessibleName(QStringLiteral("Current picture"));
    browser.fileList()->setFocus();
}

cus_add2::~cus_add2() = default;

void cus_add2::openModal(QWidget* parent)
{
    cus_add2 dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void cus_add2::reject() { SSCommand1_Click(1); }

void cus_add2::SSCommand1_Click(int index)
{
    switch (index) {
    case 0: {
        picker_->storeFolder();
        const QString path = picker_->pathOf(picker_->chosenFileName());
        if (!path.isEmpty() && keepStorableNames({path}).isEmpty())
            return;
        const int current = configUiState().currentSlide;
        if (!path.isEmpty() && isSlide(current)) {
            const auto at = static_cast<std::size_t>(current);
            customShow().picture.at(at) = path;
            customShow().description.at(at) = Text1_->text();
            RefreshPictureColumn();
            RefreshDescriptionColumn();
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
    case 3:
        open_help(QStringLiteral("Adding"));
        break;
    default:
        break;
    }
}

} // namespace qv
