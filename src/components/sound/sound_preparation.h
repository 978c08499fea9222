#pragma once

#include "components/sound/audio_engine.h"
#include "components/sound/tune_cache.h"

#include <QByteArray>
#include <QString>

namespace qv {

// A sound file made ready to play: read, recognised by its content, timed and
// decoded. Reading, decoding and loading the synthesizer's soundfont can take long
// (a large soundfont takes hundreds of milliseconds per tune), so this runs on the
// engine's loader thread, never on the window's.
struct PreparedSound {
    enum class Kind { Unplayable, Wave, Tune };
    Kind kind = Kind::Unplayable;
    qint64 lengthMs = 0;  // one pass
    ChunkHandle chunk;    // a wave sound, decoded; empty without output
    QByteArray tuneBytes; // what a tune's music reads from: its wave from the cache, or
                          // its MIDI file (empty while the wave is being synthesized)
    MusicHandle music;    // empty without output, when the synthesizer refuses the
                          // tune (SMPTE timing), or for a tune too short to hand to it
    QString problem;      // why it is unplayable, for the log
};

// Files above these sizes are refused: a wave file is held decoded in memory, and
// no real MIDI file comes near its limit.
inline constexpr qint64 maxWaveFileBytes = 64 * 1024 * 1024;
inline constexpr qint64 maxTuneFileBytes = 16 * 1024 * 1024;
// A looping tune restarts at its end, so an (almost) empty tune would restart
// without rest: such tunes play as silence of their length.
inline constexpr qint64 minimumTuneMs = 50;

// Tunes are looked up in `tunes`, when given; those it lacks are synthesized ahead
// and kept there (TuneSynthesizer). Without it they play through the mixer's own
// synthesizer.
PreparedSound prepareSound(const QString& path, const AudioEngine& engine, const TuneCache* tunes = nullptr);

} // namespace qv
