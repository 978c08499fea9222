// Damaged or planted files in the cache of synthesized tunes: only a whole wave of
// the one form the cache writes may pass, and its sample bytes must lie inside it.
#include "components/sound/tune_wave.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView file(data, static_cast<qsizetype>(size));
    const auto dataBytes = qv::tuneWaveDataBytes(file);
    if (dataBytes && *dataBytes + qv::tuneWaveHeaderBytes != file.size())
        __builtin_trap();
    return 0;
}
