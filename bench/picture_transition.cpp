// One FXImage transition on a full HD area, as the show draws it: frames actually
// painted, how long it took, and the longest gap between two painted frames. Each
// benchmark runs one transition per iteration (offscreen unless a display is given).
#include "components/picture/fx_image.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

class PaintCounter : public QObject {
public:
    int frames = 0;
    qint64 longestGapMs = 0;
    QElapsedTimer clock;
    qint64 last = 0;

    void begin()
    {
        frames = 0;
        longestGapMs = 0;
        last = 0;
        clock.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = clock.elapsed();
            longestGapMs = std::max(longestGapMs, now - last);
            last = now;
            ++frames;
        }
        return QObject::eventFilter(watched, event);
    }
};

QString writeSlide(const QTemporaryDir& dir, const QString& name, QColor colour)
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = dir.filePath(name);
    QImageWriter(path, "bmp").write(picture);
    return path;
}

// effect, speed, grain: the catalogue's base values at "Fast" (grain mode normal).
void BM_TransitionFullHd(benchmark::State& state)
{
    const int effect = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString slides[] = {writeSlide(dir, QStringLiteral("a.bmp"), Qt::darkBlue),
                              writeSlide(dir, QStringLiteral("b.bmp"), Qt::darkYellow)};
    QWidget window;
    window.resize(1920, 1080);
    window.show();
    qv::FXImage image(&window);
    image.setGeometry(0, 0, 1920, 1080);
    image.setEffect(effect);
    image.setEffectSpeed(static_cast<int>(state.range(1)));
    image.setEffectGrain(static_cast<int>(state.range(2)));
    PaintCounter counter;
    image.installEventFilter(&counter);
    int slide = 0;
    double frames = 0;
    double longestGap = 0;
    for (auto _ : state) {
        image.load(slides[slide++ % 2]);
        QEventLoop done;
        QObject::connect(&image, &qv::FXImage::Notify, &done, &QEventLoop::quit);
        QElapsedTimer took;
        took.start();
        counter.begin();
        image.show();
        done.exec();
        state.SetIterationTime(double(took.nsecsElapsed()) / 1e9);
        frames = counter.frames;
        longestGap = std::max(longestGap, double(counter.longestGapMs));
    }
    state.counters["frames"] = frames;
    state.counters["longest_gap_ms"] = longestGap;
}
BENCHMARK(BM_TransitionFullHd)
    ->Args({1, 10, 8})
    ->Args({22, 10, 8})
    ->Args({39, 1, 8})
    ->Args({94, 18, 20})
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
