#include "components/picture/media_boxes.h"

#include "components/picture/byte_reading.h"

namespace qv {

std::vector<MediaBox> boxesWithin(QByteArrayView data, qsizetype from, qsizetype to)
{
    std::vector<MediaBox> boxes;
    to = std::min(to, data.size());
    qsizetype at = from;
    while (at >= 0 && to - at >= 8) {
        std::uint64_t length = readU32BigEndian(data, at);
        qsizetype header = 8;
        if (length == 1) {  // a 64-bit length follows the type
            if (to - at < 16)
                break;
            length = (std::uint64_t{readU32BigEndian(data, at + 8)} << 32) | readU32BigEndian(data, at + 12);
            header = 16;
        } else if (length == 0) {  // the box runs to the end of its container
            length = static_cast<std::uint64_t>(to - at);
        }
        if (length < static_cast<std::uint64_t>(header) || length > static_cast<std::uint64_t>(to - at))
            break;
        const auto end = at + static_cast<qsizetype>(length);
        boxes.push_back({data.sliced(at + 4, 4), at + header, end});
        at = end;
    }
    return boxes;
}

std::optional<MediaBox> firstBox(QByteArrayView data, qsizetype from, qsizetype to, QByteArrayView type)
{
    for (const MediaBox& box : boxesWithin(data, from, to)) {
        if (box.type == type)
            return box;
    }
    return std::nullopt;
}

} // namespace qv
