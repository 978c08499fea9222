#include "components/picture/wmf_header.h"

#include "components/picture/byte_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qv {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr qsizetype kPlaceableHeaderBytes = 22;
constexpr qsizetype kRecordHeaderWords = 3;
constexpr double kLogicalDpi = 96.0;

bool hasPlaceableHeader(QByteArrayView data)
{
    return data.size() >= kPlaceableHeaderBytes && readU32(data, 0) == kPlaceableKey;
}

} // namespace

std::optional<QSize> placeableMetafileSize(QByteArrayView data)
{
    if (!hasPlaceableHeader(data))
        return std::nullopt;
    const int width = std::abs(readI16(data, 10) - readI16(data, 6));
    const int height = std::abs(readI16(data, 12) - readI16(data, 8));
    const std::uint32_t unitsPerInch = readU16(data, 14);
    if (width == 0 || height == 0 || unitsPerInch == 0)
        return std::nullopt;
    const auto toPixels = [&](int units) {
        return std::max(1, static_cast<int>(std::lround(units * kLogicalDpi / unitsPerInch)));
    };
    return QSize(toPixels(width), toPixels(height));
}

bool metafileRecordsIntact(QByteArrayView data)
{
    const qsizetype start = hasPlaceableHeader(data) ? kPlaceableHeaderBytes : 0;
    const qsizetype headerWords = readU16(data, start + 2);
    if (headerWords < 9)
        return false;
    qsizetype offset = start + headerWords * 2;
    if (offset > data.size())
        return false;
    while (offset < data.size()) {
        const qint64 recordWords = readU32(data, offset);
        const std::uint32_t function = readU16(data, offset + 4);
        if (recordWords < kRecordHeaderWords || offset + recordWords * 2 > data.size())
            return false;
        if (function == 0)
            return true;
        offset += recordWords * 2;
    }
    return offset == data.size();
}

} // namespace qv
