// Putting one slide on the screen: the old picture wiped, the effect chosen, the
// border set, the sound started, the picture fitted and drawn, then its caption.
#include "engine/qvtour52.h"

#include "components/picture/frame_stats.h"
#include "components/picture/fx_image.h"
#include "components/platform/file_names.h"
#include "components/standard_palette.h"
#include "engine/caption_effects.h"
#include "engine/picture_fitting.h"
#include "engine/show_clock.h"
#include "engine/show_state.h"
#include "engine/show_timing.h"
#include "engine/slide_look.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/effect_catalogue.h"
#include "showdata/random_effect.h"
#include "showdata/random_source.h"
#include "startup/event_waiting.h"
#include "startup/shared_routines.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

namespace qv {
// The border of the show's settings, given to the picture in one step.
void qvtour52::applyBorderSettings() { applyShowBorder(*FXImage1); }

int qvtour52::LOADSLIDE(const QString& path, int delay)
{
    ShowState& show = showState();
    const GlobalSettings& settings = globalSettings();
    const CustomShow& table = customShow();
    const bool randomShow = settings.randomFlag == 1;
    const auto slot = static_cast<std::size_t>(FileIndex);
    show.slideOnScreen = FileIndex;
    orderSlideOnOtherScreens(path);

    // Pending events first; the slide timer rests while this slide comes in.
    let_events_run();
    Tick.stop();
    let_events_run();
    // The first picture comes onto a black screen; a later one wipes the old one away first.
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 wipeMs = 0;
    if (FirstPicture) {
        FirstPicture = false;
    } else {
        clear_picture();
        wipeMs = sinceTick.elapsed();
        if (show.quitRequested || closing_)
            return 1;
    }
    // The effect.
    RandomSource& effects = show.mainScreenRandom.effects;
    effects.reseedFromClock();
    const int slideEffect = randomShow ? DrawRandomEffect(effectCatalogue(), effects) : table.effect[slot];
    CurrentEffect = slideEffect;
    int effect = slideEffect;
    const bool drawn = randomShow || slideEffect == randomEffect;
    if (slideEffect == randomEffect)
        effect = DrawRandomEffect(effectCatalogue(), effects);
    // The effect that wipes a picture away brings none in, and the picture would never
    // report itself drawn: a slide that names it appears at once, as with "None".
    if (effect == wipeAwayEffect)
        effect = 0;
    FXImage1->setEffect(effect);
    let_events_run();
    FXImage1->setEffectGrain(effectGrainFor(effect));
    // Its speed.
    FXImage1->setEffectSpeed(drawn ? RandomEffectSpeed(effect) : table.effectSpeed[slot]);
    let_events_run();
    // The border of the show's settings.
    applyBorderSettings();
    // Displays of few colours show the picture only once it is ready.
    if (show.displayColorCount < 300)
        FXImage1->hide();
    // The picture starts out covering the screen; where the mouse was over it is forgotten.
    FXImage1->setGeometry(rect());
    show.imageMouse.forget();
    // The slide's sound starts with its picture.
    play_slide_audio();
    // A metafile comes from the probe, which has just read it.
    int result = 1;
    if (path.right(3).toUpper() != QStringLiteral("WMF")) {
        // A picture gone since the look-ahead read it is shown from the probe, rather
        // than leaving the previous picture under this slide's caption and sound.
        if (FXImage1->load(path) != 0) {
            result = 0;
            const FXImage& probe = *hiddenForm_->probe;
            if (probe.fileName() == path && probe.loadResult() == 0 && probe.picture())
                FXImage1->setPicture(probe.picture());
        }
    } else {
        FXImage1->setPicture(hiddenForm_->probe->picture());
    }
    // Forgotten again: loading let events run, mouse movements among them.
    show.imageMouse.forget();
    let_events_run();
    if (closing_)
        return result;
    // Fitted to the screen.
    const QSize natural = FXImage1->naturalSize();
    show.fit = FitPictureOnScreen(0, 0, height(), width(), natural.height(), natural.width(),
                                  settings.screenPercent.number(), settings.scaleFlag != 0);
    FXImage1->setGeometry(QRectF(show.fit.left, show.fit.top, show.fit.width, show.fit.height).toRect());
    FXImage1->prepareFrame();
    // This slide's delay counts from here on.
    show.imageMouse.forget();
    show.currentDelay = delay;
    let_events_run();
    // The transition runs; Notify comes when it is done.
    reportTransitionScreen(*FXImage1);
    if (FXImage1->isVisible())
        FXImage1->redraw();
    else
        FXImage1->show();
    FXImage1->raise();
    if (promptOpen_)
        Frame1->raise();
    // How long the slide change kept the screen waiting, besides the wipe itself: the
    // picture should have been decoded while the previous one stood.
    if (frameStatsWanted())
        std::fprintf(stderr, "Slide %d: wipe %lld ms, then %lld ms until the transition began\n", FileIndex,
                     static_cast<long long>(wipeMs), static_cast<long long>(sinceTick.elapsed() - wipeMs));
    show.imageMouse.forget();
    let_events_run();
    return result;
}

void qvtour52::clear_picture()
{
    // The old caption goes with its picture.
    FXLabel1->hide();
    FXLabel1->setRunning(false);
    // Off: the next picture is drawn over this one.
    if (!prepareErase(*FXImage1)) {
        let_events_run();
        return;
    }
    // The wipe runs to its end (events run meanwhile) before the next picture
    // comes in over it.
    FXImage1->setEffect(wipeAwayEffect);
    FXImage1->prepareFrame();
    if (closing_)
        return;
    FXImage1->redraw();
    let_events_run();
    FXImage1->setEraseEnabled(false);
}

void qvtour52::FXImage1_Notify()
{
    ShowState& show = showState();
    const GlobalSettings& settings = globalSettings();
    const CustomShow& table = customShow();
    const bool randomShow = settings.randomFlag == 1;
    // The caption belongs to the slide just drawn; the look-ahead has already moved
    // FileIndex on to the next picture.
    const auto slot = static_cast<std::size_t>(show.slideOnScreen);

    // With dissolves off the effect is spent once the picture is drawn.
    if (settings.cDissolve == 0)
        FXImage1->setEffect(0);
    // The slide's delay counts from now, or from the end of its caption's effect.
    const bool noCaption = settings.picinfoFlag < 1 || (!randomShow && table.description[slot].isEmpty());
    const bool captionFollows = !noCaption && !show.quitRequested && !promptOpen_;
    slideClock_.pictureDrawn(secondsNow(), captionFollows);
    // A request to end that came during the transition is carried out by the
    // next tick, so the timer must run again.
    show.imageMouse.forget();
    if (show.quitRequested) {
        enableTick();
        return;
    }
    // Under the password prompt the slide goes without its caption: the show stands
    // still until the prompt is answered.
    if (promptOpen_)
        return;
    if (noCaption) {
        enableTick();
        return;
    }
    // A caption effect drawn at random from the table.
    FXLabel1->hide();
    LabelEffectIndex =
        static_cast<int>(std::floor(show.mainScreenRandom.captions.next() * kCaptionEffectRows)) + 1;
    const CaptionEffect row = captionEffectRow(LabelEffectIndex);
    FXLabel1->setTextEffectSettings(TextEffectSettings{row.effect, row.settingA, row.settingB});
    // A pause between the picture and its caption.
    wait_seconds_unless(showTiming().captionPauseSeconds, [this] { return closing_ || promptOpen_; });
    if (closing_ || promptOpen_ || show.quitRequested)
        slideClock_.captionEnded(secondsNow());  // the caption is given up
    if (closing_ || promptOpen_)
        return;
    if (show.quitRequested) {
        enableTick();
        return;
    }
    // The caption: the file name in a random show, the description in a custom one. The
    // name keeps its case: on a file system that tells case apart, a lower-cased path
    // names a file that does not exist.
    const QString text = randomShow ? displayFileName(table.picture[slot]) : table.description[slot];
    placeCaption(*FXLabel1, text, size());
    FXLabel1->setRunning(true);
    FXLabel1->show();
    FXLabel1->raise();
    let_events_run();
    // The caption's run switch goes off by itself at the end of its effect, which
    // then reports; the delay counts from there. The timer runs meanwhile, for a
    // request to end.
    let_events_run();
    enableTick();
}

void qvtour52::FXLabel1_Notify()
{
    slideClock_.captionEnded(secondsNow());
    enableTick();
}

void qvtour52::show_bad_picture(const QString& path, int code)
{
    // The message, centred over the show.
    if (!placeBadPictureMessage(*FXLabelBadFile, path, code, size()))
        return;
    ShowState& show = showState();
    FXLabelBadFile->show();
    FXLabelBadFile->raise();
    let_events_run();
    // Counted on a clock that never wraps, so midnight cannot shorten it.
    const EventWaitHooks& clock = eventWaitHooks();
    const double until = clock.monotonicSeconds() + showTiming().badPictureSeconds;
    let_events_run_until([&] { return clock.monotonicSeconds() >= until || show.quitRequested || closing_; },
                         std::chrono::milliseconds(100));
    // The message goes; the show moves on.
    FXLabelBadFile->hide();
    let_events_run();
}

} // namespace qv
