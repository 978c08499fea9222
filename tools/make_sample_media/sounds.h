#pragma once

#include "make_sample_media/wav_writer.h"

namespace qv::samples {

// Short synthesised sounds for slides: a wind chime, a warm chord and a bright
// marimba greeting. All are deterministic.
Sound makeWindChimes();  // 44.1 kHz stereo
Sound makeSoftPad();     // 22.05 kHz stereo
Sound makeWelcomeBells(); // 22.05 kHz mono

// Scales the sound so its loudest sample reaches `peak`.
void normalise(Sound& sound, float peak);

double frequencyOf(int midiNote);

} // namespace qv::samples
