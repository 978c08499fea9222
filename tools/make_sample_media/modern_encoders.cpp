#include "make_sample_media/modern_encoders.h"

#include <QImage>
#include <QTransform>

#include <avif/avif.h>
#include <jxl/encode.h>
#include <libheif/heif.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace qv::samples {
namespace {

void check(heif_error error)
{
    if (error.code != heif_error_Ok)
        throw std::runtime_error(std::string("libheif: ") + error.message);
}

template <typename T, void (*Free)(T*)>
struct Freer {
    void operator()(T* pointer) const { Free(pointer); }
};
using HeifContext = std::unique_ptr<heif_context, Freer<heif_context, heif_context_free>>;
using HeifImage = std::unique_ptr<heif_image, Freer<const heif_image, heif_image_release>>;
using HeifEncoder = std::unique_ptr<heif_encoder, Freer<heif_encoder, heif_encoder_release>>;
using HeifOptions = std::unique_ptr<heif_encoding_options, Freer<heif_encoding_options, heif_encoding_options_free>>;
using AvifImage = std::unique_ptr<avifImage, Freer<avifImage, avifImageDestroy>>;
using AvifEncoder = std::unique_ptr<avifEncoder, Freer<avifEncoder, avifEncoderDestroy>>;
using JxlEncoderHandle = std::unique_ptr<JxlEncoder, Freer<JxlEncoder, JxlEncoderDestroy>>;

// How far to turn the upright picture so that the recorded orientation turns it back.
int storedTurnFor(int exifOrientation)
{
    switch (exifOrientation) {
    case 1: return 0;
    case 3: return 180;
    case 6: return 270;
    case 8: return 90;
    default: throw std::invalid_argument("only turns, no mirroring");
    }
}

void check(JxlEncoderStatus status, const char* what)
{
    if (status != JXL_ENC_SUCCESS)
        throw std::runtime_error(std::string("libjxl cannot ") + what);
}

heif_error appendTo(heif_context*, const void* data, size_t size, void* sink)
{
    const auto* first = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(sink)->insert(static_cast<Bytes*>(sink)->end(), first, first + size);
    return {heif_error_Ok, heif_suberror_Unspecified, ""};
}

} // namespace

Bytes encodeHeic(const QImage& image, int exifOrientation, int quality)
{
    // libheif records the turn but stores the pixels as given: turn them back first.
    const QImage rgb = image.transformed(QTransform().rotate(storedTurnFor(exifOrientation)))
                           .convertToFormat(QImage::Format_RGB888);
    HeifContext context(heif_context_alloc());
    heif_image* raw = nullptr;
    check(heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &raw));
    const HeifImage picture(raw);
    check(heif_image_add_plane(raw, heif_channel_interleaved, rgb.width(), rgb.height(), 8));
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(raw, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + static_cast<std::ptrdiff_t>(y) * stride, rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3);

    heif_encoder* rawEncoder = nullptr;
    check(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder));
    const HeifEncoder encoder(rawEncoder);
    check(heif_encoder_set_lossy_quality(rawEncoder, quality));
    const HeifOptions options(heif_encoding_options_alloc());
    options->image_orientation = static_cast<heif_orientation>(exifOrientation);
    check(heif_context_encode_image(context.get(), raw, rawEncoder, options.get(), nullptr));

    Bytes bytes;
    heif_writer writer{1, appendTo};
    check(heif_context_write(context.get(), &writer, &bytes));
    return bytes;
}

Bytes encodeJxl(const QImage& image, int exifOrientation)
{
    const QImage rgb = image.transformed(QTransform().rotate(storedTurnFor(exifOrientation)))
                           .convertToFormat(QImage::Format_RGB888);
    const JxlEncoderHandle encoder(JxlEncoderCreate(nullptr));
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = static_cast<std::uint32_t>(rgb.width());
    info.ysize = static_cast<std::uint32_t>(rgb.height());
    info.bits_per_sample = 8;
    info.num_color_channels = 3;
    info.orientation = static_cast<JxlOrientation>(exifOrientation);
    check(JxlEncoderSetBasicInfo(encoder.get(), &info), "take the size");
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, JXL_FALSE);
    check(JxlEncoderSetColorEncoding(encoder.get(), &colour), "take the colours");
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    check(JxlEncoderSetFrameDistance(settings, 1.0F), "take the quality");
    // Rows without padding, as libjxl reads them.
    Bytes pixels;
    for (int y = 0; y < rgb.height(); ++y)
        pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + static_cast<std::ptrdiff_t>(rgb.width()) * 3);
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    check(JxlEncoderAddImageFrame(settings, &format, pixels.data(), pixels.size()), "take the pixels");
    JxlEncoderCloseInput(encoder.get());

    Bytes bytes(64 * 1024);
    std::size_t written = 0;
    for (;;) {
        std::uint8_t* next = bytes.data() + written;
        std::size_t room = bytes.size() - written;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder.get(), &next, &room);
        written = static_cast<std::size_t>(next - bytes.data());
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            throw std::runtime_error("libjxl cannot encode");
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(written);
    return bytes;
}

Bytes encodeAvif(const QImage& image, int quality)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const AvifImage picture(avifImageCreate(static_cast<std::uint32_t>(rgba.width()),
                                            static_cast<std::uint32_t>(rgba.height()), 8, AVIF_PIXEL_FORMAT_YUV444));
    avifRGBImage pixels;
    avifRGBImageSetDefaults(&pixels, picture.get());
    pixels.format = AVIF_RGB_FORMAT_RGBA;
    pixels.ignoreAlpha = image.hasAlphaChannel() ? AVIF_FALSE : AVIF_TRUE;
    // libavif only reads these pixels, but its structure has no const pointer.
    pixels.pixels = const_cast<std::uint8_t*>(rgba.constBits());
    pixels.rowBytes = static_cast<std::uint32_t>(rgba.bytesPerLine());
    if (avifImageRGBToYUV(picture.get(), &pixels) != AVIF_RESULT_OK)
        throw std::runtime_error("libavif cannot convert the colours");

    const AvifEncoder encoder(avifEncoderCreate());
    encoder->speed = 8;
    // libavif 0.11 takes quantizers (0 best, 63 worst) rather than a quality.
    const int quantizer = (100 - quality) * 63 / 100;
    encoder->minQuantizer = encoder->maxQuantizer = quantizer;
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = 0;
    avifRWData output = AVIF_DATA_EMPTY;
    const avifResult result = avifEncoderWrite(encoder.get(), picture.get(), &output);
    Bytes bytes(output.data, output.data + output.size);
    avifRWDataFree(&output);
    if (result != AVIF_RESULT_OK)
        throw std::runtime_error(std::string("libavif: ") + avifResultToString(result));
    return bytes;
}

} // namespace qv::samples
