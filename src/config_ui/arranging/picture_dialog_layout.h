#pragma once

#include <QString>

#include <initializer_list>
#include <span>

class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

class PicturePicker;

// What the picture dialogs lay out alike around their picture picker.

// "Enter a description of picture" (named `promptName`) and its entry `Text1`, which
// keeps to 255 characters and no double quote.
struct DescriptionLine {
    QLabel* prompt;
    QLineEdit* entry;
};
DescriptionLine makeDescriptionLine(QWidget* dialog, const QString& promptName);

// The picture lists, with `side` (the preview column and what a dialog adds under it)
// to their right.
QHBoxLayout* listsBeside(const PicturePicker& picker, QLayout* side);
// The command buttons in a row, pushed to the right.
QHBoxLayout* buttonRow(std::span<QPushButton* const> buttons);
// Tab order through `first`, then the command buttons from left to right.
void tabOnThrough(std::initializer_list<QWidget*> first, std::span<QPushButton* const> buttons);

} // namespace qv
