#include "components/picture/modern_headers.h"

#include "components/picture/byte_reading.h"
#include "components/picture/media_boxes.h"
#include "components/picture/tiff_layout.h"

#include <array>
#include <limits>

namespace qv {
namespace {

std::optional<QSize> sizeIfSensible(std::uint64_t width, std::uint64_t height, bool sideways = false)
{
    constexpr auto kLargest = std::uint64_t{std::numeric_limits<int>::max()};
    if (width == 0 || height == 0 || width > kLargest || height > kLargest)
        return std::nullopt;
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    return sideways ? size.transposed() : size;
}

std::uint32_t readU24(QByteArrayView bytes, qsizetype offset)
{
    return readU16(bytes, offset) | (readU8(bytes, offset + 2) << 16);
}

// The item properties ('ipco', numbered from 1) that 'ipma' ties to `item`.
std::vector<MediaBox> propertiesOf(QByteArrayView file, const MediaBox& ipco, const MediaBox& ipma, std::uint32_t item)
{
    const std::vector<MediaBox> properties = boxesWithin(file, ipco.body, ipco.end);
    const std::uint32_t version = readU8(file, ipma.body);
    const bool wideIndex = (readU8(file, ipma.body + 3) & 1u) != 0;
    const qsizetype idBytes = version < 1 ? 2 : 4;
    const qsizetype indexBytes = wideIndex ? 2 : 1;
    const std::uint32_t entries = readU32BigEndian(file, ipma.body + 4);
    qsizetype at = ipma.body + 8;
    std::vector<MediaBox> found;
    for (std::uint32_t entry = 0; entry < entries && at + idBytes + 1 <= ipma.end; ++entry) {
        const std::uint32_t id = idBytes == 2 ? readU16BigEndian(file, at) : readU32BigEndian(file, at);
        const qsizetype count = readU8(file, at + idBytes);
        at += idBytes + 1;
        if (at + count * indexBytes > ipma.end)
            break;
        for (qsizetype n = 0; n < count && id == item; ++n) {
            const std::uint32_t index = indexBytes == 2 ? readU16BigEndian(file, at + n * 2) & 0x7FFFu
                                                        : readU8(file, at + n) & 0x7Fu;
            if (index >= 1 && index <= properties.size())
                found.push_back(properties[index - 1]);
        }
        at += count * indexBytes;
    }
    return found;
}

// Bits of a JPEG XL code stream, least significant first, zero past the end.
class BitReader {
public:
    BitReader(QByteArrayView bytes, qsizetype start) : bytes_(bytes), bit_(start * 8) {}

