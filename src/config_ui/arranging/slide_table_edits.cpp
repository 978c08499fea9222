#include "config_ui/arranging/slide_table_edits.h"

#include "config_ui/common/config_ui_state.h"
#include "showdata/effect_catalogue.h"

#include <algorithm>
#include <cstddef>

namespace qv {
namespace {

// Opens `gap` empty positions in front of slide `at`: the show grows by `gap` and every
// slide from `at` on moves down by that much, all seven fields together.
void openGap(CustomShow& show, int at, int gap)
{
    const int oldCount = show.slideCount;
    for (int k = 0; k < gap; ++k)
        AppendSlide(show);
    for (int k = oldCount; k >= at; --k)
        show.setSlide(k + gap, show.slide(k));
}

int positionToInsertAt(const CustomShow& show, int current)
{
    return current >= 1 && current <= show.slideCount ? current : show.slideCount + 1;
}

} // namespace

SlideRecord newSlideFor(const QString& picturePath, const QString& description, int delay, int mgrainMode)
{
    SlideRecord slide;
    slide.picture = picturePath;
    slide.description = description;
    slide.delay = static_cast<std::int16_t>(std::clamp(delay, 0, 32767));
    slide.effect = noEffect;
    slide.effectSpeed = effectCatalogue().effectBaseSpeed[static_cast<std::size_t>(grainModeRow(mgrainMode))][0];
    return slide;
}

int insertSlideBefore(CustomShow& show, int current, const SlideRecord& slide)
{
    if (show.slideCount >= kMostSlides)
        return 0;
    const int at = positionToInsertAt(show, current);
    openGap(show, at, 1);
    show.setSlide(at, slide);
    return at;
}

AddedSlides addPictureSlides(CustomShow& show, int current, AddMode mode, const QStringList& paths, int delay,
                             int mgrainMode)
{
    const auto room = static_cast<qsizetype>(std::max(kMostSlides - show.slideCount, 0));
    const qsizetype taken = std::min(paths.size(), room);
    if (taken == 0)
        return {};
    const int count = static_cast<int>(taken);
    const int first = mode == AddMode::Insert ? positionToInsertAt(show, current) : show.slideCount + 1;
    openGap(show, first, count);
    for (int n = 0; n < count; ++n)
        show.setSlide(first + n, newSlideFor(paths.at(n), QString(), delay, mgrainMode));
    return AddedSlides{first, first + count - 1};
}

AddedSlides addPicturesToShow(CustomShow& show, ConfigUiState& state, AddMode mode, const QStringList& paths,
                              int delay, int mgrainMode)
{
    const AddedSlides added = addPictureSlides(show, state.currentSlide, mode, paths, delay, mgrainMode);
    state.newSlideFirst = static_cast<std::int16_t>(added.first);
    state.newSlideLast = static_cast<std::int16_t>(added.last);
    if (added.count() > 0 && state.editorState == 0)
        state.editorState = 1;
    return added;
}

bool swapSlides(CustomShow& show, int first, int second)
{
    const auto isSlide = [&show](int position) { return position >= 1 && position <= show.slideCount; };
    if (!isSlide(first) || !isSlide(second))
        return false;
    const SlideRecord kept = show.slide(first);
    show.setSlide(first, show.slide(second));
    show.setSlide(second, kept);
    return true;
}

} // namespace qv
