#include "config_ui/arranging/picture_dialog_layout.h"

#include "config_ui/arranging/dialog_parts.h"
#include "config_ui/arranging/picture_picker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace qv {

DescriptionLine makeDescriptionLine(QWidget* dialog, const QString& promptName)
{
    auto* prompt = new QLabel(QStringLiteral("&Enter a description of picture"), dialog);
    prompt->setObjectName(promptName);
    auto* entry = new QLineEdit(dialog);
    entry->setObjectName(QStringLiteral("Text1"));
    entry->setMaxLength(255);
    keepDescriptionCharacters(entry);
    prompt->setBuddy(entry);
    return {prompt, entry};
}

QHBoxLayout* listsBeside(const PicturePicker& picker, QLayout* side)
{
    auto* row = new QHBoxLayout;
    row->addLayout(picker.makeListsLayout(), 1);
    row->addLayout(side);
    return row;
}

QHBoxLayout* buttonRow(std::span<QPushButton* const> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

void tabOnThrough(std::initializer_list<QWidget*> first, std::span<QPushButton* const> buttons)
{
    std::vector<QWidget*> chain(first);
    chain.insert(chain.end(), buttons.begin(), buttons.end());
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

} // namespace qv
