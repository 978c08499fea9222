// Each effect goes the way its name says: probe pixels halfway through and check
// which picture, and which part of it, they show.
#include "components/transitions/transition_renderer.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

enum class Shows { Old, New, Black };

struct Probe {
    int effect;
    QPoint at;      // in the 200x100 frame, halfway through
    Shows shows;
    // The pixel of that picture it shows, give or take one for resampling; left out: `at`.
    QPoint source{-1, -1};
};

bool showsNear(QRgb seen, const QImage& picture, QPoint source)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint near = source + QPoint(dx, dy);
            if (picture.valid(near) && picture.pixel(near) == seen)
                return true;
        }
    return false;
}

constexpr QSize kFrame(200, 100);

// At progress 0.5 and grain 1 every edge of these effects is halfway across.
const Probe kProbes[] = {
    {1, {10, 50}, Shows::New}, {1, {190, 50}, Shows::Old}, {2, {190, 50}, Shows::New}, {2, {10, 50}, Shows::Old},
    {3, {100, 10}, Shows::New}, {3, {100, 90}, Shows::Old}, {4, {100, 90}, Shows::New}, {4, {100, 10}, Shows::Old},
    {5, {5, 50}, Shows::New}, {5, {195, 50}, Shows::New}, {5, {100, 50}, Shows::Old}, {6, {100, 50}, Shows::New},
    {6, {5, 50}, Shows::Old}, {13, {5, 5}, Shows::New}, {13, {195, 95}, Shows::Old}, {16, {195, 95}, Shows::New},
    {22, {100, 50}, Shows::New}, {22, {2, 2}, Shows::Old}, {23, {2, 2}, Shows::New}, {23, {100, 50}, Shows::Old},
    {73, {100, 50}, Shows::New}, {73, {1, 1}, Shows::Old}, {70, {198, 50}, Shows::New}, {71, {1, 50}, Shows::New},
    // Moves: the new picture's far edge arrives first.
    {9, {100, 99}, Shows::New, {100, 49}}, {9, {100, 10}, Shows::Old}, {10, {100, 0}, Shows::New, {100, 50}},
    {10, {100, 90}, Shows::Old}, {11, {100, 0}, Shows::Old, {100, 50}}, {11, {100, 99}, Shows::New, {100, 49}},
    {12, {100, 99}, Shows::Old, {100, 49}}, {12, {100, 0}, Shows::New, {100, 50}},
    {52, {199, 50}, Shows::New, {99, 50}}, {52, {10, 50}, Shows::Old}, {53, {0, 50}, Shows::New, {100, 50}},
    {53, {190, 50}, Shows::Old}, {54, {0, 50}, Shows::Old, {100, 50}}, {54, {199, 50}, Shows::New, {99, 50}},
    {55, {199, 50}, Shows::Old, {99, 50}}, {55, {0, 50}, Shows::New, {100, 50}}, {76, {0, 0}, Shows::New, {100, 50}},
    {76, {199, 99}, Shows::Old}, {79, {199, 99}, Shows::New, {99, 49}}, {79, {0, 0}, Shows::Old},
    {24, {100, 50}, Shows::New}, {24, {10, 10}, Shows::Old}, {25, {100, 50}, Shows::Old}, {25, {10, 10}, Shows::New},
    {86, {100, 50}, Shows::New}, {86, {10, 50}, Shows::Old}, {49, {0, 50}, Shows::New}, {49, {190, 50}, Shows::Old},
    {48, {0, 50}, Shows::New, {100, 50}}, {48, {199, 50}, Shows::Old}, {98, {100, 5}, Shows::New},
    {98, {100, 95}, Shows::Old}, {99, {100, 95}, Shows::New}, {99, {100, 5}, Shows::Old},
    // Turns: the faces' far edges are shorter, leaving black corners.
    {82, {0, 0}, Shows::Black}, {83, {199, 0}, Shows::Black}, {84, {0, 0}, Shows::Black}, {85, {0, 99}, Shows::Black},
};

TEST(EffectDirection, ShowsThePartOfThePictureItsNameSays)
{
    const QImage older = test::oldPicture(kFrame);
    const QImage newer = test::newPicture(kFrame);
    for (const Probe& probe : kProbes) {
        SCOPED_TRACE("effect " + std::to_string(probe.effect) + " at " + std::to_string(probe.at.x()) + ","
                     + std::to_string(probe.at.y()));
        QImage frame(kFrame, QImage::Format_RGB32);
        TransitionRenderer({probe.effect, 1, 0, kFrame}).render(older, newer, 0.5, frame);
        const QRgb seen = frame.pixel(probe.at);
        const QPoint source = probe.source.x() < 0 ? probe.at : probe.source;
        if (probe.shows == Shows::Black)
            EXPECT_EQ(seen, qRgb(0, 0, 0));
        else
            EXPECT_TRUE(showsNear(seen, probe.shows == Shows::Old ? older : newer, source));
    }
}

} // namespace
} // namespace qv
