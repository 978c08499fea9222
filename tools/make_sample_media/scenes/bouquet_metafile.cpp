#include "make_sample_media/scenes/scenes.h"
#include "make_sample_media/wmf_writer.h"

#include <array>
#include <cmath>
#include <numbers>

namespace qv::samples {
namespace {

constexpr int kWidth = 12000; // twips: 600 x 800 pixels at 72 dots per inch
constexpr int kHeight = 16000;

struct Flower {
    int x, y, radius;
    Rgb petals, heart;
    int petalCount;
};

int brushOf(WmfWriter& wmf, Rgb colour)
{
    const int brush = wmf.createSolidBrush(colour);
    wmf.select(brush);
    return brush;
}

void drawFlower(WmfWriter& wmf, const Flower& f)
{
    int brush = brushOf(wmf, f.petals);
    for (int i = 0; i < f.petalCount; ++i) {
        const double angle = 2 * std::numbers::pi * i / f.petalCount;
        const int px = f.x + static_cast<int>(std::lround(std::cos(angle) * f.radius * 0.6));
        const int py = f.y + static_cast<int>(std::lround(std::sin(angle) * f.radius * 0.6));
        const int r = f.radius / 2;
        wmf.ellipse(px - r, py - r, px + r, py + r);
    }
    wmf.remove(brush);
    brush = brushOf(wmf, f.heart);
    const int r = f.radius / 3;
    wmf.ellipse(f.x - r, f.y - r, f.x + r, f.y + r);
    wmf.remove(brush);
}

} // namespace

Bytes drawBouquetMetafile()
{
    WmfWriter wmf(kWidth, kHeight);
    const int outline = wmf.createPen({60, 50, 60}, 30);
    wmf.select(outline);
    int brush = brushOf(wmf, {250, 244, 228});
    wmf.rectangle(0, 0, kWidth, kHeight);
    wmf.remove(brush);
    brush = brushOf(wmf, {226, 214, 190});
    wmf.rectangle(0, 12600, kWidth, kHeight); // the table
    wmf.remove(brush);

    const WmfPoint vaseNeck{6000, 10000};
    const std::array<Flower, 7> flowers{{{3400, 4200, 1300, {230, 70, 90}, {250, 210, 80}, 6},
                                         {6000, 2800, 1500, {250, 200, 60}, {180, 90, 30}, 8},
                                         {8600, 4000, 1250, {150, 90, 200}, {250, 240, 150}, 6},
                                         {4600, 6300, 1100, {250, 250, 250}, {240, 190, 40}, 9},
                                         {7600, 6500, 1150, {240, 130, 170}, {250, 240, 180}, 7},
                                         {2300, 7000, 900, {250, 150, 60}, {140, 60, 30}, 6},
                                         {9800, 7200, 950, {90, 140, 220}, {250, 250, 200}, 5}}};
    brush = brushOf(wmf, {60, 140, 60});
    for (const Flower& f : flowers) {
        // Stems as slim quadrilaterals from each bloom into the vase's neck.
        const std::array<WmfPoint, 4> stem{{{f.x - 60, f.y}, {f.x + 60, f.y},
                                            {vaseNeck.x + 80, vaseNeck.y + 400}, {vaseNeck.x - 80, vaseNeck.y + 400}}};
        wmf.polygon(stem);
    }
    for (const WmfPoint leaf : {WmfPoint{4200, 8400}, WmfPoint{7600, 8600}, WmfPoint{5200, 7600}}) {
        const int side = leaf.x < vaseNeck.x ? -1 : 1;
        const std::array<WmfPoint, 4> shape{{{vaseNeck.x, vaseNeck.y - 200}, {leaf.x, leaf.y - 500},
                                             {leaf.x + side * 700, leaf.y - 900}, {leaf.x + side * 200, leaf.y + 200}}};
        wmf.polygon(shape);
    }
    wmf.remove(brush);
    for (const Flower& f : flowers)
        drawFlower(wmf, f);

    brush = brushOf(wmf, {50, 110, 160});
    const std::array<WmfPoint, 8> vase{{{5200, 9800}, {6800, 9800}, {6600, 10600}, {8000, 11800},
                                        {7600, 13600}, {4400, 13600}, {4000, 11800}, {5400, 10600}}};
    wmf.polygon(vase);
    wmf.remove(brush);
    brush = brushOf(wmf, {110, 170, 210});
    wmf.ellipse(4700, 11300, 5300, 12700); // a highlight on the glaze
    wmf.remove(brush);
    return wmf.finish();
}

} // namespace qv::samples
