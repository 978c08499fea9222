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

// A selection file decides which effects the random draw gives, never the plain wipe;
// one that is missing or cannot be read leaves every other effect on.
using EffectSelectionFiles = ShowDataTest;

TEST_F(EffectSelectionFiles, DecideWhatTheRandomDrawGives)
{
    std::set<int> allButWipe;
    for (int n = 1; n <= 113; ++n)
        allButWipe.insert(n);
    allButWipe.erase(51);
    auto nineAndATwo = onlyOn(9);
    nineAndATwo[0] = 2;  // 2 is not "on"
    const struct {
        const char* name;
        std::optional<QByteArray> file;  // nothing: no file at all
        std::set<int> drawable;          // every effect the random draw can give
    } cases[] = {{"Missing", std::nullopt, allButWipe},
                 {"OnlySeven", selectionFile(onlyOn(7)), {7}},
                 {"AllZero", selectionFile(std::vector<int>(113, 0)), {0}},
                 {"OnlyTheWipe", selectionFile(onlyOn(51)), {0}},
                 {"FiftyLines", selectionFile(std::vector<int>(50, 0)), allButWipe},
                 {"TwoIsNotOn", selectionFile(nineAndATwo), {9}},
                 {"LineFeedsAndBlanks", QByteArray("0\n").repeated(112) + "\t1  ", {113}},
                 {"NotANumber", selectionFile(onlyOn(9)).replace(" 0 \r\n", " x \r\n"), allButWipe},
                 {"EmptyLine", QByteArray("\r\n") + selectionFile(onlyOn(9)), allButWipe},
                 {"LinesAfterTheLastIgnored", selectionFile(onlyOn(4)) + "junk\r\n", {4}}};
    for (const auto& c : cases) {
        QFile::remove(dataPath("qvtour52.eff"));
        if (c.file)
            writeDataFile("qvtour52.eff", *c.file);
        BuildEffectCatalogue();
        SeededRandom random(12345);
        std::set<int> drawn;
        for (int i = 0; i < 20000; ++i)
            drawn.insert(DrawRandomEffect(effectCatalogue(), random));
        EXPECT_EQ(drawn, c.drawable) << c.name;
        EXPECT_EQ(effectCatalogue().effectEnabled[51], 0) << c.name;
    }
    EXPECT_TRUE(messages_.empty());
}

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

// The show's draw tries again until an enabled effect comes, and ends even with a source
// that repeats itself; the preview's ignores the selection but never gives the wipe.
TEST(RandomDraw, DrawsAgainUntilAnEnabledEffectAndThePreviewNeverWipes)
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

    ScriptedRandom forPreview({drawing(51), drawing(51), drawing(30)});
    EXPECT_EQ(DrawPreviewEffect(forPreview), 30);
    EXPECT_EQ(forPreview.reseeds, 3);
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
