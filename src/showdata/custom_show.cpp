#include "showdata/custom_show.h"

#include <algorithm>
#include <cstddef>

namespace qv {

void CustomShow::resizeSlides(int count)
{
    slideCount = std::max(count, 0);
    const auto size = static_cast<std::size_t>(slideCount) + 1;
    picture.resize(size);
    description.resize(size);
    delay.resize(size);
    effect.resize(size);
    effectSpeed.resize(size);
    audio.resize(size);
    audioLoop.resize(size);
    pictureCount = std::min(pictureCount, slideCount);
    audioCount = std::min(audioCount, slideCount);
}

SlideRecord CustomShow::slide(int position) const
{
    const auto at = static_cast<std::size_t>(position);
    return SlideRecord{picture.at(at), description.at(at), delay.at(at), effect.at(at),
                       effectSpeed.at(at), audio.at(at),   audioLoop.at(at)};
}

void CustomShow::setSlide(int position, const SlideRecord& record)
{
    const auto at = static_cast<std::size_t>(position);
    picture.at(at) = record.picture;
    description.at(at) = record.description;
    delay.at(at) = record.delay;
    effect.at(at) = record.effect;
    effectSpeed.at(at) = record.effectSpeed;
    audio.at(at) = record.audio;
    audioLoop.at(at) = record.audioLoop;
}

CustomShow& customShow()
{
    static CustomShow show;
    return show;
}

void AppendSlide(CustomShow& show) { show.resizeSlides(show.slideCount + 1); }

void AppendSlide() { AppendSlide(customShow()); }

} // namespace qv
