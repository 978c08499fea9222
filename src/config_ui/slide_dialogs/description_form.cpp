#include "config_ui/slide_dialogs/description_form.h"

#include "components/picture/fx_image.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/caption_colours.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/quote_free_entry.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qv {

DescriptionForm::DescriptionForm(QWidget* parent, const Texts& texts, Box previewBox, bool withPositionLabel)
    : QDialog(parent)
{
    setWindowTitle(texts.caption);
    setModal(true);

    Label1 = new QLabel(texts.prompt, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    forbidDoubleQuotes(Text1);
    Text1->installEventFilter(this);
    Label1->setBuddy(Text1);

    Preview = new PreviewBox(previewBox.top, previewBox.left, previewBox.height, previewBox.width, this);
    Preview->setObjectName(QStringLiteral("Picture1"));
    Label2 = new PathLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Check1 = new QCheckBox(QStringLiteral("&Auto preview"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    connect(Check1, &QCheckBox::clicked, this, &DescriptionForm::Check1_Click);

    const std::array<QString, 4> captions{QStringLiteral("&Preview"), texts.button1, QStringLiteral("&Cancel"),
                                          QStringLiteral("Copy &description to all and exit")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        colourCaption(button, i == 0 ? kAutoPreviewCaption : kDisabledCaption);
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
        SSCommand1[std::size_t(i)] = button;
    }
    SSCommand1[1]->setDefault(true);

    auto* side = new QVBoxLayout;
    if (withPositionLabel) {
        Label3 = new QLabel(this);
        Label3->setObjectName(QStringLiteral("Label3"));
        QFont bold = Label3->font();
        bold.setBold(true);
        Label3->setFont(bold);
        side->addWidget(Label3);
    }
    side->addWidget(Check1);
    side->addWidget(SSCommand1[0], 0, Qt::AlignLeft);
    side->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(Preview, 0, Qt::AlignTop);
    middle->addLayout(side, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SSCommand1[3]);
    buttons->addStretch(1);
    buttons->addWidget(SSCommand1[1]);
    buttons->addWidget(SSCommand1[2]);

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(new QLabel(QStringLiteral("Picture:"), this));
    pictureRow->addWidget(Label2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addLayout(pictureRow);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Room for a description of a sentence or two and for a usual picture path.
    Text1->setMinimumWidth(fontMetrics().averageCharWidth() * 70);

    setTabOrder(Text1, SSCommand1[1]);
    setTabOrder(SSCommand1[1], SSCommand1[2]);
    setTabOrder(SSCommand1[2], SSCommand1[3]);
    setTabOrder(SSCommand1[3], Check1);
    setTabOrder(Check1, SSCommand1[0]);
    nameControlsForAccessibility(this);
    Label2->setAccessibleName(QStringLiteral("Picture"));
    bindHelpKey(this, QStringLiteral("Slide Dialogs"));
}

void DescriptionForm::reject()
{
    // Reached from button 2 itself as well: only once.
    if (closing_)
        return;
    SSCommand1_Click(2);
}

void DescriptionForm::SSCommand1_Click(int index)
{
    switch (index) {
    case 0:
        preview();
        return;
    case 1:
        storeDescription(customShow(), slide(), Text1->text(), false);
        if (moveOn())
            return;
        closeDialog(Accepted);
        break;
    case 2:
        closeDialog(Rejected);
        break;
    case 3:
        storeDescription(customShow(), slide(), Text1->text(), true);
        closeDialog(Accepted);
        break;
    default:
        return;
    }
    RefreshDescriptionColumn();
}

QString DescriptionForm::picturePath() const { return slidePicture(customShow(), slide()); }

void DescriptionForm::closeDialog(DialogCode code)
{
    closing_ = true;
    done(code);
}

void DescriptionForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    centre_on_screen(this);
    QTimer::singleShot(0, this, &DescriptionForm::Form_Activate);
}

void DescriptionForm::Form_Activate()
{
    Text1->setFocus(Qt::ActiveWindowFocusReason);
    if (autoPreview())
        preview();
}

bool DescriptionForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SSCommand1_Click(1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DescriptionForm::takeAutoPreviewSetting()
{
    Check1->setChecked(autoPreviewSetting() != 0);
    showPreviewButtonState();
}

bool DescriptionForm::autoPreview() const { return Check1->isChecked(); }

void DescriptionForm::Check1_Click()
{
    // Preview opens in light grey when auto preview was already on, and turns grey
    // when the user switches it on here.
    colourCaption(SSCommand1[0], kDisabledCaption);
    autoPreviewSetting() = autoPreview() ? 1 : 0;
    showPreviewButtonState();
    if (autoPreview())
        preview();
}

void DescriptionForm::showPreviewButtonState() { SSCommand1[0]->setEnabled(!autoPreview()); }

void DescriptionForm::preview()
{
    SetBusyPointer();
    Preview->preview(picturePath());
    SetNormalPointer();
}

void DescriptionForm::hidePreview() { Preview->image()->hide(); }

} // namespace qv
