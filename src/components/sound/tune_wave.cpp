#include "components/sound/tune_wave.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace qv {

namespace {

void putLe16(char* at, std::uint16_t value) { qToLittleEndian(value, at); }
void putLe32(char* at, std::uint32_t value) { qToLittleEndian(value, at); }

} // namespace

std::array<char, tuneWaveHeaderBytes> tuneWaveHeader(std::uint32_t dataBytes)
{
    std::array<char, tuneWaveHeaderBytes> header{};
    char* at = header.data();
    std::memcpy(at, "RIFF", 4);
    putLe32(at + 4, dataBytes + tuneWaveHeaderBytes - 8);
    std::memcpy(at + 8, "WAVEfmt ", 8);
    putLe32(at + 16, 16);
    putLe16(at + 20, 1); // integer PCM
    putLe16(at + 22, tuneChannels);
    putLe32(at + 24, tuneSampleRate);
    putLe32(at + 28, tuneSampleRate * tuneBytesPerFrame);
    putLe16(at + 32, tuneBytesPerFrame);
    putLe16(at + 34, 16);
    std::memcpy(at + 36, "data", 4);
    putLe32(at + 40, dataBytes);
    return header;
}

std::optional<qsizetype> tuneWaveDataBytes(QByteArrayView wave)
{
    if (wave.size() < tuneWaveHeaderBytes)
        return std::nullopt;
    const qsizetype dataBytes = wave.size() - tuneWaveHeaderBytes;
    if (dataBytes % tuneBytesPerFrame != 0
        || dataBytes > qsizetype{std::numeric_limits<std::uint32_t>::max()} - tuneWaveHeaderBytes)
        return std::nullopt;
    const auto expected = tuneWaveHeader(static_cast<std::uint32_t>(dataBytes));
    if (std::memcmp(wave.data(), expected.data(), expected.size()) != 0)
        return std::nullopt;
    return dataBytes;
}

} // namespace qv
