#include "engine/bad_picture_text.h"
#include "components/platform/keyboard_layout.h"
#include "engine/mouse_jump.h"
#include "engine/password_match.h"
#include "engine/picture_fitting.h"
#include "engine/play_order.h"
#include "engine/show_clock.h"
#include "engine/slide_audio.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

struct FitCase {
    const char* what;
    double pictureWidth, pictureHeight, percent;
    bool scale;
    PictureFit expected;
    double top = 0, left = 0, height = 1200, width = 1600;  // the area
};

TEST(Fitting, PlacesThePictureOnItsArea)
{
    const FitCase cases[] = {
        {"scaled up to the whole area", 640, 480, 100, true, {0, 0, 1600, 1200}},
        {"half the area, centred", 640, 480, 50, true, {400, 300, 800, 600}},
        {"wide picture limited by width", 3200, 1000, 100, true, {0, 350, 1600, 500}},
        {"wide picture too tall for the width", 1000, 900, 100, true,
         {1600.0 / 2 - 1200 * (1000.0 / 900) / 2, 0, 1200 * (1000.0 / 900), 1200}},
        {"portrait takes the height", 1000, 1100, 100, true,
         {(1600 - 1200 * (1000.0 / 1100)) / 2, 0, 1200 * (1000.0 / 1100), 1200}},
        {"natural size kept, percent ignored", 320, 200, 10, false, {640, 500, 320, 200}},
        {"natural, too wide", 3200, 1000, 100, false, {0, 350, 1600, 500}},
        {"natural, too tall", 400, 2400, 100, false, {700, 0, 200, 1200}},
        // A picture without size (a failed load) must not divide by zero.
        {"no size", 0, 0, 100, true, {800, 600, 0, 0}},
        {"no size, natural", 0, 0, 100, false, {800, 600, 0, 0}},
        {"portrait keeps the box height where its width overflows", 900, 1000, 100, true, {0, 0, 900, 1000}, 0, 0, 1000, 100},
        {"a box offset moves the picture", 640, 480, 50, true, {900, 1300, 800, 600}, 1000, 500}};
    for (const FitCase& c : cases) {
        const PictureFit fit =
            FitPictureOnScreen(c.top, c.left, c.height, c.width, c.pictureHeight, c.pictureWidth, c.percent, c.scale);
        EXPECT_DOUBLE_EQ(fit.left, c.expected.left) << c.what;
        EXPECT_DOUBLE_EQ(fit.top, c.expected.top) << c.what;
        EXPECT_DOUBLE_EQ(fit.width, c.expected.width) << c.what;
        EXPECT_DOUBLE_EQ(fit.height, c.expected.height) << c.what;
    }
}

// A sequence of numbers the tests choose.
class ScriptedRandom final : public RandomSource {
public:
    double next() override
    {
        value_ = std::fmod(value_ + 0.618034, 1.0);
        return value_;
    }
    void reseedFromClock() override { ++reseeds; }
    int reseeds = 0;

private:
    double value_ = 0.1;
};

std::vector<int> onePass(PlayOrder& order, int count, bool shuffled, RandomSource& random)
{
    std::vector<int> pass;
    for (int i = 0; i < count; ++i)
        pass.push_back(order.next(count, shuffled, random));
    return pass;
}

