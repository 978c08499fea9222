#include "components/picture/heif_picture_reader.h"

#include "components/picture/decode_limits.h"

#include <QImage>

#include <libheif/heif.h>

#include <memory>

namespace qv {
namespace {

template <typename T, void (*Free)(T*)>
struct Freer {
    void operator()(T* pointer) const { Free(pointer); }
};
using HeifContext = std::unique_ptr<heif_context, Freer<heif_context, heif_context_free>>;
using HeifHandle = std::unique_ptr<heif_image_handle, Freer<const heif_image_handle, heif_image_handle_release>>;
using HeifImage = std::unique_ptr<heif_image, Freer<const heif_image, heif_image_release>>;

DecodeOutcome failure(heif_error error)
{
    return {error.code == heif_error_Memory_allocation_error ? LoadResult::OutOfMemory : LoadResult::ReadError, {}};
}

} // namespace

DecodeOutcome decodeWithLibheif(const QByteArray& data, QSize target)
{
    const HeifContext context(heif_context_alloc());
    if (!context)
        return {LoadResult::OutOfMemory, {}};
    heif_context_set_maximum_image_size_limit(context.get(), DecodeLimits::kMaxSide);
    heif_error error = heif_context_read_from_memory_without_copy(context.get(), data.constData(),
                                                                   static_cast<size_t>(data.size()), nullptr);
    if (error.code != heif_error_Ok)
        return failure(error);
    heif_image_handle* rawHandle = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    const HeifHandle handle(rawHandle);
    if (error.code != heif_error_Ok)
        return failure(error);
    // The size after the turn and the crop: the picture's own, upright.
    const QSize natural(heif_image_handle_get_width(rawHandle), heif_image_handle_get_height(rawHandle));
    if (natural.isEmpty())
        return {LoadResult::ReadError, {}};
    if (!fitsDecodeLimit(natural))
        return {LoadResult::OutOfMemory, {}};

    const bool alpha = heif_image_handle_has_alpha_channel(rawHandle) != 0;
    heif_image* rawImage = nullptr;
    error = heif_decode_image(rawHandle, &rawImage, heif_colorspace_RGB,
                              alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    const HeifImage decoded(rawImage);
    if (error.code != heif_error_Ok)
        return failure(error);
    int stride = 0;
    const std::uint8_t* pixels = heif_image_get_plane_readonly(rawImage, heif_channel_interleaved, &stride);
    const QSize size(heif_image_get_width(rawImage, heif_channel_interleaved),
                     heif_image_get_height(rawImage, heif_channel_interleaved));
    if (pixels == nullptr || size != natural)
        return {LoadResult::ReadError, {}};
    // Borrowed pixels: every path below makes its own copy before `decoded` is released.
    const QImage view(pixels, size.width(), size.height(), stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const QSize reduced = reducedDecodeSize(natural, target);
    QImage image = reduced == natural ? view.copy() : view.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = std::move(image).convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return {LoadResult::OutOfMemory, {}};
    return {LoadResult::Loaded, Picture::raster(std::move(image), natural)};
}

} // namespace qv
