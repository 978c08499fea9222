#include "components/picture/tiff_layout.h"

#include "components/picture/byte_reading.h"

namespace qv {
namespace {

constexpr std::uint32_t kTypeShort = 3;
constexpr std::uint32_t kTypeLong = 4;
constexpr qsizetype kEntryBytes = 12;

class FieldReader {
public:
    FieldReader(QByteArrayView data, bool bigEndian) : data_(data), bigEndian_(bigEndian) {}

    std::uint32_t u16(qsizetype offset) const
    {
        const std::uint32_t value = readU16(data_, offset);
        return bigEndian_ ? ((value & 0xFFu) << 8) | (value >> 8) : value;
    }
    std::uint32_t u32(qsizetype offset) const
    {
        const std::uint32_t low = u16(offset);
        const std::uint32_t high = u16(offset + 2);
        return bigEndian_ ? (low << 16) | high : (high << 16) | low;
    }
    // The first value of an entry; values that do not fit in the entry lie elsewhere.
    std::optional<std::uint32_t> firstValue(qsizetype entry) const
    {
        const std::uint32_t type = u16(entry + 2);
        const std::uint32_t count = u32(entry + 4);
        const qsizetype width = type == kTypeShort ? 2 : type == kTypeLong ? 4 : 0;
        if (width == 0 || count == 0)
            return std::nullopt;
        qsizetype at = entry + 8;
        if (qint64{count} * width > 4) {
            at = u32(entry + 8);
            if (at > data_.size() - width)
                return std::nullopt;
        }
        return width == 2 ? u16(at) : u32(at);
    }

private:
    QByteArrayView data_;
    bool bigEndian_;
};

// Calls `take(tag, first value)` for each entry of the first directory that lies inside
// the data; false when the header or the directory does not.
template <typename Take>
bool readFirstDirectory(QByteArrayView data, Take&& take)
{
    if (data.size() < 8)
        return false;
    const bool bigEndian = data[0] == 'M' && data[1] == 'M';
    if (!bigEndian && !(data[0] == 'I' && data[1] == 'I'))
        return false;
    const FieldReader fields(data, bigEndian);
    if (fields.u16(2) != 42)
        return false;
    const qint64 directory = fields.u32(4);
    if (directory < 8 || directory > data.size() - 2)
        return false;
    const qint64 entries = fields.u16(directory);
    if (directory + 2 + entries * kEntryBytes > data.size())
        return false;
    for (qint64 index = 0; index < entries; ++index) {
        const qsizetype entry = directory + 2 + index * kEntryBytes;
        if (const std::optional<std::uint32_t> value = fields.firstValue(entry))
            take(fields.u16(entry), *value);
    }
    return true;
}

} // namespace

std::optional<int> readTiffOrientation(QByteArrayView data)
{
    constexpr std::uint32_t kOrientationTag = 274;
    std::optional<int> orientation;
    readFirstDirectory(data, [&](std::uint32_t tag, std::uint32_t value) {
        if (tag == kOrientationTag && value >= 1 && value <= 8)
            orientation = static_cast<int>(value);
    });
    return orientation;
}

std::optional<TiffLayout> readTiffLayout(QByteArrayView data)
{
    TiffLayout layout;
    bool photometricSeen = false;
    const bool read = readFirstDirectory(data, [&](std::uint32_t tag, std::uint32_t value) {
        switch (tag) {
        case 258: layout.bitsPerSample = value; break;
        case 262: layout.photometric = value; photometricSeen = true; break;
        case 277: layout.samplesPerPixel = value; break;
        case 284: layout.planesApart = value == 2; break;
        default: break;
        }
    });
    if (!read || !photometricSeen)
        return std::nullopt;
    return layout;
}

} // namespace qv
