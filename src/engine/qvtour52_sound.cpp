// The show's two players: a custom show starts each slide's sound with the slide; a
// random show plays its sounds one after another, independently of the pictures.
#include "engine/qvtour52.h"

#include "engine/show_state.h"
#include "engine/slide_audio.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/random_show_config.h"
#include "showdata/random_source.h"
#include "startup/shared_routines.h"

namespace qv {

void qvtour52::startPlayer(FXSnd& player, const QString& file, bool loop)
{
    player.setLoop(false);
    if (loop)
        player.setLoop(true);
    player.setDeviceType(soundDeviceKind(file) == 1 ? FXSnd::deviceMidi : FXSnd::deviceWaveAudio);
    player.setFileName(file);
}

void qvtour52::play_slide_audio()
{
    ShowState& show = showState();
    const GlobalSettings& settings = globalSettings();
    const CustomShow& table = customShow();

    if (settings.randomFlag == 1) {
        if (table.audioCount > 0 && !show.sound2Playing) {
            getsoundindex();
            sound2_off();
            startPlayer(FXSnd2, table.audio[static_cast<std::size_t>(SoundIndex)], randomShowConfig().loopAudio == 1);
            show.sound2Playing = true;
        }
        return;
    }

    const auto slot = static_cast<std::size_t>(FileIndex);
    const SlideSoundPlan plan = planCustomSlideSound(table.audio[slot], table.audioLoop[slot], settings.cblend != 0);
    if (plan.stopOne)
        sound1_off();
    if (plan.stopTwo)
        sound2_off();
    if (plan.start) {
        const bool one = plan.start->player == SoundPlayer::One;
        startPlayer(one ? FXSnd1 : FXSnd2, plan.start->file, plan.start->loop);
        (one ? show.sound1Playing : show.sound2Playing) = true;
    }
    if (plan.stopOne || plan.stopTwo || plan.start)
        let_events_run();
}

void qvtour52::stopPlayer(FXSnd& player)
{
    player.setFileName(QString());
    player.setCommand(FXSnd::commandStop);
    player.setCommand(FXSnd::commandClose);
}

void qvtour52::sound1_off()
{
    stopPlayer(FXSnd1);
    showState().sound1Playing = false;
    let_events_run();
}

void qvtour52::sound2_off()
{
    stopPlayer(FXSnd2);
    showState().sound2Playing = false;
    let_events_run();
}

void qvtour52::getsoundindex()
{
    SoundIndex = showState().soundOrder.next(customShow().audioCount, true, programRandom());
}

void qvtour52::fxsnd1_Notify() { showState().sound1Playing = false; }

// A random show's sound has ended: the next one starts with the next slide.
void qvtour52::FXSnd2_Notify() { showState().sound2Playing = false; }

} // namespace qv
