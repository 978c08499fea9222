#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::samples {

using Bytes = std::vector<std::uint8_t>;

// Appends integers in a fixed byte order; every file format we write is built on it.
class ByteSink {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16le(std::uint16_t value);
    void u32le(std::uint32_t value);
    void i16le(std::int16_t value) { u16le(static_cast<std::uint16_t>(value)); }
    void u16be(std::uint16_t value);
    void u32be(std::uint32_t value);
    void text(std::string_view characters);
    void append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }

    // Overwrites four bytes already written, for sizes known only at the end.
    void patchU32le(std::size_t offset, std::uint32_t value);

    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

} // namespace qv::samples
