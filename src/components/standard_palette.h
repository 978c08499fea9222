#pragma once

#include <QColor>

namespace qv {

// The sixteen fixed colours that border settings refer to by number.
inline constexpr int kStandardColourCount = 16;

// Colour number n (0..15); numbers outside the range are clamped, because the
// settings store may hold anything a user typed into it.
QColor standardColour(int number);

} // namespace qv
