#pragma once

#include "make_sample_media/midi_writer.h"

namespace qv::samples {

// Two short pieces for piano and strings, in General MIDI.
Tune composeMorningWaltz(); // 3/4, C major, about 27 seconds
Tune composeEveningSong();  // 4/4, G major, about 30 seconds

} // namespace qv::samples
