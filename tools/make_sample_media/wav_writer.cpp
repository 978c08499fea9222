#include "make_sample_media/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace qv::samples {
namespace {

std::int16_t toPcm16(float sample)
{
    const float clipped = std::clamp(sample, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
}

} // namespace

Bytes encodeWav(const Sound& sound)
{
    if (sound.channels < 1 || sound.channels > 2 || sound.sampleRate < 1)
        throw std::invalid_argument("a WAV sound has one or two channels and a positive rate");
    const auto channels = static_cast<std::uint16_t>(sound.channels);
    const auto rate = static_cast<std::uint32_t>(sound.sampleRate);
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * 2u);
    // A trailing partial frame would make the data length disagree with the block size.
    const std::size_t frames = sound.samples.size() / channels;
    const auto dataBytes = static_cast<std::uint32_t>(frames * blockAlign);

    ByteSink out;
    out.text("RIFF");
    out.u32le(36u + dataBytes);
    out.text("WAVE");
    out.text("fmt ");
    out.u32le(16);
    out.u16le(1); // PCM
    out.u16le(channels);
    out.u32le(rate);
    out.u32le(rate * blockAlign);
    out.u16le(blockAlign);
    out.u16le(16);
    out.text("data");
    out.u32le(dataBytes);
    for (std::size_t i = 0; i < frames * channels; ++i)
        out.i16le(toPcm16(sound.samples[i]));
    return out.take();
}

} // namespace qv::samples
