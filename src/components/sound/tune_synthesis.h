#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
// The wave is 16-bit stereo PCM at `tuneSampleRate`, with the plain 44-byte header
// that `synthesizedWaveDataBytes` recognises, and ends where the live synthesizer
// would end it: when the tune's last event has played.
inline constexpr int tuneSampleRate = 44100;
// Longer tunes are left to live synthesis: their waves would be too large to keep.
inline constexpr std::chrono::minutes longestSynthesizedTune{10};

// The tune as a wave file, synthesized with the ';'-separated soundfonts, or nothing
// when a soundfont or the tune cannot be read, the tune outlasts `longest`, or
// `cancelled` is set meanwhile (it is checked every few milliseconds of work).
std::optional<QByteArray> synthesizeTune(const QByteArray& midi, const QString& soundFonts,
                                         std::chrono::milliseconds longest,
                                         const std::atomic<bool>& cancelled);

// The number of sample bytes after the header when `wave` is a whole wave file in
// the form above, or nothing (another form, a damaged header, a cut-off file).
std::optional<qsizetype> synthesizedWaveDataBytes(QByteArrayView wave);

} // namespace qv
