#pragma once

#include "make_sample_media/byte_sink.h"

#include <vector>

namespace qv::samples {

struct Sound {
    int sampleRate = 44100;
    int channels = 1;
    std::vector<float> samples; // interleaved, nominally -1..1
};

// A canonical 16-bit PCM RIFF/WAVE file. Samples outside -1..1 are clipped rather
// than wrapped, so an over-loud mix crackles instead of exploding into noise.
Bytes encodeWav(const Sound& sound);

} // namespace qv::samples
