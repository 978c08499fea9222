#include "components/picture/picture_decoder.h"

#include "components/picture/bitmap_header.h"
#include "components/picture/decode_limits.h"
#include "components/picture/declared_size.h"
#include "components/picture/heif_picture_reader.h"
#include "components/picture/magick_picture_reader.h"
#include "components/picture/picture_format.h"
#include "components/picture/qt_picture_reader.h"
#include "components/picture/tiff_layout.h"
#include "components/platform/file_names.h"

#include <QFile>

#include <new>

namespace qv {
namespace {

constexpr qsizetype kSniffBytes = 128;

bool qtReads(PictureFormat format)
{
    return format == PictureFormat::Jpeg || format == PictureFormat::Gif || format == PictureFormat::Bmp
        || format == PictureFormat::Tiff || format == PictureFormat::Png || format == PictureFormat::WebP;
}

// GraphicsMagick reads some BMP, GIF and JPEG variants that Qt refuses. Not TIFF: both
// go through the same libtiff, whose process-wide error handler GraphicsMagick replaces
// (see tiff_messages.h), so each TIFF goes to the one that reads its layout right.
bool magickMayRetry(PictureFormat format) { return format != PictureFormat::Tiff; }

// Qt's TIFF reader converts CMYK to colours from 8-bit samples only: 16-bit CMYK comes
// out with its inks taken for red, green and blue (red shows cyan). It also reads 16-bit
// RGB stored plane by plane as if the samples were interleaved. GraphicsMagick reads both
// right. Every other layout stays with Qt: GraphicsMagick takes Lab's signed a* and b*
// for unsigned (red shows green) and would turn a spot-colour channel into transparency.
bool magickReadsBetter(PictureFormat format, const QByteArray& data)
{
    if (format != PictureFormat::Tiff)
        return false;
    constexpr std::uint32_t kRgb = 2;
    const std::optional<TiffLayout> layout = readTiffLayout(data);
    if (!layout)
        return false;
    if (layout->bitsPerSample == 8)
        return false;
    return layout->photometric == TiffLayout::kSeparated
        || (layout->photometric == kRgb && layout->planesApart && layout->samplesPerPixel > 1);
}

} // namespace

DecodeOutcome decodePictureData(const QByteArray& data, QSize target)
{
    try {
        const QByteArrayView head = QByteArrayView(data).first(std::min(data.size(), kSniffBytes));
        const PictureFormat format = sniffPictureFormat(head);
        if (format == PictureFormat::Unknown)
            return {LoadResult::UnknownType, {}};
        const std::optional<QSize> declared = declaredPictureSize(format, data);
        if (declared && !fitsDecodeLimit(*declared))
            return {LoadResult::OutOfMemory, {}};
        if (format == PictureFormat::Bmp && !bitmapRowsPresent(data))
            return {LoadResult::ReadError, {}};
        if (format == PictureFormat::Heif || format == PictureFormat::Avif)
            return decodeWithLibheif(data, target);
        if (qtReads(format) && !magickReadsBetter(format, data)) {
            DecodeOutcome outcome = decodeWithQt(data, format, target);
            // A refusal on size stays a refusal.
            if (outcome.code != LoadResult::ReadError || !magickMayRetry(format))
                return outcome;
        }
        return decodeWithMagick(data, format, target);
    } catch (const std::bad_alloc&) {
        return {LoadResult::OutOfMemory, {}};
    }
}

DecodeOutcome decodePictureFile(const QString& path, QSize target)
{
    // By the name's real bytes: a name that is not UTF-8 is still opened (file_names.h).
    const EntryStatus entry = entryStatus(path);
    if (entry.kind == EntryKind::Missing || entry.kind == EntryKind::Folder)
        return {LoadResult::FileNotFound, {}};
    if (entry.size > DecodeLimits::kMaxFileBytes)
        return {LoadResult::OutOfMemory, {}};
    QFile file;
    if (!openForReading(file, path))
        return {LoadResult::ReadError, {}};
    // Read in pieces: the size asked before may no longer hold, and some files (pipes,
    // special files) report none at all.
    constexpr qint64 kPiece = 1024 * 1024;
    QByteArray data;
    try {
        while (!file.atEnd() && data.size() <= DecodeLimits::kMaxFileBytes) {
            const QByteArray piece = file.read(kPiece);
            if (piece.isEmpty())
                break;
            data += piece;
        }
    } catch (const std::bad_alloc&) {
        return {LoadResult::OutOfMemory, {}};
    }
    if (file.error() != QFileDevice::NoError)
        return {LoadResult::ReadError, {}};
    if (data.size() > DecodeLimits::kMaxFileBytes)
        return {LoadResult::OutOfMemory, {}};
    return decodePictureData(data, target);
}

} // namespace qv
