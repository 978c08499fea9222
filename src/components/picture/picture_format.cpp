#include "components/picture/picture_format.h"

#include "components/picture/byte_reading.h"

#include <algorithm>
#include <array>

namespace qv {
namespace {

bool startsWith(QByteArrayView head, QByteArrayView prefix)
{
    return head.size() >= prefix.size() && head.first(prefix.size()) == prefix;
}

bool isJpeg(QByteArrayView head)
{
    return readU8(head, 0) == 0xFF && readU8(head, 1) == 0xD8 && readU8(head, 2) == 0xFF;
}

bool isTiff(QByteArrayView head)
{
    return startsWith(head, QByteArrayView("II\x2A\x00", 4)) || startsWith(head, QByteArrayView("MM\x00\x2A", 4));
}

bool isPng(QByteArrayView head) { return startsWith(head, QByteArrayView("\x89PNG\r\n\x1A\n", 8)); }

bool isWebP(QByteArrayView head) { return startsWith(head, "RIFF") && head.size() >= 16 && head.sliced(8, 4) == "WEBP"; }

bool isJpegXl(QByteArrayView head)
{
    // A bare code stream, or the box container that wraps one with its metadata.
    return startsWith(head, QByteArrayView("\xFF\x0A", 2))
        || startsWith(head, QByteArrayView("\x00\x00\x00\x0CJXL \r\n\x87\n", 12));
}

// HEIF and AVIF share one container; its leading 'ftyp' box names the brands the file
// conforms to. A major brand decides; a general one ("mif1") leaves it to the others.
PictureFormat heifFamily(QByteArrayView head)
{
    if (head.size() < 16 || head.sliced(4, 4) != "ftyp")
        return PictureFormat::Unknown;
    const auto kind = [](QByteArrayView brand) {
        constexpr std::array<QByteArrayView, 2> avif{"avif", "avis"};
        constexpr std::array<QByteArrayView, 8> heif{"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"};
        if (std::ranges::find(avif, brand) != avif.end())
            return PictureFormat::Avif;
        if (std::ranges::find(heif, brand) != heif.end())
            return PictureFormat::Heif;
        return PictureFormat::Unknown;
    };
    const QByteArrayView major = head.sliced(8, 4);
    const bool general = major == "mif1" || major == "msf1";
    if (!general && kind(major) != PictureFormat::Unknown)
        return kind(major);
    const qsizetype boxEnd = std::min<qsizetype>(head.size(), readU32BigEndian(head, 0));
    PictureFormat found = PictureFormat::Unknown;
    for (qsizetype at = 16; at + 4 <= boxEnd; at += 4) {
        const PictureFormat compatible = kind(head.sliced(at, 4));
        if (compatible == PictureFormat::Avif)
            return compatible;
        if (compatible != PictureFormat::Unknown)
            found = compatible;
    }
    return found;
}

bool isBmp(QByteArrayView head)
{
    // "BM" alone is too weak for a two-letter text file; the info header size behind
    // the file header must be one Windows or OS/2 wrote.
    constexpr std::array infoSizes{12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u};
    return startsWith(head, "BM") && std::ranges::find(infoSizes, readU32(head, 14)) != infoSizes.end();
}

bool isDib(QByteArrayView head)
{
    // A bitmap without its file header starts right with the info header.
    constexpr std::array bitCounts{1u, 4u, 8u, 16u, 24u, 32u};
    const std::uint32_t infoSize = readU32(head, 0);
    if (infoSize == 12) {
        return readU16(head, 4) > 0 && readU16(head, 6) > 0 && readU16(head, 8) == 1
            && std::ranges::find(bitCounts, readU16(head, 10)) != bitCounts.end();
    }
    constexpr std::array infoSizes{40u, 52u, 56u, 64u, 108u, 124u};
    if (std::ranges::find(infoSizes, infoSize) == infoSizes.end())
        return false;
    return readI32(head, 4) > 0 && readI32(head, 8) != 0 && readU16(head, 12) == 1
        && std::ranges::find(bitCounts, readU16(head, 14)) != bitCounts.end() && readU32(head, 16) <= 6;
}

bool isPcx(QByteArrayView head)
{
    constexpr std::array versions{0u, 2u, 3u, 4u, 5u};
    constexpr std::array depths{1u, 2u, 4u, 8u};
    return head.size() >= 128 && readU8(head, 0) == 0x0A
        && std::ranges::find(versions, readU8(head, 1)) != versions.end() && readU8(head, 2) <= 1
        && std::ranges::find(depths, readU8(head, 3)) != depths.end()
        && readU16(head, 8) >= readU16(head, 4) && readU16(head, 10) >= readU16(head, 6);
}

bool isWmf(QByteArrayView head)
{
    if (readU32(head, 0) == 0x9AC6CDD7u)
        return true;  // the "placeable" header that carries the picture's size
    // A plain metafile header: memory or disk metafile, 9-word header, version 1 or 3.
    const std::uint32_t type = readU16(head, 0);
    const std::uint32_t version = readU16(head, 4);
    return (type == 1 || type == 2) && readU16(head, 2) == 9 && (version == 0x0100 || version == 0x0300);
}

bool isTga(QByteArrayView head)
{
    if (head.size() < 18)
        return false;
    const std::uint32_t mapType = readU8(head, 1);
    const std::uint32_t imageType = readU8(head, 2);
    const std::uint32_t mapLength = readU16(head, 5);
    const std::uint32_t mapEntryBits = readU8(head, 7);
    const std::uint32_t depth = readU8(head, 16);
    const std::uint32_t descriptor = readU8(head, 17);
    constexpr std::array imageTypes{1u, 2u, 3u, 9u, 10u, 11u};
    constexpr std::array depths{8u, 15u, 16u, 24u, 32u};
    constexpr std::array mapEntrySizes{15u, 16u, 24u, 32u};
    if (std::ranges::find(imageTypes, imageType) == imageTypes.end())
        return false;
    if (std::ranges::find(depths, depth) == depths.end())
        return false;
    if (readU16(head, 12) == 0 || readU16(head, 14) == 0)
        return false;
    if ((descriptor & 0xC0u) != 0 || (descriptor & 0x0Fu) > 8)
        return false;
    const bool colourMapped = imageType == 1 || imageType == 9;
    if (colourMapped) {
        return mapType == 1 && mapLength > 0 && depth == 8
            && std::ranges::find(mapEntrySizes, mapEntryBits) != mapEntrySizes.end();
    }
    return mapType == 0 || mapType == 1;
}

} // namespace

PictureFormat sniffPictureFormat(QByteArrayView head)
{
    if (isJpeg(head))
        return PictureFormat::Jpeg;
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a"))
        return PictureFormat::Gif;
    if (isBmp(head))
        return PictureFormat::Bmp;
    if (isTiff(head))
        return PictureFormat::Tiff;
    if (isPng(head))
        return PictureFormat::Png;
    if (isWebP(head))
        return PictureFormat::WebP;
    if (isJpegXl(head))
        return PictureFormat::JpegXl;
    if (const PictureFormat family = heifFamily(head); family != PictureFormat::Unknown)
        return family;
    if (isWmf(head))
        return PictureFormat::Wmf;
    if (isPcx(head))
        return PictureFormat::Pcx;
    if (isDib(head))
        return PictureFormat::Dib;
    if (isTga(head))
        return PictureFormat::Tga;
    return PictureFormat::Unknown;
}

QString pictureFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return QStringLiteral("JPEG");
    case PictureFormat::Gif: return QStringLiteral("GIF");
    case PictureFormat::Bmp: return QStringLiteral("BMP");
    case PictureFormat::Dib: return QStringLiteral("DIB");
    case PictureFormat::Pcx: return QStringLiteral("PCX");
    case PictureFormat::Tga: return QStringLiteral("TGA");
    case PictureFormat::Tiff: return QStringLiteral("TIFF");
    case PictureFormat::Wmf: return QStringLiteral("WMF");
    case PictureFormat::Png: return QStringLiteral("PNG");
    case PictureFormat::WebP: return QStringLiteral("WEBP");
    case PictureFormat::Heif: return QStringLiteral("HEIF");
    case PictureFormat::Avif: return QStringLiteral("AVIF");
    case PictureFormat::JpegXl: return QStringLiteral("JXL");
    case PictureFormat::Unknown: break;
    }
    return QStringLiteral("unknown");
}

} // namespace qv
