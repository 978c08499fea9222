// The generated folder as the user meets it: every kind of file the show looks for is
// there, is what its name says, and the program itself reads it: pictures whole and
// colourful, sounds and tunes of a sensible length.
#include "components/picture/magick_setup.h"
#include "components/picture/picture_decoder.h"
#include "components/picture/picture_format.h"
#include "components/sound/midi_length.h"
#include "components/sound/wave_length.h"
#include "make_sample_media/sample_catalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <vector>

namespace qv {
namespace {

// The build made every file of the catalogue, and makes each the same every time.
TEST(SampleFolder, HoldsEveryFileOfTheCatalogueAsTheGeneratorMakesIt)
{
    prepareMagick();
    for (const samples::SampleFile& sample : samples::sampleCatalogue()) {
        QFile file(QStringLiteral(QV_SAMPLE_MEDIA_DIR "/") + QString::fromStdString(sample.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sample.name;
        const samples::Bytes made = sample.make();
        EXPECT_TRUE(file.readAll() == QByteArray(reinterpret_cast<const char*>(made.data()), static_cast<qsizetype>(made.size())))
            << sample.name << " differs from a second making";
    }
}

struct Kind {
    const char* pattern;
    // Every file is one of these, and each of them is met; none for sounds. Paint
    // programs save a ".dib" with the bitmap file header, the clipboard kind has none.
    std::vector<PictureFormat> formats;
};

class SampleFolder : public ::testing::TestWithParam<Kind> {};

TEST_P(SampleFolder, EveryFileIsWhatItsNameSaysAndPlays)
{
    const QFileInfoList files =
        QDir(QStringLiteral(QV_SAMPLE_MEDIA_DIR), QString::fromLatin1(GetParam().pattern), QDir::Name, QDir::Files)
            .entryInfoList();
    ASSERT_FALSE(files.isEmpty()) << GetParam().pattern;
    std::set<PictureFormat> met;
    for (const QFileInfo& info : files) {
        SCOPED_TRACE(info.fileName().toStdString());
        QFile file(info.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        if (info.suffix() == QLatin1String("wav")) {
            EXPECT_GE(waveLengthMs(bytes), 2000);
            EXPECT_LE(waveLengthMs(bytes), 6000);
        } else if (info.suffix() == QLatin1String("mid")) {
            const auto timing = midiPlayingTime(std::span(data, static_cast<std::size_t>(bytes.size())));
            ASSERT_TRUE(timing);
            EXPECT_FALSE(timing->damaged);
            EXPECT_GE(timing->length, std::chrono::seconds(15));
            EXPECT_LE(timing->length, std::chrono::seconds(40));
        } else {
            met.insert(sniffPictureFormat(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 128))));
            const DecodeOutcome outcome = decodePictureFile(info.filePath(), QSize());
            ASSERT_EQ(outcome.code, LoadResult::Loaded);
            const QImage image = outcome.picture->imageAt(outcome.picture->naturalSize());
            EXPECT_GE(image.width(), 400);
            EXPECT_GE(image.height(), 300);
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7)
                    colours.insert(image.pixel(x, y));
            EXPECT_GE(colours.size(), 12) << "a blank picture";
        }
    }
    EXPECT_EQ(met, std::set<PictureFormat>(GetParam().formats.begin(), GetParam().formats.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, SampleFolder,
    ::testing::Values(Kind{"*.gif", {PictureFormat::Gif}}, Kind{"*.jpg", {PictureFormat::Jpeg}},
                      Kind{"*.bmp", {PictureFormat::Bmp}}, Kind{"*.dib", {PictureFormat::Bmp, PictureFormat::Dib}},
                      Kind{"*.pcx", {PictureFormat::Pcx}}, Kind{"*.tga", {PictureFormat::Tga}},
                      Kind{"*.tif", {PictureFormat::Tiff}}, Kind{"*.wmf", {PictureFormat::Wmf}},
                      Kind{"*.png", {PictureFormat::Png}}, Kind{"*.webp", {PictureFormat::WebP}},
                      Kind{"*.heic", {PictureFormat::Heif}}, Kind{"*.avif", {PictureFormat::Avif}},
                      Kind{"*.jxl", {PictureFormat::JpegXl}}, Kind{"*.wav", {}}, Kind{"*.mid", {}}),
    [](const auto& kind) { return std::string(kind.param.pattern + 2); });

} // namespace
} // namespace qv
