#include "config_ui/arranging/swap.h"

#include "components/platform/file_names.h"
#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "showdata/custom_show.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>

namespace qv {

QString swapListRow(int position)
{
    const CustomShow& show = customShow();
    const auto at = static_cast<std::size_t>(position);
    return QString::number(position) + u' ' + displayFileName(show.picture.at(at)) + u' ' + show.description.at(at);
}

Swap::Swap(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Swap"));
    setWindowTitle(QStringLiteral("Swap positions"));

    const CustomShow& show = customShow();
    const int current = configUiState().currentSlide;
    auto* Label1 = new QLabel(QStringLiteral("Current picture:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (current >= 1 && current <= show.slideCount)
        Label2_->setText(QString::number(current) + u' ' + displayFileName(show.picture.at(static_cast<std::size_t>(current))));

    auto* prompt = new QLabel(QStringLiteral("S&wap with:"), this);
    prompt->setObjectName(QStringLiteral("Label3"));
    List1_ = new QListWidget(this);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setUniformItemSizes(true);
    List1_->setSelectionMode(QAbstractItemView::SingleSelection);
    prompt->setBuddy(List1_);
    QStringList rows;
    rows.reserve(show.slideCount);
    for (int position = 1; position <= show.slideCount; ++position)
        rows << swapListRow(position);
    List1_->addItems(rows);
    List1_->setMinimumWidth(List1_->fontMetrics().averageCharWidth() * 90);
    // Start next to the current slide without choosing it: the arrow keys move on from there.
    if (current >= 1 && current <= show.slideCount) {
        const QModelIndex here = List1_->model()->index(current - 1, 0);
        List1_->selectionModel()->setCurrentIndex(here, QItemSelectionModel::NoUpdate);
        List1_->scrollTo(here, QAbstractItemView::PositionAtCenter);
    }

    SSCommand1_[0] = commandButton(this, QStringLiteral("SSCommand1_0"), QStringLiteral("&Swap"));
    SSCommand1_[1] = commandButton(this, QStringLiteral("SSCommand1_1"), QStringLiteral("&Cancel"));
    SSCommand1_[0]->setEnabled(false);
    SSCommand1_[0]->setDefault(true);
    for (int index = 0; index < 2; ++index)
        connect(SSCommand1_[index], &QPushButton::clicked, this, [this, index] { SSCommand1_Click(index); });
    // Choosing a row with the mouse or the arrow keys enables Swap; a double-click swaps.
    connect(List1_, &QListWidget::itemSelectionChanged, this,
            [this] { SSCommand1_[0]->setEnabled(!List1_->selectedItems().isEmpty()); });
    connect(List1_, &QListWidget::itemDoubleClicked, this, [this] { SSCommand1_Click(0); });

    auto* currentLine = new QHBoxLayout;
    currentLine->addWidget(Label1);
    currentLine->addWidget(Label2_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SSCommand1_[0]);
    buttons->addWidget(SSCommand1_[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(currentLine);
    layout->addWidget(prompt);
    layout->addWidget(List1_, 1);
    layout->addLayout(buttons);

    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Adding"));
    List1_->setFocus();
}

Swap::~Swap() = default;

void Swap::openModal(QWidget* parent)
{
    Swap dialog(parent);
    centre_on_screen(&dialog);
    dialog.exec();
}

void Swap::SSCommand1_Click(int index)
{
    if (index == 1) {
        reject();
        return;
    }
    if (index != 0)
        return;
    const QList<QListWidgetItem*> chosen = List1_->selectedItems();
    if (chosen.isEmpty())
        return;
    swapSlides(customShow(), List1_->row(chosen.first()) + 1, configUiState().currentSlide);
    accept();
}

} // namespace qv
