#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace qv {

// One box of the ISO base media file format (the container of HEIF, AVIF and of
// JPEG XL's metadata wrapper): its four-letter type and where its contents lie.
struct MediaBox {
    QByteArrayView type;
    qsizetype body = 0;  // first byte after the header
    qsizetype end = 0;   // one past the last byte
};

// The boxes that follow one another in data[from, to). A box whose declared length does
// not fit inside that range ends the list: hostile lengths never reach outside it.
std::vector<MediaBox> boxesWithin(QByteArrayView data, qsizetype from, qsizetype to);

std::optional<MediaBox> firstBox(QByteArrayView data, qsizetype from, qsizetype to, QByteArrayView type);

} // namespace qv
