// Hostile MIDI files: the playing-time reader must stay inside the bytes, finish
// quickly and never report a negative length.
#include "components/sound/midi_length.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    qv::looksLikeMidiFile(file);
    const auto timing = qv::midiPlayingTime(file);
    if (timing && timing->length.count() < 0)
        __builtin_trap();
    return 0;
}
