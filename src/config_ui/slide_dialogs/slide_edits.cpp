#include "config_ui/slide_dialogs/slide_edits.h"

#include "showdata/custom_show.h"
#include "showdata/effect_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qv {
namespace {

bool isSlide(const CustomShow& show, int slide) { return slide >= 1 && slide <= show.slideCount; }

// Calls `write(position)` for the slide, or for every slide.
template <typename Write>
void forSlides(const CustomShow& show, int slide, bool allSlides, Write write)
{
    if (allSlides) {
        for (int position = 1; position <= show.slideCount; ++position)
            write(std::size_t(position));
    } else if (isSlide(show, slide)) {
        write(std::size_t(slide));
    }
}

std::int16_t small(int value) { return std::int16_t(std::clamp(value, -32768, 32767)); }

} // namespace

void storeDescription(CustomShow& show, int slide, const QString& description, bool allSlides)
{
    forSlides(show, slide, allSlides, [&](std::size_t p) { show.description[p] = description; });
}

void storeDelay(CustomShow& show, int slide, int delay, bool allSlides)
{
    forSlides(show, slide, allSlides, [&](std::size_t p) { show.delay[p] = small(delay); });
}

void storeEffect(CustomShow& show, int slide, int effect, int speed, bool allSlides)
{
    forSlides(show, slide, allSlides, [&](std::size_t p) {
        show.effect[p] = small(effect);
        show.effectSpeed[p] = small(speed);
    });
}

void storeAudio(CustomShow& show, int slide, const QString& audio, bool loop, bool allSlides)
{
    forSlides(show, slide, allSlides, [&](std::size_t p) {
        show.audio[p] = audio;
        show.audioLoop[p] = loop ? 1 : 0;
    });
}

QString slidePicture(const CustomShow& show, int slide)
{
    if (slide < 0 || std::size_t(slide) >= show.picture.size())
        return QString();
    return show.picture[std::size_t(slide)];
}

int effectOfListRow(int row) { return row == 0 ? randomEffect : row - 1; }

int listRowOfEffect(int effect)
{
    if (effect == randomEffect)
        return 0;
    if (effect < 0 || effect > lastRealEffect)
        return 1;
    return effect + 1;
}

QString soundFilePath(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + fileName;
    return folder + u'/' + fileName;
}

int trialSoundDeviceKind(const QString& fileName)
{
    return fileName.right(3).toUpper() == QLatin1String("WAV") ? 0 : 1;
}

bool isChosenSoundFile(const QString& fileName) { return fileName.size() > 3; }

DescriptionWalk DescriptionWalk::start(int first, int last)
{
    DescriptionWalk walk;
    walk.slide = first;
    walk.last = last;
    walk.position = 1;
    walk.total = last + 1 - first;
    return walk;
}

bool DescriptionWalk::advance()
{
    if (onLastSlide())
        return false;
    ++slide;
    ++position;
    return true;
}

QString DescriptionWalk::positionText() const
{
    return QStringLiteral("Editing %1 / %2").arg(position).arg(total);
}

} // namespace qv
