// What one slide costs before its transition: decoding a 4000 x 3000 camera JPEG for a
// 1920 x 1080 screen (reduced by the DCT) or at full size, the same photo as a phone's
// HEIC and as an AVIF (decoded whole, then reduced), scaling the decoded picture to the
// screen, and, as the floor to compare with, copying one full HD frame.
#include "components/picture/picture_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

const QSize kScreen(1920, 1080);

// Smooth shapes with sensor-like noise, so the picture compresses about as a photo does.
const QImage& photoLikePicture()
{
    static const QImage picture = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, 0, 3000);
        sky.setColorAt(0, QColor(70, 120, 200));
        sky.setColorAt(1, QColor(200, 170, 120));
        painter.fillRect(photo.rect(), sky);
        QRandomGenerator random(7);
        for (int i = 0; i < 300; ++i) {
            painter.setBrush(QColor::fromRgb(random.generate()));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPoint(random.bounded(4000), random.bounded(3000)), random.bounded(20, 300),
                                random.bounded(20, 300));
        }
        painter.end();
        for (int y = 0; y < photo.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int noise = static_cast<int>(random.bounded(17)) - 8;
                const QRgb p = row[x];
                row[x] = qRgb(qBound(0, qRed(p) + noise, 255), qBound(0, qGreen(p) + noise, 255),
                              qBound(0, qBlue(p) + noise, 255));
            }
        }
        return photo;
    }();
    return picture;
}

const QByteArray& photoLikeJpeg()
{
    static const QByteArray jpeg = [] {
        const QImage& photo = photoLikePicture();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.write(photo);
        return bytes;
    }();
    return jpeg;
}

// The photo through an encoder program, at the quality a phone uses.
QByteArray encodedBy(const QString& program, const QStringList& options, const QString& suffix)
{
    const QTemporaryDir scratch;
    const QString input = scratch.filePath(QStringLiteral("photo.png"));
    const QString output = scratch.filePath(QStringLiteral("photo.") + suffix);
    photoLikePicture().save(input, "PNG", 100);
    QProcess encoder;
    encoder.start(program, options + QStringList{input, QStringLiteral("-o"), output});
    encoder.waitForFinished(-1);
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void decode(benchmark::State& state, const QByteArray& bytes, QSize target)
{
    if (bytes.isEmpty()) {
        state.SkipWithError("the encoder program is missing (setup.sh installs it)");
        return;
    }
    for (auto _ : state) {
        const qv::DecodeOutcome outcome = qv::decodePictureData(bytes, target);
        if (outcome.code != qv::LoadResult::Loaded)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(outcome.picture.get());
    }
    state.counters["file_MB"] = double(bytes.size()) / (1024.0 * 1024.0);
}

void BM_DecodeHeic4000x3000ForFullHd(benchmark::State& state)
{
    static const QByteArray heic = encodedBy(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("80")},
                                             QStringLiteral("heic"));
    decode(state, heic, kScreen);
}
BENCHMARK(BM_DecodeHeic4000x3000ForFullHd)->Unit(benchmark::kMillisecond);

void BM_DecodeAvif4000x3000ForFullHd(benchmark::State& state)
{
    static const QByteArray avif = encodedBy(QStringLiteral("avifenc"),
                                             {QStringLiteral("-s"), QStringLiteral("8"), QStringLiteral("-j"),
                                              QStringLiteral("2"), QStringLiteral("--min"), QStringLiteral("20"),
                                              QStringLiteral("--max"), QStringLiteral("30")},
                                             QStringLiteral("avif"));
    decode(state, avif, kScreen);
}
BENCHMARK(BM_DecodeAvif4000x3000ForFullHd)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg4000x3000ForFullHd(benchmark::State& state) { decode(state, photoLikeJpeg(), kScreen); }
BENCHMARK(BM_DecodeJpeg4000x3000ForFullHd)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg4000x3000FullSize(benchmark::State& state) { decode(state, photoLikeJpeg(), QSize()); }
BENCHMARK(BM_DecodeJpeg4000x3000FullSize)->Unit(benchmark::kMillisecond);

// The decoded picture drawn to the area it fills, once per transition.
void BM_ScaleDecodedToFullHd(benchmark::State& state)
{
    const qv::DecodeOutcome outcome = qv::decodePictureData(photoLikeJpeg(), kScreen);
    for (auto _ : state) {
        const QImage shown = outcome.picture->imageAt(QSize(1440, 1080));
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_ScaleDecodedToFullHd)->Unit(benchmark::kMillisecond);

void BM_MemcpyFullHdFrame(benchmark::State& state)
{
    const std::size_t bytes = std::size_t(kScreen.width()) * kScreen.height() * 4;
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyFullHdFrame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
