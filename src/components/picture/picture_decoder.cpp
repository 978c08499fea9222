#include "components/picture/picture_decoder.h"

#include "components/picture/bitmap_header.h"
#include "components/picture/decode_limits.h"
#include "components/picture/declared_size.h"
#include "components/picture/magick_picture_reader.h"
#include "components/picture/picture_format.h"
#include "components/picture/qt_picture_reader.h"

#include <QFile>
#include <QFileInfo>

#include <new>

namespace qv {
namespace {

constexpr qsizetype kSniffBytes = 128;

bool qtReads(PictureFormat format)
{
    return format == PictureFormat::Jpeg || format == PictureFormat::Gif || format == PictureFormat::Bmp
        || format == PictureFormat::Tiff;
}

// GraphicsMagick reads some BMP, GIF and JPEG variants that Qt refuses. Not TIFF: both
// go through the same libtiff, and GraphicsMagick's TIFF reader leaves libtiff with an
// error handler that aborts the process in any later reader (see tiff_messages.h).
bool magickMayRetry(PictureFormat format) { return format != PictureFormat::Tiff; }

} // namespace

DecodeOutcome decodePictureData(const QByteArray& data, QSize target)
{
    try {
        const QByteArrayView head = QByteArrayView(data).first(std::min(data.size(), kSniffBytes));
        const PictureFormat format = sniffPictureFormat(head);
        if (format == PictureFormat::Unknown)
            return {LoadResult::UnknownType, {}};
        const std::optional<QSize> declared = declaredPictureSize(format, head);
        if (declared && !fitsDecodeLimit(*declared))
            return {LoadResult::OutOfMemory, {}};
        if (format == PictureFormat::Bmp && !bitmapRowsPresent(data))
            return {LoadResult::ReadError, {}};
        if (qtReads(format)) {
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
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        return {LoadResult::FileNotFound, {}};
    if (info.size() > DecodeLimits::kMaxFileBytes)
        return {LoadResult::OutOfMemory, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
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