    std::uint32_t bits(int count)
    {
        std::uint32_t value = 0;
        for (int n = 0; n < count; ++n, ++bit_)
            value |= ((readU8(bytes_, bit_ / 8) >> (bit_ % 8)) & 1u) << n;
        return value;
    }
    bool exhausted() const { return bit_ > bytes_.size() * 8; }

private:
    QByteArrayView bytes_;
    qsizetype bit_;
};

std::uint64_t jxlDimension(BitReader& reader, bool small)
{
    if (small)
        return (std::uint64_t{reader.bits(5)} + 1) * 8;
    constexpr std::array widths{9, 13, 18, 30};
    return std::uint64_t{reader.bits(widths[reader.bits(2)])} + 1;
}

// Where the code stream starts: at once, or inside the container's first code box.
std::optional<qsizetype> jxlCodeStream(QByteArrayView file)
{
    if (readU8(file, 0) == 0xFF && readU8(file, 1) == 0x0A)
        return 0;
    for (const MediaBox& box : boxesWithin(file, 0, file.size())) {
        if (box.type == "jxlc")
            return box.body;
        if (box.type == "jxlp" && readU32BigEndian(file, box.body) == 0)  // the first part
            return box.body + 4;
    }
    return std::nullopt;
}

} // namespace

std::optional<QSize> pngDeclaredSize(QByteArrayView file)
{
    if (file.size() < 24 || file.sliced(12, 4) != "IHDR")
        return std::nullopt;
    return sizeIfSensible(readU32BigEndian(file, 16), readU32BigEndian(file, 20));
}

int pngExifOrientation(QByteArrayView file)
{
    // Chunks are at least 12 bytes, so the walk ends within the file whatever they claim.
    qsizetype at = 8;
    while (file.size() - at >= 12) {
        const qint64 length = readU32BigEndian(file, at);
        const QByteArrayView type = file.sliced(at + 4, 4);
        if (length > file.size() - at - 12 || type == "IEND")
            break;
        if (type == "eXIf")
            return readTiffOrientation(file.sliced(at + 8, length)).value_or(1);
        at += 12 + length;
    }
    return 1;
}

int webpExifOrientation(QByteArrayView file)
{
    // Chunks follow the 12-byte RIFF header, each padded to an even length; every step
    // moves forward at least 8 bytes and never past the end, whatever a length claims.
    qsizetype at = 12;
    while (file.size() - at >= 8) {
        const qint64 length = readU32(file, at + 4);
        if (length > file.size() - at - 8)
            break;
        if (file.sliced(at, 4) == "EXIF") {
            QByteArrayView exif = file.sliced(at + 8, length);
            // Some writers keep the "Exif" prefix of a JPEG's APP1 segment.
            if (exif.startsWith(QByteArrayView("Exif\0\0", 6)))
                exif = exif.sliced(6);
            return readTiffOrientation(exif).value_or(1);
        }
        at += 8 + length + (length & 1);
    }
    return 1;
}

std::optional<QSize> webpDeclaredSize(QByteArrayView file)
{
    if (file.size() < 30)
        return std::nullopt;
    const QByteArrayView chunk = file.sliced(12, 4);
    if (chunk == "VP8X")
        return sizeIfSensible(std::uint64_t{readU24(file, 24)} + 1, std::uint64_t{readU24(file, 27)} + 1);
    if (chunk == "VP8L" && readU8(file, 20) == 0x2F) {
        const std::uint32_t packed = readU32(file, 21);
        return sizeIfSensible((packed & 0x3FFFu) + 1, ((packed >> 14) & 0x3FFFu) + 1);
    }
    if (chunk == "VP8 " && file.sliced(23, 3) == QByteArrayView("\x9D\x01\x2A", 3))
        return sizeIfSensible(readU16(file, 26) & 0x3FFFu, readU16(file, 28) & 0x3FFFu);
    return std::nullopt;
}

std::optional<QSize> heifDeclaredSize(QByteArrayView file)
{
    const std::optional<MediaBox> meta = firstBox(file, 0, file.size(), "meta");
    if (!meta)
        return std::nullopt;
    const qsizetype metaChildren = meta->body + 4;  // after its version and flags
    const std::optional<MediaBox> pitm = firstBox(file, metaChildren, meta->end, "pitm");
    const std::optional<MediaBox> iprp = firstBox(file, metaChildren, meta->end, "iprp");
    if (!pitm || !iprp)
        return std::nullopt;
    const std::uint32_t primary = readU8(file, pitm->body) == 0 ? readU16BigEndian(file, pitm->body + 4)
                                                                : readU32BigEndian(file, pitm->body + 4);
    const std::optional<MediaBox> ipco = firstBox(file, iprp->body, iprp->end, "ipco");
    const std::optional<MediaBox> ipma = firstBox(file, iprp->body, iprp->end, "ipma");
    if (!ipco || !ipma)
        return std::nullopt;
    std::optional<QSize> stored;
    bool sideways = false;
    for (const MediaBox& property : propertiesOf(file, *ipco, *ipma, primary)) {
        if (property.type == "ispe" && property.end - property.body >= 12)
            stored = sizeIfSensible(readU32BigEndian(file, property.body + 4), readU32BigEndian(file, property.body + 8));
        else if (property.type == "irot" && property.end > property.body)
            sideways = (readU8(file, property.body) & 1u) != 0;
    }
    if (stored && sideways)
        return stored->transposed();
    return stored;
}

std::optional<QSize> jpegXlDeclaredSize(QByteArrayView file)
{
    const std::optional<qsizetype> start = jxlCodeStream(file);
    if (!start || readU8(file, *start) != 0xFF || readU8(file, *start + 1) != 0x0A)
        return std::nullopt;
    BitReader reader(file, *start + 2);
    const bool small = reader.bits(1) != 0;
    const std::uint64_t height = jxlDimension(reader, small);
    const std::uint32_t ratio = reader.bits(3);
    // Width as a fixed ratio of the height: 1:1, 12:10, 4:3, 3:2, 16:9, 5:4, 2:1.
    constexpr std::array<std::array<std::uint64_t, 2>, 8> ratios{
        {{0, 1}, {1, 1}, {12, 10}, {4, 3}, {3, 2}, {16, 9}, {5, 4}, {2, 1}}};
    const std::uint64_t width = ratio == 0 ? jxlDimension(reader, small) : height * ratios[ratio][0] / ratios[ratio][1];
    // The image metadata follows: unless all default, orientations 5 to 8 turn it sideways.
    bool sideways = false;
    if (reader.bits(1) == 0 && reader.bits(1) != 0)
        sideways = reader.bits(3) + 1 > 4;
    if (reader.exhausted())
        return std::nullopt;
    return sizeIfSensible(width, height, sideways);
}

} // namespace qv
