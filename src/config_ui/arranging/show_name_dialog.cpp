#include "config_ui/arranging/show_name_dialog.h"

#include "components/platform/file_names.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/show_file_actions.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/help.h"
#include "settings/global_settings.h"
#include "showdata/show_file_listing.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

ShowFileList::ShowFileList(QWidget* dialog) : QObject(dialog), folder_(globalSettings().slideshowPath)
{
    File1_ = new QListWidget(dialog);
    File1_->setObjectName(QStringLiteral("File1"));
    File1_->setSelectionMode(QAbstractItemView::SingleSelection);
    File1_->setToolTip(QStringLiteral("The saved slide shows"));
    for (const QString& name : listShowFilesIn(folder_, QString()).names)
        (new QListWidgetItem(displayFileName(name), File1_))->setData(Qt::UserRole, name);
    File1_->setMinimumWidth(File1_->fontMetrics().averageCharWidth() * 32);

    pathLabel_ = new QLabel(QDir::toNativeSeparators(showFilePattern(folder_)), dialog);
    pathLabel_->setObjectName(QStringLiteral("Label2"));
    pathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel_->setWordWrap(true);

    connect(File1_, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { Q_EMIT fileDoubleClicked(item->data(Qt::UserRole).toString()); });
    connect(File1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = chosenFileName();
        if (!name.isEmpty())
            Q_EMIT fileChosen(name);
    });
}

QString ShowFileList::chosenFileName() const
{
    const QList<QListWidgetItem*> chosen = File1_->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->data(Qt::UserRole).toString();
}

ShowNameDialog::ShowNameDialog(QWidget* parent, const QString& objectName, const QString& caption,
                               const QString& prompt)
    : QDialog(parent), files_(new ShowFileList(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* Label1 = new QLabel(prompt, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setMaxLength(64);
    Text1_->setValidator(new CharacterFilter(isShowNameCharacter, Text1_));
    Text1_->setToolTip(QStringLiteral("Letters and digits only"));
    Label1->setBuddy(Text1_);

    SSCommand1_ = commandButton(this, QStringLiteral("SSCommand1"), QStringLiteral("&Ok"));
    SSCommand2_ = commandButton(this, QStringLiteral("SSCommand2"), QStringLiteral("&Cancel"));
    SSCommand1_->setEnabled(false);
    SSCommand1_->setDefault(true);
    connect(SSCommand1_, &QPushButton::clicked, this, [this] { SSCommand1_Click(); });
    connect(SSCommand2_, &QPushButton::clicked, this, [this] { SSCommand2_Click(); });
    connect(Text1_, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(files_, &ShowFileList::fileChosen, this,
            [this](const QString& fileName) {
                pickedName_ = showNameOfFile(fileName);
                Text1_->setText(displayFileName(pickedName_));
                // The entry keeps only the characters a name may be typed with.
                pickedShown_ = Text1_->text();
            });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SSCommand1_);
    buttons->addWidget(SSCommand2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files_->list(), 1);
    layout->addWidget(files_->pathLabel());
    layout->addWidget(Label1);
    layout->addWidget(Text1_);
    layout->addLayout(buttons);

    setTabOrder(Text1_, files_->list());
    setTabOrder(files_->list(), SSCommand1_);
    setTabOrder(SSCommand1_, SSCommand2_);
    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Adding"));
    Text1_->setFocus();
}

ShowNameDialog::~ShowNameDialog() = default;

void ShowNameDialog::reject() { SSCommand2_Click(); }

QString ShowNameDialog::enteredName() const
{
    const QString typed = Text1_->text();
    return !pickedName_.isEmpty() && typed == pickedShown_ ? pickedName_ : typed;
}

void ShowNameDialog::closeDialog(bool accepted)
{
    if (accepted)
        QDialog::accept();
    else
        QDialog::reject();
}

void ShowNameDialog::Text1_Change() { SSCommand1_->setEnabled(!Text1_->text().isEmpty()); }

} // namespace qv
