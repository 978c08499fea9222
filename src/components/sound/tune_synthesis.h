#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <optional>

namespace qv {

// A MIDI tune synthesized once, ahead of time, into a wave file that the mixer then
// plays as it plays any sampled sound. Synthesis is the costliest thing a screen
// saver that plays MIDI does (about 2 % of a core, with reverb and chorus, for as
// long as the tune sounds); played from its synthesized wave the tune costs next to
// nothing each later time.
//
// The wave (see tune_wave.h) ends where the live synthesizer would end it: when the
// tune's player stops, about 3 s after the last note.
// Longer tunes are left to live synthesis: their waves would be too large to keep.
inline constexpr std::chrono::minutes longestSynthesizedTune{10};

// The tune as a wave file, synthesized with the ';'-separated soundfonts, or nothing
// when a soundfont or the tune cannot be read, the tune outlasts `longest`, or
// `cancelled` is set meanwhile (it is checked every few milliseconds of work).
std::optional<QByteArray> synthesizeTune(const QByteArray& midi, const QString& soundFonts,
                                         std::chrono::milliseconds longest,
                                         const std::atomic<bool>& cancelled);

} // namespace qv
