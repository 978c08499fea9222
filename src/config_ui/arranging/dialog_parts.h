#pragma once

#include "config_ui/common/caption_colours.h"

#include <QColor>
#include <QString>
#include <QValidator>

class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

// A command button with the dialogs' caption colours (caption_colours.h).
QPushButton* commandButton(QWidget* parent, const QString& objectName, const QString& caption,
                           const QColor& disabledCaption = kDisabledCaption);

// Keeps an entry's text to the characters `allowed` accepts, whether they are typed or
// pasted: anything else is dropped and the cursor stays where the user left it.
class CharacterFilter final : public QValidator {
public:
    using Allowed = bool (*)(QChar);
    CharacterFilter(Allowed allowed, QObject* parent);
    State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;

private:
    Allowed allowed_;
};

// The description entries: a double quote cannot be stored in a show file.
bool isDescriptionCharacter(QChar c);
void keepDescriptionCharacters(QLineEdit* entry);

} // namespace qv
