#pragma once

#include "showdata/effect_catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace qv {

// "qvtour52.eff": 113 lines, line k the random-choice flag of effect k, written as a
// print statement writes a number (" 1 ", " 0 ", "-1 ") and ended by CR LF.

inline const QString effectSelectionFileName = QStringLiteral("qvtour52.eff");
using EffectSelection = std::array<std::int16_t, lastRealEffect>;  // [k - 1] for effect k

// The flags of a file's first 113 lines; nothing when a line is missing or is not
// one whole number within 16 bits (blanks around it do not matter).
std::optional<EffectSelection> parseEffectSelection(QByteArrayView bytes);
// Flags of effects 1 to 113 as the file's bytes; line 51 is always 0.
QByteArray formatEffectSelection(const EffectSelection& flags);

// "slideshow_path" + "qvtour52.eff".
QString effectSelectionPath();
// The parsed file, or nothing when it is missing, unreadable or malformed.
std::optional<EffectSelection> readEffectSelectionFile(const QString& path);

// The effect chooser's "Ok": writes `flags` as the effect-selection file. Returns 0
// or the error code, after a message box "Error Saving data " + the error's text.
int SaveEffectSelection(const EffectSelection& flags);
// The flags of effects 1 to 113 as a catalogue holds them.
EffectSelection effectSelectionOf(const EffectCatalogue& catalogue);

} // namespace qv
