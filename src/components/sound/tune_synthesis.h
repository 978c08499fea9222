#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace qv {

// A MIDI tune synthesized as fast as the processor allows, ahead of its playing,
// into the samples of a wave file that the mixer then plays as it plays any sampled
// sound. Synthesis is the costliest thing a screen saver that plays MIDI does (about
// 2 % of a core, with reverb and chorus, for as long as the tune sounds): done ahead,
// the wave can be kept, and the tune costs next to nothing each later time. The
// settings are the mixer's own, so the wave is, sample for sample, what the mixer
// would have synthesized live.
//
// The wave (see tune_wave.h) ends where the live synthesizer would end it: when the
// tune's player stops, about 3 s after the last note.
// Longer tunes are left to live synthesis: their waves (10 MB a minute) would take
// too much memory while they play.
inline constexpr std::chrono::minutes longestSynthesizedTune{5};
// What a tune's wave may last beyond its own timing: the synthesizer's player stops
// about 3 s after the last note, and its reverb may ring a little longer.
inline constexpr std::chrono::seconds tuneTailAllowance{10};

// The tune's samples, block by block as they are synthesized (16-bit little-endian
// stereo at `tuneSampleRate`); true when the tune was synthesized whole.
using TuneSampleSink = std::function<void(QByteArrayView samples)>;
bool synthesizeTuneSamples(const QByteArray& midi, const QString& soundFonts, std::chrono::milliseconds longest,
                           const std::atomic<bool>& cancelled, const TuneSampleSink& sink);

// The tune as a wave file, synthesized with the ';'-separated soundfonts, or nothing
// when a soundfont or the tune cannot be read, the tune outlasts `longest`, or
// `cancelled` is set meanwhile (it is checked every few milliseconds of work).
std::optional<QByteArray> synthesizeTune(const QByteArray& midi, const QString& soundFonts,
                                         std::chrono::milliseconds longest,
                                         const std::atomic<bool>& cancelled);

} // namespace qv
