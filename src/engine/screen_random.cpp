#include "engine/screen_random.h"

namespace qv {
namespace {

SeededRandom streamOf(const QString& screenName, const char* choice)
{
    return SeededRandom::named((screenName + QLatin1Char('/') + QLatin1String(choice)).toStdString());
}

} // namespace

ScreenRandom::ScreenRandom(const QString& screenName)
    : order(streamOf(screenName, "order")), effects(streamOf(screenName, "effects")),
      captions(streamOf(screenName, "captions"))
{
}

} // namespace qv
