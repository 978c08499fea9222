#include "make_sample_media/scenes/scenes.h"
#include "make_sample_media/wmf_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qv::samples {
namespace {

constexpr int kWidth = 16000; // twips: 800 x 600 pixels at 72 dots per inch
constexpr int kHeight = 12000;

void fill(WmfWriter& wmf, Rgb colour, const auto& draw)
{
    const int brush = wmf.createSolidBrush(colour);
    wmf.select(brush);
    draw();
    wmf.remove(brush);
}

// Bands of colour stand in for a gradient, as metafile drawings did.
void bands(WmfWriter& wmf, int top, int bottom, Rgb from, Rgb to, int count)
{
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
        const auto channel = [t](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
        };
        const int y0 = top + (bottom - top) * i / count;
        const int y1 = top + (bottom - top) * (i + 1) / count;
        fill(wmf, {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)},
             [&] { wmf.rectangle(0, y0, kWidth, std::min(kHeight, y1 + 10)); });
    }
}

void cloud(WmfWriter& wmf, int x, int y, int size)
{
    fill(wmf, {255, 255, 255}, [&] {
        wmf.ellipse(x, y, x + size * 2, y + size);
        wmf.ellipse(x + size / 2, y - size / 2, x + size * 3 / 2, y + size / 2);
        wmf.ellipse(x + size, y - size / 4, x + size * 5 / 2, y + size * 3 / 4);
    });
}

} // namespace

Bytes drawSailboatMetafile()
{
    WmfWriter wmf(kWidth, kHeight);
    const int noPen = wmf.createNullPen();
    wmf.select(noPen);
    const int horizon = 7400;
    bands(wmf, 0, horizon, {70, 140, 220}, {190, 225, 250}, 12);
    fill(wmf, {255, 236, 140}, [&] { wmf.ellipse(11600, 1200, 13600, 3200); });
    fill(wmf, {255, 248, 200}, [&] { wmf.ellipse(11900, 1500, 13300, 2900); });
    cloud(wmf, 1500, 1800, 1400);
    cloud(wmf, 6500, 1100, 1000);
    fill(wmf, {120, 170, 120}, [&] {
        const std::array<WmfPoint, 5> island{{{0, horizon}, {1200, 6500}, {2800, 6200}, {4800, 6900}, {5600, horizon}}};
        wmf.polygon(island);
    });
    bands(wmf, horizon, kHeight, {40, 120, 190}, {10, 50, 110}, 10);
    // Wave crests: flat white ellipses scattered over the water.
    fill(wmf, {200, 230, 250}, [&] {
        for (int row = 0; row < 6; ++row) {
            const int y = horizon + 500 + row * 700;
            // Kept inside the frame: players size the picture by everything drawn.
            for (int x = (row % 2) * 900; x + 500 + row * 120 <= kWidth; x += 1800 + row * 200)
                wmf.ellipse(x, y, x + 500 + row * 120, y + 60 + row * 15);
        }
    });

    const int boatX = 6200;
    const int waterline = 9400;
    fill(wmf, {130, 70, 40}, [&] {
        const std::array<WmfPoint, 4> hull{{{boatX - 2400, waterline - 700}, {boatX + 2600, waterline - 700},
                                            {boatX + 1900, waterline + 200}, {boatX - 1700, waterline + 200}}};
        wmf.polygon(hull);
    });
    fill(wmf, {250, 250, 245}, [&] {
        wmf.rectangle(boatX - 2400, waterline - 780, boatX + 2600, waterline - 650);
    });
    fill(wmf, {90, 60, 40}, [&] { wmf.rectangle(boatX - 60, waterline - 5600, boatX + 60, waterline - 700); });
    fill(wmf, {250, 248, 238}, [&] {
        const std::array<WmfPoint, 3> main{{{boatX - 150, waterline - 5400}, {boatX - 150, waterline - 900},
                                            {boatX - 2500, waterline - 900}}};
        wmf.polygon(main);
    });
    fill(wmf, {220, 70, 60}, [&] {
        const std::array<WmfPoint, 3> jib{{{boatX + 150, waterline - 5000}, {boatX + 150, waterline - 900},
                                           {boatX + 2300, waterline - 900}}};
        wmf.polygon(jib);
    });
    fill(wmf, {220, 70, 60}, [&] {
        const std::array<WmfPoint, 3> pennant{{{boatX + 60, waterline - 5600}, {boatX + 600, waterline - 5450},
                                               {boatX + 60, waterline - 5300}}};
        wmf.polygon(pennant);
    });
    // Gulls: two-stroke wings as thin polygons.
    fill(wmf, {50, 60, 80}, [&] {
        for (const WmfPoint at : {WmfPoint{9800, 3600}, WmfPoint{10600, 3200}, WmfPoint{10200, 4200}}) {
            const std::array<WmfPoint, 6> gull{{{at.x - 400, at.y - 150}, {at.x, at.y + 60}, {at.x + 400, at.y - 150},
                                                {at.x + 380, at.y - 60}, {at.x, at.y + 140}, {at.x - 380, at.y - 60}}};
            wmf.polygon(gull);
        }
    });

    wmf.setTransparentText();
    wmf.setTextAlignCentreBaseline();
    const int font = wmf.createFont(900, 700, "Arial");
    wmf.select(font);
    wmf.setTextColour({10, 30, 70});
    wmf.textOut(kWidth / 2 + 30, 11430, "Smooth Sailing");
    wmf.setTextColour({255, 255, 255});
    wmf.textOut(kWidth / 2, 11400, "Smooth Sailing");
    wmf.select(noPen);
    return wmf.finish();
}

} // namespace qv::samples
