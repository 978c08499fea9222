#include "engine/slide_audio.h"

namespace qv {

int soundDeviceKind(const QString& file) { return file.right(3).toUpper() == QStringLiteral("MID") ? 1 : 0; }

SlideSoundPlan planCustomSlideSound(const QString& audio, int audioLoop, bool together)
{
    SlideSoundPlan plan;
    if (audio.isEmpty())
        return plan;
    if (audio.toUpper() == QStringLiteral("SOUND OFF")) {
        plan.stopOne = true;
        plan.stopTwo = true;
        return plan;
    }
    const bool loop = audioLoop == 1;
    if (together && soundDeviceKind(audio) == 1) {
        plan.stopTwo = true;
        plan.start = SoundStart{SoundPlayer::Two, audio, loop};
    } else {
        plan.stopOne = true;
        plan.start = SoundStart{SoundPlayer::One, audio, loop};
    }
    return plan;
}

} // namespace qv
