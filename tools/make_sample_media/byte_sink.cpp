#include "make_sample_media/byte_sink.h"

namespace qv::samples {

void ByteSink::u16le(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value & 0xFFu));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteSink::u32le(std::uint32_t value)
{
    u16le(static_cast<std::uint16_t>(value & 0xFFFFu));
    u16le(static_cast<std::uint16_t>(value >> 16));
}

void ByteSink::u16be(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value >> 8));
    u8(static_cast<std::uint8_t>(value & 0xFFu));
}

void ByteSink::u32be(std::uint32_t value)
{
    u16be(static_cast<std::uint16_t>(value >> 16));
    u16be(static_cast<std::uint16_t>(value & 0xFFFFu));
}

void ByteSink::text(std::string_view characters)
{
    for (const char c : characters)
        u8(static_cast<std::uint8_t>(c));
}

void ByteSink::patchU32le(std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes_.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace qv::samples
