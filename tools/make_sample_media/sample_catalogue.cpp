#include "make_sample_media/sample_catalogue.h"

#include "make_sample_media/modern_encoders.h"
#include "make_sample_media/picture_encoders.h"
#include "make_sample_media/scenes/scenes.h"
#include "make_sample_media/sounds.h"
#include "make_sample_media/tunes.h"
#include "make_sample_media/tga_rle_writer.h"

#include <QBrush>
#include <QImage>
#include <QPainter>

namespace qv::samples {
namespace {

// The picture inside a circle, transparent around it.
QImage roundedOff(const QImage& picture)
{
    QImage disc(picture.size(), QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(picture));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(disc.rect());
    return disc;
}

} // namespace

std::vector<SampleFile> sampleCatalogue()
{
    return {
        {"sunset.jpg", [] { return encodeJpeg(paintMountainSunset({1920, 1080}), 88); }},
        {"meadow.jpg", [] { return encodeJpeg(paintFlowerMeadow({1600, 1200}), 88); }},
        {"moonlake.jpg", [] { return encodeJpeg(paintMoonlitLake({1920, 1080}), 88); }},
        {"mosaic.gif", [] { return encodeWithMagick(paintMosaic({800, 600}), {"GIF", 256, false, false}); }},
        {"lights.bmp", [] { return encodeBmp(paintSoftLights({640, 480})); }},
        {"dunes.dib", [] { return encodeBmp(paintDesertDunes({512, 384})); }},
        {"glass.dib", [] { return encodeWithMagick(paintRoseWindow({640, 480}), {"DIB", 256, false, false}); }},
        {"autumn.pcx", [] { return encodeWithMagick(paintAutumnHills({800, 600}), {"PCX", 0, false, false}); }},
        {"island.tga", [] { return encodeWithMagick(paintTropicalIsland({640, 480}), {"TGA", 0, false, false}); }},
        {"aurora.tga", [] { return encodeTgaRle(paintAurora({800, 600})); }},
        {"sailboat.wmf", [] { return drawSailboatMetafile(); }},
        {"bouquet.wmf", [] { return drawBouquetMetafile(); }},
        {"tulips.tif", [] { return encodeWithMagick(paintTulipFields({1024, 768}), {"TIFF", 0, false, true}); }},
        // Pictures of today: a transparent PNG, a WebP, a HEIC taken sideways (its pixels
        // stored turned, the turn recorded), an AVIF and a JPEG XL.
        {"window.png", [] { return encodePng(roundedOff(paintRoseWindow({800, 800}))); }},
        {"hills.webp", [] { return encodeWebP(paintAutumnHills({1280, 720}), 85); }},
        {"aurora.heic", [] { return encodeHeic(paintAurora({960, 1280}), 6, 80); }},
        {"lake.avif", [] { return encodeAvif(paintMoonlitLake({1280, 720}), 75); }},
        {"island.jxl", [] { return encodeWithMagick(paintTropicalIsland({1280, 720}), {"JXL", 0, false, false}); }},
        {"chimes.wav", [] { return encodeWav(makeWindChimes()); }},
        {"dusk.wav", [] { return encodeWav(makeSoftPad()); }},
        {"welcome.wav", [] { return encodeWav(makeWelcomeBells()); }},
        {"waltz.mid", [] { return encodeMidiFile(composeMorningWaltz()); }},
        {"evening.mid", [] { return encodeMidiFile(composeEveningSong()); }},
    };
}

} // namespace qv::samples
