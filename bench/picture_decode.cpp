// What one slide costs before its transition: decoding a 4000 x 3000 camera JPEG for a
// 1920 x 1080 screen (reduced by the DCT) or at full size, scaling the decoded picture to
// the screen, and, as the floor to compare with, copying one full HD frame.
#include "components/picture/picture_decoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

const QSize kScreen(1920, 1080);

// Smooth shapes with sensor-like noise, so the JPEG compresses about as a photo does.
const QByteArray& photoLikeJpeg()
{
    static const QByteArray jpeg = [] {
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

void decodeJpeg(benchmark::State& state, QSize target)
{
    const QByteArray& jpeg = photoLikeJpeg();
    for (auto _ : state) {
        const qv::DecodeOutcome outcome = qv::decodePictureData(jpeg, target);
        if (outcome.code != qv::LoadResult::Loaded)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(outcome.picture.get());
    }
    state.counters["file_MB"] = double(jpeg.size()) / (1024.0 * 1024.0);
}

void BM_DecodeJpeg4000x3000ForFullHd(benchmark::State& state) { decodeJpeg(state, kScreen); }
BENCHMARK(BM_DecodeJpeg4000x3000ForFullHd)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg4000x3000FullSize(benchmark::State& state) { decodeJpeg(state, QSize()); }
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
