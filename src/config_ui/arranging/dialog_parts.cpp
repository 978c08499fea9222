#include "config_ui/arranging/dialog_parts.h"

#include <QLineEdit>
#include <QPushButton>

namespace qv {

QPushButton* commandButton(QWidget* parent, const QString& objectName, const QString& caption,
                           const QColor& disabledCaption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    colourCaption(button, disabledCaption);
    return button;
}

CharacterFilter::CharacterFilter(Allowed allowed, QObject* parent) : QValidator(parent), allowed_(allowed) {}

QValidator::State CharacterFilter::validate(QString& input, int& position) const
{
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!allowed_(input.at(i)))
            continue;
        kept.append(input.at(i));
        if (i < position)
            ++keptBeforeCursor;
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
}

void CharacterFilter::fixup(QString& input) const
{
    int end = static_cast<int>(input.size());
    validate(input, end);
}

bool isDescriptionCharacter(QChar c) { return c != u'"'; }

void keepDescriptionCharacters(QLineEdit* entry)
{
    entry->setValidator(new CharacterFilter(isDescriptionCharacter, entry));
}

} // namespace qv
