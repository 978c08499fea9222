#pragma once

#include <QColor>
#include <QString>
#include <QValidator>

class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

// Caption colours of the dialogs' command buttons: dark blue while a button can be
// pressed, grey (or the lighter grey of a Preview button that auto preview has taken
// over) while it cannot.
inline const QColor kEnabledCaption{0, 0, 128};
inline const QColor kDisabledCaption{128, 128, 128};
inline const QColor kAutoPreviewCaption{192, 192, 192};

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
