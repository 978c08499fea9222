#pragma once

#include <QSize>

#include <cstdint>

namespace qv {

// How much a picture may cost. Hostile or damaged headers claim sizes such as
// 60000 x 60000; checking the claim before decoding keeps memory bounded.
namespace DecodeLimits {
// Files are read whole; larger ones are not pictures this program shows.
inline constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
inline constexpr int kMaxSide = 65535;
// Pixels a decoder may produce at once (4 bytes each, plus the decoder's own copy).
inline constexpr std::int64_t kMaxDecodedPixels = 64LL * 1024 * 1024;
// A JPEG is decoded reduced (down to an eighth per side), so its own size may be larger.
inline constexpr std::int64_t kMaxScaledSourcePixels = 8 * kMaxDecodedPixels;
} // namespace DecodeLimits

// True when a picture of `size` may be decoded at full size.
bool fitsDecodeLimit(QSize size);

// The size to decode a picture of `natural` size at, for a screen of `target` device
// pixels: never larger than the picture itself, large enough to cover the screen
// whichever way the picture is fitted (so no quality is lost), but no larger than four
// screens' worth of pixels for extreme panoramas. An empty target keeps the natural size.
QSize reducedDecodeSize(QSize natural, QSize target);

} // namespace qv
