#include "show_data_fixture.h"

#include "showdata/effect_catalogue.h"
#include "showdata/effect_selection_file.h"
#include "showdata/effect_wait.h"
#include "showdata/random_effect.h"

#include <QCoreApplication>
#include <QTimer>

#include <deque>
#include <set>

namespace qv::test {
namespace {

// Hands out the numbers it was given, then 0.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> values) : values_(std::move(values)) {}
    double next() override
    {
        if (values_.empty())
            return 0.0;
        const double value = values_.front();
        values_.pop_front();
        return value;
    }
    void reseedFromClock() override { ++reseeds; }
    int reseeds = 0;

private:
    std::deque<double> values_;
};

// r such that the draw int(r * 113) + 1 gives effect n.
double drawing(int n) { return (n - 0.5) / 113.0; }

QByteArray selectionFile(const std::vector<int>& lines)
{
    QByteArray bytes;
    for (const int value : lines)
        bytes.append(' ').append(QByteArray::number(value)).append(" \r\n");
    return bytes;
}

std::vector<int> onlyOn(int effect)
{
    std::vector<int> lines(113, 0);
    lines[static_cast<std::size_t>(effect - 1)] = 1;
    return lines;
}

struct SelectionCase {
    const char* name;
    std::optional<QByteArray> file;  // nothing: no file at all
    std::set<int> drawable;          // every effect the random draw can give
};

void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }

std::set<int> allButWipe()
{
    std::set<int> effects;
    for (int n = 1; n <= 113; ++n)
        effects.insert(n);
    effects.erase(51);
    return effects;
}

class EffectSelectionFiles : public ShowDataTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(EffectSelectionFiles, DecideWhatTheRandomDrawGives)
{
    if (GetParam().file)
        writeDataFile("qvtour52.eff", *GetParam().file);
    BuildEffectCatalogue();
    SeededRandom random(12345);
    std::set<int> drawn;
    for (int i = 0; i < 20000; ++i)
        drawn.insert(DrawRandomEffect(effectCatalogue(), random));
    EXPECT_EQ(drawn, GetParam().drawable);
    EXPECT_EQ(effectCatalogue().effectEnabled[51], 0);
    EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, EffectSelectionFiles,
    ::testing::Values(SelectionCase{"Missing", std::nullopt, allButWipe()},
                      SelectionCase{"OnlySeven", selectionFile(onlyOn(7)), {7}},
                      SelectionCase{"AllZero", selectionFile(std::vector<int>(113, 0)), {0}},
                      SelectionCase{"OnlyTheWipe", selectionFile(onlyOn(51)), {0}},
                      SelectionCase{"FiftyLines", selectionFile(std::vector<int>(50, 0)), allButWipe()},
                      SelectionCase{"TwoIsNotOn", [] { auto l = onlyOn(9); l[0] = 2; return selectionFile(l); }(), {9}},
                      SelectionCase{"LineFeedsAndBlanks", QByteArray("0\n").repeated(112) + "\t1  ", {113}},
                      SelectionCase{"NotANumber", selectionFile(onlyOn(9)).replace(" 0 \r\n", " x \r\n"), allButWipe()},
                      SelectionCase{"EmptyLine", QByteArray("\r\n") + selectionFile(onlyOn(9)), allButWipe()},
                      SelectionCase{"LinesAfterTheLastIgnored", selectionFile(onlyOn(4)) + "junk\r\n", {4}}));

struct SpeedCase {
    int n, grainMode, adjuster, speed;
};

TEST(RandomEffectSpeed, BaseSpeedTimesTheAdjustersFactorCappedAt255)
{
    const EffectCatalogue catalogue = standardEffectCatalogue();
    const std::vector<SpeedCase> cases = {
        {94, 0, 1, 18}, {94, 0, 2, 198}, {94, 0, 3, 255}, {1, 0, 3, 210}, {1, 1, 3, 42}, {22, 0, 3, 210},
        {50, 0, 3, 0},  {113, 1, 2, 110}, {114, 0, 3, 0},
        // Settings no screen offers: neither overflow nor a negative speed.
        {94, 0, 32767, 255}, {94, 0, 0, 0}, {94, 7, 1, 18}, {500, 0, 1, 0}, {-3, 0, 1, 0}};
    for (const SpeedCase& c : cases)
        EXPECT_EQ(RandomEffectSpeed(catalogue, c.n, c.grainMode, c.adjuster), c.speed)
            << c.n << " mode " << c.grainMode << " adjuster " << c.adjuster;
}

// Draws again until an enabled effect comes, and ends even with a source that repeats
// itself.
TEST(RandomDraw, DrawsAgainUntilAnEnabledEffect)
{
    EffectCatalogue catalogue = standardEffectCatalogue();
    catalogue.effectEnabled[3] = 0;
    ScriptedRandom random({drawing(3), drawing(51), drawing(113)});
    EXPECT_EQ(DrawRandomEffect(catalogue, random), 113);
    catalogue.effectEnabled.fill(0);
    catalogue.effectEnabled[80] = 1;
    catalogue.noEffectEnabled = false;
    ScriptedRandom alwaysOne({});
    EXPECT_EQ(DrawRandomEffect(catalogue, alwaysOne), 80);
}

TEST(PreviewDraw, IgnoresTheSelectionButNeverGivesTheWipe)
{
    ScriptedRandom random({drawing(51), drawing(51), drawing(30)});
    EXPECT_EQ(DrawPreviewEffect(random), 30);
    EXPECT_EQ(random.reseeds, 3);
    SeededRandom seeded(7);
    for (int i = 0; i < 2000; ++i) {
        const int n = DrawPreviewEffect(seeded);
        EXPECT_TRUE(n >= 1 && n <= 113 && n != 51) << n;
    }
}

// A wait ends when the component says the effect is done, a wait inside a wait ending
// both, or after its limit, and the flag is clear afterwards.
TEST(EffectWait, EndsWhenTheEffectIsDoneOrAfterItsLimit)
{
    MarkEffectRunning();
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        QTimer::singleShot(0, QCoreApplication::instance(), [] { MarkEffectDone(); });
        WaitForEffect(std::chrono::minutes(5));
    });
    WaitForEffect(std::chrono::minutes(5));
    EXPECT_FALSE(effectRunning());
    MarkEffectRunning();
    WaitForEffect(std::chrono::milliseconds(1));
    EXPECT_FALSE(effectRunning());
}

} // namespace
} // namespace qv::test
