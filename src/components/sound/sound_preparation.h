#pragma once

#include "components/sound/audio_engine.h"

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
    QByteArray tuneBytes; // a tune's file, which its music reads from
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

PreparedSound prepareSound(const QString& path, const AudioEngine& engine);

} // namespace qv
