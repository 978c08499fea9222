#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>

namespace qv {

// The one form of wave file that synthesized tunes are kept in: 16-bit stereo PCM at
// 44.1 kHz (the output's own format, so the mixer plays it unconverted) behind the
// plain 44-byte header.
inline constexpr int tuneSampleRate = 44100;
inline constexpr int tuneChannels = 2;
inline constexpr int tuneBytesPerFrame = tuneChannels * 2;
inline constexpr qsizetype tuneWaveHeaderBytes = 44;

std::array<char, tuneWaveHeaderBytes> tuneWaveHeader(std::uint32_t dataBytes);

// The number of sample bytes after the header when `wave` is a whole file of that
// form, or nothing (another form, a damaged header, a file cut off or grown).
std::optional<qsizetype> tuneWaveDataBytes(QByteArrayView wave);

} // namespace qv