// In order, 1 to N again and again; shuffled, every pass uses each item once, even of
// one or none. A changed count starts a new pass instead of reading past the old.
TEST(PlayOrder, EveryPassUsesEachItemOnceAndANewCountStartsANewPass)
{
    ScriptedRandom random;
    PlayOrder order;
    EXPECT_EQ(onePass(order, 4, false, random), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(onePass(order, 4, false, random), (std::vector<int>{1, 2, 3, 4}));
    for (const auto& [count, expected] : {std::pair{5, 1}, {5, 2}, {2, 1}, {8, 1}})
        EXPECT_EQ(order.next(count, false, random), expected) << count;
    EXPECT_EQ(random.reseeds, 0);
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<int> items = onePass(order, 9, true, random);
        std::sort(items.begin(), items.end());
        EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(onePass(order, 1, true, random), (std::vector<int>{1}));
    EXPECT_EQ(order.next(1, true, random), 1);
    EXPECT_EQ(order.next(0, true, random), 0);
}

// Large shows shuffle in one go, and one pass is not the same as the next.
TEST(PlayOrder, LargeShowsShuffleAndShufflesDiffer)
{
    SeededRandom random(3);
    PlayOrder order;
    EXPECT_GE(order.next(32500, true, random), 1);
    std::vector<int> pass = order.order();
    std::sort(pass.begin() + 1, pass.end());
    EXPECT_EQ(pass[1], 1);
    EXPECT_EQ(pass[32500], 32500);
    EXPECT_EQ(std::adjacent_find(pass.begin() + 1, pass.end()), pass.end());
    EXPECT_NE(onePass(order, 20, true, random), onePass(order, 20, true, random));
}

// Each screen's choices are a sequence of its own: the same name under the same seed
// draws the same, so a screen plays alike alone and beside others; another screen's
// name, another kind of choice on the same screen or another seed draws otherwise.
TEST(NamedRandom, EachScreenAndChoiceHasItsOwnSequence)
{
    const auto draws = [](std::uint64_t seed) {
        SeededRandom random(seed);
        std::vector<double> values(8);
        for (double& value : values)
            value = random.next();
        return values;
    };
    EXPECT_EQ(draws(namedSeed(1, "HDMI-1/effects")), draws(namedSeed(1, "HDMI-1/effects")));
    EXPECT_NE(draws(namedSeed(1, "HDMI-1/effects")), draws(namedSeed(1, "HDMI-2/effects")));
    EXPECT_NE(draws(namedSeed(1, "HDMI-1/effects")), draws(namedSeed(1, "HDMI-1/order")));
    EXPECT_NE(draws(namedSeed(1, "HDMI-1/effects")), draws(namedSeed(2, "HDMI-1/effects")));
}

// The slide timer and the components' events in the order the show window meets
// them: the timer ticks every half second while it runs; taking a slide stops it
// while the old picture is erased and the new one comes in; it runs again when the
// picture is drawn, or when its caption starts after a one-second pause. Every slide
// must then stand whole, caption shown, for its delay (within a tick) before the
// next one is taken, and a click in a presentation moves on at the first tick after
// the slide's delay.
struct TimingCase {
    bool caption;
    int erase;   // 0 none, 1 Block, 2 the effect of the picture going
    int effect;  // 0, 7, or 114 (random)
    bool randomShow;
    bool presentation;
};

std::string describe(const TimingCase& c)
{
    return std::string(c.caption ? "caption" : "no caption") + ", erase " + std::to_string(c.erase) + ", effect " +
           std::to_string(c.effect) + (c.randomShow ? ", random" : ", custom") +
           (c.presentation ? ", presentation" : "");
}

TEST(SlideClock, EachSlideStandsWholeForItsDelay)
{
    constexpr double tick = 0.5, captionPause = 1.0, captionLength = 2.4, blockErase = 1.6;
    std::vector<TimingCase> cases;
    for (const bool caption : {false, true})
        for (const int erase : {0, 1, 2})
            for (const int effect : {0, 7, 114})
                for (const bool randomShow : {false, true})
                    for (const bool presentation : {false, true})
                        if (!randomShow || effect == 114)  // a random show always draws its effects
                            cases.push_back({caption, erase, effect, randomShow, presentation});
    for (const TimingCase& c : cases) {
        // A presentation lends a custom slide 2 seconds; a random show keeps its delay.
        const double delay = c.presentation && !c.randomShow ? 2 : (c.randomShow ? 3 : 4);
        const auto transition = [&](int slide) { return c.effect == 0 ? 0.0 : c.effect == 7 ? 1.3 : 1.7 + slide % 3; };
        SlideClock clock;
        double now = 36000;
        double nextTick = now;                // the timer runs from the start
        std::optional<double> drawnAt, captionEndsAt;
        std::optional<double> wholeSince;     // the slide on screen, caption done
        std::optional<double> clickAt;
        for (int slide = 0; slide < 5;) {
            const double next = std::min({nextTick, drawnAt.value_or(1e9), captionEndsAt.value_or(1e9)});
            ASSERT_LT(next, 36000 + 200) << describe(c) << ": the show stopped at slide " << slide;
            now = next;
            if (drawnAt && now == *drawnAt) {
                drawnAt.reset();
                clock.pictureDrawn(now, c.caption);
                if (c.caption) {
                    captionEndsAt = now + captionPause + captionLength;
                    nextTick = now + captionPause;  // the timer runs again once the caption starts
                } else {
                    wholeSince = now;
                    nextTick = now + tick;
                }
            } else if (captionEndsAt && now == *captionEndsAt) {
                captionEndsAt.reset();
                clock.captionEnded(now);
                wholeSince = now;
                nextTick = now + tick;  // restarted
            } else {
                nextTick = now + tick;
                if (!clock.dueForNext(now, delay))
                    continue;
                if (c.presentation && wholeSince) {
                    // The click comes early, while the slide still counts its delay.
                    if (!clickAt)
                        clickAt = *wholeSince + 0.7;
                    if (now < *clickAt)
                        continue;
                }
                if (slide > 0 && !wholeSince)
                    ADD_FAILURE() << describe(c) << ": slide " << slide << " taken before it stood whole";
                if (wholeSince) {
                    EXPECT_GE(now - *wholeSince, delay - tick) << describe(c) << ", slide " << slide;
                    EXPECT_LT(now - std::max(*wholeSince + delay, clickAt.value_or(0)), tick + 1e-9)
                        << describe(c) << ": slide " << slide << " was kept waiting";
                }
                // The slide is taken: the timer stops until the next one is drawn.
                clock.slideTaken();
                const double erase = slide == 0 || c.erase == 0 ? 0 : c.erase == 1 ? blockErase : transition(slide - 1);
                drawnAt = now + erase + transition(slide);
                captionEndsAt.reset();  // a caption cut short raises nothing
                nextTick = 1e9;
                wholeSince.reset();
                clickAt.reset();
                ++slide;
            }
        }
    }
}

// The clock lets the slide timer sleep until the delay's end, and no longer; a change
// given up (the password prompt came in between) starts anew at once.
TEST(SlideClock, TellsHowLongTheSlideStillStands)
{
    SlideClock clock;
    EXPECT_EQ(clock.secondsUntilDue(100, 5), 0.0);
    clock.slideTaken();
    EXPECT_EQ(clock.secondsUntilDue(100, 5), std::nullopt);
    clock.pictureDrawn(101, true);
    EXPECT_EQ(clock.secondsUntilDue(109, 5), std::nullopt) << "the caption still runs";
    clock.captionEnded(110);
    EXPECT_DOUBLE_EQ(*clock.secondsUntilDue(112.5, 5), 2.5);
    EXPECT_TRUE(clock.dueForNext(115, 5));
    EXPECT_TRUE(clock.dueForNext(3, 5)) << "midnight ends the delay";
    clock.slideTaken();
    clock.pictureDrawn(86390, false);
    EXPECT_DOUBLE_EQ(*clock.secondsUntilDue(86395, 60), 5) << "the timer wakes at midnight";
    clock.slideTaken();
    clock.resumed();
    EXPECT_TRUE(clock.dueForNext(116, 5));
}

TEST(BadPicture, EachCodeHasItsReason)
{
    const QString path = QStringLiteral("/p/a.jpg");
    const QString because = path + QStringLiteral("  could not be displayed because --  ");
    const std::pair<int, std::optional<QString>> cases[] = {
        {-1, because + QStringLiteral("Cannot find the image file")},
        {-7, because + QStringLiteral("Cannot allocate memory for the image")},
        {-8, because}, {-9, std::nullopt}, {0, std::nullopt}, {5, std::nullopt}};
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(badPictureText(path, code, 3), expected) << code;
    EXPECT_EQ(badPictureText(path, -2, 0), QStringLiteral("The screen saver can not find any pictures to display."));

    // Fitted into a narrow screen, the path gives way and the reason stays whole.
    const auto characters = [](const QString& text) { return static_cast<double>(text.size()); };
    const QString longPath = QStringLiteral("/home/ann/Pictures/2009/holiday in the mountains/IMG_0042.jpg");
    const QString full = *badPictureText(longPath, -6, 3);
    EXPECT_EQ(fittedBadPictureText(longPath, -6, 3, characters, full.size()), full);
    const QString fitted = *fittedBadPictureText(longPath, -6, 3, characters, full.size() - 20);
    EXPECT_EQ(fitted.size(), full.size() - 20);
    EXPECT_TRUE(fitted.startsWith(QStringLiteral("/home/ann/"))) << fitted.toStdString();
    EXPECT_TRUE(fitted.endsWith(QStringLiteral("0042.jpg  could not be displayed because --  Error reading the file")));
    EXPECT_EQ(fittedBadPictureText(longPath, -2, 0, characters, 10), badPictureText(longPath, -2, 0));
}

// Only a jump beyond the tolerance from the remembered position counts; the first report
// is only remembered, and a slow drift never counts however far it goes.
TEST(MouseJump, OnlyAJumpBeyondTheToleranceCounts)
{
    MouseJumpDetector mouse(300);
    EXPECT_FALSE(mouse.moved(1000, 1000, true));
    EXPECT_FALSE(mouse.moved(1300, 1000, true));  // exactly 300
    EXPECT_TRUE(mouse.moved(1601, 1000, true));   // 301
    EXPECT_FALSE(mouse.moved(1601, 700, true));   // remembered after the jump
    for (int x = 1601; x <= 15000; x += 100)
        EXPECT_FALSE(mouse.moved(x, 700 + (x - 1601) / 2, true)) << x;

    // Without remembering, a jump leaves the position where it was.
    mouse.forget();
    mouse.moved(0, 0, false);
    EXPECT_TRUE(mouse.moved(500, 0, false));
    EXPECT_TRUE(mouse.moved(520, 0, false));
    mouse.forget();
    EXPECT_FALSE(mouse.moved(5000, 5000, false));
}

// "Together" keeps MIDI and wave on their own players; "Separate" plays everything on
// player one. A slide's loop flag is 1 for a looping sound. "Sound Off", in any case,
// stops both; no sound leaves them alone.
TEST(SlideSound, EachSoundGoesToItsPlayer)
{
    const struct {
        const char* audio;
        int loop;
        bool together;
        std::optional<SoundPlayer> player;
        bool looping, stopOne, stopTwo;
    } cases[] = {{"/m/tune.Mid", 1, true, SoundPlayer::Two, true, false, true},
                 {"/m/bell.wav", 2, true, SoundPlayer::One, false, true, false},
                 {"/m/tune.mid", 0, false, SoundPlayer::One, false, true, false},
                 {"Sound Off.wav", 0, false, SoundPlayer::One, false, true, false},
                 {"SOUND OFF", 0, true, std::nullopt, false, true, true},
                 {"sOuNd oFf", 1, false, std::nullopt, false, true, true},
                 {"", 1, true, std::nullopt, false, false, false}};
    for (const auto& c : cases) {
        const SlideSoundPlan plan = planCustomSlideSound(QString::fromLatin1(c.audio), c.loop, c.together);
        ASSERT_EQ(plan.start.has_value(), c.player.has_value()) << c.audio;
        if (plan.start) {
            EXPECT_EQ(plan.start->player, c.player) << c.audio;
            EXPECT_EQ(plan.start->loop, c.looping) << c.audio;
        }
        EXPECT_EQ(plan.stopOne, c.stopOne) << c.audio;
        EXPECT_EQ(plan.stopTwo, c.stopTwo) << c.audio;
    }
    EXPECT_EQ(soundDeviceKind(QStringLiteral("a.MID")), 1);
    EXPECT_EQ(soundDeviceKind(QStringLiteral("a.midi")), 0);
}

TEST(PasswordPrompt, TheKeysThatSetThePasswordOpenIt)
{
    const std::optional<KeyboardLayout> us = KeyboardLayout::fromNames(QStringLiteral("us"));
    ASSERT_TRUE(us.has_value());
    // Stored as the dialog keeps it: each key's unshifted character, upper-cased.
    for (const auto& [typed, matches] : {std::pair{"hi!", true}, {"Hi1", true}, {"hi", false}, {"hi@", false}})
        EXPECT_EQ(typedPasswordMatches(QLatin1String(typed), QStringLiteral("HI1"), *us), matches) << typed;
    // A character no key types never matches, even a stored password of such characters.
    EXPECT_FALSE(typedPasswordMatches(QString(QChar(0x4E2D)), QString(QChar(0)), *us));
}

} // namespace
} // namespace qv
