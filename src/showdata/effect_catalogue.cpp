#include "showdata/effect_catalogue.h"

#include "settings/global_settings.h"
#include "showdata/effect_selection_file.h"

#include <algorithm>

namespace qv {
namespace {

// Exactly as the lists show them, odd spacing (87) and the repeated name (86, 88)
// included: stored shows and users' habits refer to them.
constexpr std::array<const char*, effectTableSize> effectNames = {
    "None", "Left To Right", "Right To Left", "Top To Bottom", "Bottom To Top", "Horiz Wipe In",
    "Horiz Wipe Out", "Vert Wipe In", "Vert Wipe Out", "Slide Up", "Slide Down", "Push Up1", "Push Down1",
    "Diag TL", "Diag BL", "Diag TR", "Diag BR", "Diag TL-BR", "Dbl Diag.TL-BL", "Diag Out TL-BR",
    "Diag Out TR-BL", "Diag Quad", "Explode", "Implode", "Zoom Out1", "Zoom In1", "Corners Out",
    "Horz. Interlace", "Vert. Interlace", "Horz. 2 Pass 2", "Vert. 2 Pass 2", "Horz. 2 Pass", "Vert. 2 Pass",
    "Rnd Lines", "Horiz Blind", "Vert Blind", "Dbl Blind", "Swirl In", "Swirl Out", "Rnd Block",
    "Checkerboard", "Vert. Dbl Wipe", "Horz. Dbl Wipe", "Kaleidoscope", "Dbl Wipe Out", "Dbl Wipe In",
    "Vert. Squash1", "Vert. Pull1", "Horiz. Squash1", "Horiz. Pull1", "Drip", "No Picture2", "Slide Left",
    "Slide Right", "Push Left1", "Push Right1", "Dbl Diag. Up", "Dbl Diag. Down", "Dbl Diag. Left",
    "Dbl Diag. Right", "Rnd Bars Up", "Rnd Bars Down", "Rnd Bars Left", "Rnd Bars Right", "Sparkle Up",
    "Sparkle Down", "Sparkle Left", "Sparkle Right", "Clockwise", "Counterclock", "Semicircle-RL",
    "Semicircle-LR", "Semicircle-In", "Semicircle-Out", "Dbl Clockwise", "Circular Quad", "Diag Slide TL",
    "Diag Slide TR", "Diag Slide BL", "Diag Slide BR", "Horz. Dbl Slide", "Vert. Dbl Slide", "Rotate Left",
    "Rotate Right", "Rotate Top", "Rotate Bottom", "Horiz. Stretch", "Vert.  Stretch", "Horiz. Stretch",
    "Vert. Stretch", "Blocks TB", "Blocks BT", "Blocks LR", "Blocks RL", "Grow Blind TB", "Grow Blind BT",
    "Grow Blind LR", "Grow Blind RL", "Roll TB", "Roll BT", "Roll LR", "Roll RL", "2 Pass L to R",
    "2 Pass R to L", "2 Pass Top to B", "2 Pass B to Top", "2 Pass HW. In", "2 Pass HW. Out", "2 Pass VW. In",
    "2 Pass VW. Out", "2 Pass Implode", "2 Pass Explode", "H. Interlace", "V. Interlace", "Random Effect",
};

// Runs of effects that share their tuning: base speed and grain, normal / super fine.
struct TuningRun {
    int first;
    int last;
    std::int16_t speedNormal;
    std::int16_t speedFine;
    std::int16_t grainNormal;
    std::int16_t grainFine;
};

constexpr std::array<TuningRun, 35> tuningRuns = {{
    {0, 0, 0, 1, 1, 1},       {1, 12, 10, 2, 8, 1},     {13, 16, 2, 1, 8, 5},     {17, 20, 5, 2, 8, 5},
    {21, 21, 2, 1, 8, 5},     {22, 23, 10, 2, 8, 1},    {24, 25, 1, 1, 24, 12},   {26, 26, 10, 2, 8, 2},
    {27, 28, 10, 2, 8, 4},    {29, 32, 8, 2, 8, 4},     {33, 33, 10, 2, 8, 2},    {34, 34, 4, 4, 8, 8},
    {35, 36, 1, 4, 8, 8},     {37, 38, 1, 1, 8, 4},     {39, 39, 1, 1, 8, 6},     {40, 40, 1, 1, 8, 4},
    {41, 49, 10, 2, 8, 4},    {50, 50, 0, 1, 8, 4},     {51, 51, 10, 2, 8, 4},    {52, 59, 1, 1, 8, 4},
    {60, 63, 1, 1, 6, 5},     {64, 67, 1, 1, 8, 6},     {68, 74, 1, 1, 8, 4},     {75, 75, 1, 1, 6, 4},
    {76, 81, 1, 1, 6, 3},     {82, 89, 1, 1, 20, 10},   {90, 93, 1, 1, 6, 4},     {94, 97, 18, 4, 20, 10},
    {98, 99, 2, 1, 2, 1},     {100, 101, 1, 1, 6, 2},   {102, 109, 4, 4, 2, 1},   {110, 111, 4, 5, 2, 1},
    {112, 112, 1, 10, 8, 4},  {113, 113, 1, 10, 10, 5}, {114, 114, 0, 0, 0, 0},
}};

constexpr bool runsCoverEveryEffectOnce()
{
    int next = 0;
    for (const TuningRun& run : tuningRuns) {
        if (run.first != next || run.last < run.first)
            return false;
        next = run.last + 1;
    }
    return next == effectTableSize;
}
static_assert(runsCoverEveryEffectOnce());

} // namespace

EffectCatalogue& effectCatalogue()
{
    static EffectCatalogue catalogue;
    return catalogue;
}

int grainModeRow(int mgrainMode) { return mgrainMode == 1 ? 1 : 0; }

EffectCatalogue standardEffectCatalogue()
{
    EffectCatalogue catalogue;
    for (int n = 0; n < effectTableSize; ++n)
        catalogue.effectName[static_cast<std::size_t>(n)] = QString::fromLatin1(effectNames[static_cast<std::size_t>(n)]);
    for (const TuningRun& run : tuningRuns) {
        for (int n = run.first; n <= run.last; ++n) {
            const auto at = static_cast<std::size_t>(n);
            catalogue.effectBaseSpeed[0][at] = run.speedNormal;
            catalogue.effectBaseSpeed[1][at] = run.speedFine;
            catalogue.effectGrain[0][at] = run.grainNormal;
            catalogue.effectGrain[1][at] = run.grainFine;
        }
    }
    std::array<std::int16_t, lastRealEffect> allOn{};
    allOn.fill(1);
    applyEffectSelection(catalogue, allOn);
    return catalogue;
}

void applyEffectSelection(EffectCatalogue& catalogue, const std::array<std::int16_t, lastRealEffect>& flags)
{
    catalogue.effectEnabled.fill(0);
    std::copy(flags.begin(), flags.end(), catalogue.effectEnabled.begin() + 1);
    catalogue.effectEnabled[wipeAwayEffect] = 0;
    catalogue.noEffectEnabled = std::none_of(catalogue.effectEnabled.begin() + 1,
                                             catalogue.effectEnabled.begin() + lastRealEffect + 1,
                                             [](std::int16_t flag) { return flag == 1; });
}

void BuildEffectCatalogue()
{
    EffectCatalogue catalogue = standardEffectCatalogue();
    if (const auto selection = readEffectSelectionFile(effectSelectionPath()))
        applyEffectSelection(catalogue, *selection);
    effectCatalogue() = std::move(catalogue);
}

} // namespace qv
