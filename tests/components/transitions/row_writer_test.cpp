// The row writer is the last guard against a planner's rounding: whatever it is
// asked, it writes only inside the output row and reads only inside the pictures.
#include "components/transitions/effect_recipe.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv::transitions {
namespace {

constexpr QSize kFrame(16, 4);

// Raw pixels: QImage::pixel() reports every RGB32 pixel as opaque.
bool wasWritten(const QImage& frame, int x, int y)
{
    return qAlpha(reinterpret_cast<const QRgb*>(frame.constScanLine(y))[x]) != 0;
}

// The two pictures and a frame nothing has written yet.
struct Pictures {
    QImage older = test::oldPicture(kFrame);
    QImage newer = test::newPicture(kFrame);
    QImage out = test::untouchedFrame(kFrame);
    FramePixels frame{older, newer, out};
};

struct Request {
    const char* name;
    std::function<void(const RowWriter&)> write;
    int firstWritten; // columns [firstWritten, endWritten) of row 1 are written
    int endWritten;
};

const Request kRequests[] = {
    {"CopyInside", [](const RowWriter& w) { w.copy(Source::To, 1, 2, 3, 5); }, 3, 8},
    {"CopyPastTheRight", [](const RowWriter& w) { w.copy(Source::To, 1, 0, 12, 40); }, 12, 16},
    {"CopyFromBeforeTheLeft", [](const RowWriter& w) { w.copy(Source::From, 1, 0, -6, 10); }, 0, 4},
    {"CopyNegativeLength", [](const RowWriter& w) { w.copy(Source::From, 1, 0, 3, -5); }, 0, 0},
    {"CopyFromMissingRow", [](const RowWriter& w) { w.copy(Source::From, 99, 0, 0, 16); }, 0, 16},
    {"CopySourcePastTheEdge", [](const RowWriter& w) { w.copy(Source::From, 1, 12, 0, 10); }, 0, 10},
    {"ScaledOverhanging", [](const RowWriter& w) { w.scaled(Source::To, 1, 0, 16, -20, 60); }, 0, 16},
    {"ScaledFromNothing", [](const RowWriter& w) { w.scaled(Source::To, 1, 30, 5, 2, 4); }, 2, 6},
    {"ScaledToNothing", [](const RowWriter& w) { w.scaled(Source::To, 1, 0, 16, 5, 0); }, 0, 0},
    {"FillClipped", [](const RowWriter& w) { w.fill(-3, 5); }, 0, 2},
    {"ShadeClipped", [](const RowWriter& w) { w.shade(14, 9); }, 14, 16},
    {"Interleave", [](const RowWriter& w) { w.interleave(Source::To, 0, Source::From, 3, 3); }, 0, 16},
};

TEST(RowWriter, WritesOnlyInsideTheRow)
{
    for (const Request& request : kRequests) {
        Pictures p;
        request.write(RowWriter(p.frame, 1));
        for (int y = 0; y < kFrame.height(); ++y)
            for (int x = 0; x < kFrame.width(); ++x) {
                const bool written = y == 1 && x >= request.firstWritten && x < request.endWritten;
                EXPECT_EQ(wasWritten(p.out, x, y), written) << request.name << " at " << x << "," << y;
            }
    }
}

TEST(RowWriter, CopiesWhatExistsAndBlackensTheRest)
{
    Pictures p;
    RowWriter(p.frame, 2).copy(Source::To, 3, 12, 0, 8);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(p.out.pixel(x, 2), x < 4 ? p.newer.pixel(12 + x, 3) : qRgb(0, 0, 0)) << x;
}

TEST(RowWriter, ResamplingStretchesAndShrinksEvenly)
{
    Pictures p;
    RowWriter(p.frame, 0).scaled(Source::From, 0, 0, 4, 0, 16); // each source pixel 4 times
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(p.out.pixel(x, 0), p.older.pixel(x / 4, 0)) << x;
    RowWriter(p.frame, 1).scaled(Source::From, 1, 0, 16, 0, 4); // every fourth pixel
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(p.out.pixel(x, 1), p.older.pixel(4 * x + 2, 1)) << x;
}

} // namespace
} // namespace qv::transitions
