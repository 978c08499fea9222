#pragma once

#include <QString>

class QLineEdit;
class QScrollBar;

namespace qv {

inline constexpr int kLongestDelay = 999;

// The number a delay entry's text stands for: its leading digits ("12a" is 12, an
// empty text 0), limited to 0 to 999.
int delayFromText(const QString& text);

// Makes an entry and its spin bar a delay control: only digits can be typed, every
// change is written back as the limited number (so "" shows "0" and "1234" shows
// "999"), and the spin bar rests at 50, adding 1 for a step up and taking 1 away for
// a step down before it returns to rest. The entry keeps the focus after a spin.
void attachDelayEntry(QLineEdit* entry, QScrollBar* spin);

// The value the entry shows.
int delayEntryValue(const QLineEdit* entry);

} // namespace qv
