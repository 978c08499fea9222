#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace qv {

// Fields of binary headers, little-endian unless named otherwise; reading past the end yields 0, so header
// checks need no separate length test for every field.
inline std::uint32_t readU8(QByteArrayView bytes, qsizetype offset)
{
    if (offset < 0 || offset >= bytes.size())
        return 0;
    return static_cast<std::uint8_t>(bytes[offset]);
}

inline std::uint32_t readU16(QByteArrayView bytes, qsizetype offset)
{
    return readU8(bytes, offset) | (readU8(bytes, offset + 1) << 8);
}

inline std::uint32_t readU32(QByteArrayView bytes, qsizetype offset)
{
    return readU16(bytes, offset) | (readU16(bytes, offset + 2) << 16);
}

inline std::int32_t readI16(QByteArrayView bytes, qsizetype offset)
{
    return static_cast<std::int16_t>(readU16(bytes, offset));
}

inline std::int32_t readI32(QByteArrayView bytes, qsizetype offset)
{
    return static_cast<std::int32_t>(readU32(bytes, offset));
}

inline std::uint32_t readU16BigEndian(QByteArrayView bytes, qsizetype offset)
{
    return (readU8(bytes, offset) << 8) | readU8(bytes, offset + 1);
}

inline std::uint32_t readU32BigEndian(QByteArrayView bytes, qsizetype offset)
{
    return (readU16BigEndian(bytes, offset) << 16) | readU16BigEndian(bytes, offset + 2);
}

} // namespace qv
